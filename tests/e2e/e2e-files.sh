#!/usr/bin/env bash
# On a real X display, saves typed values, opens the file, which puts them
# back as written, and saves over it, answering "&Sí" to Qt's question; checks
# the file's bytes. Usage: e2e-files.sh PROGRAM. Exit status: 0 passed, 1
# failed, 77 skipped. The screen with the question is kept as e2e-files.png.
set -euo pipefail

program="$1"
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

file="$work/cuarzo.txt"
keys() { timeout 10 xdotool key --delay 50 "$@"; }
typed() { timeout 10 xdotool type --delay 20 "$1"; }
bytes_are() { [ "$(cat "$file" 2>/dev/null)" = "$1" ]; }
expect_bytes() {
    wait_until 30 bytes_are "$1" || fail "the file holds \"$(cat "$file" 2>/dev/null)\", not \"$1\""
}
# Picks the item of "&Archivo" (clicked: once used, Alt+A goes to "&Ayuda")
# and names the file in the dialog, whose id it keeps in "dialog". The
# pointer then moves away, so that the next click moves it, but stays over
# the main window, where the key for the item goes once a dialog has closed.
choose_file() {
    wait_for_main_window
    timeout 10 xdotool mousemove 33 40 click 1 mousemove 600 300
    keys "$1"
    dialog="$(wait_for_window "$2")" || fail "no \"$2\" dialog"
    typed "$file" && keys Return
}

start_program
open_main_window
click "172 186" # "?": empties the fields and puts the focus on IR
typed " 1.54" && keys Tab && typed "8 " && keys Tab && typed 12
choose_file g '^Guardar como$'
expect_bytes '  IR= 1.54  D=8   eps.=12'
choose_file a '^Abrir$'
wait_until 30 window_gone '^Abrir$' || fail "the file dialog did not close on the file"
choose_file g '^Guardar como$'
# Qt's question carries the dialog's title.
wait_for_window '^Guardar como$' "$dialog" >/dev/null || fail "no question before replacing the file"
screenshot "$work/screen.ppm" && convert "$work/screen.ppm" e2e-files.png
keys alt+s
expect_bytes 'IR=  1.54  D= 8   eps= 12'
echo "ok: saved, opened into the fields, saved over after the question"
quit_with_salir
echo "PASS"
