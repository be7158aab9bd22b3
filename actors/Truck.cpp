#include "actors/Truck.hpp"

#include "actors/Employee.hpp"
#include "actors/TruckLogistics.hpp"
#include "params/Graphics.hpp"
#include "params/Random.hpp"
#include "world/Level.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The driver sits facing the way the truck drives.
constexpr float DriverFacing = 90.f;
// The driver steps out two cells right of the parking cell, clear of the body.
constexpr int DriverColumnsRightOfParking = 2;

} // namespace

Truck::Truck(TruckLogistics* owner) : logistics(owner) {
    texture = GameParams::Graphics::GetSpriteMap();
    buildBody();
    buildTyres();
    if (logistics != nullptr && logistics->getLevel() != nullptr) {
        createDriver();
    }
}

// The driver holds no tile and no bookings once the truck is gone; the
// logistics release what it held in the level before destroying the truck.
Truck::~Truck() = default;

void Truck::buildBody() {
    const sf::IntRect rect = GameParams::Graphics::GetTruckTexture();
    const float w = static_cast<float>(rect.width);
    const float h = static_cast<float>(rect.height);
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    bodyQuad[0] = sf::Vertex({0.f, 0.f}, {left, top});
    bodyQuad[1] = sf::Vertex({w, 0.f}, {left + w, top});
    bodyQuad[2] = sf::Vertex({w, h}, {left + w, top + h});
    bodyQuad[3] = sf::Vertex({0.f, h}, {left, top + h});
}

void Truck::buildTyres() {
    const sf::IntRect rect = GameParams::Graphics::GetTruckTireTexture();
    const float half = tileSize() / 2.f;
    for (int wheel = 0; wheel < static_cast<int>(tyres.size()); ++wheel) {
        sf::Sprite& tyre = tyres[static_cast<std::size_t>(wheel)];
        if (texture != nullptr) {
            tyre.setTexture(*texture);
        }
        tyre.setTextureRect(rect);
        tyre.setOrigin(half, half);
        tyre.setPosition(GameParams::Graphics::GetTruckTireOffset(wheel));
        tyre.setRotation(static_cast<float>(GameParams::Random() % 360));
    }
}

void Truck::createDriver() {
    Level* level = logistics == nullptr ? nullptr : logistics->getLevel();
    driver = std::make_unique<Employee>(level, Employee::KindTruckDriver, -1, -1);
    driver->setFacing(DriverFacing);
}

float Truck::tileSize() const {
    const float size = static_cast<float>(GameParams::Graphics::GetSize().x);
    // An unknown tile size answers 0; a cell is never narrower than a pixel.
    return size > 0.f ? size : 1.f;
}

void Truck::setWaypoints(Waypoints approachRoute, Waypoints departureRoute) {
    approachWaypoints = std::move(approachRoute);
    departureWaypoints = std::move(departureRoute);
}

bool Truck::startApproach() {
    if (driving || approachWaypoints.size() < 2 || departureWaypoints.size() < 2) {
        return false;
    }
    setPosition(approachWaypoints.front());
    approachWaypoints.pop();
    currentSpeed = maximumSpeed;
    driving = true;
    finished = false;
    moveDriverWithTruck();
    return true;
}

sf::Vector2i Truck::getParkingTile() const {
    const float size = tileSize();
    const sf::Vector2f at = getPosition();
    return {static_cast<int>(std::floor(at.x / size)) + 1,
            static_cast<int>(std::floor(at.y / size))};
}

float Truck::getTyreRotation(int wheel) const {
    if (wheel < 0 || wheel >= static_cast<int>(tyres.size())) {
        return 0.f;
    }
    return tyres[static_cast<std::size_t>(wheel)].getRotation();
}

void Truck::update(float dt) {
    if (!driving) {
        return;
    }
    if (parked) {
        // Drivers have no needs: they only work.
        if (driver) {
            driver->requestWorkIfIdle(dt);
            driver->handleCurrentTask(dt);
        }
        watchProgress(dt);
        return;
    }
    if (!approachWaypoints.empty()) {
        approach(dt);
    } else {
        depart(dt);
    }
}

