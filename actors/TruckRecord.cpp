// The truck's save record. Speeds are not stored: a loaded truck on its way in
// gets its speed back from where it stands.

#include "actors/Truck.hpp"

#include "actors/Employee.hpp"
#include "actors/TruckLogistics.hpp"
#include "params/Graphics.hpp"
#include "persist/Codecs.hpp"
#include "persist/ExactNumber.hpp"
#include "persist/RecordStart.hpp"

#include <cmath>
#include <iostream>
#include <string>

namespace {

// Stored in save files.
constexpr const char* RecordHeader = "TRUCK";
constexpr float RecordVersion = 0.1f;

void Report(const std::string& message) {
    std::cout << "Truck::load() - " << message << std::endl;
}

bool ReadFlag(std::istream& in, bool& flag) {
    int value = 0;
    if (!(in >> value) || (value != 0 && value != 1)) {
        return false;
    }
    flag = value == 1;
    return true;
}

bool AllFinite(std::queue<sf::Vector2f> points) {
    for (; !points.empty(); points.pop()) {
        if (!std::isfinite(points.front().x) || !std::isfinite(points.front().y)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool Truck::save(std::ostream& out) const {
    using GameParams::Save::Exact;
    if (!driver) {
        return false;
    }
    out << RecordHeader << ' ' << RecordVersion << ' ' << Exact<float>{getPosition().x} << ' '
        << Exact<float>{getPosition().y} << ' ' << (driving ? 1 : 0) << ' ' << (parked ? 1 : 0)
        << ' ' << (finished ? 1 : 0) << ' ';
    GameParams::Save::QueueOfVector2f(approachWaypoints, out);
    out << ' ';
    GameParams::Save::QueueOfVector2f(departureWaypoints, out);
    out << ' ';
    return driver->save(out);
}

bool Truck::load(std::istream& in) {
    if (!GameParams::Load::RecordStart(in, "Truck::load()", RecordHeader, RecordVersion,
                                       GameParams::Load::OtherVersion::Refuse)) {
        return false;
    }
    sf::Vector2f position;
    bool isDriving = false, isParked = false, isFinished = false;
    if (!(in >> position.x >> position.y) || !std::isfinite(position.x) ||
        !std::isfinite(position.y) || !ReadFlag(in, isDriving) || !ReadFlag(in, isParked) ||
        !ReadFlag(in, isFinished)) {
        return false;
    }
    Waypoints approachRoute;
    if (!GameParams::Load::QueueOfVector2f(in, approachRoute) || !AllFinite(approachRoute)) {
        Report("Laden von approachWaypoints fehlgeschlagen!");
        return false;
    }
    Waypoints departureRoute;
    if (!GameParams::Load::QueueOfVector2f(in, departureRoute) || !AllFinite(departureRoute)) {
        Report("Laden von departureWaypoints fehlgeschlagen!");
        return false;
    }
    // A fresh driver each time: a failed load leaves nothing half-read behind.
    Level* level = logistics == nullptr ? nullptr : logistics->getLevel();
    auto loadedDriver = std::make_unique<Employee>(level, Employee::KindTruckDriver, -1, -1);
    if (!loadedDriver->load(in)) {
        Report("Laden von driver fehlgeschlagen!");
        return false;
    }
    driver = std::move(loadedDriver);
    setPosition(position);
    driving = isDriving;
    parked = isParked;
    finished = isFinished;
    approachWaypoints = std::move(approachRoute);
    departureWaypoints = std::move(departureRoute);
    texture = GameParams::Graphics::GetSpriteMap();
    buildBody();
    for (sf::Sprite& tyre : tyres) {
        if (texture != nullptr) {
            tyre.setTexture(*texture);
        }
    }
    currentSpeed = 0.f;
    resumeApproachSpeed();
    if (!parked) {
        moveDriverWithTruck();
    }
    return true;
}
