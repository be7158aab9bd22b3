// The level's side of the statistics: the day bookings go to, and how each
// bench spent the frame.

#include "world/Level.hpp"

#include "actors/GameObject.hpp"

namespace {

// Nothing to work on until carriers bring what the recipe needs.
bool WaitsForIngredients(const GameObject& bench) {
    const Recipe& recipe = bench.getCurrentRecipe();
    if (!recipe.isValid() || bench.isProductionActive()) {
        return false;
    }
    const GameObject::ItemMap& input = bench.getIngredientInput();
    for (const auto& [type, needed] : recipe.ingredients) {
        const auto present = input.find(type);
        if ((present == input.end() ? 0 : present->second.size()) < needed) {
            return true;
        }
    }
    return false;
}

} // namespace

int Level::statisticsDay() const {
    return FactoryStatistics::DayIndex(getGameTime());
}

void Level::sampleBenchStatistics(float minutes) {
    const int day = statisticsDay();
    for (const auto& object : gameObjectContainer) {
        if (object->isProducer()) {
            statistics.sampleBench(object->getId(), WaitsForIngredients(*object), minutes, day);
        }
    }
}
