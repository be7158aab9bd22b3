# Drives the real game binary with real X input: its own Xvfb, the game in a
# scratch folder, clicks and keys at window coordinates, screenshots and
# region comparisons. Source it from a test script:
#
#   . "$(dirname "$0")/xsession.sh"
#   xs_begin my_test            # Xvfb + scratch folder, cleanup trap
#   xs_start_game "$BUILD_DIR"  # copies the game and its assets, waits for the window
#   xs_click 100 650; xs_key Escape; xs_shot before
#   xs_expect_changed before after 10 10 200 100
#   xs_wait_exit 20; xs_end     # passes when nothing failed
#
# Every helper fails the test through xs_fail, which keeps the screenshots in
# $XS_ARTEFACTS (default: ./real-artefacts/<test name> in the working
# directory) and stops. Nothing here waits without a limit.
#
# Settings (environment): XS_DISPLAYS="71 72" tries those display numbers in
# turn instead of letting Xvfb pick a free one; XS_SCREEN="2560x1440" gives
# Xvfb a screen of that size (default 1600x1200); XS_STEP_SECONDS is the pause
# that lets the game see a pointer move before a button changes (default 0.3;
# the game polls the pointer once per frame, after the frame's events).

set -u

XS_NAME=""
XS_WORK=""
XS_XVFB_PID=""
XS_GAME_PID=""
XS_WINDOW=""
XS_STATUS=""
XS_FAILED=0
XS_WATCHDOG_PID=""
XS_STEP_SECONDS=${XS_STEP_SECONDS:-0.3}

xs_log() { echo "[$XS_NAME $(date +%H:%M:%S)] $*"; }

# Ends the test as failed, keeping the screenshots taken so far.
xs_fail() {
    XS_FAILED=1
    echo "FAILED: $*" >&2
    exit 1
}

