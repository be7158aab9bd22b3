#include "actors/Truck.hpp"
#include "actors/TruckLogistics.hpp"

#include "../params/CoutCapture.hpp"
#include "actors/Employee.hpp"
#include "params/TileSize.hpp"
#include "world/Level.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

namespace {

constexpr float Frame = 0.3f;

class TruckRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameParams::SetTileSizeType(SIZE128PX);
        std::srand(3);
        level = std::make_unique<Level>(nullptr, nullptr, "");
        other = std::make_unique<Level>(nullptr, nullptr, "");
        // Somewhere to unload: without it bought goods call no truck.
        for (Level* each : {level.get(), other.get()}) {
            each->setTile(TileFloor, 2, 2);
            each->setZone(ZoneGoodsIn, 2, 2);
        }
    }

    TruckLogistics& logistics() { return level->getTruckLogistics(); }

    // Orders goods and runs until their truck has driven `frames` frames.
    void sendTruck(int frames) {
        logistics().addDelivery(ItemSteel);
        logistics().addDelivery(ItemGlass);
        level->addStored(ItemSheetMetal, 2);
        ASSERT_TRUE(level->sellItems(ItemSheetMetal, 2, 60.5f));
        for (int frame = 0; frame < 1000 && level->getActiveTruck() == nullptr; ++frame) {
            level->update(Frame);
        }
        ASSERT_NE(level->getActiveTruck(), nullptr);
        for (int frame = 0; frame < frames; ++frame) {
            level->update(Frame);
        }
    }

    std::string saved(const TruckLogistics& source) {
        std::ostringstream out;
        EXPECT_TRUE(source.save(out));
        return out.str();
    }

    // Loads text into the other level's logistics; the printed lines.
    std::string loadFails(const std::string& text) {
        CoutCapture capture;
        std::istringstream in(text);
        EXPECT_FALSE(other->getTruckLogistics().load(in, other.get()));
        return capture.text();
    }

    std::unique_ptr<Level> level;
    std::unique_ptr<Level> other;
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

TEST_F(TruckRecordTest, LogisticsWithoutATruckRoundTrip) {
    logistics().addDelivery(ItemSteel);
    logistics().addPickUps(ItemCar, 1, 7000.25f);
    const std::string text = saved(logistics());
    EXPECT_EQ(text.rfind("TRUCKLOGISTICS 0.1 ", 0), 0u);

    std::istringstream in(text);
    ASSERT_TRUE(other->getTruckLogistics().load(in, other.get()));
    EXPECT_EQ(saved(other->getTruckLogistics()), text);
    EXPECT_EQ(other->getTruckLogistics().getCurrentTruck(), nullptr);
}

TEST_F(TruckRecordTest, ATruckOnItsWayRoundTripsWithItsDriver) {
    sendTruck(20);
    const std::string text = saved(logistics());
    EXPECT_NE(text.find(" 1 TRUCK 0.1 "), std::string::npos);
    EXPECT_NE(text.find(" EMPLOYEE "), std::string::npos);

    std::istringstream in(text);
    TruckLogistics& loaded = other->getTruckLogistics();
    ASSERT_TRUE(loaded.load(in, other.get()));
    Truck* truck = loaded.getCurrentTruck();
    ASSERT_NE(truck, nullptr);
    EXPECT_EQ(truck->getPosition(), level->getActiveTruck()->getPosition());
    ASSERT_NE(truck->getDriver(), nullptr);
    EXPECT_EQ(truck->getDriver()->getKind(), Employee::KindTruckDriver);
    EXPECT_EQ(truck->getDriver()->getLevel(), other.get());
    EXPECT_EQ(saved(loaded), text);
}

// The speed is not stored, and the approach never accelerates: a truck
// loaded on its way in would otherwise stand on the road for ever.
TEST_F(TruckRecordTest, ATruckLoadedWhileApproachingDrivesOn) {
    sendTruck(2);
    const float savedX = level->getActiveTruck()->getPosition().x;
    std::istringstream in(saved(logistics()));
    ASSERT_TRUE(other->getTruckLogistics().load(in, other.get()));
    Truck* truck = other->getTruckLogistics().getCurrentTruck();
    ASSERT_NE(truck, nullptr);
    EXPECT_FLOAT_EQ(truck->getCurrentSpeed(), truck->getMaximumSpeed());

    // The other level has no truck at the site yet: load() leaves that to the
    // level file, which takes the current truck afterwards.
    truck->update(Frame);
    EXPECT_FLOAT_EQ(truck->getPosition().x, savedX + 500.f * Frame);
}

