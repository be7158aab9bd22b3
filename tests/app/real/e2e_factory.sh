#!/bin/bash
# A player's first session, end to end, on the real game with real X input:
# a new game; an enclosed storage room built by hand (walls, floor, zone and
# a door); two applicants hired; five steel ordered; the game saved by name
# through the main menu. The headless runner then reads that save file, and
# a second start of the game loads it through the load dialog and must show
# the room where it was built. Every step leaves a screenshot, kept with the
# game's output when a step fails.
# Usage: e2e_factory.sh BUILD_DIR
. "$(dirname "$0")/xsession.sh"

BUILD=$(cd "${1:?the build folder}" && pwd)
SAVE_NAME=e2e
xs_begin e2e_factory 420

# Window pixels at the starting zoom: a cell is 32 pixels and cell (c, r)
# has its centre at (32 c - 640, 32 r - 1200) until the view is moved.
cell_x() { echo $((32 * $1 - 640)); }
cell_y() { echo $((32 * $1 - 1200)); }
# The room: walls on columns 30-35 and rows 46-50, storage inside, a door
# in the bottom wall at (33, 50).
LEFT=30 RIGHT=35 TOP=46 BOTTOM=50 DOOR_COLUMN=33
ROOM_REGION=(304 256 192 160) # x y width height: the room and its walls
drag_cells() { xs_drag "$(cell_x "$1")" "$(cell_y "$2")" "$(cell_x "$3")" "$(cell_y "$4")" 4; }
click_cell() { xs_click "$(cell_x "$1")" "$(cell_y "$2")"; }

# The bar along the bottom and the buttons of its panels.
TILES_BAR=(37 683) ZONES_BAR=(110 683) FURNISHING_BAR=(187 683)
STAFF_BAR=(260 683) TRADE_BAR=(333 683)
WALL_TOOL=(87 615) FLOOR_TOOL=(145 615) STORAGE_TOOL=(111 556) DOOR_TOOL=(242 615)
LABOUR_MARKET=(202 615) BUY_ITEMS=(333 615)
# Dialogs, all centred in the window.
MAIN_SAVE=(640 326) MAIN_LOAD=(640 367) MAIN_QUIT=(640 449) MAIN_CLOSE=(640 490)
HIRE=(487 595) CLOSE_LABOUR=(792 595)
STEEL_PLUS_ONE=(867 206) BUY=(437 593) CANCEL_ORDER=(842 593)
SAVE_NAME_BOX=(640 604) SAVE_BUTTON=(337 645)
FIRST_SAVE_ENTRY=(470 182) LOAD_BUTTON=(337 608)
# The question asked before unsaved progress is lost: its confirming button.
CONFIRM=(517 400)
# Where the pointer rests for screenshots: grass, away from every dialog.
REST=(1100 200)

shot() {
    xs_move "${REST[@]}"
    xs_wait_frames 1
    xs_shot "$1" >/dev/null
}
# A shot of the room once the game has drawn every click made so far: taken
# again until two in a row show the room alike.
settled_room_shot() {
    local try
    shot "$1"
    for try in 1 2 3 4 5 6 7 8 9 10; do
        cp "$XS_WORK/shots/$1.png" "$XS_WORK/shots/$1-previous.png"
        shot "$1"
        [ "$(xs_diff_pixels "$1-previous" "$1" "${ROOM_REGION[@]}")" = 0 ] && return 0
    done
    xs_fail "$1: the room is still changing"
}

# --- First session: build, hire, buy, save --------------------------------
xs_start_game "$BUILD"
# Paused from the start: no truck comes, nobody walks into the picture, and
# the prices stay those the order was placed at.
xs_key minus
shot start

xs_click "${TILES_BAR[@]}"
xs_click "${WALL_TOOL[@]}"
drag_cells $LEFT $TOP $RIGHT $TOP
drag_cells $LEFT $BOTTOM $RIGHT $BOTTOM
drag_cells $LEFT $((TOP + 1)) $LEFT $((BOTTOM - 1))
drag_cells $RIGHT $((TOP + 1)) $RIGHT $((BOTTOM - 1))
xs_click "${FLOOR_TOOL[@]}"
drag_cells $((LEFT + 1)) $((TOP + 1)) $((RIGHT - 1)) $((BOTTOM - 1))
click_cell $DOOR_COLUMN $BOTTOM
xs_click "${ZONES_BAR[@]}"
xs_click "${STORAGE_TOOL[@]}"
drag_cells $((LEFT + 1)) $((TOP + 1)) $((RIGHT - 1)) $((BOTTOM - 1))
xs_click "${FURNISHING_BAR[@]}"
xs_click "${DOOR_TOOL[@]}"
click_cell $DOOR_COLUMN $BOTTOM
# Right click drops the tool, a second one closes the panel.
xs_right_click "${REST[@]}"
xs_right_click "${REST[@]}"
xs_expect_changed start room "${ROOM_REGION[@]}"
settled_room_shot room

