// The build cursor on a level without a game: the tool's clicks and drags
// become building and demolition on the level.

#include "LevelTestSupport.hpp"

#include "app/Cursor.hpp"
#include "params/PhraseTexts.hpp"
#include "ui/MenuImageButton.hpp"
#include "world/Zone.hpp"

namespace {

class CursorTest : public LevelTest {
protected:
    void SetUp() override {
        LevelTest::SetUp();
        cursor.init(nullptr, nullptr);
        cursor.setLevel(level.get());
    }

    MenuImageButton& tool(int category, int element) {
        buttons.push_back(std::make_unique<MenuImageButton>(nullptr, nullptr, category, element));
        buttons.back()->setSize(48.f, 48.f);
        return *buttons.back();
    }
    void pointAt(int column, int row) { cursor.setPosition(px(column), px(row)); }
    void moveTo(int column, int row) {
        pointAt(column, row);
        cursor.updateDrag();
    }
    void drag(int fromColumn, int fromRow, int toColumn, int toRow) {
        pointAt(fromColumn, fromRow);
        ASSERT_TRUE(cursor.onLeftPressed());
        moveTo(toColumn, toRow);
        ASSERT_TRUE(cursor.onLeftReleased());
    }
    bool zoneVisible(int column, int row) const {
        const Zone* zone = level->getZoneAt(column, row);
        return zone != nullptr && zone->isVisible();
    }

    Cursor cursor;
    std::vector<std::unique_ptr<MenuImageButton>> buttons;
};

} // namespace

TEST_F(CursorTest, AClickWithATileToolLaysExactlyOneTile) {
    cursor.selectTool(&tool(CategoryTile, GuiBuildFloor));
    pointAt(5, 5);
    ASSERT_TRUE(cursor.onLeftPressed());
    EXPECT_EQ(cursor.getDragQuads().getVertexCount(), 0u) << "no movement, no drag quads";
    ASSERT_TRUE(cursor.onLeftReleased());
    EXPECT_EQ(level->getTileType(5, 5), TileFloor);
    EXPECT_EQ(level->getTileType(6, 5), TileGrass);
    EXPECT_EQ(level->getTileType(5, 6), TileGrass);
    EXPECT_EQ(balance(), 20000.0 - 20.0);
    EXPECT_FALSE(cursor.isDragging());
}

TEST_F(CursorTest, ADragBackwardsLaysTheWholeRectangleAndLeavesTheCursorAtItsEnd) {
    cursor.selectTool(&tool(CategoryTile, GuiBuildWall));
    pointAt(3, 3);
    ASSERT_TRUE(cursor.onLeftPressed());
    moveTo(1, 5);
    EXPECT_EQ(cursor.getDragQuads().getVertexCount(), 9u * 4u);
    ASSERT_TRUE(cursor.onLeftReleased());
    for (int row = 2; row <= 6; ++row)
        for (int column = 0; column <= 4; ++column) {
            const bool inside = column >= 1 && column <= 3 && row >= 3 && row <= 5;
            EXPECT_EQ(level->getTileType(column, row), inside ? TileWall : TileGrass)
                << column << "," << row;
        }
    EXPECT_EQ(cursor.getPosition(), sf::Vector2f(px(1), px(5)));
    EXPECT_EQ(cursor.getDragQuads().getVertexCount(), 0u);
    EXPECT_EQ(cursor.getState(), Cursor::StateBuild) << "the tool stays after building";
}

TEST_F(CursorTest, DragQuadsRunFromTheCursorBackToTheStart) {
    cursor.selectTool(&tool(CategoryTile, GuiBuildFloor));
    pointAt(2, 2);
    ASSERT_TRUE(cursor.onLeftPressed());
    moveTo(4, 3);
    const sf::VertexArray& quads = cursor.getDragQuads();
    ASSERT_EQ(quads.getVertexCount(), 6u * 4u);
    // In the cursor's own space the start lies up and to the left.
    EXPECT_EQ(quads[0].position, sf::Vector2f(-2.f * Tile, -1.f * Tile));
    EXPECT_EQ(quads[quads.getVertexCount() - 2].position, sf::Vector2f(Tile, Tile));
    const sf::Vector2f icon = buttons.back()->getQuad()[0].texCoords;
    EXPECT_EQ(quads[0].texCoords, icon);
    EXPECT_EQ(quads[2].texCoords, icon + sf::Vector2f(Tile, Tile));
}

