#include "actors/Truck.hpp"

#include "actors/Employee.hpp"
#include "actors/TruckLogistics.hpp"
#include "params/Graphics.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr float Stop = 5120.f;
constexpr float Road = 6912.f;

Truck::Waypoints Route(float fromX, float toX) {
    Truck::Waypoints route;
    route.push({fromX, Road});
    route.push({toX, Road});
    return route;
}

// A truck on its own, started on a route that stops at x = Stop.
class TruckDriving : public ::testing::Test {
protected:
    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        truck.setWaypoints(Route(-512.f, Stop), Route(Stop, 10624.f));
        ASSERT_TRUE(truck.startApproach());
    }

    // Drives until the truck parks; false if it never does.
    bool driveToStop(float dt, int frameLimit = 100000) {
        for (int frame = 0; frame < frameLimit && !truck.isParked(); ++frame) {
            truck.update(dt);
        }
        return truck.isParked();
    }

    Truck truck{nullptr};
};

} // namespace

TEST(TruckStart, NeedsTwoPointsOnEachRouteAndStartsOnlyOnce) {
    GameParams::SetTileSizeType(SIZE128PX);
    Truck truck(nullptr);
    EXPECT_FALSE(truck.startApproach());
    Truck::Waypoints shortRoute;
    shortRoute.push({0.f, Road});
    truck.setWaypoints(shortRoute, Route(Stop, 10624.f));
    EXPECT_FALSE(truck.startApproach());

    truck.setWaypoints(Route(-512.f, Stop), Route(Stop, 10624.f));
    ASSERT_TRUE(truck.startApproach());
    EXPECT_EQ(truck.getPosition(), sf::Vector2f(-512.f, Road));
    EXPECT_EQ(truck.getApproachWaypoints().size(), 1u);
    EXPECT_FLOAT_EQ(truck.getCurrentSpeed(), truck.getMaximumSpeed());
    EXPECT_TRUE(truck.isDriving());
    // A truck on its way cannot be sent off again.
    truck.setWaypoints(Route(-512.f, Stop), Route(Stop, 10624.f));
    EXPECT_FALSE(truck.startApproach());
}

TEST_F(TruckDriving, FarFromTheStopItDrivesAtFullSpeed) {
    truck.update(0.3f);
    EXPECT_FLOAT_EQ(truck.getPosition().x, -512.f + 500.f * 0.3f);
    EXPECT_FLOAT_EQ(truck.getCurrentSpeed(), 500.f);
    EXPECT_FLOAT_EQ(truck.getPosition().y, Road);
}

TEST_F(TruckDriving, BrakesToTheMinimumSpeedAndStopsWithinOnePixel) {
    float slowest = truck.getCurrentSpeed();
    float previousDistance = Stop + 512.f;
    for (int frame = 0; frame < 100000 && !truck.isParked(); ++frame) {
        truck.update(0.3f);
        const float distance = std::abs(Stop - truck.getPosition().x);
        // Inside the braking distance the speed follows the way left.
        if (!truck.isParked() && distance < previousDistance && previousDistance <= 2000.f) {
            EXPECT_FLOAT_EQ(truck.getCurrentSpeed(),
                            std::max(5.f, previousDistance / 2000.f * 500.f));
        }
        previousDistance = distance;
        if (!truck.isParked()) {
            slowest = std::min(slowest, truck.getCurrentSpeed());
        }
    }
    ASSERT_TRUE(truck.isParked());
    EXPECT_FLOAT_EQ(slowest, 5.f);
    EXPECT_EQ(truck.getPosition(), sf::Vector2f(Stop, Road));
    EXPECT_TRUE(truck.getApproachWaypoints().empty());
    EXPECT_FLOAT_EQ(truck.getCurrentSpeed(), 0.f);
}

TEST_F(TruckDriving, LongFramesAtTopSpeedDoNotSwingAroundTheStop) {
    // 100 ms at nine times the speed: the slowest braking step is 9 pixels.
    ASSERT_TRUE(driveToStop(1.8f, 20000));
    EXPECT_EQ(truck.getPosition(), sf::Vector2f(Stop, Road));
}

TEST_F(TruckDriving, ParkedTruckStandsUntilReleasedThenAcceleratesAwayAndFinishes) {
    ASSERT_TRUE(driveToStop(0.3f));
    const sf::Vector2f parkedAt = truck.getPosition();
    for (int frame = 0; frame < 100; ++frame) {
        truck.update(0.3f);
    }
    EXPECT_EQ(truck.getPosition(), parkedAt);

    truck.setParked(false);
    truck.update(0.3f);
    EXPECT_FLOAT_EQ(truck.getCurrentSpeed(), 50.f * 0.3f);
    truck.update(0.3f);
    EXPECT_FLOAT_EQ(truck.getCurrentSpeed(), 2.f * 50.f * 0.3f);
    for (int frame = 0; frame < 100000 && !truck.isFinished(); ++frame) {
        truck.update(0.3f);
        EXPECT_LE(truck.getCurrentSpeed(), truck.getMaximumSpeed());
    }
    EXPECT_TRUE(truck.isFinished());
    EXPECT_FALSE(truck.isDriving());
    EXPECT_EQ(truck.getPosition(), sf::Vector2f(10624.f, Road));
}

TEST_F(TruckDriving, BothTyresTurnBySpeedTimesTime) {
    const float before[] = {truck.getTyreRotation(0), truck.getTyreRotation(1)};
    truck.update(0.3f);
    for (int wheel = 0; wheel < 2; ++wheel) {
        const float turned = std::fmod(truck.getTyreRotation(wheel) - before[wheel] + 360.f, 360.f);
        EXPECT_NEAR(turned, 500.f * 0.3f, 1e-3f) << "wheel " << wheel;
    }
}

TEST(TruckWithDriver, TheDriverRidesInTheCabAndStepsOutRightOfTheTruck) {
    GameParams::SetTileSizeType(SIZE128PX);
    Level level(nullptr, nullptr, "");
    TruckLogistics& logistics = level.getTruckLogistics();
    Truck truck(&logistics);
    Employee* driver = truck.getDriver();
    ASSERT_NE(driver, nullptr);
    EXPECT_EQ(driver->getKind(), Employee::KindTruckDriver);
    EXPECT_FLOAT_EQ(driver->getFacing(), 90.f);
    EXPECT_EQ(driver->getLevel(), &level);

    ASSERT_TRUE(level.truckArrives(&truck));
    truck.update(0.3f);
    EXPECT_EQ(driver->getPosition(),
              truck.getPosition() + GameParams::Graphics::GetTruckDriverOffset());
    for (int frame = 0; frame < 100000 && !truck.isParked(); ++frame) {
        truck.update(0.3f);
    }
    ASSERT_TRUE(truck.isParked());
    const sf::Vector2i parking = truck.getParkingTile();
    EXPECT_EQ(parking, sf::Vector2i(41, 54));
    EXPECT_EQ(driver->getMapPosition(), sf::Vector2i(43, 54));
    EXPECT_EQ(driver->getPosition(), sf::Vector2f(43.f * 128.f, 54.f * 128.f));
    level.truckLeft(&truck);
}
