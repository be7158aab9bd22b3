// The EMPLOYEE save record. Mood (which follows from the needs), walk speed
// and the progress of the current step are not stored: a loaded employee
// starts its step anew. Records of version 0.1 lack the skills too; their
// employees keep the skills drawn when they were constructed for the load.

#include "actors/Employee.hpp"

#include "actors/GameObject.hpp"
#include "params/Graphics.hpp"
#include "persist/Codecs.hpp"
#include "persist/ExactNumber.hpp"
#include "persist/RecordStart.hpp"

#include <cmath>
#include <iostream>

namespace {

// Stored in the save record; 0.1 records lack the skills.
constexpr float RecordVersion = 0.2f;
constexpr float RecordVersionWithoutSkills = 0.1f;
const char* const RecordHeader = "EMPLOYEE";

const char* const Owner = "Employee::load()";

// The order in which the record holds the skills.
constexpr SkillType SavedSkills[] = {SkillWalkingSpeed, SkillWorkingSpeed, SkillResearchSpeed};

bool Report(const char* message) {
    std::cout << Owner << " - " << message << std::endl;
    return false;
}

// Names are read back as one word each: blanks inside a name (or an empty
// name) would shift every later field of the record.
std::string asOneWord(std::string name) {
    if (name.empty()) {
        return "_";
    }
    for (char& c : name) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

bool allFinite(std::initializer_list<float> values) {
    for (float value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

bool validCell(int coordinate) {
    return coordinate >= 0 || coordinate == -1;
}

bool resolveObject(int objectId, GameObject*& target) {
    if (objectId == -1) {
        target = nullptr;
        return true;
    }
    target = GameObject::GetById(objectId);
    return target != nullptr;
}

} // namespace

bool Employee::save(std::ostream& out) const {
    using GameParams::Framing::WriteValue;
    if (carrying && !carriedItem) {
        std::cout << "Emplyee::save() - Versuch nullptr zu speichern!" << std::endl;
        return false;
    }
    out << RecordHeader << ' ' << RecordVersion << ' ' << maxId << ' ';
    GameParams::Save::VertexArray(employeeQuads, out);
    out << ' ' << id << ' ' << kind << ' ' << (gender ? 1 : 0) << ' ' << asOneWord(firstName) << ' '
        << asOneWord(lastName) << ' ';
    // Components as numbers: as raw characters a blank or a zero would not read back.
    for (const sf::Color& colour : colours) {
        out << static_cast<int>(colour.r) << ' ' << static_cast<int>(colour.g) << ' '
            << static_cast<int>(colour.b) << ' ' << static_cast<int>(colour.a) << ' ';
    }
    out << salary << ' ' << baseSalary << ' ' << skillWeights[0] << ' ' << skillWeights[1] << ' '
        << skillWeights[2] << ' ';
    for (SkillType type : SavedSkills) {
        out << GameParams::Save::Exact<float>{skill(type)} << ' ';
    }
    GameParams::Save::VectorOfTaskType(taskPriorities, out);
    out << ' ' << mapPos.x << ' ' << mapPos.y << ' ' << facing << ' ' << (occupyingTile ? 1 : 0)
        << ' ';
    if (!GameParams::Save::ListOfTask(tasks, out)) {
        return false;
    }
    out << ' ';
    if (!GameParams::Save::MapOfNeedTypeAndNeed(needs, out)) {
        return false;
    }
    out << ' ';
    for (const Timer* timer :
         {&coffeeTimer, &eatingTimer, &toiletTimer, &workingTimer, &idlingTimer}) {
        out << timer->time << ' ' << timer->duration << ' ';
    }
    WriteValue(out, carrying);
    out << ' ';
    if (carrying) {
        if (!carriedItem->save(out)) {
            return false;
        }
        out << ' ';
    }
    out << carriedAmount << ' ' << (lastObjectUsed ? lastObjectUsed->getId() : -1) << ' '
        << (currentObjectUsed ? currentObjectUsed->getId() : -1) << ' ' << mapPosLastObjectUsed.x
        << ' ' << mapPosLastObjectUsed.y << ' ';
    return !out.fail();
}

bool Employee::load(std::istream& in) {
    employeeQuads.clear();
    tasks.clear();
    needs.clear();
    carriedItem.reset();
    carrying = false;
    carriedAmount = 0;

    int loadedMaxId = 0;
    float version = 0.f;
    if (!GameParams::Load::RecordStart(in, Owner, RecordHeader,
                                       {RecordVersion, RecordVersionWithoutSkills},
                                       GameParams::Load::OtherVersion::ReadOn, version) ||
        !GameParams::Load::ClassCounter(in, Owner, loadedMaxId)) {
        return false;
    }
    sf::VertexArray loadedQuads(sf::Quads);
    if (!GameParams::Load::VertexArray(in, loadedQuads)) {
        return Report("Laden von employeeQuads fehlgeschlagen!");
    }
    int loadedId = 0;
    int loadedKind = 0;
    bool loadedGender = false;
    std::string loadedFirst;
    std::string loadedLastName;
    if (!(in >> loadedId >> loadedKind >> loadedGender >> loadedFirst >> loadedLastName)) {
        return false;
    }
    if (loadedId < 0 || loadedId >= loadedMaxId) {
        return Report("id ungueltig!");
    }
    if (loadedKind != KindWorker && loadedKind != KindTruckDriver) {
        return Report("kind ungueltig!");
    }
    std::array<sf::Color, 4> loadedColours;
    for (sf::Color& colour : loadedColours) {
        int component[4] = {0, 0, 0, 0};
        for (int& value : component) {
            if (!(in >> value)) {
                return false;
            }
            if (value < 0 || value > 255) {
                return Report("Farbe ungueltig!");
            }
        }
        colour =
            sf::Color(static_cast<sf::Uint8>(component[0]), static_cast<sf::Uint8>(component[1]),
                      static_cast<sf::Uint8>(component[2]), static_cast<sf::Uint8>(component[3]));
    }
    float loadedSalary = 0.f;
    float loadedBase = 0.f;
    std::array<float, 3> loadedWeights{};
    if (!(in >> loadedSalary >> loadedBase >> loadedWeights[0] >> loadedWeights[1] >>
          loadedWeights[2])) {
        return false;
    }
    if (!allFinite(
            {loadedSalary, loadedBase, loadedWeights[0], loadedWeights[1], loadedWeights[2]})) {
        return Report("salary ungueltig!");
    }
    // Any other version is read as the oldest, as before there were two.
    const bool hasSkills = version == RecordVersion;
    std::map<SkillType, float> loadedSkills;
    if (hasSkills) {
        for (SkillType type : SavedSkills) {
            float value = 0.f;
            if (!(in >> value)) {
                return false;
            }
            // Written so that a value that is not a number fails too.
            if (!(value >= skillMinimum && value <= skillMinimum + skillRange)) {
                return Report("skills ungueltig!");
            }
            loadedSkills[type] = value;
        }
    }
    std::vector<TaskType> loadedPriorities;
    if (!GameParams::Load::VectorOfTaskType(in, loadedPriorities)) {
        return Report("Laden von taskPriorities fehlgeschlagen!");
    }
    sf::Vector2i loadedPos;
    float loadedFacing = 0.f;
    bool loadedOccupies = false;
    if (!(in >> loadedPos.x >> loadedPos.y >> loadedFacing >> loadedOccupies)) {
        return false;
    }
    if (!std::isfinite(loadedFacing)) {
        return Report("facing ungueltig!");
    }
    if (!GameParams::Load::ListOfTask(in, tasks)) {
        tasks.clear();
        return Report("Laden von tasks fehlgeschlagen!");
    }
    if (!GameParams::Load::MapOfNeedTypeAndNeed(in, needs)) {
        tasks.clear();
        needs.clear();
        return Report("Laden von needs fehlgeschlagen!");
    }
    Timer loadedTimers[5];
    for (Timer& timer : loadedTimers) {
        if (!(in >> timer.time >> timer.duration)) {
            return false;
        }
        if (!allFinite({timer.time, timer.duration})) {
            return Report("Timer ungueltig!");
        }
    }
    bool loadedCarrying = false;
    if (!(in >> loadedCarrying)) {
        return false;
    }
    std::unique_ptr<Item> loadedItem;
    if (loadedCarrying) {
        loadedItem = std::make_unique<Item>();
        if (!loadedItem->load(in, GameParams::Graphics::GetSpriteMap())) {
            return Report("Laden von carriedItem fehlgeschlagen!");
        }
    }
    unsigned loadedAmount = 0;
    int lastId = -1;
    int currentId = -1;
    sf::Vector2i loadedLastPos;
    if (!(in >> loadedAmount >> lastId >> currentId >> loadedLastPos.x >> loadedLastPos.y)) {
        return false;
    }
    if (loadedCarrying && loadedAmount == 0) {
        return Report("carriedAmount ungueltig!");
    }
    GameObject* loadedLastUsed = nullptr;
    GameObject* loadedCurrent = nullptr;
    if (!resolveObject(lastId, loadedLastUsed)) {
        return Report("lastObjectUsed konnte nicht wiederhergestellt werden!");
    }
    if (!resolveObject(currentId, loadedCurrent)) {
        return Report("currentObjectUsed konnte nicht wiederhergestellt werden!");
    }
    if (!validCell(loadedLastPos.x) || !validCell(loadedLastPos.y)) {
        return Report("mapPosLastObjectUsed ungueltig!");
    }

    auto entry = registry.find(id);
    if (entry != registry.end() && entry->second == this) {
        registry.erase(entry);
    }
    maxId = loadedMaxId;
    id = loadedId;
    registry[id] = this;
    kind = loadedKind;
    gender = loadedGender;
    firstName = loadedFirst;
    lastName = loadedLastName;
    colours = loadedColours;
    // The pay agreed on hiring, worked out from the skills then, is kept as
    // the file has it: an employee from a file without skills keeps it beside
    // the skills drawn anew, and in every later save.
    salary = loadedSalary;
    baseSalary = loadedBase;
    skillWeights = loadedWeights;
    if (hasSkills) {
        skills = std::move(loadedSkills);
    }
    taskPriorities = std::move(loadedPriorities);
    occupyingTile = loadedOccupies;
    coffeeTimer = loadedTimers[0];
    eatingTimer = loadedTimers[1];
    toiletTimer = loadedTimers[2];
    workingTimer = loadedTimers[3];
    idlingTimer = loadedTimers[4];
    carrying = loadedCarrying;
    carriedItem = std::move(loadedItem);
    carriedAmount = carrying ? loadedAmount : 0;
    lastObjectUsed = loadedLastUsed;
    currentObjectUsed = loadedCurrent;
    mapPosLastObjectUsed = loadedLastPos;
    stepProgress = {0.f, 0.f};
    waitingForDoor = false;

    texture = GameParams::Graphics::GetSpriteMap();
    tileSizePixels = GameParams::Graphics::GetSize().x;
    setFacing(loadedFacing);
    rebuildQuads();
    placeOnCell(loadedPos.x, loadedPos.y);
    updateNeeds(0.f);
    return true;
}
