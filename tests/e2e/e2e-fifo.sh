#!/usr/bin/env bash
# Opening a named pipe (FIFO) on a real X display: under a private Xvfb with
# Qt's xcb platform, goes from the splash window to the main window, opens
# "Archivo" > "Abrir" from the keyboard, types the full name of a FIFO that
# no program writes to in Qt's file dialog and presses Enter. The program
# must show the "CUIDADO !!!" message instead of waiting in open() for ever,
# leave the window as it was once the message is dismissed, and still end
# with "&Salir".
#
# Usage: e2e-fifo.sh PROGRAM
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or ImageMagick).
# The screen with the message is kept as e2e-fifo.png in the working directory.
set -euo pipefail

program="$1"
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The band below Picture1 where an opened file shows: "MEDIDAS y ÁNGULOS"
# gives way to "INGRESE :", and the reference line Text7 appears.
readonly opened_file_band="512x26+266+431"

# Saves an area of the screen as a file of its own.
save_area() { screenshot "$work/screen.ppm" && convert "$work/screen.ppm" -crop "$2" +repage "$1"; }
# Once the message is gone, the window repaints what it covered.
band_as_before() {
    save_area "$work/band-after.ppm" "$opened_file_band"
    cmp -s "$work/band-before.ppm" "$work/band-after.ppm"
}

fifo="$work/tuberia"
mkfifo "$fifo"

start_program
open_main_window
save_area "$work/band-before.ppm" "$opened_file_band"

timeout 10 xdotool key alt+a a
wait_for_window '^Abrir$' >/dev/null || fail "Alt+A, A did not open the file dialog"
echo "ok: file dialog open"

timeout 10 xdotool type --delay 20 "$fifo"
timeout 10 xdotool key Return
wait_for_window '^CUIDADO !!!$' >/dev/null ||
    fail "no \"CUIDADO !!!\" message after choosing the FIFO: waiting in open()?"
screenshot "$work/screen.ppm"
convert "$work/screen.ppm" e2e-fifo.png
echo "ok: \"CUIDADO !!!\" shown (screen kept as e2e-fifo.png)"

timeout 10 xdotool key Return
wait_until 30 window_gone '^CUIDADO !!!$' || fail "Enter did not dismiss the message"
wait_for_main_window
echo "ok: message dismissed"

wait_until 30 band_as_before || fail "the window changed where an opened file shows"
echo "ok: window unchanged"

quit_with_salir
echo "PASS"