TEST_F(CursorTest, ARightClickDuringADragCancelsItButKeepsTheTool) {
    cursor.selectTool(&tool(CategoryTile, GuiBuildFloor));
    pointAt(3, 3);
    ASSERT_TRUE(cursor.onLeftPressed());
    moveTo(5, 5);
    EXPECT_FALSE(cursor.reset()) << "the first right click only cancels the drag";
    EXPECT_FALSE(cursor.isDragging());
    EXPECT_EQ(cursor.getState(), Cursor::StateBuild);
    EXPECT_EQ(level->getTileType(4, 4), TileGrass);
    EXPECT_TRUE(cursor.reset()) << "the second one drops the tool";
    EXPECT_EQ(cursor.getTool(), nullptr);
    EXPECT_FALSE(cursor.reset()) << "nothing left to drop";
}

TEST_F(CursorTest, ZonesAreMarkedOverTheDraggedFloor) {
    for (int row = 3; row <= 4; ++row)
        for (int column = 3; column <= 5; ++column)
            ASSERT_TRUE(level->setTile(TileFloor, column, row));
    cursor.selectTool(&tool(CategoryZone, GuiBuildZoneStorage));
    drag(3, 3, 5, 4);
    for (int row = 3; row <= 4; ++row)
        for (int column = 3; column <= 5; ++column)
            EXPECT_EQ(level->getZoneType(column, row), ZoneStorage);
}

TEST_F(CursorTest, ZonesUnderADemolitionDragHideAndReappear) {
    for (int column = 2; column <= 6; ++column) {
        ASSERT_TRUE(level->setTile(TileFloor, column, 4));
        ASSERT_TRUE(level->setZone(ZoneKitchen, column, 4));
    }
    cursor.selectTool(&tool(CategoryDemolish, GuiDemolishZone));
    EXPECT_EQ(cursor.getState(), Cursor::StateDemolish);
    pointAt(2, 4);
    ASSERT_TRUE(cursor.onLeftPressed());
    moveTo(5, 4);
    for (int column = 2; column <= 6; ++column)
        EXPECT_EQ(zoneVisible(column, 4), column > 5) << column;

    moveTo(3, 4); // the rectangle shrinks
    for (int column = 2; column <= 6; ++column)
        EXPECT_EQ(zoneVisible(column, 4), column > 3) << column;

    cursor.reset(); // cancelled
    for (int column = 2; column <= 6; ++column)
        EXPECT_TRUE(zoneVisible(column, 4)) << column;

    drag(4, 4, 5, 4);
    EXPECT_EQ(level->getZoneType(4, 4), ZoneNone);
    EXPECT_EQ(level->getZoneType(5, 4), ZoneNone);
    for (int column : {2, 3, 6})
        EXPECT_TRUE(zoneVisible(column, 4)) << column;
}

TEST_F(CursorTest, ANewPressDuringALostDragGivesItsZonesBack) {
    for (int column = 2; column <= 4; ++column) {
        ASSERT_TRUE(level->setTile(TileFloor, column, 4));
        ASSERT_TRUE(level->setZone(ZoneOffice, column, 4));
    }
    cursor.selectTool(&tool(CategoryDemolish, GuiDemolishZone));
    pointAt(2, 4);
    ASSERT_TRUE(cursor.onLeftPressed());
    moveTo(3, 4);
    ASSERT_FALSE(zoneVisible(2, 4));
    pointAt(4, 4); // the release never came
    ASSERT_TRUE(cursor.onLeftPressed());
    EXPECT_TRUE(zoneVisible(2, 4));
    EXPECT_TRUE(zoneVisible(3, 4));
}

