#!/bin/bash
# The game with a sound device: OpenAL's wave writer stands in for the
# speakers and records what the game plays while the player clicks, lays a
# floor and opens a dialog. The recording holds sound, and neither SFML nor
# OpenAL complained.
# Usage: sound_heard.sh BUILD_DIR
. "$(dirname "$0")/xsession.sh"

xs_begin sound_heard 150
recording="$XS_WORK/heard.wav"
printf '[wave]\nfile=%s\n' "$recording" >"$XS_WORK/alsoft.conf"
export ALSOFT_CONF="$XS_WORK/alsoft.conf" ALSOFT_DRIVERS=wave
xs_start_game "${1:?the build folder}"

xs_click 37 683   # the tiles button
xs_click 145 615  # the floor
xs_drag 300 200 500 300 5
xs_wait_frames 1
xs_key Escape     # closes the tiles panel
xs_key Escape     # opens the main menu
xs_wait_frames 1
xs_click 640 449  # "Spiel verlassen": the floor was never saved, so the game asks
xs_wait_frames 1
xs_click 517 400  # "Verlassen"
xs_expect_exit_status 0 20

[ -s "$recording" ] || xs_fail "nothing was recorded"
# Past the header, the recording is not all silence.
sounding=$(tail -c +1000 "$recording" | tr -d '\000' | wc -c)
[ "$sounding" -gt 10000 ] || xs_fail "the recording is silent ($sounding bytes of sound)"
if grep -q -i 'audio' "$XS_WORK/game.out"; then
    xs_fail "the game said it had no sound: $(grep -i audio "$XS_WORK/game.out")"
fi
if grep -q -E 'OpenAL|fehlt' "$XS_WORK/game.err" "$XS_WORK/game.out"; then
    xs_fail "sound complaints: $(grep -h -E 'OpenAL|fehlt' "$XS_WORK/game.err" "$XS_WORK/game.out" | head -3)"
fi
xs_end