xs_click "${STAFF_BAR[@]}"
xs_click "${LABOUR_MARKET[@]}"
shot labour_market
xs_click "${HIRE[@]}"
xs_click "${HIRE[@]}"
shot hired
xs_click "${CLOSE_LABOUR[@]}"
xs_key Escape # the staff panel

xs_click "${TRADE_BAR[@]}"
xs_click "${BUY_ITEMS[@]}"
for unit in 1 2 3 4 5; do
    xs_click "${STEEL_PLUS_ONE[@]}"
done
shot order
xs_click "${BUY[@]}"
shot bought
xs_click "${CANCEL_ORDER[@]}"
xs_key Escape # the trade panel

xs_key Escape # the main menu
xs_click "${MAIN_SAVE[@]}"
xs_click "${SAVE_NAME_BOX[@]}"
for key in e 2 e; do
    xs_key $key
done
shot save_dialog
xs_click "${SAVE_BUTTON[@]}"
shot saved
# Nothing happened since the save: the game closes without asking.
xs_click "${MAIN_QUIT[@]}"
xs_expect_exit_status 0 30

# --- The save file, read by the headless runner ---------------------------
SAVE_FILE="$XS_SAVES/$SAVE_NAME"
[ -s "$SAVE_FILE" ] || xs_fail "no save file $SAVE_FILE"
# Fails the test keeping the save file beside the screenshots.
save_fail() {
    local keep=${XS_ARTEFACTS:-$PWD/real-artefacts/$XS_NAME}
    mkdir -p "$keep" && cp "$SAVE_FILE" "$keep/"
    xs_fail "$@"
}
# Its messages go with the report, so a failure says what went wrong.
run_sim() { (cd "$XS_WORK/game" && "$BUILD/ostravel-sim" --seed 1 "$@" 2>&1); }
report=$(run_sim --load "$SAVE_FILE" - <<EOF
expect employees == 2
expect rooms == 1
expect rooms_enclosed == 1
expect doors == 1
expect objects == 1
expect deliveries_pending == 5
EOF
) || save_fail "the save does not hold what was done: $report"
key_of() { echo "$2" | sed -n "s/^$1=//p"; }
# The same building bought by the runner in a new game gives what the room
# cost; the order took five times the steel price the save still shows.
built=$(run_sim - <<EOF
tile wall $LEFT $TOP $RIGHT $TOP
tile wall $LEFT $BOTTOM $RIGHT $BOTTOM
tile wall $LEFT $((TOP + 1)) $LEFT $((BOTTOM - 1))
tile wall $RIGHT $((TOP + 1)) $RIGHT $((BOTTOM - 1))
tile floor $((LEFT + 1)) $((TOP + 1)) $((RIGHT - 1)) $((BOTTOM - 1))
tile floor $DOOR_COLUMN $BOTTOM
zone storage $((LEFT + 1)) $((TOP + 1)) $((RIGHT - 1)) $((BOTTOM - 1))
object door $DOOR_COLUMN $BOTTOM
expect refused == 0
EOF
) || xs_fail "the runner could not build the same room: $built"
balance=$(key_of balance "$report")
steel=$(key_of market.buy.steel "$report")
after_building=$(key_of balance "$built")
awk -v b="$balance" -v s="$steel" -v a="$after_building" \
    'BEGIN { d = a - 5 * s - b; exit !(d < 0.005 && d > -0.005) }' ||
    save_fail "balance $balance in the save; the room leaves $after_building and five steel cost 5 x $steel"
xs_log "save holds 2 employees, the enclosed room, 5 steel on order, balance $balance"

# --- Second session: load through the dialog, see the room ----------------
xs_start_game "$BUILD"
shot fresh
xs_key Escape
xs_click "${MAIN_LOAD[@]}"
xs_click "${FIRST_SAVE_ENTRY[@]}"
shot load_dialog
xs_click "${LOAD_BUTTON[@]}"
# The new game's clock has run: loading over it asks first.
xs_wait_frames 1
shot load_question
xs_click "${CONFIRM[@]}"
xs_click "${MAIN_CLOSE[@]}"
xs_key minus
xs_move "${REST[@]}"
xs_expect_changed fresh loaded "${ROOM_REGION[@]}"
settled_room_shot loaded
# The room is drawn as it was when it was saved.
xs_expect_unchanged room loaded "${ROOM_REGION[@]}" $((192 * 160 / 50))
xs_key Escape
xs_click "${MAIN_QUIT[@]}"
# The loaded game ran a moment before it was paused again: asked once more.
xs_wait_frames 1
xs_click "${CONFIRM[@]}"
xs_expect_exit_status 0 30
xs_end
