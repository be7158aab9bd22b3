#!/bin/bash
# The game on a machine without a sound device (Xvfb has none): clicks, a
# floor laid and the M key all ask for sounds; the game stays silent, says
# so once on standard output, keeps the libraries' complaints off standard
# error, remembers the mute key in the settings and exits cleanly.
# Usage: sound_silent.sh BUILD_DIR
. "$(dirname "$0")/xsession.sh"

xs_begin sound_silent 150
xs_start_game "${1:?the build folder}"

TILES_BUTTON=(37 683)
FLOOR_BUTTON=(145 615)
REST=(1100 420)

xs_click "${TILES_BUTTON[@]}"
xs_click "${FLOOR_BUTTON[@]}"
xs_drag 300 200 500 300 5
xs_move "${REST[@]}"
xs_shot built >/dev/null
xs_key m
xs_wait_frames 1
xs_shot muted >/dev/null
# The notice at the top says the sound is off.
xs_expect_changed built muted 440 0 400 40 50
settings="$XDG_CONFIG_HOME/ostravel/settings.ini"
grep -q '^sound=off$' "$settings" || xs_fail "M did not turn the sound off in $settings"
xs_key m
xs_wait_frames 1
grep -q '^sound=on$' "$settings" || xs_fail "M did not turn the sound on again"

xs_key Escape   # closes the tiles panel
xs_key Escape   # opens the main menu
xs_click 640 449 # "Spiel verlassen": the floor was never saved, so the game asks
xs_wait_frames 1
xs_click 517 400 # "Verlassen"
xs_expect_exit_status 0 20

audio_lines=$(grep -c -i 'audio' "$XS_WORK/game.out")
[ "$audio_lines" -le 1 ] || xs_fail "$audio_lines lines about audio on standard output"
if grep -q -E 'ALSA|AL lib|OpenAL|audio device' "$XS_WORK/game.err"; then
    xs_fail "sound complaints on standard error: $(head -3 "$XS_WORK/game.err")"
fi
xs_end
