#!/bin/bash
# Installs the game into a scratch prefix as a player would, checks the
# desktop entry and the AppStream metadata with the desktop's own tools,
# then starts the installed game from an unrelated folder under Xvfb and
# leaves it through the main menu.
# Usage: install.sh BUILD_DIR
. "$(dirname "$0")/../app/real/xsession.sh"

BUILD=${1:?the build folder}
xs_begin install 150
PREFIX="$XS_WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$XS_WORK/install.log" 2>&1 ||
    xs_fail "cmake --install failed: $(tail -3 "$XS_WORK/install.log")"

ID=de.ostravel.Ostravel
for file in bin/ostravel share/ostravel/fonts/arial.ttf share/ostravel/img/spriteMap_v2_128.png \
    share/ostravel/data/nachnamen.txt share/applications/$ID.desktop \
    share/metainfo/$ID.metainfo.xml; do
    [ -s "$PREFIX/$file" ] || xs_fail "not installed: $file"
done
for size in 48 64 128 256; do
    icon="$PREFIX/share/icons/hicolor/${size}x${size}/apps/$ID.png"
    [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${size}x${size}" ] ||
        xs_fail "no ${size} pixel icon at $icon"
done
grep -qx "Exec=$PREFIX/bin/ostravel" "$PREFIX/share/applications/$ID.desktop" ||
    xs_fail "the desktop entry does not start $PREFIX/bin/ostravel"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$PREFIX/share/applications/$ID.desktop" ||
        xs_fail "desktop-file-validate refuses the entry"
else
    xs_log "SKIPPED: desktop-file-validate is missing (Debian package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml" ||
        xs_fail "appstreamcli refuses the metadata"
else
    xs_log "SKIPPED: appstreamcli is missing (Debian package appstream)"
fi

# The installed game, started from a folder that holds nothing of it.
export XDG_DATA_HOME="$XS_WORK/data" XDG_CONFIG_HOME="$XS_WORK/config"
ELSEWHERE="$XS_WORK/elsewhere"
mkdir -p "$ELSEWHERE"
(cd "$ELSEWHERE" && exec "$PREFIX/bin/ostravel" >"$XS_WORK/game.out" 2>"$XS_WORK/game.err") &
XS_GAME_PID=$!
XS_WINDOW=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ostravel$' 2>/dev/null | head -1)
[ -n "$XS_WINDOW" ] || xs_fail "the installed game showed no window: $(cat "$XS_WORK/game.out")"
xdotool windowmove --sync "$XS_WINDOW" 0 0
xdotool windowfocus --sync "$XS_WINDOW" 2>/dev/null || xdotool windowfocus "$XS_WINDOW"
xs_wait_frames 1
xs_move 1100 420
xs_shot started >/dev/null
xs_key Escape
xs_expect_changed started menu 440 260 400 200 1000
xs_click 640 449 # "Spiel verlassen"; the clock has run, so the game asks
xs_wait_frames 1
xs_click 517 400 # "Verlassen"
xs_expect_exit_status 0 20

[ -z "$(ls -A "$ELSEWHERE")" ] || xs_fail "the game wrote into the folder it was started from"
[ -d "$XDG_DATA_HOME/ostravel/save" ] || xs_fail "no save folder in $XDG_DATA_HOME"
[ -s "$XDG_CONFIG_HOME/ostravel/settings.ini" ] || xs_fail "no settings in $XDG_CONFIG_HOME"
xs_end
