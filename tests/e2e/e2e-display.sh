#!/usr/bin/env bash
# The whole program on a real X display: starts it under a private Xvfb with
# Qt's xcb platform, clicks "Siguiente", DIAMANTE and CALCULAR with real X
# events, waits for the computation to end, checks the screen's pixels where
# the outline, the rays, the printed results and the IR echo must be. Then a
# keyboard-only user types the values, moving on with Tab, computes with
# Enter on CALCULAR, presses DIAMANTE with Enter, opens "Acerca de ..."
# through the menus with Alt+A and closes it with Enter on "&Aceptar".
# Finally "&Salir" ends the program; its exit status is checked, and that no
# window is left.
#
# Usage: e2e-display.sh PROGRAM
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or ImageMagick).
# The last screen is kept as e2e-display.png in the working directory.
set -euo pipefail

program="$1"
readonly skipped=77

# Where the program puts its windows (no window manager moves them), in
# screen pixels. The main window's client area starts at (4, 50).
readonly siguiente_click="608 416"   # splash Frame1 (152,160) + Label2 (424,248), 65x17
readonly siguiente_area="65x17+576+408"
readonly diamante_click="52 130"     # Command3 at client (16,48), 65x65
readonly calcular_click="544 510"    # Command2 at client (488,448), 105x25
readonly salir_click="744 514"       # Command1 at client (712,440), 57x49
readonly custom_click="172 186"      # Command5 "?" at client (136,104), 65x65
readonly text1_area="77x22+390+468"  # inside Text1 at client (384,416), 81x26
readonly text3_area="77x22+390+500"  # inside Text3 at client (384,448)
readonly text2_area="77x22+390+532"  # inside Text2 at client (384,480)
readonly echo_area="57x22+308+58"    # Label5 at client (304,8), above Picture1: the IR echo
readonly picture1_area="501x341+270+84"  # Picture1's interior
readonly picture2_area="211x253+30+260"  # Picture2's interior
# The eight printed result lines, left of the scaled profile on Picture1.
readonly results_area="128x150+272+102"
# Above the diamond's left crown facet on Picture2, where the thirteen
# incoming rays fall (x 100 to 794 units, from y 200 down to the table).
readonly incoming_rays_area="42x80+38+275"
# The band of Picture2 around its girdle line (y 2000 units, 393 on screen).
readonly girdle_band_area="211x30+30+378"

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/program.log" ] && sed 's/^/program: /' "$work/program.log" >&2
    exit 1
}

for tool in Xvfb xauth xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian packages xvfb, xauth, xdotool, imagemagick)"
        exit "$skipped"
    fi
done