TEST_F(TruckRecordTest, ATruckLoadedInsideTheBrakingDistanceBrakesOn) {
    sendTruck(0);
    Truck* truck = level->getActiveTruck();
    for (int frame = 0; frame < 100000 && !truck->isParked(); ++frame) {
        if (std::abs(truck->getApproachWaypoints().front().x - truck->getPosition().x) < 1000.f) {
            break;
        }
        level->update(Frame);
    }
    ASSERT_FALSE(truck->isParked());
    const float left = truck->getApproachWaypoints().front().x - truck->getPosition().x;
    std::istringstream in(saved(logistics()));
    ASSERT_TRUE(other->getTruckLogistics().load(in, other.get()));
    EXPECT_NEAR(other->getTruckLogistics().getCurrentTruck()->getCurrentSpeed(),
                left / 2000.f * 500.f, 1e-2f);
}

TEST_F(TruckRecordTest, EveryBrokenPartFailsTheLoadWithItsMessage) {
    sendTruck(20);
    const std::string text = saved(logistics());
    const std::string prefix = "TruckLogistics::load() - ";
    const std::string truckPrefix = "Truck::load() - ";

    EXPECT_EQ(loadFails("TRUCKLOGISTIC 0.1"), prefix + "Header ungueltig!\n");
    EXPECT_EQ(loadFails("TRUCKLOGISTICS 0.2"), prefix + "Version nicht unterstuetzt!\n");
    // A delivery of a type that does not exist.
    EXPECT_NE(loadFails(Replaced(text, "1000 1001", "1000 999"))
                  .find(prefix + "Laden von deliveryItems fehlgeschlagen!"),
              std::string::npos);
    EXPECT_NE(loadFails(Replaced(text, "10000 60.5", "10000 nan"))
                  .find(prefix + "Laden von pickUpItems fehlgeschlagen!"),
              std::string::npos);
    // The tally says three units where two are listed.
    EXPECT_NE(loadFails(Replaced(text, "10000 2 1 TRUCK", "10000 3 1 TRUCK"))
                  .find(prefix + "Laden von pickUpItemAmounts fehlgeschlagen!"),
              std::string::npos);
    EXPECT_NE(loadFails(Replaced(text, " 1 TRUCK ", " 2 TRUCK "))
                  .find(prefix + "Laden von currentTruck fehlgeschlagen!"),
              std::string::npos);

    const std::string wrongTruck = loadFails(Replaced(text, "TRUCK 0.1", "TRUCKS 0.1"));
    EXPECT_NE(wrongTruck.find(truckPrefix + "Header ungueltig!\n" + prefix +
                              "Laden von currentTruck fehlgeschlagen!"),
              std::string::npos);
    EXPECT_NE(loadFails(Replaced(text, "TRUCK 0.1", "TRUCK 0.3"))
                  .find(truckPrefix + "Version nicht unterstuetzt!"),
              std::string::npos);
    EXPECT_NE(loadFails(Replaced(text, "EMPLOYEE", "EMPLOYER"))
                  .find(truckPrefix + "Laden von driver fehlgeschlagen!"),
              std::string::npos);
    EXPECT_EQ(other->getTruckLogistics().getCurrentTruck(), nullptr);
    EXPECT_TRUE(other->getTruckLogistics().getPickUpItems().empty());
}

TEST_F(TruckRecordTest, BrokenRoutesFailTheirOwnLoad) {
    sendTruck(20);
    const std::string text = saved(logistics());
    // The routes follow the three flags; find them through the record's layout.
    const std::size_t truckAt = text.find("TRUCK 0.1 ");
    std::istringstream fields(text.substr(truckAt));
    std::string word;
    for (int skip = 0; skip < 7; ++skip) {
        fields >> word;
    }
    const std::size_t approachAt = truckAt + static_cast<std::size_t>(fields.tellg()) + 1;
    std::string brokenApproach = text;
    brokenApproach.replace(approachAt, 3, "Vex");
    EXPECT_NE(loadFails(brokenApproach)
                  .find("Truck::load() - Laden von approachWaypoints "
                        "fehlgeschlagen!"),
              std::string::npos);

    // A hostile count: the reader stops at the end of the text instead of
    // making room for it.
    std::string hugeDeparture = text;
    const std::size_t departureAt = text.find("Ver 0.1", approachAt + 3);
    hugeDeparture.replace(departureAt, 9, "Ver 0.1 4000000000");
    EXPECT_NE(loadFails(hugeDeparture)
                  .find("Truck::load() - Laden von departureWaypoints "
                        "fehlgeschlagen!"),
              std::string::npos);
}
