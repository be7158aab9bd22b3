#include "tests/world/ZoneTestSupport.hpp"

#include <set>
#include <vector>

namespace {

class MetaZoneTest : public ZoneLevelTest {
protected:
    // A walled room of kitchen over columns [left, right] and rows [top, bottom].
    void buildRoom(int left, int top, int right, int bottom) {
        for (int row = top - 1; row <= bottom + 1; ++row) {
            for (int column = left - 1; column <= right + 1; ++column) {
                const bool inside =
                    column >= left && column <= right && row >= top && row <= bottom;
                if (inside) {
                    mark(ZoneKitchen, column, row);
                } else {
                    ASSERT_TRUE(level->setTile(TileWall, column, row));
                }
            }
        }
    }

    std::set<const MetaZone*> roomsOf(const std::vector<sf::Vector2i>& cells) {
        std::set<const MetaZone*> rooms;
        for (const sf::Vector2i& cell : cells) {
            rooms.insert(room(cell.x, cell.y));
        }
        return rooms;
    }
};

} // namespace

TEST_F(MetaZoneTest, CellsTouchingOnlyAtACornerAreOneRoom) {
    mark(ZoneKitchen, 10, 10);
    mark(ZoneKitchen, 11, 11);
    ASSERT_EQ(level->getMetaZones().size(), 1u);
    EXPECT_EQ(room(10, 10), room(11, 11));
    EXPECT_EQ(room(10, 10)->getCellCount(), 2);
    EXPECT_EQ(room(10, 10)->getType(), ZoneKitchen);
}

TEST_F(MetaZoneTest, DifferentZoneTypesMakeDifferentRooms) {
    mark(ZoneKitchen, 10, 10);
    mark(ZoneOffice, 11, 10);
    EXPECT_EQ(level->getMetaZones().size(), 2u);
    EXPECT_NE(room(10, 10), room(11, 10));
}

TEST_F(MetaZoneTest, RemovingTheMiddleOfARowSplitsItInTheSameUpdate) {
    mark(ZoneOffice, 10, 10);
    mark(ZoneOffice, 11, 10);
    mark(ZoneOffice, 12, 10);
    MetaZone* before = room(10, 10);
    ASSERT_TRUE(level->setZone(ZoneNone, 11, 10));
    EXPECT_EQ(room(11, 10), nullptr);
    EXPECT_EQ(level->getMetaZones().size(), 1u);

    level->update(0.f);
    ASSERT_EQ(level->getMetaZones().size(), 2u);
    EXPECT_NE(room(10, 10), room(12, 10));
    EXPECT_EQ(room(10, 10)->getCellCount(), 1);
    EXPECT_EQ(room(12, 10)->getCellCount(), 1);
    // The part around the first cell is the one that moves out.
    EXPECT_EQ(room(12, 10), before);
    EXPECT_TRUE(room(10, 10)->contains(10, 10));
    EXPECT_FALSE(room(12, 10)->contains(10, 10));
}

TEST_F(MetaZoneTest, ARoomInManyPiecesIsSplitUntilEachIsConnected) {
    for (int column = 10; column <= 16; ++column) {
        mark(ZoneStorage, column, 10);
    }
    ASSERT_TRUE(level->setZone(ZoneNone, 12, 10));
    ASSERT_TRUE(level->setZone(ZoneNone, 14, 10));
    level->update(0.f);
    ASSERT_EQ(level->getMetaZones().size(), 3u);
    EXPECT_EQ(roomsOf({{10, 10}, {11, 10}}).size(), 1u);
    EXPECT_EQ(roomsOf({{15, 10}, {16, 10}}).size(), 1u);
    EXPECT_EQ(roomsOf({{10, 10}, {13, 10}, {15, 10}}).size(), 3u);
    for (const auto& metaZone : level->getMetaZones()) {
        for (const sf::Vector2i& cell : metaZone->zonePositions()) {
            EXPECT_EQ(room(cell.x, cell.y), metaZone.get());
        }
    }
}

