#!/usr/bin/env bash
# The verification in 3-D on a real X display: DIAMANTE and CALCULAR, then
# "&Verificación 3-D…" from the "&Talla" menu with Alt+T and V. Once the
# light is traced, the stone is dragged with the mouse, and the tilt slider
# is moved to 30º with the keyboard; each must change its picture.
#
# Usage: e2e-verification.sh PROGRAM
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or ImageMagick).
# The window is kept as e2e-verification.png in the working directory.
set -euo pipefail

program="$1"
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly diamante_click="52 130"
readonly calcular_click="544 510"
readonly results_area="128x150+272+102"
# Inside the window, below its title: the stone on the left, the light map
# beside it.
readonly stone_offset="30 60"
readonly stone_size="360x300"
readonly map_offset="460 60"
readonly map_size="360x300"

keys() { timeout 10 xdotool key --delay 50 "$@"; }

start_program
open_main_window
# The program handles X events in the order sent: CALCULAR computes the
# values that DIAMANTE filled in.
click "$diamante_click"
click "$calcular_click"
results_printed() {
    screenshot "$work/main.ppm"
    holds "$(dark_share "$work/main.ppm" "$results_area")" '>' 0.03
}
wait_until 60 results_printed || fail "CALCULAR printed no results"
echo "ok: the diamond computed"

keys alt+t v
window="$(wait_for_window '^Verificación 3-D$')" || fail "Alt+T, V did not open \"Verificación 3-D\""
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "ok: \"Verificación 3-D\" open at ${X},${Y}"
# Where the progress bar stands, in the window's last row: hidden once all is
# traced.
readonly progress_offset="115 $((HEIGHT - 29))"
readonly progress_size="390x10"

# The area of the window at OFFSET ("x y") of SIZE, as ImageMagick's geometry.
area() {
    local offset=($1)
    echo "$2+$((X + offset[0]))+$((Y + offset[1]))"
}
# All is traced once the progress bar is hidden, which the window does after
# showing the last picture.
traced() {
    screenshot "$work/screen.ppm"
    holds "$(area_value "$work/screen.ppm" "$(area "$progress_offset" "$progress_size")" mean)" '<' 0.3
}
wait_until 120 traced || fail "the light was not traced"
convert "$work/screen.ppm" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage e2e-verification.png
echo "ok: traced (window kept as e2e-verification.png)"
expect "light map coloured" \
    "$(convert "$work/screen.ppm" -crop "$(area "$map_offset" "$map_size")" +repage \
        -colorspace HSL -channel G -separate -format '%[fx:maxima]' info:)" '>' 0.5

# The share of the pixels of AREA that differ between two screenshots.
changed_share() {
    convert "$1" "$2" -crop "$3" +repage -compose Difference -composite -colorspace Gray \
        -threshold 5% -format '%[fx:mean]' info:
}

# True once a fresh screenshot differs from before.ppm in more than 2 % of
# the pixels of the area at OFFSET of SIZE, all being traced.
changed_after_tracing() {
    traced || return 1
    holds "$(changed_share "$work/before.ppm" "$work/screen.ppm" "$(area "$1" "$2")")" '>' 0.02
}

cp "$work/screen.ppm" "$work/before.ppm"
read -r sx sy <<<"$stone_offset"
timeout 10 xdotool mousemove --sync $((X + sx + 180)) $((Y + sy + 150)) mousedown 1
timeout 10 xdotool mousemove --sync $((X + sx + 240)) $((Y + sy + 200)) mouseup 1
wait_until 30 changed_after_tracing "$stone_offset" "$stone_size" || fail "the dragged stone did not turn"
echo "ok: the dragged stone turned"

# The stone has the focus; Tab moves to the slider, End tilts to 30º, and
# the map is traced again.
cp "$work/screen.ppm" "$work/before.ppm"
keys Tab End
wait_until 120 changed_after_tracing "$map_offset" "$map_size" ||
    fail "the light map did not change with the tilt"
echo "ok: the tilted light map changed"
convert "$work/screen.ppm" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage e2e-verification.png

# No window manager closes it: moved aside, it leaves "&Salir" free.
timeout 10 xdotool windowmove --sync "$window" 0 700
quit_with_salir
echo "PASS"