# Starts Xvfb on a free display with a screen larger than the window, makes
# the scratch folder and installs the cleanup trap. The test fails by itself
# after LIMIT seconds (default 150), so a hung game is cleaned up even when
# the caller would only kill this shell.
xs_begin() {
    XS_NAME=$1
    local limit=${2:-150}
    XS_WORK=$(mktemp -d "/tmp/ostravel-real-$XS_NAME-XXXXXX")
    mkdir -p "$XS_WORK/shots"
    trap xs_cleanup EXIT
    trap 'xs_fail "interrupted or over the time limit"' INT TERM
    (
        trap 'kill $sleeper; exit 0' TERM
        sleep "$limit" &
        sleeper=$!
        wait $sleeper && kill -TERM $$
    ) >/dev/null 2>&1 &
    XS_WATCHDOG_PID=$!
    local screen=(-screen 0 "${XS_SCREEN:-1600x1200}x24" -noreset -nolisten tcp)
    if [ -n "${XS_DISPLAYS:-}" ]; then
        local number
        for number in $XS_DISPLAYS; do
            [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
            Xvfb ":$number" "${screen[@]}" >"$XS_WORK/xvfb.log" 2>&1 &
            XS_XVFB_PID=$!
            if xs_wait_for 10 test -e "/tmp/.X11-unix/X$number"; then
                export DISPLAY=":$number"
                break
            fi
            kill "$XS_XVFB_PID" 2>/dev/null
            wait "$XS_XVFB_PID" 2>/dev/null
            XS_XVFB_PID=""
        done
    else
        # Xvfb names the display it found free once it is ready for clients.
        local fifo="$XS_WORK/displayfd"
        mkfifo "$fifo"
        Xvfb -displayfd 3 "${screen[@]}" 3>"$fifo" >"$XS_WORK/xvfb.log" 2>&1 &
        XS_XVFB_PID=$!
        local number=""
        read -r -t 20 number <"$fifo" || true
        [ -n "$number" ] && export DISPLAY=":$number"
    fi
    [ -n "$XS_XVFB_PID" ] && [ -n "${DISPLAY:-}" ] || xs_fail "no Xvfb display could be started"
    xs_log "Xvfb on $DISPLAY"
}

# Runs a command every 0.1 s until it succeeds or SECONDS have passed.
xs_wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# Copies the game and the asset folders it finds beside itself (fonts, img,
# data, sounds) and starts it there. Its saves and settings go to folders of the
# scratch folder, the saves to $XS_SAVES (made empty).
xs_start_game() {
    local build=$1
    local game="$XS_WORK/game"
    export XDG_DATA_HOME="$XS_WORK/data" XDG_CONFIG_HOME="$XS_WORK/config"
    XS_SAVES="$XDG_DATA_HOME/ostravel/save"
    mkdir -p "$game" "$XS_SAVES"
    cp "$build/ostravel" "$game/" || xs_fail "no game binary in $build"
    local folder
    for folder in fonts img data sounds; do
        cp -r "$build/$folder" "$game/" || xs_fail "no $folder folder in $build"
    done
    (cd "$game" && exec ./ostravel >"$XS_WORK/game.out" 2>"$XS_WORK/game.err") &
    XS_GAME_PID=$!
    XS_WINDOW=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ostravel$' 2>/dev/null | head -1)
    [ -n "$XS_WINDOW" ] || xs_fail "the game window did not appear within 30 s"
    xs_log "game pid $XS_GAME_PID, window $XS_WINDOW"
    # Without a window manager keys go to the focused window.
    xdotool windowfocus --sync "$XS_WINDOW" 2>/dev/null || xdotool windowfocus "$XS_WINDOW"
    xs_wait_frames
}

# Lets the game run a few frames (it draws at most 60 a second; a loaded
# machine may give far fewer).
xs_wait_frames() { sleep "${1:-1}"; }

xs_game_running() { [ -n "$XS_GAME_PID" ] && kill -0 "$XS_GAME_PID" 2>/dev/null; }

xs_require_game() { xs_game_running || xs_fail "the game is no longer running"; }

# Pointer moves and buttons, all in window pixels (the window is 1280 x 720).
xs_move() {
    xs_require_game
    xdotool mousemove --window "$XS_WINDOW" "$1" "$2"
    sleep "$XS_STEP_SECONDS"
}

xs_click() {
    local button=${3:-1}
    xs_move "$1" "$2"
    xdotool mousedown "$button"
    sleep "$XS_STEP_SECONDS"
    xdotool mouseup "$button"
    sleep "$XS_STEP_SECONDS"
}

xs_right_click() { xs_click "$1" "$2" 3; }

# Drags with the left button from (x1, y1) to (x2, y2) in STEPS moves, so the
# game sees the rectangle grow as a player's hand would make it.
xs_drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 steps=${5:-4}
    xs_move "$x1" "$y1"
    xdotool mousedown 1
    sleep "$XS_STEP_SECONDS"
    local i
    for ((i = 1; i <= steps; ++i)); do
        xs_move $((x1 + (x2 - x1) * i / steps)) $((y1 + (y2 - y1) * i / steps))
    done
    xdotool mouseup 1
    sleep "$XS_STEP_SECONDS"
}

# Wheel notches at a point: positive zooms in (wheel up), negative zooms out.
xs_wheel() {
    local x=$1 y=$2 notches=$3 button=4
    [ "$notches" -lt 0 ] && button=5 && notches=$((-notches))
    xs_move "$x" "$y"
    local i
    for ((i = 0; i < notches; ++i)); do
        xdotool click "$button"
        sleep "$XS_STEP_SECONDS"
    done
}

# Key names as xdotool knows them (Escape, r, equal, minus, Up...).
xs_key() {
    xs_require_game
    xdotool key --clearmodifiers "$1"
    sleep "$XS_STEP_SECONDS"
}

xs_hold_key() {
    xs_require_game
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
    sleep "$XS_STEP_SECONDS"
}

# Screenshot of the game window as $XS_WORK/shots/NAME.png; prints the path.
xs_shot() {
    xs_require_game
    local file="$XS_WORK/shots/$1.png"
    import -window "$XS_WINDOW" "$file" 2>/dev/null || xs_fail "screenshot $1 failed"
    echo "$file"
}