TEST_F(MetaZoneTest, ADiagonalChainStaysOneRoom) {
    mark(ZoneBathroom, 10, 10);
    mark(ZoneBathroom, 11, 11);
    mark(ZoneBathroom, 12, 12);
    mark(ZoneBathroom, 13, 11);
    ASSERT_TRUE(level->setZone(ZoneNone, 13, 11));
    level->update(0.f);
    EXPECT_EQ(level->getMetaZones().size(), 1u);
    EXPECT_EQ(room(10, 10)->getCellCount(), 3);
}

TEST_F(MetaZoneTest, ACellBetweenTwoRoomsMergesThemIntoTheOneFoundLast) {
    mark(ZoneKitchen, 12, 10); // made first, but found last in the scan
    mark(ZoneKitchen, 10, 10);
    MetaZone* right = room(12, 10);
    const int leftId = room(10, 10)->getId();
    ASSERT_EQ(level->getMetaZones().size(), 2u);

    mark(ZoneKitchen, 11, 10);
    ASSERT_EQ(level->getMetaZones().size(), 1u);
    EXPECT_EQ(level->getMetaZones().front().get(), right);
    EXPECT_EQ(right->getCellCount(), 3);
    EXPECT_EQ(roomsOf({{10, 10}, {11, 10}, {12, 10}}), std::set<const MetaZone*>{right});
    EXPECT_EQ(MetaZone::GetById(leftId), nullptr);
}

TEST_F(MetaZoneTest, ThreeRoomsMergeIntoTheLastOfTheBlockScan) {
    mark(ZoneWorkshop, 11, 11);
    mark(ZoneWorkshop, 10, 9);
    mark(ZoneWorkshop, 12, 9);
    MetaZone* bottom = room(11, 11);
    ASSERT_EQ(level->getMetaZones().size(), 3u);
    mark(ZoneWorkshop, 11, 10);
    ASSERT_EQ(level->getMetaZones().size(), 1u);
    EXPECT_EQ(room(10, 9), bottom);
    EXPECT_EQ(room(12, 9), bottom);
    EXPECT_EQ(room(11, 10), bottom);
    EXPECT_EQ(bottom->getCellCount(), 4);
}

TEST_F(MetaZoneTest, TheLastCellRemovedDestroysTheRoom) {
    mark(ZoneOffice, 10, 10);
    const int id = room(10, 10)->getId();
    ASSERT_NE(MetaZone::GetById(id), nullptr);
    ASSERT_TRUE(level->setZone(ZoneNone, 10, 10));
    EXPECT_TRUE(level->getMetaZones().empty());
    EXPECT_EQ(room(10, 10), nullptr);
    EXPECT_EQ(MetaZone::GetById(id), nullptr);
    // Removing nothing is harmless.
    EXPECT_TRUE(level->setZone(ZoneNone, 10, 10));
    EXPECT_FALSE(level->setZone(ZoneOffice, -1, 10));
    EXPECT_FALSE(level->setZone(ZoneOffice, 10, level->getHeight()));
}

TEST_F(MetaZoneTest, ACellChangingItsZoneLeavesItsOldRoom) {
    mark(ZoneStorage, 10, 10);
    mark(ZoneStorage, 11, 10);
    MetaZone* storage = room(10, 10);
    ASSERT_TRUE(level->setZone(ZoneKitchen, 11, 10));
    EXPECT_EQ(storage->getCellCount(), 1);
    EXPECT_FALSE(storage->contains(11, 10));
    ASSERT_NE(room(11, 10), nullptr);
    EXPECT_EQ(room(11, 10)->getType(), ZoneKitchen);
    EXPECT_EQ(level->getMetaZones().size(), 2u);
}

