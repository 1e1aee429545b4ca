#!/usr/bin/env bash
# The parameter file through Qt's file dialog on a real X display: types the
# values, saves them with "&Guardar", opens the file with "&Abrir", which puts
# the values back into the fields, and saves over the same file, answering the
# dialog's question before it is replaced. Checks the file's bytes each time.
#
# Usage: e2e-files.sh PROGRAM
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or ImageMagick).
# The screen with the question is kept as e2e-files.png in the working directory.
set -euo pipefail

program="$1"
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly custom_click="172 186"  # Command5 "?": empties the fields, focus on IR
readonly archivo_click="33 40"   # the "&Archivo" menu
file="$work/cuarzo.txt"

keys() { timeout 10 xdotool key --delay 50 "$@"; }
type_text() { timeout 10 xdotool type --delay 20 "$1"; }
windows_named() { [ "$(timeout 5 xdotool search --onlyvisible --name "$1" | wc -l)" -ge "$2" ]; }
holds_bytes() { [ "$(cat "$file" 2>/dev/null)" = "$1" ]; }
# Chooses the file in the dialog of Archivo's item ($1: its key, $2: its title).
# Alt+A goes to "&Ayuda" once "&Archivo" has been used, so Archivo is clicked;
# the pointer then moves away, or the next click would wait for it to move.
choose_file() {
    # shellcheck disable=SC2086  # the position is two words
    timeout 10 xdotool mousemove $archivo_click click 1 mousemove 600 700
    keys "$1"
    wait_until 5 windows_named "$2" 1 || fail "Archivo, ${1^^} did not open the file dialog"
    type_text "$file"
    keys Return
}

start_program
open_main_window
click "$custom_click"
type_text 1.54 && keys Tab && type_text 8 && keys Tab && type_text 12

choose_file g '^Guardar como$'
wait_until 5 holds_bytes '  IR=1.54  D=8  eps.=12' || fail "Guardar wrote: $(cat "$file")"
echo "ok: Guardar wrote the typed values"

choose_file a '^Abrir$'
choose_file g '^Guardar como$'
wait_until 5 windows_named '^Guardar como$' 2 || fail "no question before replacing the file"
screenshot "$work/screen.ppm"
convert "$work/screen.ppm" e2e-files.png
echo "ok: asked before replacing the file (screen kept as e2e-files.png)"

keys alt+s
wait_until 5 holds_bytes 'IR= 1.54  D= 8  eps= 12' || fail "saving over the file wrote: $(cat "$file")"
echo "ok: \"&Sí\" replaced the file with the values Abrir put back"

quit_with_salir
echo "PASS"
