#!/bin/bash
# Takes the player's guide's screenshots from the real game: the headless
# runner builds and runs the guide's factory (guide-factory.sim) and saves it;
# the game loads that save through its load dialog, and every dialog is
# opened by clicks as a player would. Writes small PNGs into docs/img/ and,
# with a second argument, the full-size shots of all ten dialogs there too.
# Usage: docs/guide-shots.sh BUILD_DIR [ALL_SHOTS_DIR]
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/app/real/xsession.sh"

build=$(cd "${1:?the build folder}" && pwd)
all=${2:-}
xs_begin guide_shots 400

# The factory, traded for five working days as the guide says, then saved.
mkdir -p "$XS_WORK/game/save"
cp -r "$build/data" "$XS_WORK/game/"
(cd "$XS_WORK/game" &&
    { cat "$here/guide-factory.sim" "$here/guide-days.sim"; echo "save save/Fabrik"; } |
    "$build/ostravel-sim" --seed 1 - >"$XS_WORK/sim.out") || xs_fail "the runner could not build the factory"

xs_start_game "$build"
xs_key minus # paused, so every shot shows the same moment

# The pointer rests off every dialog, so no button is hovered.
REST=(1270 100)
shot() {
    xs_move "${REST[@]}"
    xs_wait_frames 1
    local file
    file=$(xs_shot "$1")
    [ -n "$all" ] && mkdir -p "$all" && cp "$file" "$all/$1.png"
    echo "$file"
}
# Opens a panel of the bar, then one of its buttons, shoots, and closes both.
dialog() {
    local name=$1 bar=$2 x=$3
    xs_click "$bar" 683
    xs_click "$x" 615
    shot "$name" >/dev/null
    xs_key Escape
    xs_key Escape
}

# Crops a shot, scales it and stores it with few colours for the guide.
keep() {
    local name=$1 geometry=$2 scale=$3 out=$4
    convert "$XS_WORK/shots/$name.png" -crop "$geometry" +repage -resize "$scale" -colors 96 \
        -define png:compression-level=9 "$here/img/$out.png"
}

# The labour market of the new game, before the factory is loaded.
dialog labour 260 202

# Main menu, "Spielstand laden", the one save, load, close the main menu.
xs_key Escape
xs_click 640 367
xs_click 470 182
xs_click 337 608
# The new game's clock has run: loading over it asks first ("Laden").
xs_wait_frames 1
xs_click 517 400
xs_click 640 490
mkdir -p "$here/img"
shot factory >/dev/null
dialog dismissal 260 260
dialog staff 260 318
# The chart with the five dearest parts hidden through their legend icons,
# so the cheaper lines spread over the whole height.
xs_click 333 683
xs_click 272 615
for legend_x in 155 193 230 267 303; do
    xs_click $legend_x 645
done
shot prices >/dev/null
xs_key Escape
xs_key Escape
# The order with ten units of steel chosen (the double arrow of its line).
xs_click 333 683
xs_click 333 615
xs_click 893 206
shot order >/dev/null
xs_key Escape
xs_key Escape
dialog sell 333 392
# The statistics, opened by the bar's last button: the days, then the benches.
xs_click 405 683
shot statistics >/dev/null
xs_click 387 630
shot benches >/dev/null
xs_key Escape
# A click on a workbench with no tool opens its production.
xs_click 832 240
shot production >/dev/null
xs_key Escape
xs_key Escape
shot main >/dev/null
xs_click 640 326
shot save >/dev/null
xs_key Escape
xs_click 640 367
shot load >/dev/null
xs_key Escape
xs_key Escape

keep factory 960x470+64+130 80% factory
keep factory 350x56+930+30 100% alerts
keep labour 624x522+328+99 80% labour-market
keep staff 824x404+228+158 80% staff-priorities
keep order 824x520+228+100 80% order
keep prices 1024x702+128+9 70% price-chart
keep statistics 1024x600+128+60 75% statistics
keep production 1000x600+140+60 75% production
xs_end
