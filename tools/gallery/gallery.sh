#!/bin/bash
# Takes a picture of every panel, dialog, tooltip and map zoom of a busy
# factory, through the real game with real input, so that the game's look
# can be reviewed at a glance and compared before and after a change.
#
# The headless runner builds the factory (the guide's factory after its five
# days of trade, unless other runner scripts are given) and saves it as the
# quick save; the game
# loads it with F9, and every panel and dialog is opened by clicks and keys
# as a player would. Writes NAME.png for every picture and contact.png, all
# pictures side by side, into OUT (replacing the pictures there). With BEFORE (the OUT of an earlier run),
# also writes compare/NAME.png, before and after side by side, for every
# picture that changed, and lists them.
#
# Usage: tools/gallery/gallery.sh BUILD_DIR OUT_DIR [BEFORE_DIR [SCRIPT.sim...]]
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$root/tests/app/real/xsession.sh"

build=$(cd "${1:?the build folder}" && pwd)
out=$(mkdir -p "${2:?the folder for the pictures}" && cd "$2" && pwd)
before=${3:-}
factory=("${@:4}")
[ ${#factory[@]} -gt 0 ] || factory=("$root/docs/guide-factory.sim" "$root/docs/guide-days.sim")
[ -z "$before" ] || [ -d "$before" ] || xs_fail "no earlier gallery in $before"
XS_SCREEN=2560x1440
xs_begin gallery 900
rm -rf "$out"/*.png "$out/compare"

# Window coordinates at 1280 x 720: the bar's buttons along the bottom edge,
# the first row of buttons of a panel above it, the main menu's buttons.
BAR_Y=683
TILES=37 ZONES=110 FURNISHING=185 STAFF=260 TRADE=333 STATISTICS=405 RESEARCH=478
PANEL_Y=615
MAIN_MENU=(1210 697)
MENU_SAVE=(640 326) MENU_LOAD=(640 367) MENU_SETTINGS=(640 408) MENU_QUIT=(640 449)
MENU_NEW=(640 271)
QUESTION_YES=(517 400)
STATISTICS_BENCHES=(387 630)
# A workbench, a storage room and a spot of the factory floor at the
# starting view of the guide's factory.
BENCH=(832 240)
ROOM=(551 242)
FLOOR=(564 342)
# The pointer rests here between pictures, over no button.
REST=(1270 100)

# The factory, built by the runner and saved where F9 finds it.
mkdir -p "$XS_WORK/sim/save"
cp -r "$build/data" "$XS_WORK/sim/"
(cd "$XS_WORK/sim" &&
    { cat "${factory[@]}"; echo "save save/Schnellspeicherstand"; } |
    "$build/ostravel-sim" --seed 1 - >"$XS_WORK/sim.out") || xs_fail "the runner could not build the factory"

names=()
# Takes the window as OUT/NAME.png, the pointer where it is (or at REST).
shot() {
    local name=$1
    [ "${2:-}" = here ] || xs_move "${REST[@]}"
    xs_wait_frames 1
    xs_shot "$name" >/dev/null
    cp "$XS_WORK/shots/$name.png" "$out/$name.png"
    names+=("$name")
}
# Opens a panel of the bar, then one of its buttons, pictures the dialog and
# closes both.
panel_dialog() {
    local name=$1 bar=$2 x=$3
    xs_click "$bar" "$BAR_Y"
    xs_click "$x" "$PANEL_Y"
    shot "$name"
    xs_key Escape
    xs_key Escape
}

xs_start_game "$build"
xdotool windowmove --sync "$XS_WINDOW" 0 0
shot start
cp "$XS_WORK"/sim/save/Schnellspeicherstand* "$XS_SAVES/"
xs_key F9
shot question-quickload
xs_click "${QUESTION_YES[@]}"
xs_key minus # paused, so that every picture shows the same moment
xs_key minus
shot factory

# The speed line at every speed, back to the pause.
for speed in 1x 5x 9x; do
    xs_key equal
    shot "speed-$speed"
done
for _ in 1 2 3; do xs_key minus; done

# The bar's panels, each with the pointer on its first button's tooltip.
for panel in tiles:$TILES zones:$ZONES furnishing:$FURNISHING staff:$STAFF trade:$TRADE; do
    name=${panel%%:*} x=${panel##*:}
    xs_click "$x" "$BAR_Y"
    shot "panel-$name"
    xs_key Escape
done

# A tool's preview on the floor, then the zones panel opened instead.
xs_click "$FURNISHING" "$BAR_Y"
xs_click 242 "$PANEL_Y" # the door
xs_move "${FLOOR[@]}"
shot tool-door-preview here
xs_click "$ZONES" "$BAR_Y"
xs_move "${FLOOR[@]}"
shot tool-after-panel-switch here
xs_right_click "${FLOOR[@]}"
xs_right_click "${FLOOR[@]}"

# Tooltips: a bench and a room in the middle, then things at the window's
# edges: the bathroom at the left, the bar's first button at the bottom left,
# the main menu's button at the bottom right, an alert at the top right.
for spot in bench:${BENCH[0]}:${BENCH[1]} room:${ROOM[0]}:${ROOM[1]} left-room:130:420 \
    bottom-left-button:$TILES:$BAR_Y bottom-right-button:${MAIN_MENU[0]}:${MAIN_MENU[1]} \
    top-right-alert:1100:50; do
    name=${spot%%:*} at=${spot#*:}
    xs_move "${at%%:*}" "${at##*:}"
    shot "tooltip-$name" here
done

# Every dialog.
panel_dialog labour-market "$STAFF" 202
panel_dialog dismissal "$STAFF" 260
panel_dialog work-priorities "$STAFF" 318
panel_dialog price-history "$TRADE" 272
panel_dialog order "$TRADE" 333
panel_dialog sell "$TRADE" 392
xs_click "$STATISTICS" "$BAR_Y"
shot statistics
xs_click "${STATISTICS_BENCHES[@]}"
shot statistics-benches
xs_key Escape
xs_click "$RESEARCH" "$BAR_Y"
shot research
xs_key Escape
xs_click "${BENCH[@]}"
shot production
xs_key Escape
xs_click "${MAIN_MENU[@]}"
shot main-menu
xs_click "${MENU_SAVE[@]}"
shot save
xs_key Escape
xs_click "${MENU_LOAD[@]}"
shot load
xs_key Escape
xs_click "${MENU_SETTINGS[@]}"
shot settings
xs_key Escape
xs_click "${MENU_NEW[@]}"
shot question-new-game
xs_key Escape
xs_click "${MENU_QUIT[@]}"
shot question-quit
xs_key Escape
xs_key Escape

# The map at every zoom: from the starting one in towards the bench one
# notch at a time until a notch changes nothing more, then out as far as it
# goes. The wheel turns over the bench, which the view zooms towards; the
# pointer rests away from it for the picture, so no tooltip hides the map.
zoom_series() {
    local direction=$1 notch=$2 previous=zoom-start step
    steps=0
    for step in $(seq 1 12); do
        xs_wheel "${BENCH[@]}" "$notch"
        shot "zoom-$direction-$step"
        if [ "$(xs_diff_pixels "$previous" "zoom-$direction-$step" 0 0 1280 640)" = 0 ]; then
            rm "$out/zoom-$direction-$step.png"
            unset 'names[-1]'
            return
        fi
        steps=$step
        previous=zoom-$direction-$step
    done
}
shot zoom-start
zoom_series in 1
steps_in=$steps
zoom_series out -1
# Back to the starting zoom for the window sizes.
xs_wheel "${BENCH[@]}" $((steps - steps_in))

# The smallest and a large window, with the statistics open on the large one.
xdotool windowsize --sync "$XS_WINDOW" 1024 640
shot window-1024x640
xdotool windowsize --sync "$XS_WINDOW" 1920 1080
shot window-1920x1080
xs_click "$STATISTICS" $((1080 - 37))
shot window-1920x1080-statistics
xs_key Escape
xdotool windowsize --sync "$XS_WINDOW" 1280 720

cd "$out" || xs_fail "no folder $out"
montage -font Liberation-Sans -label "%t" "${names[@]/%/.png}" -tile 6x -geometry 426x240+4+4 contact.png
echo "${#names[@]} pictures in $out, all of them in contact.png"
if [ -n "$before" ]; then
    rm -rf compare
    mkdir compare
    for name in "${names[@]}"; do
        [ -f "$before/$name.png" ] || continue
        if ! compare -metric AE "$before/$name.png" "$name.png" null: 2>/dev/null; then
            montage "$before/$name.png" "$name.png" -tile 2x -geometry +4+4 "compare/$name.png"
            echo "changed: $name"
        fi
    done
fi
xs_end
