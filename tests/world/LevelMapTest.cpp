#include "LevelTestSupport.hpp"

#include "../params/CoutCapture.hpp"

#include <string>

namespace {

void expectNewGameMap(const Level& level) {
    ASSERT_EQ(level.getWidth(), 80);
    ASSERT_EQ(level.getHeight(), 60);
    EXPECT_EQ(level.getCellCount(), 4800);
    for (int row = 0; row < 60; ++row) {
        for (int column = 0; column < 80; ++column) {
            TileType expected = TileGrass;
            if (row == 54) {
                expected = TileFloor;
            } else if (row == 57 && column % 3 == 1) {
                expected = TileRoadMarking;
            } else if (row > 54) {
                expected = TileRoad;
            }
            ASSERT_EQ(level.getTileType(column, row), expected) << column << "," << row;
            ASSERT_EQ(level.isBlocked(column, row), row >= 54) << column << "," << row;
            ASSERT_EQ(level.getZoneType(column, row), ZoneNone);
            ASSERT_EQ(level.getObjectType(column, row), ObjectNone);
            ASSERT_EQ(level.getSurfaceObjectType(column, row), ObjectNone);
            ASSERT_EQ(level.getMetaZoneAt(column, row), nullptr);
            ASSERT_NE(level.getTileAt(column, row), nullptr);
            ASSERT_EQ(level.getTileAt(column, row)->getType(), expected);
        }
    }
    const std::vector<sf::Vector2i> entries = {{-1, 54}, {80, 54}};
    EXPECT_EQ(level.getEntryPoints(), entries);
}

} // namespace

TEST_F(LevelTest, NewGameIsGrassAboveASixRowStreet) {
    expectNewGameMap(*level);
    EXPECT_EQ(balance(), 20000.0);
    EXPECT_TRUE(level->getBankAccount().hasChanged());
    EXPECT_TRUE(level->getGameObjects().empty());
    EXPECT_TRUE(level->getMetaZones().empty());
}

TEST_F(LevelTest, MarkingsLieInTheThirdRowFromTheBottom) {
    EXPECT_EQ(level->getTileType(0, 57), TileRoad);
    EXPECT_EQ(level->getTileType(1, 57), TileRoadMarking);
    EXPECT_EQ(level->getTileType(4, 57), TileRoadMarking);
    EXPECT_EQ(level->getTileType(78, 57), TileRoad);
    EXPECT_EQ(level->getTileType(79, 57), TileRoadMarking);
    EXPECT_EQ(level->getTileType(1, 56), TileRoad);
    EXPECT_EQ(level->getTileType(1, 58), TileRoad);
}

TEST(LevelLoadTest, UnreadableFileFallsBackToANewGame) {
    GameParams::SetTileSizeType(SIZE128PX);
    CoutCapture output;
    Level level(nullptr, nullptr, "save/does-not-exist");
    EXPECT_EQ(output.text(), "Level::load() - Datei: save/does-not-exist konnte nicht geoeffnet "
                             "werden.\nLevel::Level - load() failed - Falling back to empty "
                             "tileMap.\n");
    expectNewGameMap(level);
}

TEST(LevelLoadTest, NewGamePrintsNothing) {
    GameParams::SetTileSizeType(SIZE128PX);
    CoutCapture output;
    Level level(nullptr, nullptr, "");
    EXPECT_EQ(output.text(), "");
}

TEST_F(LevelTest, PathWeightsFollowTheGround) {
    EXPECT_EQ(level->getPathFinder().getWorldSize(), Vec2i(80, 60));
    EXPECT_EQ(level->getPathFinder().getDirectionCount(), 8u);
    EXPECT_EQ(level->getPathFinder().estimate(Vec2i(0, 0), Vec2i(2, 2)), 28u);
    EXPECT_EQ(weight(0, 0), 0.5f);
    EXPECT_EQ(weight(40, 53), 0.5f);
    EXPECT_EQ(weight(40, 54), 1.f);
    EXPECT_EQ(weight(40, 55), 0.f);
    EXPECT_EQ(weight(1, 57), 0.f);
    EXPECT_EQ(weight(40, 59), 0.f);
}

TEST_F(LevelTest, BordersMaskEverythingAroundTheMap) {
    const std::vector<sf::RectangleShape>& borders = level->getBorderShapes();
    ASSERT_EQ(borders.size(), 4u);
    const float t = static_cast<float>(Tile);
    EXPECT_EQ(borders[0].getSize(), sf::Vector2f(90 * t, 10 * t));
    EXPECT_EQ(borders[0].getPosition(), sf::Vector2f(-5.5f * t, -10.5f * t));
    EXPECT_EQ(borders[1].getSize(), sf::Vector2f(90 * t, 10 * t));
    EXPECT_EQ(borders[1].getPosition(), sf::Vector2f(-5.5f * t, 59.5f * t));
    EXPECT_EQ(borders[2].getSize(), sf::Vector2f(10 * t, 70 * t));
    EXPECT_EQ(borders[2].getPosition(), sf::Vector2f(-10.5f * t, -5.5f * t));
    EXPECT_EQ(borders[3].getSize(), sf::Vector2f(10 * t, 70 * t));
    EXPECT_EQ(borders[3].getPosition(), sf::Vector2f(79.5f * t, -5.5f * t));
    for (const sf::RectangleShape& border : borders) {
        EXPECT_EQ(border.getFillColor(), sf::Color::Black);
        EXPECT_EQ(border.getOutlineThickness(), 0.f);
    }
}

