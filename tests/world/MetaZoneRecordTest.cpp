#include "tests/world/ZoneTestSupport.hpp"

#include "tests/persist/StreamTestSupport.hpp"

#include <string>

namespace {

class MetaZoneRecordTest : public ZoneLevelTest {
protected:
    std::string saved(const MetaZone& metaZone) {
        auto out = ClassicOutput();
        EXPECT_TRUE(metaZone.save(out));
        return out.str();
    }

    std::string loadFails(const std::string& text) {
        MetaZone loaded(level.get());
        auto in = ClassicInput(text);
        CapturedOutput printed;
        EXPECT_FALSE(loaded.load(in));
        return printed.text();
    }
};

const std::string OneCell = "1 Ver 0.1 1 4 Ver 0.1 1 5 0";

} // namespace

TEST_F(MetaZoneRecordTest, ARoomRoundTripsAndIsFoundByItsId) {
    mark(ZoneKitchen, 5, 4);
    mark(ZoneKitchen, 6, 4);
    mark(ZoneKitchen, 6, 5);
    const MetaZone& kitchen = *room(5, 4);
    const std::string text = saved(kitchen);
    const std::string expected = "METAZONE 0.1 " + std::to_string(MetaZone::GetMaxId()) + " " +
                                 std::to_string(kitchen.getId()) +
                                 " 1 3 Ver 0.1 2 4 Ver 0.1 2 5 0 6 0 5 Ver 0.1 1 6 0";
    EXPECT_EQ(text, expected);

    const int id = kitchen.getId();
    ASSERT_TRUE(level->setZone(ZoneNone, 5, 4));
    ASSERT_TRUE(level->setZone(ZoneNone, 6, 4));
    ASSERT_TRUE(level->setZone(ZoneNone, 6, 5));
    ASSERT_EQ(MetaZone::GetById(id), nullptr);

    MetaZone loaded(level.get());
    auto in = ClassicInput(text);
    CapturedOutput printed;
    ASSERT_TRUE(loaded.load(in));
    EXPECT_EQ(printed.text(), "");
    EXPECT_EQ(loaded.getId(), id);
    EXPECT_EQ(MetaZone::GetById(id), &loaded);
    EXPECT_EQ(loaded.getType(), ZoneKitchen);
    EXPECT_EQ(loaded.getCellCount(), 3);
    EXPECT_EQ(loaded.zonePositions(), (std::vector<sf::Vector2i>{{5, 4}, {6, 4}, {6, 5}}));
    EXPECT_FALSE(loaded.wasEnclosed());
    EXPECT_TRUE(loaded.getNeedsRefresh());
    EXPECT_TRUE(loaded.getNeedsSplitCheck());
    EXPECT_EQ(saved(loaded), text);
}

TEST_F(MetaZoneRecordTest, LoadingSetsTheClassCounter) {
    MetaZone loaded(level.get());
    auto in = ClassicInput("METAZONE 0.1 500 499 3 " + OneCell);
    ASSERT_TRUE(loaded.load(in));
    EXPECT_EQ(MetaZone::GetMaxId(), 500);
    MetaZone next(level.get());
    EXPECT_EQ(next.getId(), 500);
}

TEST_F(MetaZoneRecordTest, AnotherVersionIsReportedButStillLoads) {
    MetaZone loaded(level.get());
    auto in = ClassicInput("METAZONE 0.3 900 7 3 " + OneCell);
    CapturedOutput printed;
    EXPECT_TRUE(loaded.load(in));
    EXPECT_EQ(printed.text(), "MetaZone::load() - Version nicht unterstuetzt!\n");
    EXPECT_EQ(loaded.getId(), 7);
}

TEST_F(MetaZoneRecordTest, EveryLoadFailureHasItsLine) {
    EXPECT_EQ(loadFails("METAZONES 0.1 900 7 3 " + OneCell),
              "MetaZone::load() - Header ungueltig!\n");
    EXPECT_EQ(loadFails("METAZONE 0.1 -1 7 3 " + OneCell), "MetaZone::load() - maxId ungueltig!\n");
    EXPECT_EQ(loadFails("METAZONE 0.1 900 -1 3 " + OneCell), "MetaZone::load() - id ungueltig!\n");
    EXPECT_EQ(loadFails("METAZONE 0.1 900 900 3 " + OneCell), "MetaZone::load() - id ungueltig!\n");
    EXPECT_EQ(loadFails("METAZONE 0.1 900 7 0 " + OneCell), "MetaZone::load() - type ungueltig!\n");
    EXPECT_EQ(loadFails("METAZONE 0.1 900 7 -1 " + OneCell),
              "MetaZone::load() - type ungueltig!\n");
    EXPECT_EQ(loadFails("METAZONE 0.1 900 7 3 1 Ver 0.1 1 4 Vers 0.1 1 5 0"),
              "GameParams::Load::MapOfIntAndBool() - Header ungueltig!\n"
              "GameParams::Load::MapOfIntAndMapOfIntAndBool() - "
              "Laden von Map aus Int und Bool fehlgeschlagen!\n"
              "MetaZone::load() - Laden von containedZones fehlgeschlagen!\n");
}

TEST_F(MetaZoneRecordTest, CellsThatDoNotFitTheRoomAreRefused) {
    // The count must match the cells.
    EXPECT_EQ(loadFails("METAZONE 0.1 900 7 3 2 Ver 0.1 1 4 Ver 0.1 1 5 0"),
              "MetaZone::load() - cellCount ungueltig!\n");
    // A cell off the map.
    EXPECT_EQ(loadFails("METAZONE 0.1 900 7 3 1 Ver 0.1 1 4 Ver 0.1 1 500 0"),
              "MetaZone::load() - Laden von containedZones fehlgeschlagen!\n");
    // A row without cells.
    EXPECT_EQ(loadFails("METAZONE 0.1 900 7 3 0 Ver 0.1 1 4 Ver 0.1 0"),
              "MetaZone::load() - Laden von containedZones fehlgeschlagen!\n");
}

TEST_F(MetaZoneRecordTest, TwoRoomsCannotShareAnId) {
    mark(ZoneOffice, 5, 5);
    const int taken = room(5, 5)->getId();
    EXPECT_EQ(loadFails("METAZONE 0.1 900 " + std::to_string(taken) + " 3 " + OneCell),
              "MetaZone::load() - id ungueltig!\n");
    EXPECT_EQ(MetaZone::GetById(taken), room(5, 5));
}

TEST_F(MetaZoneRecordTest, ATruncatedRecordFailsSilently) {
    EXPECT_EQ(loadFails(""), "");
    EXPECT_EQ(loadFails("METAZONE 0.1"), "");
    EXPECT_EQ(loadFails("METAZONE 0.1 900 7 3"), "");
    EXPECT_EQ(loadFails("METAZONE 0.1 900 x"), "");
}

TEST_F(MetaZoneRecordTest, ALoadedRoomIsJudgedAgainOnItsFirstRefresh) {
    mark(ZoneKitchen, 4, 5);
    MetaZone loaded(level.get());
    auto in = ClassicInput("METAZONE 0.1 900 7 1 1 Ver 0.1 1 5 Ver 0.1 1 4 0");
    ASSERT_TRUE(loaded.load(in));
    // Open onto the grass all around.
    EXPECT_FALSE(loaded.isEnclosed());
    EXPECT_EQ(loaded.getOverlay().getVertexCount(), 4u);
    EXPECT_EQ(loaded.getMask().getSize(), sf::Vector2u(1, 1));
}
