#!/bin/bash
# The player resizes the window, goes full screen and back: the world fills
# the window, the HUD's buttons work where they are drawn, dialogs open in
# the middle, the settings dialog switches the frame counter off, and a
# window made too small grows back to the smallest usable size.
# Usage: window_size.sh BUILD_DIR
. "$(dirname "$0")/xsession.sh"

# Room for a 1920 x 1080 window.
XS_SCREEN=2560x1440
xs_begin window_size 170
xs_start_game "${1:?the build folder}"
xdotool windowmove --sync "$XS_WINDOW" 0 0

window_size() { xwininfo -id "$XS_WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

resize_to() {
    xdotool windowsize --sync "$XS_WINDOW" "$1" "$2"
    xs_wait_frames 1
    [ "$(window_size)" = "$1x$2" ] || xs_fail "window is $(window_size), wanted $1x$2"
}

# Share of pixels in a region of a shot that are not black (the world drawn).
lit_percent() {
    convert "$XS_WORK/shots/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray \
        -threshold 8% -format "%[fx:int(100*mean)]" info:
}

# At a window of W x H: the map fills it, the tiles button in the bar opens
# its panel, the main-menu button in the corner opens the main menu in the
# middle, and Escape closes both again.
check_size() {
    local w=$1 h=$2 name=$3
    xs_move $((w / 2)) $((h / 3))
    xs_shot "$name" >/dev/null
    local lit
    # The map ends some way below the road; above it, it reaches every edge.
    lit=$(lit_percent "$name" 0 100 $((w - 40)) $((h / 2 - 100)))
    [ "$lit" -ge 95 ] || xs_fail "$name: only $lit% of the window shows the world"
    xs_click 37 $((h - 37))
    xs_move $((w / 2)) $((h / 3))
    xs_expect_changed "$name" "$name-tiles" 0 $((h - 160)) 200 70 2000
    xs_key Escape
    xs_click $((w - 69)) $((h - 21))
    xs_expect_changed "$name" "$name-menu" $((w / 2 - 150)) $((h / 2 - 80)) 300 160 20000
    xs_key Escape
    xs_move $((w / 2)) $((h / 3))
    xs_shot "$name-after" >/dev/null
    xs_expect_unchanged "$name" "$name-after" $((w / 2 - 150)) $((h / 2 - 80)) 300 160 200
}

check_size 1280 720 window-1280x720
resize_to 1920 1080
check_size 1920 1080 window-1920x1080
resize_to 1024 640
check_size 1024 640 window-1024x640

# Smaller than that, the window grows back.
xdotool windowsize "$XS_WINDOW" 800 500
xs_wait_for 5 bash -c "[ \"\$(xwininfo -id $XS_WINDOW | awk '/Width:/ {print \$2}')\" = 1024 ]" ||
    xs_fail "a window of 800 x 500 stayed $(window_size)"

# Full screen is a new window the size of the screen; F11 again returns.
xs_key F11
xs_wait_frames 1
XS_WINDOW=$(xdotool search --onlyvisible --name '^Ostravel$' | head -1)
[ "$(window_size)" = "2560x1440" ] || xs_fail "full screen is $(window_size)"
check_size 2560 1440 fullscreen
xs_key F11
xs_wait_frames 1
XS_WINDOW=$(xdotool search --onlyvisible --name '^Ostravel$' | head -1)
[ "$(window_size)" = "1024x640" ] || xs_fail "back from full screen the window is $(window_size)"
xdotool windowmove --sync "$XS_WINDOW" 0 0
xs_wait_frames 1

# F3 shows the frame counter; Einstellungen turns it off again. The settings
# dialog is centred; its rows: window mode, scale, autosave, scroll speed,
# edge scrolling, frames, then sound and its three volumes.
xs_move 900 300
xs_shot counter-off-at-start >/dev/null
xs_key F3
xs_expect_changed counter-off-at-start counter-on 0 40 80 25 20
grep -q "show_fps=on" "$XDG_CONFIG_HOME/ostravel/settings.ini" ||
    xs_fail "F3 did not keep the frame counter in the settings file"
xs_key Escape
xs_click 512 368 # "Einstellungen", below the middle of the main menu
xs_expect_changed counter-on settings 120 120 780 400 50000
xs_shot settings >/dev/null
xs_click 536 341 # "Aus" in the frames' row
xs_key Escape
xs_key Escape
xs_move 900 300
xs_expect_changed counter-on counter-off 0 40 80 25 20
grep -q "show_fps=off" "$XDG_CONFIG_HOME/ostravel/settings.ini" ||
    xs_fail "the settings file does not say show_fps=off"
xs_end
