// What a room's tooltip says it lacks, as the player fixes one thing after
// the other.

#include "tests/world/ZoneTestSupport.hpp"

#include <string>
#include <vector>

namespace {

class RoomInfoTest : public ZoneLevelTest {
protected:
    // A room of the kind over [left, right] x [top, bottom]; walls around it
    // only when walled.
    void buildRoom(ZoneType type, int left, int top, int right, int bottom, bool walled) {
        for (int row = top - 1; row <= bottom + 1; ++row) {
            for (int column = left - 1; column <= right + 1; ++column) {
                if (column >= left && column <= right && row >= top && row <= bottom) {
                    mark(type, column, row);
                } else if (walled) {
                    ASSERT_TRUE(level->setTile(TileWall, column, row));
                }
            }
        }
        level->updateMetaZones();
    }

    std::string infoAt(int column, int row) {
        level->updateMetaZones();
        const MetaZone* at = room(column, row);
        return at != nullptr ? at->getInfo() : std::string();
    }

    static bool says(const std::string& info, const std::string& part) {
        return info.find(part) != std::string::npos;
    }
};

} // namespace

TEST_F(RoomInfoTest, AKitchenNamesWhatItLacksUntilEachIsMended) {
    buildRoom(ZoneKitchen, 10, 10, 12, 11, false);
    std::string info = infoAt(10, 10);
    EXPECT_EQ(info.rfind("Raum: Küche (6 Felder)", 0), 0u) << info;
    EXPECT_TRUE(says(info, "Nicht geschlossen")) << info;
    EXPECT_TRUE(says(info, "Fehlt: Kühlschrank")) << info;

    buildRoom(ZoneKitchen, 10, 10, 12, 11, true);
    info = infoAt(10, 10);
    EXPECT_FALSE(says(info, "Nicht geschlossen")) << info;
    EXPECT_TRUE(says(info, "Keine Tür")) << info;

    ASSERT_TRUE(level->setTile(TileFloor, 9, 10));
    ASSERT_TRUE(level->placeObject(ObjectDoor, 9, 10, 0.f));
    ASSERT_TRUE(level->placeObject(ObjectFridge, 12, 10, 0.f));
    info = infoAt(10, 10);
    EXPECT_TRUE(room(10, 10)->shortcomings().empty()) << info;
    EXPECT_EQ(info, "Raum: Küche (6 Felder)");
    // A room without shortcomings keeps quiet under what stands in it.
    EXPECT_EQ(level->tooltipText(12 * 128.f, 10 * 128.f, 12, 10), "Typ: Kühlschrank");
    EXPECT_EQ(level->tooltipText(11 * 128.f, 10 * 128.f, 11, 10), info);

    // A counter on the cell the fridge is used from leaves nobody able to eat.
    const std::vector<Vec2i> use = level->usagePositions(ObjectFridge, 12, 10);
    ASSERT_EQ(use.size(), 1u);
    ASSERT_TRUE(level->placeObject(ObjectKitchenCounter, use[0].x, use[0].y, 0.f));
    EXPECT_TRUE(says(infoAt(10, 10), "Kühlschrank nicht nutzbar")) << infoAt(10, 10);
}

TEST_F(RoomInfoTest, EachKindOfRoomAsksForItsOwnFurnitureAndStoresForRoom) {
    const struct {
        ZoneType type;
        const char* lack;
    } rooms[] = {
        {ZoneBathroom, "Fehlt: Toilette"},
        {ZoneOffice, "Fehlt: Schreibtisch"},
        {ZoneWorkshop, "Fehlt: Werkbank"},
    };
    int left = 5;
    for (const auto& kind : rooms) {
        buildRoom(kind.type, left, 5, left, 5, true);
        EXPECT_TRUE(says(infoAt(left, 5), kind.lack)) << infoAt(left, 5);
        left += 4;
    }

    buildRoom(ZoneStorage, 20, 5, 20, 5, true);
    EXPECT_FALSE(says(infoAt(20, 5), "Voll")) << infoAt(20, 5);
    while (bring(20, 5, ItemSteel)) {
    }
    EXPECT_TRUE(says(infoAt(20, 5), "Voll: kein freier Platz")) << infoAt(20, 5);
}
