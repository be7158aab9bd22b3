#include "sound/GameSounds.hpp"

#include "actors/GameObject.hpp"
#include "actors/GameObjectDoor.hpp"
#include "actors/Truck.hpp"
#include "ui/Menu.hpp"
#include "ui/MenuHandlers.hpp"
#include "world/Level.hpp"

#include <algorithm>

void GameSounds::setOutput(std::unique_ptr<SoundOutput> newOutput) {
    output = std::move(newOutput);
    mixer.setOutput(output.get());
}

void GameSounds::update(const SoundFrame& frame) {
    viewCentre = frame.viewCentre;
    viewSize = frame.viewSize;
    if (frame.level != nullptr) {
        if (frame.level != heardLevel)
            meet(*frame.level);
        hearEvents(*frame.level);
        hearDoors(*frame.level);
        hearTruck(*frame.level);
        hearMoney(*frame.level);
        followBenches(*frame.level, frame.paused);
    }
    hearDialogs(frame.openDialogs);
    hearAlerts(frame.alerts, frame.realSeconds);
    mixer.advance(frame.realSeconds);
}

void GameSounds::meet(const Level& level) {
    heardLevel = &level;
    openingDoors.clear();
    for (const GameObjectDoor* door : level.getDoors())
        if (door->isOpening())
            openingDoors.push_back(door);
    const Truck* truck = level.getTruckLogistics().getCurrentTruck();
    parkedTruck = truck != nullptr && truck->isParked() ? truck : nullptr;
    balance = level.getBankAccount().getBalance();
}

void GameSounds::hearEvents(Level& level) {
    // Many units are paid for at once: one till is enough for the frame.
    bool paid = false;
    for (const LevelEvent& event : level.getEvents().pending()) {
        if (event.kind == LevelEvent::TruckArrived)
            playAt(SoundId::TruckArrive, cellCentre(level, event.cell));
        else if (event.kind == LevelEvent::SalePaid)
            paid = true;
    }
    if (paid)
        mixer.playInterface(SoundId::CashIn);
}

void GameSounds::hearDoors(const Level& level) {
    stillOpening.clear();
    for (const GameObjectDoor* door : level.getDoors()) {
        if (!door->isOpening())
            continue;
        stillOpening.push_back(door);
        if (std::find(openingDoors.begin(), openingDoors.end(), door) == openingDoors.end())
            playAt(SoundId::Door, door->getPosition());
    }
    openingDoors.swap(stillOpening);
}

void GameSounds::hearTruck(const Level& level) {
    const Truck* truck = level.getTruckLogistics().getCurrentTruck();
    const void* parked = truck != nullptr && truck->isParked() ? truck : nullptr;
    if (parkedTruck != nullptr && parked == nullptr && truck == parkedTruck && truck->isDriving())
        playAt(SoundId::TruckLeave, truck->getPosition());
    parkedTruck = parked;
}

void GameSounds::hearMoney(const Level& level) {
    const double now = level.getBankAccount().getBalance();
    // Building pays through toolReleased, which moves the balance on
    // first; what is left is orders and wages.
    if (now < balance - MoneyStep)
        mixer.playInterface(SoundId::MoneyOut);
    balance = now;
}

void GameSounds::hearDialogs(std::size_t count) {
    if (count > openDialogs)
        mixer.playInterface(SoundId::DialogOpen);
    else if (count < openDialogs)
        mixer.playInterface(SoundId::DialogClose);
    openDialogs = count;
}

void GameSounds::hearAlerts(std::size_t count, float realSeconds) {
    sinceAlert += realSeconds;
    if (count > alerts && sinceAlert >= AlertPause) {
        mixer.playInterface(SoundId::Alert);
        sinceAlert = 0.f;
    }
    alerts = count;
}

void GameSounds::followBenches(const Level& level, bool paused) {
    int working = 0;
    if (!paused)
        for (const std::unique_ptr<GameObject>& object : level.getGameObjects())
            if (object->isProducer() && object->isProductionActive())
                ++working;
    // One bench is heard a little; the hall fills up to a full workshop.
    const float level01 = working == 0
                              ? 0.f
                              : 0.3f + 0.7f * std::min(1.f, static_cast<float>(working - 1) /
                                                                (BenchesForFullAmbience - 1));
    mixer.setAmbienceTarget(level01);
}

void GameSounds::pressed(const MenuElement* element) {
    const auto* button = dynamic_cast<const MenuElementHandlerClick*>(element);
    if (button != nullptr && !button->isClickDisabled())
        mixer.playInterface(SoundId::Click);
}

void GameSounds::pressedOn(const std::vector<Menu*>& menus, int x, int y) {
    for (const Menu* menu : menus) {
        const MenuElement* element = menu->getElementAt(x, y);
        if (dynamic_cast<const MenuElementHandlerClick*>(element) != nullptr) {
            pressed(element);
            return;
        }
    }
}

void GameSounds::toolReleased(Level* level, int category, sf::Vector2f at, double balanceBefore) {
    if (level == nullptr)
        return;
    const double after = level->getBankAccount().getBalance();
    if (after < balanceBefore - MoneyStep) {
        if (category == CategoryTile)
            playAt(SoundId::BuildTile, at);
        else if (category == CategoryZone)
            playAt(SoundId::BuildZone, at);
        else
            playAt(SoundId::BuildObject, at);
    } else if (after > balanceBefore + MoneyStep) {
        playAt(SoundId::Demolish, at);
    } else if (category == CategoryTile || category == CategoryZone || category == CategoryObject ||
               category == CategoryDemolish) {
        mixer.playInterface(SoundId::Refused);
    }
    // The build was heard; it is no purchase.
    if (level == heardLevel)
        balance = after;
}

bool GameSounds::playAt(SoundId id, sf::Vector2f point) {
    return mixer.playAt(id, point, viewCentre, viewSize);
}

sf::Vector2f GameSounds::cellCentre(const Level& level, sf::Vector2i cell) const {
    return {(static_cast<float>(cell.x) + 0.5f) * static_cast<float>(level.getTileSizeX()),
            (static_cast<float>(cell.y) + 0.5f) * static_cast<float>(level.getTileSizeY())};
}
