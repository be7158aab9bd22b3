#include "LevelTestSupport.hpp"

#include <SFML/Graphics/View.hpp>

namespace {

// The world view a new game starts with: the street at the bottom of the screen.
sf::View startView(float zoom = 1.f) {
    return sf::View({5120.f, 6240.f}, {1280.f * zoom, 720.f * zoom});
}

} // namespace

TEST_F(LevelTest, OnlyCellsUnderTheViewAndTwoMoreAreDrawn) {
    const sf::View view = startView();
    const Level::CellRange range = level->getVisibleCellRange(&view);
    EXPECT_EQ(range.firstColumn, 35);
    EXPECT_EQ(range.endColumn, 47);
    EXPECT_EQ(range.firstRow, 45);
    EXPECT_EQ(range.endRow, 53);
}

TEST_F(LevelTest, ZoomedOutViewCoversMoreCells) {
    const sf::View view = startView(2.f);
    level->setZoom(2.f);
    level->setViewSize(2560, 1440);
    const Level::CellRange range = level->getVisibleCellRange(&view);
    EXPECT_EQ(range.firstColumn, 30);
    EXPECT_EQ(range.endColumn, 52);
    EXPECT_EQ(range.firstRow, 43);
    EXPECT_EQ(range.endRow, 56);
}

TEST_F(LevelTest, VisibleRangeStopsAtTheMapEdges) {
    sf::View view = startView();
    view.setCenter(0.f, 0.f);
    Level::CellRange range = level->getVisibleCellRange(&view);
    EXPECT_EQ(range.firstColumn, 0);
    EXPECT_EQ(range.firstRow, 0);
    EXPECT_EQ(range.endColumn, 7);
    EXPECT_EQ(range.endRow, 4);

    view.setCenter(100000.f, 100000.f);
    range = level->getVisibleCellRange(&view);
    EXPECT_EQ(range.endColumn, 80);
    EXPECT_EQ(range.endRow, 60);
    EXPECT_GE(range.firstColumn, range.endColumn);
}