TEST_F(MetaZoneTest, AWalledRoomIsEnclosedAndAGapOntoGrassIsNot) {
    buildRoom(10, 10, 12, 12);
    MetaZone* kitchen = room(11, 11);
    EXPECT_TRUE(kitchen->isEnclosed());
    EXPECT_EQ(kitchen->getOverlay().getVertexCount(), 0u);

    ASSERT_TRUE(level->setTile(TileGrass, 13, 11));
    EXPECT_TRUE(kitchen->getNeedsRefresh());
    EXPECT_FALSE(kitchen->isEnclosed());
    EXPECT_EQ(kitchen->getOverlay().getVertexCount(), 4u);

    ASSERT_TRUE(level->setTile(TileWall, 13, 11));
    EXPECT_TRUE(kitchen->isEnclosed());
    EXPECT_EQ(kitchen->getOverlay().getVertexCount(), 0u);
}

TEST_F(MetaZoneTest, ADoorClosesTheGap) {
    buildRoom(10, 10, 12, 12);
    MetaZone* kitchen = room(11, 11);
    ASSERT_TRUE(level->setTile(TileFloor, 11, 13));
    level->update(0.f);
    EXPECT_FALSE(kitchen->wasEnclosed());
    ASSERT_TRUE(level->placeObject(ObjectDoor, 11, 13, 0.f));
    level->update(0.f);
    EXPECT_TRUE(kitchen->wasEnclosed());
}

TEST_F(MetaZoneTest, AnotherZoneIsNoWallButTheMapEdgeAndTheStreetAre) {
    buildRoom(10, 10, 12, 12);
    ASSERT_TRUE(level->setTile(TileFloor, 13, 11));
    mark(ZoneOffice, 13, 11);
    EXPECT_FALSE(room(11, 11)->isEnclosed());

    // A corner room walled only on its inner sides.
    mark(ZoneBathroom, 0, 0);
    ASSERT_TRUE(level->setTile(TileWall, 1, 0));
    ASSERT_TRUE(level->setTile(TileWall, 0, 1));
    ASSERT_TRUE(level->setTile(TileWall, 1, 1));
    EXPECT_TRUE(room(0, 0)->isEnclosed());

    // A room on the sidewalk, walled above and beside it: the road below encloses it.
    const int sidewalk = level->getHeight() - 6;
    mark(ZoneStorage, 30, sidewalk);
    for (const sf::Vector2i wall :
         {sf::Vector2i(29, sidewalk - 1), sf::Vector2i(30, sidewalk - 1),
          sf::Vector2i(31, sidewalk - 1), sf::Vector2i(29, sidewalk), sf::Vector2i(31, sidewalk)}) {
        ASSERT_TRUE(level->setTile(TileWall, wall.x, wall.y));
    }
    EXPECT_TRUE(room(30, sidewalk)->isEnclosed());
}

