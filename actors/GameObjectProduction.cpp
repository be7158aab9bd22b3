#include "actors/GameObject.hpp"

#include "actors/RecipeTable.hpp"
#include "world/Level.hpp"

#include <algorithm>
#include <iterator>

namespace {

// Takes one off a booking; a booking never runs below zero, and an emptied
// one leaves no key behind.
bool CountDown(GameObject::CountMap& counts, ItemType type) {
    auto entry = counts.find(type);
    if (entry == counts.end() || entry->second == 0) {
        return false;
    }
    if (--entry->second == 0) {
        counts.erase(entry);
    }
    return true;
}

} // namespace

bool GameObject::setRecipe(ItemType number) {
    if (number == ItemInvalid) {
        return false;
    }
    // An abandoned run must not swallow what was delivered for it.
    for (auto& [type, items] : ingredientsInUse) {
        auto& input = ingredientInput[type];
        std::move(items.begin(), items.end(), std::back_inserter(input));
    }
    ingredientsInUse.clear();
    currentRecipe = GameParams::GetRecipe(number);
    productionActive = false;
    currentProductionDuration = 0.f;
    setAsideUnusedIngredients();
    rebuildProductIcon();
    rebuildProgressBar();
    return true;
}

void GameObject::setAsideUnusedIngredients() {
    // What the new recipe needs stays; the rest waits at the bench like
    // finished output, so that carriers take it back to storage.
    bool setAside = false;
    for (auto entry = ingredientInput.begin(); entry != ingredientInput.end();) {
        const auto needed = currentRecipe.ingredients.find(entry->first);
        const std::size_t keep = needed == currentRecipe.ingredients.end() ? 0 : needed->second;
        auto& items = entry->second;
        if (items.size() > keep) {
            auto& output = producedItemOutput[entry->first];
            const auto firstSurplus = items.begin() + static_cast<std::ptrdiff_t>(keep);
            std::move(firstSurplus, items.end(), std::back_inserter(output));
            items.erase(firstSurplus, items.end());
            setAside = true;
        }
        entry = items.empty() ? ingredientInput.erase(entry) : std::next(entry);
    }
    if (setAside) {
        addToTransportList();
    }
}

std::size_t GameObject::presentCount(ItemType type) const {
    auto entry = ingredientInput.find(type);
    return entry == ingredientInput.end() ? 0 : entry->second.size();
}

std::size_t GameObject::announcedCount(ItemType type) const {
    auto entry = amountInDelivery.find(type);
    return entry == amountInDelivery.end() ? 0 : entry->second;
}

bool GameObject::allIngredientsCovered() const {
    return std::all_of(currentRecipe.ingredients.begin(), currentRecipe.ingredients.end(),
                       [this](const auto& ingredient) {
                           return presentCount(ingredient.first) +
                                      announcedCount(ingredient.first) >=
                                  ingredient.second;
                       });
}

bool GameObject::needsIngredient(ItemType type) const {
    auto needed = currentRecipe.ingredients.find(type);
    if (needed == currentRecipe.ingredients.end()) {
        return false;
    }
    return announcedCount(type) + presentCount(type) < needed->second;
}

bool GameObject::needsSupply() const {
    return producer && currentRecipe.isValid() && !allIngredientsCovered();
}

float GameObject::productionDuration() const {
    if (level == nullptr) {
        return currentRecipe.duration;
    }
    return Research::Scaled(currentRecipe.duration, level->getResearchEffects().recipeDuration);
}

bool GameObject::canBeUsedFor(TaskType task) const {
    if (task == usageTaskType) {
        return true;
    }
    if (task == TaskResearch) {
        return objType == ObjectDesk;
    }
    return task == TaskTransport && (!producedItemOutput.empty() || needsSupply());
}

bool GameObject::announceDelivery(ItemType type, unsigned& amount) {
    if (amount == 0 || !needsIngredient(type)) {
        return false;
    }
    ++amountInDelivery[type];
    if (allIngredientsCovered()) {
        removeFromTransportList();
    }
    --amount;
    return true;
}

bool GameObject::cancelDelivery(ItemType type) {
    if (announcedCount(type) == 0) {
        return false;
    }
    if (allIngredientsCovered() && currentRecipe.ingredients.count(type) > 0) {
        addToTransportList();
    }
    CountDown(amountInDelivery, type);
    return true;
}

