// The build cursor says before a click what the click would do: the preview
// asks the same rules the building follows, a dragged area is priced and
// laid whole or not at all, and an object placed where nobody can use it is
// pointed out at once.

#include "LevelTestSupport.hpp"

#include "app/Cursor.hpp"
#include "economy/MoneyText.hpp"
#include "ui/MenuImageButton.hpp"

#include <functional>

namespace {

class BuildPreviewTest : public LevelTest {
protected:
    void SetUp() override {
        LevelTest::SetUp();
        cursor.init(nullptr, nullptr);
        cursor.setLevel(level.get());
    }
    void choose(int category, int element) {
        buttons.push_back(std::make_unique<MenuImageButton>(nullptr, nullptr, category, element));
        buttons.back()->setSize(48.f, 48.f);
        cursor.selectTool(buttons.back().get());
    }
    void pointAt(int column, int row) {
        cursor.setPosition(px(column), px(row));
        if (cursor.isDragging())
            cursor.updateDrag();
        cursor.refreshPreview();
    }
    void room(ZoneType zone, int column, int row) { Room(*level, zone, column, row); }
    static void Room(Level& level, ZoneType zone, int column, int row) {
        EXPECT_TRUE(level.setTile(TileFloor, column, row));
        if (zone != ZoneNone) {
            EXPECT_TRUE(level.setZone(zone, column, row));
        }
    }

    Cursor cursor;
    std::vector<std::unique_ptr<MenuImageButton>> buttons;
};

struct PreviewCase {
    const char* name;
    std::function<void(Level&)> prepare;
    int category;
    int element;
    BuildRefusal expected;
};

} // namespace

TEST_F(BuildPreviewTest, ThePreviewGivesTheReasonTheBuildWouldBeRefusedFor) {
    const int c = 5, r = 5;
    const std::vector<PreviewCase> cases = {
        {"street", [](Level&) {}, CategoryTile, GuiBuildFloor, BuildRefusal::OutsideSite},
        {"same tile", [](Level&) {}, CategoryTile, GuiBuildGrass, BuildRefusal::AlreadyBuilt},
        {"zone on grass", [](Level&) {}, CategoryZone, GuiBuildZoneKitchen,
         BuildRefusal::NeedsFloor},
        {"object on grass", [](Level&) {}, CategoryObject, GuiBuildDoor, BuildRefusal::NeedsFloor},
        {"zone on zone", [&](Level& level) { Room(level, ZoneKitchen, c, r); }, CategoryZone,
         GuiBuildZoneOffice, BuildRefusal::ZoneTaken},
        {"fridge in workshop", [&](Level& level) { Room(level, ZoneWorkshop, c, r); },
         CategoryObject, GuiBuildFridge, BuildRefusal::WrongZone},
        {"coffee on the floor", [&](Level& level) { Room(level, ZoneKitchen, c, r); },
         CategoryObject, GuiBuildCoffeeMachine, BuildRefusal::NeedsSurface},
        {"table on fridge",
         [&](Level& level) {
             Room(level, ZoneKitchen, c, r);
             level.placeObject(ObjectFridge, c, r, 0.f);
         },
         CategoryObject, GuiBuildKitchenTable, BuildRefusal::Occupied},
        {"wall on door",
         [&](Level& level) {
             Room(level, ZoneNone, c, r);
             level.placeObject(ObjectDoor, c, r, 0.f);
         },
         CategoryTile, GuiBuildWall, BuildRefusal::Occupied},
        {"zone on door",
         [&](Level& level) {
             Room(level, ZoneNone, c, r);
             level.placeObject(ObjectDoor, c, r, 0.f);
         },
         CategoryZone, GuiBuildZoneKitchen, BuildRefusal::ObjectForbidsZone},
        {"no money",
         [&](Level& level) {
             Room(level, ZoneWorkshop, c, r);
             level.getBankAccount() = BankAccount(249.99);
         },
         CategoryObject, GuiBuildWorkbench, BuildRefusal::NoMoney},
        {"allowed", [](Level&) {}, CategoryTile, GuiBuildFloor, BuildRefusal::None},
    };
    for (const PreviewCase& test : cases) {
        SCOPED_TRACE(test.name);
        SetUp();
        test.prepare(*level);
        const int row = test.expected == BuildRefusal::OutsideSite ? level->getHeight() - 1 : r;
        const auto category = static_cast<ToolCategory>(test.category);
        const auto element = static_cast<GuiElemType>(test.element);
        EXPECT_EQ(level->buildRefusal(category, element, c, row), test.expected);

        choose(test.category, test.element);
        pointAt(c, row);
        EXPECT_EQ(cursor.isPreviewRefused(), test.expected != BuildRefusal::None);
        EXPECT_EQ(cursor.getPreviewNote().empty(), test.expected == BuildRefusal::None);

        // The build agrees with the preview, and a refused one changes nothing.
        const std::string before = level->fileText();
        const bool built = level->build(category, element, 0.f, px(c), px(row));
        EXPECT_EQ(built, test.expected == BuildRefusal::None);
        if (!built) {
            EXPECT_EQ(level->fileText(), before);
        }
    }
}