TEST_F(CursorTest, ObjectsArePlacedWithTheCursorsRotationAndDemolishedAgain) {
    // A desk stands only in an office.
    for (int row = 2; row <= 6; ++row)
        for (int column = 2; column <= 6; ++column) {
            ASSERT_TRUE(level->setTile(TileFloor, column, row));
            ASSERT_TRUE(level->setZone(ZoneOffice, column, row));
        }
    cursor.selectTool(&tool(CategoryObject, GuiBuildDesk));
    EXPECT_FALSE(cursor.onLeftPressed()) << "objects are placed on release, without a drag";
    pointAt(4, 4);
    cursor.rotateClockwise();
    ASSERT_TRUE(cursor.onLeftReleased());
    GameObject* desk = level->getObjectAtMapPosition(4, 4);
    ASSERT_NE(desk, nullptr);
    EXPECT_EQ(desk->getObjType(), ObjectDesk);
    EXPECT_FLOAT_EQ(desk->getRotation(), 90.f);

    cursor.selectTool(&tool(CategoryDemolish, GuiDemolishObject));
    EXPECT_FALSE(cursor.onLeftPressed());
    ASSERT_TRUE(cursor.onLeftReleased());
    EXPECT_EQ(level->getObjectAtMapPosition(4, 4), nullptr);
}

TEST_F(CursorTest, ChoosingAToolResetsTheRotationAndShowsItsPreview) {
    MenuImageButton& desk = tool(CategoryObject, GuiBuildDesk);
    cursor.selectTool(&desk);
    cursor.rotateClockwise();
    cursor.rotateClockwise();
    EXPECT_FLOAT_EQ(cursor.getRotation(), 180.f);
    cursor.selectTool(&desk);
    EXPECT_FLOAT_EQ(cursor.getRotation(), 0.f);

    // The black frame, then the tool's icon over the same square.
    const sf::VertexArray& preview = cursor.getPreview();
    ASSERT_EQ(preview.getVertexCount(), 8u);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(preview[k + 4].position, preview[k].position);
        EXPECT_EQ(preview[k + 4].texCoords, desk.getQuad()[k].texCoords);
    }
    cursor.selectTool(&tool(CategoryDemolish, GuiDemolishObject));
    EXPECT_EQ(cursor.getPreview().getVertexCount(), 4u);
    cursor.reset();
    EXPECT_EQ(cursor.getPreview().getVertexCount(), 4u) << "the black frame without a tool";
}

TEST_F(CursorTest, WithoutAToolClicksAreLeftToTheWorld) {
    pointAt(4, 4);
    EXPECT_FALSE(cursor.onLeftPressed());
    EXPECT_FALSE(cursor.onLeftReleased());
    EXPECT_EQ(cursor.getState(), Cursor::StateNoTool);
    cursor.selectTool(&tool(CategoryPanel, GuiTilesPanel));
    EXPECT_EQ(cursor.getTool(), nullptr) << "a panel button is no tool";
}

TEST_F(CursorTest, ARefusedDragSaysWhyWhileThePointerStaysWhereItWasLetGo) {
    ASSERT_TRUE(level->setTile(TileFloor, 4, 4));
    ASSERT_TRUE(level->setZone(ZoneWorkshop, 4, 4));
    ASSERT_TRUE(level->placeObject(ObjectWorkbench, 4, 4, 0.f));
    cursor.selectTool(&tool(CategoryDemolish, GuiDemolishZone));
    drag(4, 4, 5, 4);
    EXPECT_EQ(level->getZoneType(4, 4), ZoneWorkshop);
    const std::string why = GameParams::Texts::GetBuildRefusalText(BuildRefusal::ObjectNeedsZone);
    EXPECT_EQ(cursor.withRefusalNote("Werkbank"),
              why + "\n" + GameParams::Phrases::TooltipRule + "\nWerkbank");
    pointAt(6, 4);
    EXPECT_EQ(cursor.withRefusalNote(""), "");
    pointAt(5, 4);
    EXPECT_EQ(cursor.withRefusalNote(""), "") << "gone once the pointer left";
}
