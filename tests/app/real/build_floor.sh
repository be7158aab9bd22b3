#!/bin/bash
# The player lays a floor by hand: opens the tiles panel, picks the floor,
# drags a rectangle over the grass, then leaves through the main menu, which
# asks first: the floor was never saved.
# Usage: build_floor.sh BUILD_DIR
. "$(dirname "$0")/xsession.sh"

xs_begin build_floor 150
xs_start_game "${1:?the build folder}"

# Window pixels at the starting zoom (32 screen pixels a tile): the bar's
# tiles button, the floor button of its panel, a spot of plain grass where
# the pointer rests for every screenshot, and the dragged rectangle.
TILES_BUTTON=(37 683)
FLOOR_BUTTON=(145 615)
REST=(1100 420)
DRAG=(300 200 700 400)

xs_move "${REST[@]}"
xs_shot start >/dev/null

xs_click "${TILES_BUTTON[@]}"
xs_click "${FLOOR_BUTTON[@]}"
xs_move "${REST[@]}"
xs_shot before >/dev/null

xs_drag "${DRAG[@]}" 5
xs_move "${REST[@]}"
# Most of the grass inside the rectangle is floor now.
xs_expect_changed before after 310 210 380 180 $((380 * 180 * 3 / 4))
# The account at the top right shows the price.
xs_expect_changed before after 1050 0 230 30 20
# Grass around the rectangle and the road below stay as they were (the clock
# and the FPS line in the top-left corner are left out).
xs_expect_unchanged before after 0 80 250 420 50
xs_expect_unchanged before after 760 80 520 420 50
xs_expect_unchanged before after 380 500 760 140 50

xs_key Escape   # closes the tiles panel
xs_key Escape   # opens the main menu
xs_expect_changed after menu 440 260 400 200 1000
xs_click 640 449 # "Spiel verlassen": the floor was never saved, so the game asks
xs_expect_changed menu question 390 300 500 120 1000
xs_wait_frames 1 # the question takes no click in its first half second
xs_click 517 400 # "Verlassen"
xs_expect_exit_status 0 20
xs_end