TEST_F(BuildPreviewTest, AnAreaTheAccountCannotPayIsNotLaidAndSaysWhatIsMissing) {
    setBalance(500.0);
    choose(CategoryTile, GuiBuildFloor);
    const std::string before = level->fileText();
    pointAt(0, 0);
    ASSERT_TRUE(cursor.onLeftPressed());
    pointAt(9, 9);
    EXPECT_EQ(cursor.getDragCost(), 100 * 20.0);
    EXPECT_NE(cursor.withRefusalNote("").find("Es fehlen " + MoneyText(1500.0)), std::string::npos);
    ASSERT_TRUE(cursor.onLeftReleased());
    EXPECT_EQ(level->fileText(), before) << "not one tile laid";
    EXPECT_EQ(balance(), 500.0);
    EXPECT_NE(cursor.withRefusalNote("").find("Es fehlen " + MoneyText(1500.0)), std::string::npos);

    // Cells already floored cost nothing: the same drag over a floored half
    // costs half and is laid.
    for (int row = 0; row <= 9; ++row)
        for (int column = 0; column <= 4; ++column)
            ASSERT_TRUE(level->setTile(TileFloor, column, row));
    setBalance(1000.0);
    pointAt(0, 0);
    ASSERT_TRUE(cursor.onLeftPressed());
    pointAt(9, 9);
    EXPECT_EQ(cursor.getDragCost(), 50 * 20.0);
    ASSERT_TRUE(cursor.onLeftReleased());
    EXPECT_EQ(balance(), 0.0);
    EXPECT_EQ(level->getTileType(9, 9), TileFloor);
}

TEST_F(BuildPreviewTest, AFridgeInACornerIsMarkedAndPlacedWithAWarning) {
    // A kitchen with a wall to the fridge's left: at rotation 0 it is used
    // from that side.
    ASSERT_TRUE(level->setTile(TileWall, 4, 5));
    room(ZoneKitchen, 5, 5);
    room(ZoneKitchen, 6, 5);
    choose(CategoryObject, GuiBuildFridge);
    pointAt(5, 5);
    EXPECT_FALSE(cursor.isPreviewRefused()) << "it may stand there";
    ASSERT_EQ(cursor.getUseMarkers().getVertexCount(), 4u);
    EXPECT_EQ(cursor.getUseMarkers()[0].color.r, 220) << "the blocked use cell shows red";
    EXPECT_FALSE(cursor.getPreviewNote().empty());

    ASSERT_TRUE(cursor.onLeftReleased());
    EXPECT_EQ(level->getObjectType(5, 5), ObjectFridge) << "placed all the same";
    EXPECT_TRUE(level->isObjectUnusable(ObjectFridge, 5, 5));
    EXPECT_EQ(cursor.withRefusalNote(""), GameParams::Texts::GetObjectUnusableText(ObjectFridge));

    // Turned to face the free kitchen cell it is usable; a counter then put
    // on that cell (itself used from the cell beyond) takes it away, and
    // says so.
    ASSERT_TRUE(level->sellObject(px(5), px(5)));
    cursor.rotateClockwise();
    cursor.rotateClockwise();
    pointAt(5, 5);
    EXPECT_EQ(cursor.getUseMarkers()[0].color.g, 190) << "the free use cell shows green";
    ASSERT_TRUE(cursor.onLeftReleased());
    EXPECT_FALSE(level->isObjectUnusable(ObjectFridge, 5, 5));
    room(ZoneKitchen, 7, 5);
    choose(CategoryObject, GuiBuildKitchenCounter);
    cursor.rotateClockwise();
    cursor.rotateClockwise();
    pointAt(6, 5);
    ASSERT_TRUE(cursor.onLeftReleased());
    EXPECT_EQ(cursor.withRefusalNote(""),
              GameParams::Texts::GetNeighbourUnusableText(ObjectFridge));
}
