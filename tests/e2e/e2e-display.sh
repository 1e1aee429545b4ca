#!/usr/bin/env bash
# The whole program on a real X display: starts it under a private Xvfb with
# Qt's xcb platform, opens the main window with Enter on the splash window,
# opens the help with F1 and closes it with Escape, clicks DIAMANTE and
# CALCULAR with real X events, waits for the computation to end, checks the
# screen's pixels where the outline, the rays, the printed results and the IR
# echo must be. Then a
# keyboard-only user types the values, moving on with Tab, computes with
# Enter on CALCULAR, presses DIAMANTE with Enter, opens "Acerca de ..."
# through the menus with Alt+A and closes it with Enter on "&Aceptar".
# Finally "&Salir" ends the program; its exit status is checked, and that no
# window is left.
#
# Usage: e2e-display.sh PROGRAM [LANGUAGE]
# LANGUAGE, es (the default) or en, is given to the program as --idioma; the
# windows' names and the menus' mnemonics the test uses are those of the
# language.
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or ImageMagick).
# The last screen is kept as e2e-display.png (e2e-display-en.png in English)
# in the working directory.
set -euo pipefail

program="$1"
language="${2:-es}"
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Where the program puts its windows (no window manager moves them), in
# screen pixels. The main window's client area starts at (4, 50).
readonly diamante_click="52 130"     # Command3 at client (16,48), 65x65
readonly calcular_click="544 510"    # Command2 at client (488,448), 105x25
readonly custom_click="172 186"      # Command5 "?" at client (136,104), 65x65
readonly text1_area="77x22+390+468"  # inside Text1 at client (384,416), 81x26
readonly text3_area="77x22+390+500"  # inside Text3 at client (384,448)
readonly text2_area="77x22+390+532"  # inside Text2 at client (384,480)
readonly echo_area="57x22+308+58"    # Label5 at client (304,8), above Picture1: the IR echo
readonly picture1_area="501x341+270+84"  # Picture1's interior
# The eight printed result lines, left of the scaled profile on Picture1.
readonly results_area="128x150+272+102"
# Above the diamond's left crown facet on Picture2, where the thirteen
# incoming rays fall (x 100 to 794 units, from y 200 down to the table).
readonly incoming_rays_area="42x80+38+275"
# The band of Picture2 around its girdle line (y 2000 units, 393 on screen).
readonly girdle_band_area="211x30+30+378"

# The help's and About's names, and the keys that open About from the menus:
# in Spanish "&Archivo" and "&Ayuda" share Alt+A, so the second Alt+A moves
# on to "&Ayuda", where A is "&Acerca de ..." (in "&Archivo" it is "&Abrir").
case "$language" in
es)
    readonly help_name='^Ayuda de CORVELUX$'
    readonly about_name='^Acerca de \.\.\.$'
    readonly about_keys=(alt+a alt+a a)
    readonly kept_screen=e2e-display.png
    ;;
en)
    readonly help_name='^CORVELUX Help$'
    readonly about_name='^About CORVELUX$'
    readonly about_keys=(alt+h a)
    readonly kept_screen=e2e-display-en.png
    ;;
*) fail "no language \"$language\"" ;;
esac

# --- The run -----------------------------------------------------------------

keys() { timeout 10 xdotool key --delay 50 "$@"; }

start_program --idioma "$language"
wait_until 60 splash_shown || fail "the splash window with \"Siguiente\" did not appear"
keys Return
wait_until 30 main_window_shown || fail "Enter on the splash window did not open the main window"
echo "ok: Enter on the splash window opened the main window"

keys F1
wait_for_window "$help_name" >/dev/null || fail "F1 did not open the help"
keys Escape
wait_until 30 window_gone "$help_name" || fail "Escape did not close the help"
wait_for_main_window
echo "ok: F1 opened the help, Escape closed it"