TEST_F(MetaZoneTest, TheWarningOverlayIsComputedWithoutAGraphicsContext) {
    // An L of three cells open to the grass: its mask leaves the fourth cell clear.
    mark(ZoneKitchen, 10, 10);
    mark(ZoneKitchen, 10, 11);
    mark(ZoneKitchen, 11, 11);
    level->update(0.f);
    const MetaZone& kitchen = *room(10, 10);
    EXPECT_FALSE(kitchen.wasEnclosed());

    const sf::Image& mask = kitchen.getMask();
    ASSERT_EQ(mask.getSize(), sf::Vector2u(2, 2));
    EXPECT_EQ(mask.getPixel(0, 0), sf::Color::White);
    EXPECT_EQ(mask.getPixel(1, 0), sf::Color::Transparent);
    EXPECT_EQ(mask.getPixel(0, 1), sf::Color::White);
    EXPECT_EQ(mask.getPixel(1, 1), sf::Color::White);

    const sf::VertexArray& overlay = kitchen.getOverlay();
    ASSERT_EQ(overlay.getVertexCount(), 4u);
    EXPECT_EQ(overlay.getPrimitiveType(), sf::Quads);
    EXPECT_EQ(overlay[0].position, sf::Vector2f(10 * 128.f, 10 * 128.f));
    EXPECT_EQ(overlay[2].position, sf::Vector2f(12 * 128.f, 12 * 128.f));
    EXPECT_EQ(overlay[0].texCoords, sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(overlay[2].texCoords, sf::Vector2f(2.f, 2.f));
    EXPECT_EQ(kitchen.getPosition(), sf::Vector2f(-64.f, -64.f));
    EXPECT_FALSE(kitchen.hasGraphicsResources());
}

TEST_F(MetaZoneTest, MembershipAndNoticesRaiseTheRightFlags) {
    MetaZone kitchen(level.get(), ZoneKitchen);
    EXPECT_TRUE(kitchen.wasEnclosed());
    EXPECT_FALSE(kitchen.getNeedsRefresh());
    EXPECT_FALSE(kitchen.addZone(ZoneOffice, 5, 5));
    EXPECT_FALSE(kitchen.addZone(ZoneKitchen, -1, 5));
    EXPECT_FALSE(kitchen.addZone(ZoneKitchen, 5, level->getHeight()));
    EXPECT_FALSE(kitchen.getNeedsRefresh());

    EXPECT_TRUE(kitchen.addZone(ZoneKitchen, 5, 5));
    EXPECT_TRUE(kitchen.addZone(ZoneKitchen, 4, 5));
    EXPECT_TRUE(kitchen.addZone(ZoneKitchen, 9, 7));
    EXPECT_EQ(kitchen.getCellCount(), 3);
    EXPECT_TRUE(kitchen.getNeedsRefresh());
    EXPECT_FALSE(kitchen.addZone(ZoneKitchen, 5, 5));
    EXPECT_EQ(kitchen.getCellCount(), 3);
    EXPECT_EQ(kitchen.zonePositions(), (std::vector<sf::Vector2i>{{4, 5}, {5, 5}, {9, 7}}));

    kitchen.refresh();
    EXPECT_FALSE(kitchen.getNeedsRefresh());
    EXPECT_FALSE(kitchen.neighbourChanged(-1, 0));
    EXPECT_TRUE(kitchen.neighbourChanged(20, 20));
    EXPECT_FALSE(kitchen.getNeedsRefresh());
    EXPECT_TRUE(kitchen.neighbourChanged(6, 6));
    EXPECT_TRUE(kitchen.getNeedsRefresh());

    EXPECT_FALSE(kitchen.getNeedsSplitCheck());
    EXPECT_FALSE(kitchen.removeZone(6, 6));
    EXPECT_TRUE(kitchen.removeZone(9, 7));
    EXPECT_TRUE(kitchen.getNeedsSplitCheck());
    EXPECT_EQ(kitchen.getCellCount(), 2);
    EXPECT_EQ(kitchen.getContainedZones().count(7), 0u);
    // Still connected: the check is used up and nothing splits.
    EXPECT_EQ(kitchen.splitOff(), nullptr);
    EXPECT_FALSE(kitchen.getNeedsSplitCheck());
}

TEST_F(MetaZoneTest, SplittingNeedsTheFlagAndTwoCells) {
    MetaZone office(level.get(), ZoneOffice);
    office.addZone(ZoneOffice, 1, 1);
    office.addZone(ZoneOffice, 5, 1);
    // Cells added apart are not checked until one is removed.
    EXPECT_EQ(office.splitOff(), nullptr);
    office.addZone(ZoneOffice, 9, 1);
    office.removeZone(9, 1);
    std::unique_ptr<MetaZone> piece = office.splitOff();
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(piece->getType(), ZoneOffice);
    EXPECT_EQ(piece->zonePositions(), (std::vector<sf::Vector2i>{{1, 1}}));
    EXPECT_EQ(office.zonePositions(), (std::vector<sf::Vector2i>{{5, 1}}));
    EXPECT_TRUE(office.getNeedsSplitCheck());
    EXPECT_EQ(office.splitOff(), nullptr);
    EXPECT_NE(piece->getId(), office.getId());
    EXPECT_EQ(MetaZone::GetById(piece->getId()), piece.get());
}