work="$(mktemp -d)"
xvfb_pid=""
program_pid=""
cleanup() {
    local pid
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# --- A private X server on a free display number -----------------------------

# The server accepts the cookie whatever display its entry names; the entry
# for the real number is added once the server has chosen it.
cookie="$(mcookie 2>/dev/null || od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
export XAUTHORITY="$work/Xauthority"
touch "$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add :0 . "$cookie"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -auth "$XAUTHORITY" \
    3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!

# Runs COMMAND until it succeeds, every 0.2 s, for at most SECONDS.
wait_until() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

display_known() { grep -q '[0-9]' "$work/display"; }
if ! wait_until 10 display_known; then
    cat "$work/xvfb.log" >&2
    echo "SKIP: Xvfb did not start"
    exit "$skipped"
fi
display_number="$(tr -dc '0-9' <"$work/display")"
export DISPLAY=":$display_number"
xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"
echo "Xvfb on display $DISPLAY"

# --- Screen reading ----------------------------------------------------------

# Saves the whole screen as PPM (no time stamps, so equal screens give equal files).
screenshot() { timeout 10 import -window root "ppm:$1"; }

# Prints an ImageMagick fx expression evaluated over an area of a screenshot.
area_value() {
    local shot="$1" area="$2" expression="$3"
    convert "$shot" -crop "$area" +repage -colorspace Gray -format "%[fx:$expression]" info:
}

# The share of dark pixels (the pen's black) in an area.
dark_share() {
    local shot="$1" area="$2"
    convert "$shot" -crop "$area" +repage -colorspace Gray -threshold 50% -format '%[fx:1-mean]' info:
}

# The largest share of dark pixels in one row, or with -columns in one column,
# of an area: near 1 where a straight line crosses the whole area.
longest_line_share() {
    local shot="$1" area="$2" direction="$3"
    local width="${area%%x*}" height="${area#*x}"
    height="${height%%+*}"
    local size="1x${height}!"
    [ "$direction" = columns ] && size="${width}x1!"
    convert "$shot" -crop "$area" +repage -colorspace Gray -threshold 50% -negate \
        -scale "$size" -format '%[fx:maxima]' info:
}

# True when the number $1 satisfies the awk comparison "$2 $3", e.g. "> 0.1".
holds() { awk -v value="$1" "BEGIN { exit !(value $2 $3) }"; }

# Checks a measured value against a bound and reports it.
expect() {
    local what="$1" value="$2" op="$3" bound="$4"
    if holds "$value" "$op" "$bound"; then
        echo "ok: $what ($value $op $bound)"
    else
        fail "$what: $value, expected $op $bound"
    fi
}

click() {
    # shellcheck disable=SC2086  # the position is two words
    timeout 10 xdotool mousemove --sync $1 click 1
}

# --- The run -----------------------------------------------------------------

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
"$program" >"$work/program.log" 2>&1 &
program_pid=$!

splash_shown() {
    screenshot "$work/screen.ppm"
    # The "Siguiente" label is orange (#FF8000) on the light splash frame.
    local orange
    orange="$(convert "$work/screen.ppm" -crop "$siguiente_area" +repage \
        -format '%[fx:mean.r - mean.b]' info:)"
    holds "$orange" '>' 0.6
}
wait_until 10 splash_shown || fail "the splash window with \"Siguiente\" did not appear"
echo "ok: splash window shown"

click "$siguiente_click"
main_window_shown() {
    timeout 5 xdotool search --onlyvisible --name '^CORVELUX 1\.0$' >/dev/null || return 1
    # Painted: Picture2's interior shows its light peach (#FFE0C0).
    screenshot "$work/screen.ppm"
    holds "$(area_value "$work/screen.ppm" "$picture2_area" mean)" '>' 0.8
}
wait_until 5 main_window_shown || fail "\"Siguiente\" did not open the main window"
echo "ok: main window open"

click "$diamante_click"
ir_field_filled() {
    screenshot "$work/before.ppm"
    holds "$(dark_share "$work/before.ppm" "$text1_area")" '>' 0.02
}
wait_until 5 ir_field_filled || fail "DIAMANTE did not fill the IR field"
echo "ok: DIAMANTE filled the fields"

# Before the computation both drawing areas are blank and the echo is plain
# maroon: the areas below are the right ones and start empty.
expect "Picture1 blank before CALCULAR" "$(dark_share "$work/before.ppm" "$picture1_area")" '<' 0.0001
expect "Picture2 blank before CALCULAR" "$(dark_share "$work/before.ppm" "$picture2_area")" '<' 0.0001
expect "IR echo plain maroon before CALCULAR" "$(area_value "$work/before.ppm" "$echo_area" maxima)" '<' 0.2

click "$calcular_click"
# The results are printed last: once they show and the screen holds still,
# the computation has ended.
results_printed() {
    screenshot "$work/after.ppm"
    holds "$(dark_share "$work/after.ppm" "$results_area")" '>' 0.03
}
screen_settled() {
    cp "$work/after.ppm" "$work/previous.ppm"
    sleep 0.3
    screenshot "$work/after.ppm"
    cmp -s "$work/previous.ppm" "$work/after.ppm"
}
wait_until 15 results_printed || fail "no results were printed within 15 s of CALCULAR"
wait_until 5 screen_settled || fail "the screen kept changing after the results were printed"
convert "$work/after.ppm" e2e-display.png
echo "ok: computation ended (screen kept as e2e-display.png)"

expect "printed results on Picture1" "$(dark_share "$work/after.ppm" "$results_area")" '>' 0.03
expect "a long horizontal line (girdle, D) on Picture1" \
    "$(longest_line_share "$work/after.ppm" "$picture1_area" rows)" '>' 0.4
expect "a long vertical line (axis, H) on Picture1" \
    "$(longest_line_share "$work/after.ppm" "$picture1_area" columns)" '>' 0.4
expect "the girdle line of the outline on Picture2" \
    "$(longest_line_share "$work/after.ppm" "$girdle_band_area" rows)" '>' 0.85
expect "incoming rays above the crown on Picture2" \
    "$(dark_share "$work/after.ppm" "$incoming_rays_area")" '>' 0.15
expect "rays across Picture2" "$(dark_share "$work/after.ppm" "$picture2_area")" '>' 0.05
expect "IR echo shown in light orange" "$(area_value "$work/after.ppm" "$echo_area" maxima)" '>' 0.6

# A click that arrives during the animation waits for the computation to
# end: "?" pressed while the rays are drawn must leave both drawing areas
# blank, not cleared halfway with rays and results drawn on top afterwards.
timeout 10 xdotool mousemove --sync 600 300  # off the button, so the next click moves
click "$calcular_click"
sleep 0.3
click "$custom_click"
cleared_after_computation() {
    screen_settled || return 1
    holds "$(dark_share "$work/after.ppm" "$picture1_area")" '<' 0.0001
}
wait_until 15 cleared_after_computation ||
    fail "\"?\" pressed during the animation did not leave Picture1 blank after it"
expect "Picture2 blank after \"?\" pressed during the animation" \
    "$(dark_share "$work/after.ppm" "$picture2_area")" '<' 0.0001
# The field has the focus: at most the text cursor shows in it.
expect "IR field emptied by \"?\"" "$(dark_share "$work/after.ppm" "$text1_area")" '<' 0.015

# --- A keyboard-only user ----------------------------------------------------

keys() { timeout 10 xdotool key --delay 50 "$@"; }
type_text() { timeout 10 xdotool type --delay 50 "$1"; }
# True when an area of a fresh screenshot shows typed text, not just a cursor.
shows_text() {
    screenshot "$work/screen.ppm"
    holds "$(dark_share "$work/screen.ppm" "$1")" '>' 0.02
}
about_open() { timeout 5 xdotool search --onlyvisible --name '^Acerca de \.\.\.$' >/dev/null; }
about_closed() { ! about_open; }

# "?" left the focus on the IR field: type the values, moving on with Tab in
# the order of the fields, then Tab to CALCULAR and press Enter.
type_text 2.419
wait_until 5 shows_text "$text1_area" || fail "typing did not reach the IR field"
keys Tab
type_text 10
wait_until 5 shows_text "$text3_area" || fail "Tab did not move from IR to the diameter field"
shows_text "$text2_area" && fail "Tab moved from IR past the diameter field"
keys Tab
type_text 10
wait_until 5 shows_text "$text2_area" || fail "Tab did not move on to the épsilon field"
echo "ok: typed IR, D and épsilon, moving on with Tab"
keys Tab Return
wait_until 15 results_printed || fail "Enter on CALCULAR printed no results within 15 s"
wait_until 5 screen_settled || fail "the screen kept changing after the results were printed"
echo "ok: Enter on CALCULAR printed the results"
expect "rays across Picture2 after Enter on CALCULAR" \
    "$(dark_share "$work/after.ppm" "$picture2_area")" '>' 0.05

# Five more Tabs pass "&Salir", "?", Picture1 and Picture2 to DIAMANTE, where
# Enter loads the diamond's values and clears both drawing areas.
keys Tab Tab Tab Tab Tab Return
wait_until 5 cleared_after_computation || fail "Enter five Tabs after CALCULAR did not press DIAMANTE"
echo "ok: Enter on DIAMANTE, five Tabs after CALCULAR, cleared the drawing areas"
expect "IR field filled by DIAMANTE" "$(dark_share "$work/after.ppm" "$text1_area")" '>' 0.02

# Both menu titles have the mnemonic A: Alt+A opens "&Archivo", a second
# Alt+A moves on to "&Ayuda", where A is "&Acerca de ..." (in "&Archivo" it
# would be "&Abrir").
keys alt+a alt+a a
wait_until 5 about_open || fail "Alt+A, Alt+A, A did not open \"Acerca de ...\""
echo "ok: Alt+A twice and A opened \"Acerca de ...\""
# The focus starts on the picture: Tab to "&Aceptar". Escape leaves the
# window open; the keypad's Enter presses the button.
keys Tab Escape
sleep 0.3
about_open || fail "Escape closed \"Acerca de ...\""
keys KP_Enter
wait_until 5 about_closed || fail "the keypad's Enter on \"&Aceptar\" did not close the window"
echo "ok: Enter on \"&Aceptar\" closed \"Acerca de ...\", Escape did not"

click "$salir_click"
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
wait_until 5 program_ended || fail "\"&Salir\" did not end the program"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program exited with status $status"
echo "ok: \"&Salir\" ended the program with status 0"

# Every window of the program has a name; the root window has none.
if windows="$(timeout 5 xdotool search --name '.+')"; then
    fail "windows left after the program ended: $windows"
fi
echo "ok: no window left"
echo "PASS"