bool GameObject::deliverIngredient(std::unique_ptr<Item>&& item) {
    if (!item) {
        return false;
    }
    const ItemType type = item->getType();
    auto needed = currentRecipe.ingredients.find(type);
    if (needed == currentRecipe.ingredients.end() || announcedCount(type) == 0 ||
        presentCount(type) >= needed->second) {
        return false;
    }
    ingredientInput[type].push_back(std::move(item));
    CountDown(amountInDelivery, type);
    return true;
}

bool GameObject::hasOutputToCollect(ItemType type) const {
    if (!producer) {
        return false;
    }
    auto output = producedItemOutput.find(type);
    if (output == producedItemOutput.end() || output->second.empty()) {
        return false;
    }
    auto booked = itemsInRetrieval.find(type);
    // More bookings than items would be a fault; there is nothing left to collect then.
    return booked == itemsInRetrieval.end() || booked->second < output->second.size();
}

bool GameObject::setItemInRetrieval(ItemType type, unsigned& amount) {
    if (amount == 0) {
        return false;
    }
    auto output = producedItemOutput.find(type);
    if (output == producedItemOutput.end() || output->second.empty()) {
        return false;
    }
    auto booked = itemsInRetrieval.find(type);
    if (booked != itemsInRetrieval.end() && booked->second >= output->second.size()) {
        return false;
    }
    ++itemsInRetrieval[type];
    --amount;
    return true;
}

bool GameObject::cancelPickUp(ItemType type) {
    return CountDown(itemsInRetrieval, type);
}

std::unique_ptr<Item> GameObject::takeOutput(ItemType type, unsigned& amount) {
    if (amount == 0) {
        return nullptr;
    }
    auto output = producedItemOutput.find(type);
    if (output == producedItemOutput.end() || output->second.empty() ||
        itemsInRetrieval.count(type) == 0) {
        return nullptr;
    }
    CountDown(itemsInRetrieval, type);
    std::unique_ptr<Item> item = std::move(output->second.back());
    output->second.pop_back();
    if (output->second.empty()) {
        producedItemOutput.erase(output);
    }
    if (producedItemOutput.empty()) {
        removeFromTransportList();
    }
    --amount;
    rebuildProgressBar();
    return item;
}

bool GameObject::work(float& dt, bool& finished) {
    finished = false;
    if (!producer) {
        dt = 0.f;
        return true;
    }
    if (!currentRecipe.isValid()) {
        return false;
    }
    if (!productionActive) {
        // The caller goes on working with the same dt in the same frame.
        return startProduction();
    }
    const float duration = productionDuration();
    float progress = currentProductionDuration + dt;
    if (progress > duration) {
        dt = progress - duration;
        progress = duration;
    } else {
        dt = 0.f;
    }
    currentProductionDuration = progress;
    if (level != nullptr) {
        level->getStatistics().recordBenchWorked(id, level->statisticsDay());
    }
    if (progress >= duration) {
        finishProduction();
        finished = true;
    }
    rebuildProgressBar();
    return true;
}

bool GameObject::startProduction() {
    // Output waiting must be collected before the next run.
    if (!producedItemOutput.empty()) {
        return false;
    }
    for (const auto& [type, needed] : currentRecipe.ingredients) {
        if (presentCount(type) < needed) {
            return false;
        }
    }
    for (const auto& [type, needed] : currentRecipe.ingredients) {
        if (needed == 0) {
            continue;
        }
        auto& input = ingredientInput[type];
        auto& inUse = ingredientsInUse[type];
        const auto firstUsed = input.end() - static_cast<std::ptrdiff_t>(needed);
        std::move(firstUsed, input.end(), std::back_inserter(inUse));
        input.erase(firstUsed, input.end());
        if (input.empty()) {
            ingredientInput.erase(type);
        }
    }
    productionActive = true;
    currentProductionDuration = 0.f;
    rebuildProgressBar();
    return true;
}

void GameObject::finishProduction() {
    productionActive = false;
    for (const auto& [type, count] : currentRecipe.resultingItems) {
        if (count == 0) {
            continue;
        }
        auto& output = producedItemOutput[type];
        for (std::size_t i = 0; i < count; ++i) {
            auto item = std::make_unique<Item>();
            item->place(texture, type, mapPos.x, mapPos.y);
            output.push_back(std::move(item));
        }
        if (level != nullptr) {
            level->getStatistics().recordFinished(id, type, static_cast<unsigned>(count),
                                                  level->statisticsDay());
        }
    }
    addToTransportList();
    ingredientsInUse.clear();
}

void GameObject::addToTransportList() {
    if (level != nullptr) {
        level->addToTransportList(this);
    }
}

void GameObject::removeFromTransportList() {
    if (level != nullptr) {
        level->removeFromTransportList(this);
    }
}
