#!/usr/bin/env bash
# Drives the real program as a person would, under the caller's X display with a window manager:
# a first start in an empty data folder shows the welcome message (dismissed with Return), the
# window is moved and closed with Alt+F4, a second start puts it back where it was and asks the
# desktop to show itself, and a stored place off every monitor leaves the window on screen.
# Usage: tests/e2e/window_test.sh <build-dir>   (DISPLAY set)
source "$(dirname "$0")/lib.sh" "${1:-build}"

pos() { sqlite3 "$db" "select parameter1 || ',' || parameter2 from parameter where name='pos'"; }
showing_desktop() { xprop -root _NET_SHOWING_DESKTOP | sed -n 's/.* = //p'; }

# A small window manager, as on a desktop, so that placement and close requests go through it.
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1

echo "# first start in an empty data folder"
"$root/scripts/tavelo-launch" &
app=$!
pids+=($app)
wait_for 20 count_is 2 || fail "the window and the welcome message did not both appear"
[ -f "$db" ] || fail "the database was not created in the data folder"
[ -z "$(pos)" ] || fail "a position was stored before the first close"
[ "$(showing_desktop)" != 1 ] || fail "the desktop was shown on the first start"
dialog=$(one_window --name "^Tavelo$") || fail "no single welcome message window"
xdotool windowactivate --sync "$dialog" key Return
wait_for 10 count_is 1 || fail "the welcome message did not close on Return"

echo "# move, then close with Alt+F4"
main=$(one_window --class Tavelo) || fail "no single program window"
xdotool windowmove --sync "$main" 210 140
sleep 0.5
xdotool windowactivate --sync "$main"
xdotool key alt+F4
wait_for 10 gone "$app" || fail "the program did not end when its window was closed"
first=$(pos)
[ -n "$first" ] || fail "closing did not store the position"
[ "$(sqlite3 "$db" "select count(*) from parameter where name='pos'")" = 1 ] ||
    fail "the position row is not unique"
case "$first" in
    2[01][0-9].00000000,1[0-9][0-9].00000000) ;;
    *) fail "the stored position $first is not near where the window was moved (210,140)" ;;
esac

echo "# second start restores the position"
spy=$(mktemp)
xprop -root -spy _NET_SHOWING_DESKTOP >"$spy" 2>/dev/null &
pids+=($!)
desktop_was_shown() { grep -q ' = 1' "$spy"; }
"$root/scripts/tavelo-launch" &
app=$!
pids+=($app)
wait_for 20 desktop_was_shown || fail "the desktop was not asked to show itself"
sleep 0.5
[ "$(xdotool search --onlyvisible --name "^Tavelo$" 2>/dev/null | wc -l)" = 0 ] || fail "a message box appeared"
# Showing the desktop must leave the calendar itself on it.
wait_for 10 count_is 1 || fail "the window did not stay shown on the desktop"
kill -TERM "$app"
wait_for 10 gone "$app" || fail "the program did not end on SIGTERM"
[ "$(pos)" = "$first" ] || fail "the position moved from $first to $(pos) over a start and close"

echo "# a stored place off every monitor keeps the window on screen"
sqlite3 "$db" "update parameter set parameter1='-5000.00000000', parameter2='-5000.00000000' where name='pos'"
"$root/scripts/tavelo-launch" &
app=$!
pids+=($app)
wait_for 20 count_is 1 || fail "the window did not appear"
main=$(one_window --class Tavelo) || fail "no single program window"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] || fail "the window was placed off screen at $X,$Y"
kill -TERM "$app"
wait_for 10 gone "$app" || fail "the program did not end on SIGTERM"
case "$(pos)" in -5000*) fail "the off-screen position was stored again" ;; esac
echo "window test passed"
