# Shared by the real-display tests, sourced by each: a private Xvfb, the
# program started on it with Qt's xcb platform, screen reading, X input, and
# the way from the splash window to the main window and out with "&Salir".
#
# The sourcing script runs with "set -euo pipefail" and sets "program" to the
# program's path. Where no X server can be used, it exits 77 (skipped).
#
# The program runs on its own: every step waits for what it needs (a window
# shown and holding the keyboard, a picture drawn, a file written) by polling,
# and moves on as soon as that holds. The deadlines are generous, as they only
# matter when something is wrong, and CORVELUX_E2E_TIME_FACTOR stretches them
# for slower builds (tests/e2e/CMakeLists.txt sets it for the sanitized one).

# shellcheck shell=bash
: "${program:?the sourcing script sets the program to test}"
readonly skipped=77

# Where the program puts its windows (no window manager moves them), in
# screen pixels. The main window's client area starts at (4, 50).
readonly siguiente_click="608 416"   # splash Frame1 (152,160) + Label2 (424,248), 65x17
readonly siguiente_area="65x17+576+408"
readonly salir_click="744 514"       # Command1 at client (712,440), 57x49
readonly picture2_area="211x253+30+260"  # Picture2's interior

readonly time_factor="${CORVELUX_E2E_TIME_FACTOR:-1}"

# Reports the failure with the program's output, keeps the screen as
# <test>-failure.png in the working directory, and ends the test.
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && screenshot "$work/failure.ppm" 2>/dev/null; then
        local kept
        kept="$(basename "$0" .sh)-failure.png"
        convert "$work/failure.ppm" "$kept" && echo "The screen is kept as $kept" >&2
    fi
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

# Runs COMMAND until it succeeds, every 0.2 s, for at most SECONDS times the
# time factor.
wait_until() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds * time_factor))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

display_known() { grep -qs '[0-9]' "$work/display"; }
if ! wait_until 30 display_known; then
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

# Saves one window (its id as xdotool prints it) as PPM; compares it with
# such a file; saves it once it holds still, all painted.
window_shot() { timeout 10 import -window "$1" "ppm:$2"; }
window_looks() { window_shot "$1" "$work/window.ppm" && cmp -s "$work/window.ppm" "$2"; }
window_still() {
    window_shot "$1" "$2" && sleep 0.3 && window_looks "$1" "$2"
}

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

# --- Windows -----------------------------------------------------------------

# Keys go to the window that holds the X keyboard focus, which the program
# gives a new window only once the server has shown it; until then they would
# reach the window below, which a dialog blocks, and be lost. So a window is
# ready for keys when it is shown and holds the focus. When a window closes,
# no window manager gives the focus back: it falls to the root window, and
# keys go to the window under the pointer.

# Prints the id of the shown window named PATTERN (a regular expression) that
# holds the keyboard focus, other than the window EXCEPT if given; fails if
# there is none. The splash window has no name: "--splash" stands for it.
focused_window() {
    local pattern="$1" except="${2:-}" focus
    focus="$(timeout 5 xdotool getwindowfocus -f 2>/dev/null)" || return 1
    [ "$focus" != "$except" ] || return 1
    if [ "$pattern" = --splash ]; then
        # The only window of the program shown at first.
        timeout 5 xdotool search --onlyvisible --classname '^corvelux$'
    else
        timeout 5 xdotool search --onlyvisible --name "$pattern"
    fi | grep -x "$focus" >/dev/null || return 1
    echo "$focus"
}

# Waits until a window named PATTERN, other than EXCEPT if given, is shown and
# holds the keyboard focus, and prints its id.
wait_for_window() { wait_until 30 focused_window "$@"; }

window_shown() { timeout 5 xdotool search --onlyvisible --name "$1" >/dev/null; }
window_gone() { ! window_shown "$1"; }

# --- The program -------------------------------------------------------------

# Starts the program in the background with the arguments given, if any; its
# output goes to program.log.
start_program() {
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb
    "$program" "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
}

# The splash window and the main window, each shown, painted and holding the
# keyboard focus.
splash_shown() {
    focused_window --splash >/dev/null || return 1
    screenshot "$work/screen.ppm"
    # The "Siguiente" label is orange (#FF8000) on the light splash frame.
    local orange
    orange="$(convert "$work/screen.ppm" -crop "$siguiente_area" +repage \
        -format '%[fx:mean.r - mean.b]' info:)"
    holds "$orange" '>' 0.6
}
readonly main_window_name='^CORVELUX 1\.0$'
main_window_shown() {
    focused_window "$main_window_name" >/dev/null || return 1
    # Painted: Picture2's interior shows its light peach (#FFE0C0).
    screenshot "$work/screen.ppm"
    holds "$(area_value "$work/screen.ppm" "$picture2_area" mean)" '>' 0.8
}
# Waits for the splash window, clicks "Siguiente" and waits for the main window.
open_main_window() {
    wait_until 60 splash_shown || fail "the splash window with \"Siguiente\" did not appear"
    echo "ok: splash window shown"
    click "$siguiente_click"
    wait_until 30 main_window_shown || fail "\"Siguiente\" did not open the main window"
    echo "ok: main window open"
}

# True when keys reach the main window: it holds the focus, or the root
# window does and the pointer is over the main window.
main_window_has_keys() {
    local main focus
    main="$(timeout 5 xdotool search --onlyvisible --name "$main_window_name" | head -n 1)"
    focus="$(timeout 5 xdotool getwindowfocus -f 2>/dev/null)" || return 1
    [ -n "$main" ] || return 1
    [ "$focus" = "$main" ] && return 0
    [ "$focus" = "$(timeout 5 xdotool search --maxdepth 0 --name '')" ] || return 1
    # "x:300 y:200 screen:0 window:2097168"
    timeout 5 xdotool getmouselocation | grep " window:$main\$" >/dev/null
}
# Waits until keys reach the main window again after a window above it closed.
wait_for_main_window() {
    wait_until 30 main_window_has_keys || fail "keys do not reach the main window"
}

# Clicks "&Salir" and checks that the program ends with status 0 and leaves
# no window behind.
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
# Every window of the program has a name; the root window has none. The
# server destroys a program's windows once it sees its connection closed.
no_window_left() {
    local status=0
    timeout 5 xdotool search --name '.+' >/dev/null || status=$?
    [ "$status" -eq 1 ] # found none
}
quit_with_salir() {
    click "$salir_click"
    wait_until 30 program_ended || fail "\"&Salir\" did not end the program"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=""
    [ "$status" -eq 0 ] || fail "the program exited with status $status"
    echo "ok: \"&Salir\" ended the program with status 0"

    wait_until 30 no_window_left ||
        fail "windows left after the program ended: $(xdotool search --name '.+' | tr '\n' ' ')"
    echo "ok: no window left"
}