TEST_F(LevelTest, WithoutAGameEveryCellIsDrawnAndThereIsNoFont) {
    const Level::CellRange range = level->getVisibleCellRange(nullptr);
    EXPECT_EQ(range.firstColumn, 0);
    EXPECT_EQ(range.endColumn, 80);
    EXPECT_EQ(range.firstRow, 0);
    EXPECT_EQ(range.endRow, 60);
    EXPECT_EQ(level->getFont(), nullptr);
}

TEST_F(LevelTest, OutOfMapQueriesAnswerNothing) {
    for (const sf::Vector2i& cell : {sf::Vector2i(-1, 0), sf::Vector2i(0, -1), sf::Vector2i(80, 0),
                                     sf::Vector2i(0, 60), sf::Vector2i(80, -1)}) {
        EXPECT_FALSE(level->isInMap(cell.x, cell.y));
        EXPECT_EQ(level->tooltipText(px(cell.x), px(cell.y), cell.x, cell.y), "");
        EXPECT_FALSE(level->isWalkableCell(cell.x, cell.y));
        EXPECT_EQ(level->getObjectAtMapPosition(cell.x, cell.y), nullptr);
        EXPECT_EQ(level->findObjectOnCell(ObjectNone, cell.x, cell.y), nullptr);
        EXPECT_FALSE(level->releaseTile(cell.x, cell.y));
        EXPECT_EQ(level->getTileAt(cell.x, cell.y), nullptr);
        EXPECT_FALSE(level->setTile(TileWall, cell.x, cell.y));
        EXPECT_FALSE(level->placeObject(ObjectFridge, cell.x, cell.y, 0.f));
        EXPECT_FALSE(level->removeObject(cell.x, cell.y));
    }
    EXPECT_TRUE(level->getGameObjects().empty());
}

TEST_F(LevelTest, ReleasingATileNeedsItToBeOccupied) {
    EXPECT_FALSE(level->releaseTile(3, 3));
    ASSERT_TRUE(level->getTileAt(3, 3)->occupy());
    EXPECT_TRUE(level->releaseTile(3, 3));
    EXPECT_FALSE(level->releaseTile(3, 3));
}

TEST_F(LevelTest, WalkableCellsAreGrassOrFloorWithoutFurniture) {
    EXPECT_TRUE(level->isWalkableCell(0, 0));
    EXPECT_TRUE(level->isWalkableCell(10, 54));
    EXPECT_FALSE(level->isWalkableCell(10, 55));
    EXPECT_FALSE(level->isWalkableCell(1, 57));
    level->setTile(TileWall, 2, 2);
    EXPECT_FALSE(level->isWalkableCell(2, 2));
    level->setTile(TileFloor, 3, 3);
    level->placeObject(ObjectToilet, 3, 3, 0.f);
    EXPECT_TRUE(level->isWalkableCell(3, 3));
    level->setTile(TileFloor, 4, 3);
    level->placeObject(ObjectDesk, 4, 3, 0.f);
    EXPECT_FALSE(level->isWalkableCell(4, 3));
    // A door lets people pass, but nobody is sent to stand in it.
    level->setTile(TileFloor, 5, 3);
    level->placeObject(ObjectDoor, 5, 3, 0.f);
    EXPECT_FALSE(level->isWalkableCell(5, 3));
}

TEST_F(LevelTest, AFrameWithoutTimeMovesNothing) {
    level->setTile(TileFloor, 5, 5);
    level->placeObject(ObjectDoor, 5, 5, 0.f);
    GameObjectDoor* door = level->getDoors().at(0);
    door->requestOpening();
    const sf::Vector2f before = door->getPosition();
    level->update(0.f);
    level->update(-1.f);
    EXPECT_EQ(door->getPosition(), before);
    level->update(0.01f);
    EXPECT_NE(door->getPosition(), before);
}

TEST_F(LevelTest, ClearEmptiesTheMapsAndRestartsObjectIds) {
    level->setTile(TileFloor, 5, 5);
    level->placeObject(ObjectDoor, 5, 5, 0.f);
    level->clear();
    EXPECT_FALSE(level->isInMap(0, 0));
    EXPECT_EQ(level->getTileAt(0, 0), nullptr);
    EXPECT_TRUE(level->getGameObjects().empty());
    EXPECT_TRUE(level->getDoors().empty());
    EXPECT_TRUE(level->getEntryPoints().empty());
    EXPECT_EQ(GameObject::GetMaxId(), 0);
    EXPECT_EQ(GameObject::GetById(0), nullptr);
    EXPECT_EQ(level->tooltipText(0.f, 0.f, 0, 0), "");
}
