// The pointer's tooltip box, without a font (no display needed).

#include "app/Tooltip.hpp"

#include <gtest/gtest.h>

TEST(Tooltip, AnEmptyTextHidesTheBoxAndKeepsTheOldText) {
    Tooltip tooltip;
    EXPECT_FALSE(tooltip.isShown());
    tooltip.setText("Boden");
    EXPECT_TRUE(tooltip.isShown());
    tooltip.setText("");
    EXPECT_FALSE(tooltip.isShown());
    EXPECT_EQ(tooltip.getText().getString().toAnsiString(), "Boden");
}

TEST(Tooltip, ABlankIsAText) {
    Tooltip tooltip;
    tooltip.setText(" ");
    EXPECT_TRUE(tooltip.isShown());
}

TEST(Tooltip, TheBoxIsNeverSmallerThanItsCorners) {
    Tooltip tooltip;
    tooltip.setText(" ");
    EXPECT_GE(tooltip.getWidth(), 12.f) << "twice the side margin";
    EXPECT_GE(tooltip.getHeight(), 10.f) << "twice the corner radius";
}
