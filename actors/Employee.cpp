#include "actors/Employee.hpp"

#include "actors/GameObject.hpp"
#include "params/Graphics.hpp"
#include "params/Random.hpp"
#include "params/Rules.hpp"
#include "params/Texts.hpp"
#include "world/Level.hpp"

#include <cmath>
#include <iomanip>
#include <sstream>

int Employee::maxId = 0;
std::map<int, Employee*> Employee::registry;

namespace {

// A new employee's needs, in the order they are created (each draws rand()).
constexpr NeedType StartingNeeds[] = {NeedWork, NeedToilet, NeedFood, NeedCoffee};
constexpr SkillType Skills[] = {SkillWalkingSpeed, SkillWorkingSpeed, SkillResearchSpeed};

} // namespace

Employee::Employee() : id(maxId++) {
    registry[id] = this;
    texture = GameParams::Graphics::GetSpriteMap();
    tileSizePixels = GameParams::Graphics::GetSize().x;
    drawLooks();
    setFacing(0.f);
    for (SkillType type : Skills) {
        skills[type] =
            static_cast<float>(GameParams::Random() % static_cast<int>(skillRange)) + skillMinimum;
    }
    for (int priority : GameParams::GetDefaultWorkPriorities()) {
        taskPriorities.push_back(static_cast<TaskType>(priority));
    }
    computeSalary();
    createNeeds();
}

Employee::Employee(Level* owner) : Employee() {
    level = owner;
}

Employee::Employee(Level* owner, int employeeKind, int column, int row) : Employee() {
    level = owner;
    kind = employeeKind;
    placeOnCell(column, row);
}

Employee::~Employee() {
    auto entry = registry.find(id);
    if (entry != registry.end() && entry->second == this) {
        registry.erase(entry);
    }
}

Employee* Employee::GetById(int employeeId) {
    auto entry = registry.find(employeeId);
    return entry == registry.end() ? nullptr : entry->second;
}

void Employee::ResetIds() {
    registry.clear();
    maxId = 0;
}

void Employee::KeepIdsAboveRegistered() {
    if (!registry.empty() && registry.rbegin()->first >= maxId) {
        maxId = registry.rbegin()->first + 1;
    }
}

void Employee::drawLooks() {
    gender = GameParams::Random() % 2 == 1;
    firstName = GameParams::Texts::GetFirstName(gender ? 1 : 0);
    lastName = GameParams::Texts::GetLastName();
    colours[0] = GameParams::Graphics::GetRandomSkinColor();
    colours[1] = GameParams::Graphics::GetRandomHairColor();
    colours[2] = GameParams::Graphics::GetRandomUpperBodyColor();
    colours[3] = GameParams::Graphics::GetRandomLowerBodyColor();
}

void Employee::computeSalary() {
    salary = baseSalary;
    for (SkillType type : Skills) {
        salary += skillWeights[static_cast<std::size_t>(type)] * skill(type);
    }
}

void Employee::createNeeds() {
    needs.clear();
    for (NeedType type : StartingNeeds) {
        needs.emplace(type, Need(type));
    }
}

float Employee::skill(SkillType type) const {
    auto entry = skills.find(type);
    return entry == skills.end() ? 0.f : entry->second;
}

void Employee::placeOnCell(int column, int row) {
    mapPos = {column, row};
    setOrigin(tileSize() / 2.f, tileSize() / 2.f);
    setPosition(tileSize() * column, tileSize() * row);
}

void Employee::attachToLevel(Level* owner, int column, int row) {
    level = owner;
    placeOnCell(column, row);
}

int Employee::SpriteDirectionOf(float degrees) {
    if (!(degrees >= 0.f && degrees < 360.f)) {
        return 0;
    }
    if (degrees < 40.f || degrees >= 320.f) {
        return 1;
    }
    if (degrees < 140.f) {
        return 2;
    }
    if (degrees < 220.f) {
        return 3;
    }
    return 4;
}

void Employee::setFacing(float degrees) {
    // A bounded loop: an absurd angle from a save file must not spin forever.
    if (std::isfinite(degrees)) {
        degrees = std::fmod(degrees, 360.f);
        if (degrees < 0.f) {
            degrees += 360.f;
        }
        if (degrees >= 360.f) {
            degrees -= 360.f;
        }
    }
    facing = degrees;
    const int direction = SpriteDirectionOf(facing);
    if (direction != spriteDirection) {
        spriteDirection = direction;
        rebuildQuads();
    }
}

void Employee::rebuildQuads() {
    employeeQuads = GameParams::Graphics::GetEmployeeTextureQuads(
        spriteDirection, colours[0], colours[1], colours[2], colours[3]);
}

std::string Employee::getSalaryText() const {
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << salary;
    return text.str();
}

namespace {

// Needs grow towards 100; the dispatch serves them from their triggers on.
const char* urgencyNote(const Need& need) {
    if (need.getValue() >= need.getTriggerHigh()) {
        return " (dringend)";
    }
    return need.getValue() >= need.getTriggerMedium() ? " (bald dringend)" : "";
}

} // namespace

std::string Employee::getInfo() const {
    std::ostringstream text;
    text << firstName << " " << lastName << "\n\n";
    const TaskType current = tasks.empty() ? TaskNone : tasks.front().getTask();
    text << "Aktuelle Tätigkeit: " << GameParams::Texts::GetTaskTypeName(current) << "\n"
         << getActivityText() << "\n";
    const std::string waiting = getWaitingText();
    if (!waiting.empty()) {
        text << waiting << "\n";
    }
    text << "\nBedürfnisse: (0 = versorgt, 100 = dringend)";
    for (const auto& [type, need] : needs) {
        if (type != NeedWork) {
            text << "\n"
                 << GameParams::Texts::GetNeedTypeName(type) << ": "
                 << static_cast<int>(std::floor(need.getValue())) << urgencyNote(need);
        }
    }
    text << "\n\n";
    text << "Stimmung: " << static_cast<int>(std::floor(mood)) << " / 100\n\n";
    text << "Fähigkeiten: ";
    for (const auto& [type, value] : skills) {
        text << "\n"
             << GameParams::Texts::GetSkillTypeName(type) << ": "
             << static_cast<int>(std::floor(value));
    }
    text << "\n\n";
    text << "Gehalt: " << getSalaryText() << " pro Tag\n";
    text << "Belegt Tile: " << (occupyingTile ? 1 : 0);
    return text.str();
}

void Employee::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    for (const Task& task : tasks) {
        target.draw(task, states);
    }
    states.transform *= getTransform();
    states.texture = texture;
    target.draw(employeeQuads, states);
}
