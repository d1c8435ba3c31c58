#!/bin/sh
# Runs the real program in a real X desktop (Xvfb with the openbox window manager, on a display
# of its own) and checks what no offscreen test can see: the window comes back where it was
# closed, a SIGTERM keeps the session, Quick Hints opens beside the window, a window-manager
# resize stops at the minimum for the font size, a damaged data file is kept, and on small
# screens and desktops with a panel the first-run window, frame and all, lies within the usable
# area and its set-up can be confirmed. Every wait is bounded.
# Usage: tools/desktop_test.sh PATH/TO/lexory [PATH/TO/desktop_panel]
set -eu

program=${1:?usage: desktop_test.sh PATH/TO/lexory [PATH/TO/desktop_panel]}
panel_program=${2:-}
for tool in Xvfb openbox xdotool xwininfo xprop python3; do
    command -v "$tool" >/dev/null || { echo "desktop test: $tool is missing (tools/setup-debian.sh installs it)"; exit 1; }
done

work=$(mktemp -d)
xpid= wmpid= apppid= panelpid=
cleanup() {
    for pid in $apppid $panelpid $wmpid $xpid; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

fail() {
    echo "desktop test FAILED: $*"
    [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"
    exit 1
}
step() { echo "desktop test: $*"; }

# Polls a command every tenth of a second until it succeeds or the seconds run out.
wait_for() {
    seconds=$1
    shift
    tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR

# A desktop of the given size (WIDTHxHEIGHT) with openbox, in place of any earlier one. The X
# server picks a free display itself and tells it on a file descriptor.
desktop() {
    for pid in $panelpid $wmpid $xpid; do kill "$pid" 2>/dev/null || true; done
    for pid in $panelpid $wmpid $xpid; do wait "$pid" 2>/dev/null || true; done
    panelpid=
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xpid=$!
    wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wmpid=$!
    wait_for 20 xprop -root _NET_SUPPORTING_WM_CHECK || fail "openbox did not start"
    sleep 0.5
}
desktop 1280x1024

# The program keeps its data file beside itself: give it a folder of its own.
mkdir "$work/program"
cp "$program" "$work/program/lexory"
data="$work/program/Lexory.dat"

main_window() { xdotool search --onlyvisible --name '^Lexory$' 2>/dev/null | head -n 1; }
hints_window() { xdotool search --onlyvisible --name '^Quick Hints$' 2>/dev/null | head -n 1; }
has_main_window() { [ -n "$(main_window)" ]; }
has_hints_window() { [ -n "$(hints_window)" ]; }
# Client area of a window: x y width height, in screen coordinates.
client() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /^ *Width:/{w=$2} /^ *Height:/{h=$2} END{print x, y, w, h}'; }
# Frame extents of a window: left right top bottom.
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'; }
# Reads a window's client area into PREFIXx, PREFIXy, PREFIXw and PREFIXh.
read_client() {
    set -- "$1" $(client "$2")
    eval "${1}x=$2 ${1}y=$3 ${1}w=$4 ${1}h=$5"
}
framed() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q =; }
# Waits until the window's geometry stops changing: three equal readings in a row, as a busy
# machine may pause the program between its moves.
settle() {
    last= same=0 tries=60
    while [ "$tries" -gt 0 ]; do
        now=$(client "$1")
        if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
        [ "$same" -ge 2 ] && return 0
        last=$now
        sleep 0.3
        tries=$((tries - 1))
    done
    fail "window $1 never settled"
}

# With $limit set, the program runs under a file-size limit of that many 512-byte blocks: its
# saves fail as on a full disk, for root too.
start() {
    if [ -n "${limit:-}" ]; then
        QT_QPA_PLATFORM=xcb sh -c 'ulimit -f "$1" && exec "$2"' sh "$limit" "$work/program/lexory" \
            >>"$work/program.log" 2>&1 &
    else
        QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=${scale:-1} "$work/program/lexory" >>"$work/program.log" 2>&1 &
    fi
    apppid=$!
    wait_for 30 has_main_window || fail "the main window did not appear"
    win=$(main_window)
    wait_for 10 framed "$win" || fail "openbox did not frame the main window"
    sleep 1
    settle "$win"
}

stopped() { ! kill -0 "$apppid" 2>/dev/null; }
wait_stopped() {
    wait_for 20 stopped || fail "the program did not end ($1)"
    wait "$apppid" 2>/dev/null || true
    apppid=
}

# openbox closes the active window on Alt+F4; a busy machine may take a while to activate it.
close_by_window_manager() {
    for try in 1 2 3; do
        xdotool windowactivate "$win" 2>/dev/null || true
        sleep 0.5
        xdotool key alt+F4
        wait_for 7 stopped && break
    done
    wait_stopped "closed by the window manager"
}

# Drags the main window by its title bar, ten steps of X and Y pixels, and checks it stays there.
drag_window() {
    read_client "d" "$win"
    stepx=$1 stepy=$2
    set -- $(extents "$win")
    grip=$((dy - $3 / 2))
    xdotool mousemove $((dx + 300)) "$grip" mousedown 1
    for i in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove $((dx + 300 + i * stepx)) $((grip + i * stepy))
        sleep 0.05
    done
    xdotool mouseup 1
    settle "$win"
    sleep 1
    settle "$win"
    read_client "m" "$win"
    same_place "$mx $my" "$((dx + 10 * stepx)) $((dy + 10 * stepy))" || fail "a drag from $dx $dy left the window at $mx $my"
}

# Clicks a point of the main window's client area.
click_at() {
    read_client "c" "$win"
    xdotool mousemove $((cx + $1)) $((cy + $2)) click 1
    sleep 1.5
}

near() { [ $(($1 - $2)) -le 1 ] && [ $(($2 - $1)) -le 1 ]; }
same_place() {
    set -- $1 $2
    near "$1" "$3" && near "$2" "$4"
}

# Writes 32-bit little-endian values at offsets of the data file's preferences.
patch_data() {
    python3 - "$data" "$@" <<'EOF'
import struct, sys
path, pairs = sys.argv[1], sys.argv[2:]
with open(path, "r+b") as f:
    for offset, value in zip(pairs[::2], pairs[1::2]):
        f.seek(int(offset))
        f.write(struct.pack("<i", int(value)))
EOF
}

# 1. First run: the overview, then the set-up page, each left by its "Continue" at the bottom.
step "first run"
start
read_client "" "$win"
# The outer frame is centred on the 1280 x 1024 screen.
set -- $(extents "$win")
fw=$((w + $1 + $2)) fh=$((h + $3 + $4))
same_place "$((x - $1)) $((y - $3))" "$(((1280 - fw) / 2)) $(((1024 - fh) / 2))" ||
    fail "the first-run frame stands at $((x - $1)) $((y - $3)), not centred ($x $y $w $h; $*)"
# Once framed and centred, the first-run window goes where the user drags it, and stays.
drag_window -10 2
# and where the window system moves it.
xdotool windowmove "$win" 3 20
settle "$win"
sleep 1
settle "$win"
read_client "m" "$win"
set -- $(extents "$win")
same_place "$((mx - $1)) $((my - $3))" "3 20" || fail "a move to 3 20 left the first-run frame at $((mx - $1)) $((my - $3))"
click_at $((w / 2)) $((h - 24))
click_at $((w / 2)) $((h - 24))
read_client "" "$win"
same_place "$x $y" "$mx $my" || fail "the first-run window went back from $mx $my to $x $y"
close_by_window_manager
[ -s "$data" ] || fail "no data file after the first close"
[ "$(od -An -tu1 -N1 "$data" | tr -d ' ')" = 1 ] || fail "the set-up page was not confirmed"
step "closed at $x $y"

# 2. Three starts in a row: each comes back where the last one was closed.
for run in 1 2 3; do
    start
    read_client "n" "$win"
    same_place "$x $y" "$nx $ny" || fail "start $run put the window at $nx $ny, not $x $y"
    close_by_window_manager
done
step "three restarts at $x $y"

# 3. Moved by its title bar, ended by SIGTERM: the data file is written and the place kept.
start
before=$(cksum <"$data")
drag_window 1 2  # the frame stays within the screen
kill -TERM "$apppid"
wait_stopped "SIGTERM"
[ "$(cksum <"$data")" != "$before" ] || fail "SIGTERM ended the program without writing the data file"
start
read_client "n" "$win"
same_place "$mx $my" "$nx $ny" || fail "after SIGTERM the window came back at $nx $ny, not $mx $my"
step "SIGTERM kept the place $mx $my"

# 4. Quick Hints at 800 x 600: its frame starts below the main window's frame.
xdotool windowsize "$win" 800 600
settle "$win"
read_client "m" "$win"
[ "$mw $mh" = "800 600" ] || fail "the window did not take 800 x 600 ($mw x $mh)"
# The Hints box is the tenth of the tool bar: 691 to 741 on a bar 800 wide.
click_at 716 27
wait_for 10 has_hints_window || fail "Quick Hints did not open"
hints=$(hints_window)
wait_for 10 framed "$hints" || fail "openbox did not frame Quick Hints"
settle "$hints"
settle "$win"
read_client "m" "$win"
set -- $(extents "$win")
main_bottom=$((my + mh + $4))
read_client "h" "$hints"
set -- $(extents "$hints")
hints_top=$((hy - $3))
[ "$hints_top" -ge "$main_bottom" ] || fail "Quick Hints frame starts at $hints_top, above the main frame's bottom $main_bottom"
near "$((hints_top - main_bottom))" 0 || fail "Quick Hints frame starts at $hints_top, not at the main frame's bottom $main_bottom"
near "$hx" "$mx" || fail "Quick Hints is not under the main window ($hx, not $mx)"
step "Quick Hints at $hx $hints_top below a frame ending at $main_bottom"
close_by_window_manager

# 4b. Maximised with Quick Hints open, Options' "1000 x 720": the hints go below the new frame,
# not over it; every window shows its own title.
patch_data 88 600 92 800 96 100 100 100 388 2
start
read_client "" "$win"
set -- $(extents "$win")
maximised() { [ "$(client "$win" | cut -d' ' -f3)" = 1280 ]; }
xdotool mousemove $((x + 300)) $((y - $3 / 2)) click --repeat 2 --delay 80 1  # a double click on the title bar
wait_for 10 maximised || fail "the window did not maximise"
settle "$win"
click_at 929 32   # Options
click_at 1132 32  # Hints
wait_for 10 has_hints_window || fail "Quick Hints did not open over the maximised window"
hints=$(hints_window)
click_at 583 394  # "Screen Size : 1000 x 720"
settle "$win"
settle "$hints"
read_client "m" "$win"
[ "$mw $mh" = "1000 720" ] || fail "the window took $mw x $mh, not 1000 x 720"
set -- $(extents "$win")
main_top=$((my - $3)) main_bottom=$((my + mh + $4))
read_client "h" "$hints"
set -- $(extents "$hints")
[ "$main_top" -ge 0 ] && [ $((hy - $3)) -ge "$main_bottom" ] && [ $((hy + hh + $4)) -le 1024 ] ||
    fail "Quick Hints at $((hy - $3)) to $((hy + hh + $4)) beside a frame from $main_top to $main_bottom"
xprop -id "$hints" _NET_WM_NAME | grep -q '= "Quick Hints"$' || fail "Quick Hints is titled $(xprop -id "$hints" _NET_WM_NAME)"
help_window() { xdotool search --onlyvisible --name '^Lexory Help' 2>/dev/null | head -n 1; }
has_help_window() { [ -n "$(help_window)" ]; }
xdotool key F1
wait_for 10 has_help_window || fail "F1 opened no help window"
xprop -id "$(help_window)" _NET_WM_NAME | grep -q '= "Lexory Help"$' || fail "the help window is titled $(xprop -id "$(help_window)" _NET_WM_NAME)"
step "after 1000 x 720 Quick Hints stand at $((hy - $3)) below a frame from $main_top to $main_bottom"
kill -TERM "$apppid"
wait_stopped "SIGTERM after the size change"

# 5. The bigger font at 1260 x 960 needs 1000 x 720: a window-manager resize stops there.
patch_data 88 960 92 1260 96 0 100 0 388 3
start
read_client "" "$win"
[ "$w $h" = "1260 960" ] || fail "the saved 1260 x 960 came back as $w x $h"
# openbox resizes with Alt and the right button, from the corner nearest the pointer.
xdotool mousemove $((x + w - 20)) $((y + h - 20)) keydown alt mousedown 3
for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((x + w - 20 - i * 50)) $((y + h - 20 - i * 45))
    sleep 0.05
done
xdotool mouseup 3 keyup alt
settle "$win"
read_client "n" "$win"
[ "$nw $nh" = "1000 720" ] || fail "a drag to about 860 x 600 left the window at $nw x $nh, not 1000 x 720"
# A program asking for less gets the minimum too.
xdotool windowsize "$win" 900 650
sleep 0.5
settle "$win"
read_client "n" "$win"
[ "$nw $nh" = "1000 720" ] || fail "a request for 900 x 650 left the window at $nw x $nh"
step "the minimum held at 1000 x 720"
kill -TERM "$apppid"
wait_stopped "SIGTERM at the minimum"

# 6. A data file cut one byte short is moved aside, and the new one is written beside it.
truncate -s -1 "$data"
cp "$data" "$work/cut.dat"
start
kill -TERM "$apppid"
wait_stopped "SIGTERM after a damaged data file"
cmp -s "$work/cut.dat" "$work/program/Lexory-damaged.dat" || fail "the damaged data file was not kept as it was"
[ "$(wc -c <"$data")" -eq 1075984 ] || fail "no new data file beside the damaged one"
step "the damaged data file was kept"

# 7. A logout where the data file cannot be written: the program ends within seconds (no message
# waits for an answer), says why on standard error and leaves the old file as it was; also when a
# message is already up at the signal.
cp "$data" "$work/good.dat"
limit=100
start
kill -TERM "$apppid"
wait_for 5 stopped || fail "a failed save at SIGTERM held the program up"
wait_stopped "SIGTERM with a failed save"
cmp -s "$work/good.dat" "$data" || fail "a failed save at SIGTERM changed the data file"
[ "$(grep -c 'Error occurred while writing the preferences file' "$work/program.log")" -eq 1 ] ||
    fail "the failed save at SIGTERM was not reported on standard error"
truncate -s -1 "$data"
cp "$data" "$work/cut.dat"
start
kill -TERM "$apppid"
wait_for 5 stopped || fail "a failed save at SIGTERM over the damaged-file message held the program up"
wait_stopped "SIGTERM over a message"
limit=
cmp -s "$work/cut.dat" "$work/program/Lexory-damaged-2.dat" || fail "the second damaged data file was not kept"
[ "$(grep -c 'Error occurred while writing the preferences file' "$work/program.log")" -eq 2 ] ||
    fail "the failed save under a message was not reported on standard error"
! grep -q 'Recursive call' "$work/program.log" || fail "a message was opened over the one on view"
[ -z "$(find "$work/program" -name '*.tmp')" ] || fail "a failed save left its temporary file"
step "SIGTERM with a failed save ended at once and kept the old files"

# 8. Small screens and panels: the first-run window's frame lies within the usable area (the
# screen less what the panel reserves), the overview's and the set-up page's "Continue" are
# clicked where they show, and the set-up is confirmed; a place saved on a screen that is gone
# comes back within the usable area too.
# Fails unless the frame of the main window lies within LEFT TOP RIGHT BOTTOM.
frame_within() {
    read_client "f" "$win"
    set -- "$@" $(extents "$win")
    left=$((fx - $5)) top=$((fy - $7)) right=$((fx + fw + $6)) bottom=$((fy + fh + $8))
    [ "$left" -ge "$1" ] && [ "$top" -ge "$2" ] && [ "$right" -le "$3" ] && [ "$bottom" -le "$4" ] ||
        fail "$what: the frame from $left $top to $right $bottom is not within $1 $2 $3 $4"
}
# Runs a first start on the desktop as it stands; the usable area is LEFT TOP RIGHT BOTTOM.
first_run_within() {
    rm -f "$data"
    start
    frame_within "$@"
    read_client "" "$win"
    # "Continue" stands 24 pixels above the bottom (36 at 150 %).
    click_at $((w / 2)) $((h - ${gap:-24}))
    click_at $((w / 2)) $((h - ${gap:-24}))
    close_by_window_manager
    [ "$(od -An -tu1 -N1 "$data" | tr -d ' ')" = 1 ] || fail "$what: the set-up page was not confirmed"
    step "$what: a first-run window of $w x $h within $*, set up"
}
# Starts the panel along an edge and waits until the window manager has taken its room.
with_panel() {
    "$panel_program" "$1" "$2" >>"$work/program.log" 2>&1 &
    panelpid=$!
    wait_for 10 sh -c "xprop -root _NET_WORKAREA | grep -q '= $3'" || fail "the panel took no room ($1 $2)"
}
if [ -n "$panel_program" ]; then
    desktop 1366x768
    what="1366 x 768, a 44-pixel bottom panel"
    with_panel bottom 44 "0, 0, 1366, 724,"
    first_run_within 0 0 1366 724
    kill "$panelpid"; wait "$panelpid" 2>/dev/null || true
    what="1366 x 768, a 32-pixel top bar"
    with_panel top 32 "0, 32, 1366, 736,"
    first_run_within 0 32 1366 768
else
    step "no desktop panel program given: the panel desktops are not tried"
fi
desktop 800x600
what="800 x 600"
first_run_within 0 0 800 600
desktop 1920x1080
what="1920 x 1080 at 150 %"
scale=1.5 gap=36
first_run_within 0 0 1920 1080
scale= gap=
desktop 1280x720
what="1280 x 720"
first_run_within 0 0 1280 720
# Closed on a second screen to the right and below, which is gone at the next start.
patch_data 96 900 100 1500
what="back from a screen that is gone"
start
frame_within 0 0 1280 720
kill -TERM "$apppid"
wait_stopped "SIGTERM back from a gone screen"
step "$what: within the screen"
echo "desktop test passed"