void Truck::approach(float dt) {
    const sf::Vector2f target = approachWaypoints.front();
    const bool lastPoint = approachWaypoints.size() == 1;
    const float step = currentSpeed * dt;
    const float dx = getPosition().x - target.x;
    const float dy = getPosition().y - target.y;
    if (std::max(std::abs(dx), std::abs(dy)) < 1.f) {
        approachWaypoints.pop();
        if (lastPoint) {
            // Standing on the stop itself: the parking cell is read from the
            // position, and a truck a fraction of a pixel short of the stop
            // would put its driver's cells one column to the left.
            setPosition(target);
            moveDriverWithTruck();
            park();
        }
        return;
    }
    stepTowards(target, step);
    moveDriverWithTruck();
    if (lastPoint && std::abs(dx) <= brakingDistance) {
        currentSpeed = std::max(MinimumBrakingSpeed, std::abs(dx) / brakingDistance * maximumSpeed);
    }
    turnTyres(dt);
}

void Truck::watchProgress(float dt) {
    if (!parked || logistics == nullptr) {
        return;
    }
    const std::size_t pending = logistics->unitsPending();
    if (pending < fewestUnitsPending) {
        fewestUnitsPending = pending;
        minutesWithoutProgress = 0.f;
        return;
    }
    minutesWithoutProgress += dt;
    if (minutesWithoutProgress < MaxMinutesWithoutProgress) {
        return;
    }
    // The driver's job is given up with its units put back, and the truck
    // drives off; what it could not bring or fetch waits for a later one.
    if (driver) {
        driver->giveUpChain();
    }
    parked = false;
}

void Truck::park() {
    currentSpeed = 0.f;
    parked = true;
    minutesWithoutProgress = 0.f;
    fewestUnitsPending = logistics == nullptr ? 0 : logistics->unitsPending();
    Level* level = logistics == nullptr ? nullptr : logistics->getLevel();
    if (level != nullptr) {
        level->getEvents().push({LevelEvent::TruckArrived, ItemNone, 0, 0.0, getParkingTile()});
    }
    if (driver) {
        const sf::Vector2i parking = getParkingTile();
        driver->attachToLevel(level, parking.x + DriverColumnsRightOfParking, parking.y);
    }
}

void Truck::depart(float dt) {
    if (departureWaypoints.empty()) {
        driving = false;
        finished = true;
        return;
    }
    if (currentSpeed < maximumSpeed) {
        currentSpeed = std::min(maximumSpeed, currentSpeed + acceleration * dt);
    }
    const float step = currentSpeed * dt;
    const sf::Vector2f target = departureWaypoints.front();
    const float dx = getPosition().x - target.x;
    const float dy = getPosition().y - target.y;
    if (step >= std::max(std::abs(dx), std::abs(dy))) {
        setPosition(target);
        departureWaypoints.pop();
    } else {
        stepTowards(target, step);
    }
    moveDriverWithTruck();
    turnTyres(dt);
}

void Truck::stepTowards(const sf::Vector2f& target, float step) {
    // Clamped to the distance left: at a high game speed the slowest braking
    // step can be longer than the way to the stop, and a truck that overshoots
    // by more than a pixel would swing around the stop for ever.
    const auto moveAxis = [step](float position, float goal) {
        const float delta = position - goal;
        if (delta < 0.f) {
            return position + std::min(step, -delta);
        }
        if (delta > 1.f) {
            return position - std::min(step, delta);
        }
        return position;
    };
    const sf::Vector2f at = getPosition();
    setPosition(moveAxis(at.x, target.x), moveAxis(at.y, target.y));
}

void Truck::moveDriverWithTruck() {
    if (driver) {
        driver->setPosition(getPosition() + GameParams::Graphics::GetTruckDriverOffset());
    }
}

void Truck::turnTyres(float dt) {
    for (sf::Sprite& tyre : tyres) {
        tyre.rotate(currentSpeed * dt);
    }
}

void Truck::resumeApproachSpeed() {
    if (!driving || parked || approachWaypoints.empty()) {
        return;
    }
    currentSpeed = maximumSpeed;
    if (approachWaypoints.size() == 1) {
        const float distance = std::abs(getPosition().x - approachWaypoints.front().x);
        if (distance <= brakingDistance) {
            currentSpeed = std::max(MinimumBrakingSpeed, distance / brakingDistance * maximumSpeed);
        }
    }
}
