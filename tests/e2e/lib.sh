# Shared by the real-display tests, sourced by each: a private Xvfb, the
# program started on it with Qt's xcb platform, screen reading, X input, and
# the way from the splash window to the main window and out with "&Salir".
#
# The sourcing script runs with "set -euo pipefail" and sets "program" to the
# program's path. Where no X server can be used, it exits 77 (skipped).

# shellcheck shell=bash
: "${program:?the sourcing script sets the program to test}"
readonly skipped=77

# Where the program puts its windows (no window manager moves them), in
# screen pixels. The main window's client area starts at (4, 50).
readonly siguiente_click="608 416"   # splash Frame1 (152,160) + Label2 (424,248), 65x17
readonly siguiente_area="65x17+576+408"
readonly salir_click="744 514"       # Command1 at client (712,440), 57x49
readonly picture2_area="211x253+30+260"  # Picture2's interior

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

# --- The program -------------------------------------------------------------

# Starts the program in the background; its output goes to program.log.
start_program() {
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb
    "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
}

# Waits for the splash window, clicks "Siguiente" and waits for the main
# window to be shown and painted.
splash_shown() {
    screenshot "$work/screen.ppm"
    # The "Siguiente" label is orange (#FF8000) on the light splash frame.
    local orange
    orange="$(convert "$work/screen.ppm" -crop "$siguiente_area" +repage \
        -format '%[fx:mean.r - mean.b]' info:)"
    holds "$orange" '>' 0.6
}
main_window_shown() {
    timeout 5 xdotool search --onlyvisible --name '^CORVELUX 1\.0$' >/dev/null || return 1
    # Painted: Picture2's interior shows its light peach (#FFE0C0).
    screenshot "$work/screen.ppm"
    holds "$(area_value "$work/screen.ppm" "$picture2_area" mean)" '>' 0.8
}
open_main_window() {
    wait_until 10 splash_shown || fail "the splash window with \"Siguiente\" did not appear"
    echo "ok: splash window shown"
    click "$siguiente_click"
    wait_until 5 main_window_shown || fail "\"Siguiente\" did not open the main window"
    echo "ok: main window open"
}

# Clicks "&Salir" and checks that the program ends with status 0 and leaves
# no window behind.
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
quit_with_salir() {
    click "$salir_click"
    wait_until 5 program_ended || fail "\"&Salir\" did not end the program"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=""
    [ "$status" -eq 0 ] || fail "the program exited with status $status"
    echo "ok: \"&Salir\" ended the program with status 0"

    # Every window of the program has a name; the root window has none.
    local windows
    if windows="$(timeout 5 xdotool search --name '.+')"; then
        fail "windows left after the program ended: $windows"
    fi
    echo "ok: no window left"
}