click "$diamante_click"
ir_field_filled() {
    screenshot "$work/before.ppm"
    holds "$(dark_share "$work/before.ppm" "$text1_area")" '>' 0.02
}
wait_until 30 ir_field_filled || fail "DIAMANTE did not fill the IR field"
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
wait_until 60 results_printed || fail "CALCULAR printed no results"
wait_until 30 screen_settled || fail "the screen kept changing after the results were printed"
convert "$work/after.ppm" "$kept_screen"
echo "ok: computation ended (screen kept as $kept_screen)"

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
# The program handles X events in the order sent, so the click on "?" sent
# right after CALCULAR's arrives during the computation, which lasts over a
# second by the clock.
timeout 10 xdotool mousemove --sync 600 300  # off the button, so the next click moves
click "$calcular_click"
click "$custom_click"
cleared_after_computation() {
    screen_settled || return 1
    holds "$(dark_share "$work/after.ppm" "$picture1_area")" '<' 0.0001
}
wait_until 60 cleared_after_computation ||
    fail "\"?\" pressed during the animation did not leave Picture1 blank after it"
expect "Picture2 blank after \"?\" pressed during the animation" \
    "$(dark_share "$work/after.ppm" "$picture2_area")" '<' 0.0001
# The field has the focus: at most the text cursor shows in it.
expect "IR field emptied by \"?\"" "$(dark_share "$work/after.ppm" "$text1_area")" '<' 0.015

# --- A keyboard-only user ----------------------------------------------------

type_text() { timeout 10 xdotool type --delay 50 "$1"; }
# True when an area of a fresh screenshot shows typed text, not just a cursor.
shows_text() {
    screenshot "$work/screen.ppm"
    holds "$(dark_share "$work/screen.ppm" "$1")" '>' 0.02
}
# "?" left the focus on the IR field: type the values, moving on with Tab in
# the order of the fields, then Tab to CALCULAR and press Enter.
type_text 2.419
wait_until 30 shows_text "$text1_area" || fail "typing did not reach the IR field"
keys Tab
type_text 10
wait_until 30 shows_text "$text3_area" || fail "Tab did not move from IR to the diameter field"
shows_text "$text2_area" && fail "Tab moved from IR past the diameter field"
keys Tab
type_text 10
wait_until 30 shows_text "$text2_area" || fail "Tab did not move on to the épsilon field"
echo "ok: typed IR, D and épsilon, moving on with Tab"
keys Tab Return
wait_until 60 results_printed || fail "Enter on CALCULAR printed no results"
wait_until 30 screen_settled || fail "the screen kept changing after the results were printed"
echo "ok: Enter on CALCULAR printed the results"
expect "rays across Picture2 after Enter on CALCULAR" \
    "$(dark_share "$work/after.ppm" "$picture2_area")" '>' 0.05

# Five more Tabs pass "&Salir", "?", Picture1 and Picture2 to DIAMANTE, where
# Enter loads the diamond's values and clears both drawing areas.
keys Tab Tab Tab Tab Tab Return
wait_until 60 cleared_after_computation || fail "Enter five Tabs after CALCULAR did not press DIAMANTE"
echo "ok: Enter on DIAMANTE, five Tabs after CALCULAR, cleared the drawing areas"
expect "IR field filled by DIAMANTE" "$(dark_share "$work/after.ppm" "$text1_area")" '>' 0.02

keys "${about_keys[@]}"
about="$(wait_for_window "$about_name")" || fail "${about_keys[*]} did not open About"
echo "ok: ${about_keys[*]} opened About"
# The focus starts on the picture; Tab moves it to "&Aceptar", which then
# shows it. Escape must leave the window open: the Tab sent after it moves
# the focus back to the picture, so once the window looks as it opened, both
# keys were handled. Then Tab again, and the keypad's Enter presses the button.
wait_until 30 window_still "$about" "$work/about-opened.ppm" || fail "About kept changing"
focus_moved() { ! window_looks "$about" "$work/about-opened.ppm"; }
focus_back() {
    window_shown "$about_name" || fail "Escape closed About"
    window_looks "$about" "$work/about-opened.ppm"
}
keys Tab
wait_until 30 focus_moved || fail "Tab did not move the focus to About's button"
keys Escape Tab
wait_until 30 focus_back || fail "Tab after Escape did not move the focus back to the picture"
keys Tab KP_Enter
wait_until 30 window_gone "$about_name" ||
    fail "the keypad's Enter on About's button did not close the window"
wait_for_main_window
echo "ok: Enter on About's button closed it, Escape did not"

quit_with_salir
echo "PASS"
