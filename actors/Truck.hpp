#pragma once

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <istream>
#include <limits>
#include <memory>
#include <ostream>
#include <queue>

class Employee;
class TruckLogistics;

// The delivery truck: it drives in along the street, brakes to a stop in the
// middle of the map, lets its driver carry goods while it is parked and then
// accelerates away. Definitions by concern: Truck.cpp (construction, driving),
// TruckDraw.cpp (body, tyres, driver, cargo display), TruckRecord.cpp (save,
// load).
class Truck : public sf::Drawable, public sf::Transformable {
public:
    using Waypoints = std::queue<sf::Vector2f>;

    // Builds the body and the tyres (each tyre draws its angle, first then
    // second) and, when the logistics serve a level, the driver.
    explicit Truck(TruckLogistics* logistics);
    ~Truck() override;
    Truck(const Truck&) = delete;
    Truck& operator=(const Truck&) = delete;

    void setWaypoints(Waypoints approach, Waypoints departure);
    // Refused while driving or while either route has fewer than two points.
    bool startApproach();
    void update(float dt);

    // The cell the truck stands on for the driver: right of its front edge.
    sf::Vector2i getParkingTile() const;
    // The level ends the stop when the driver has nothing left to carry.
    void setParked(bool value) { parked = value; }
    bool isParked() const { return parked; }
    bool isDriving() const { return driving; }
    bool isFinished() const { return finished; }
    float getCurrentSpeed() const { return currentSpeed; }
    float getMaximumSpeed() const { return maximumSpeed; }
    Employee* getDriver() const { return driver.get(); }
    const Waypoints& getApproachWaypoints() const { return approachWaypoints; }
    const Waypoints& getDepartureWaypoints() const { return departureWaypoints; }
    float getTyreRotation(int wheel) const;

    // The goods still to unload and to collect, as icons above the truck;
    // the level draws it before the truck.
    void drawCargoDisplay(sf::RenderTarget& target, sf::RenderStates states) const;

    bool save(std::ostream& out) const;
    bool load(std::istream& in);

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void buildBody();
    void buildTyres();
    void createDriver();
    void approach(float dt);
    void depart(float dt);
    void park();
    // Counts the time the driver moves no unit; gives up when it is too long.
    void watchProgress(float dt);
    void turnTyres(float dt);
    void moveDriverWithTruck();
    // Moves each axis by at most step towards the target, never past it.
    void stepTowards(const sf::Vector2f& target, float step);
    // A truck on its way in that has no speed (a loaded one) rolls on again.
    void resumeApproachSpeed();
    float tileSize() const;

    const sf::Texture* texture = nullptr;   // not saved: the atlas of the tile size
    sf::VertexArray bodyQuad{sf::Quads, 4}; // not saved: rebuilt from the atlas
    std::array<sf::Sprite, 2> tyres;        // not saved: angles drawn anew
    TruckLogistics* logistics;
    std::unique_ptr<Employee> driver;
    bool driving = false;
    bool parked = false;
    bool finished = false;
    float maximumSpeed = 500.f;     // pixels per game minute
    float currentSpeed = 0.f;       // not saved
    float acceleration = 50.f;      // pixels per game minute squared
    float brakingDistance = 2000.f; // pixels
    static constexpr float MinimumBrakingSpeed = 5.f;
    // A parked truck whose driver moves no unit for this long leaves, so that
    // a factory that can neither take nor hand over goods holds no truck for
    // ever. Far above the longest walk to goods-in or goods-out and back.
    static constexpr float MaxMinutesWithoutProgress = 180.f;
    // Not saved: a loaded truck waits its full time again.
    std::size_t fewestUnitsPending = std::numeric_limits<std::size_t>::max();
    float minutesWithoutProgress = 0.f;
    Waypoints approachWaypoints;
    Waypoints departureWaypoints;
};