# Number of pixels that differ (by more than FUZZ, default 8%) between two
# shots within the rectangle x, y, width, height.
xs_diff_pixels() {
    local a=$1 b=$2 x=$3 y=$4 w=$5 h=$6 fuzz=${7:-8%}
    local region="${w}x${h}+${x}+${y}"
    compare -metric AE -fuzz "$fuzz" \
        \( "$XS_WORK/shots/$a.png" -crop "$region" +repage \) \
        \( "$XS_WORK/shots/$b.png" -crop "$region" +repage \) null: 2>&1 | cut -d' ' -f1
}

# Takes shot AFTER until the region differs from shot BEFORE in at least
# MIN_PIXELS pixels (default: a quarter of the region), retrying for a while
# because a busy machine may not have drawn the change yet.
xs_expect_changed() {
    local before=$1 after=$2 x=$3 y=$4 w=$5 h=$6 min=${7:-$(($5 * $6 / 4))}
    local try changed=0
    for try in 1 2 3 4 5 6 7 8 9 10; do
        xs_shot "$after" >/dev/null
        changed=$(xs_diff_pixels "$before" "$after" "$x" "$y" "$w" "$h")
        [ "${changed%.*}" -ge "$min" ] 2>/dev/null && {
            xs_log "$after: $changed pixels changed in ${w}x${h}+$x+$y"
            return 0
        }
        sleep 0.5
    done
    xs_fail "$after: only $changed pixels of ${w}x${h}+$x+$y changed since $before (wanted $min)"
}

# The region of shot AFTER differs from BEFORE in at most MAX_PIXELS pixels.
xs_expect_unchanged() {
    local before=$1 after=$2 x=$3 y=$4 w=$5 h=$6 max=${7:-0}
    local changed
    changed=$(xs_diff_pixels "$before" "$after" "$x" "$y" "$w" "$h")
    [ "${changed%.*}" -le "$max" ] 2>/dev/null ||
        xs_fail "$after: $changed pixels of ${w}x${h}+$x+$y changed since $before (allowed $max)"
    xs_log "$after: $changed pixels changed in ${w}x${h}+$x+$y (allowed $max)"
}

# Waits up to SECONDS for the game to end; its exit status is in XS_STATUS.
xs_wait_exit() {
    local seconds=${1:-20}
    xs_wait_for "$seconds" bash -c "! kill -0 $XS_GAME_PID" ||
        xs_fail "the game did not exit within $seconds s"
    wait "$XS_GAME_PID"
    XS_STATUS=$?
    XS_GAME_PID=""
    xs_log "game exited with $XS_STATUS"
}

xs_expect_exit_status() {
    xs_wait_exit "${2:-20}"
    [ "$XS_STATUS" -eq "$1" ] || xs_fail "game exit status $XS_STATUS, expected $1"
}

# The test passed: cleanup runs from the trap.
xs_end() {
    xs_log "passed"
    exit 0
}

xs_cleanup() {
    local status=$?
    if [ "$XS_FAILED" -ne 0 ] || [ "$status" -ne 0 ]; then
        local keep=${XS_ARTEFACTS:-$PWD/real-artefacts/$XS_NAME}
        mkdir -p "$keep"
        cp "$XS_WORK"/shots/*.png "$keep/" 2>/dev/null
        cp "$XS_WORK"/game.out "$XS_WORK"/game.err "$XS_WORK"/xvfb.log "$keep/" 2>/dev/null
        if xs_game_running; then
            import -window "$XS_WINDOW" "$keep/at-failure.png" 2>/dev/null
        fi
        echo "screenshots and logs kept in $keep" >&2
    fi
    if xs_game_running; then
        kill "$XS_GAME_PID" 2>/dev/null
        sleep 0.5
        kill -9 "$XS_GAME_PID" 2>/dev/null
        wait "$XS_GAME_PID" 2>/dev/null
    fi
    if [ -n "$XS_XVFB_PID" ]; then
        kill "$XS_XVFB_PID" 2>/dev/null
        wait "$XS_XVFB_PID" 2>/dev/null
    fi
    [ -n "$XS_WATCHDOG_PID" ] && kill "$XS_WATCHDOG_PID" 2>/dev/null
    [ -n "$XS_WORK" ] && rm -rf "$XS_WORK"
    exit "$status"
}
