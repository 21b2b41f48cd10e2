#!/usr/bin/env bash
# Drives the real program as a person would, with real pointer and key events: opens today from
# the calendar, adds a note and a ledger entry through the dialogs, sees them listed, edits the
# ledger entry, deletes the note, and sees the day marked on the calendar; the database file is
# checked after each step. The pointer positions are those of the 355x490 window's pages.
# Usage: tests/e2e/entries_test.sh <build-dir>   (DISPLAY set)
source "$(dirname "$0")/lib.sh" "${1:-build}"

rows() { sqlite3 -separator '|' "$db" "select type, printf('%g', cont), remark, time from shzl order by id"; }
rows_are() { [ "$(rows)" = "$1" ]; }
# A real pointer click at a point of the page, in window coordinates.
at() {
    xdotool mousemove --window "$main" "$1" "$2" click 1
    sleep 0.4
}
keys() { xdotool key --delay 40 "$@"; sleep 0.2; }
typed() { xdotool type --delay 30 "$1"; sleep 0.2; }

# Counts the pixels of a colour class inside a rectangle of the window (red, green or ink).
count_pixels() {  # count_pixels <class> <x> <y> <w> <h>
    local shot="$work/shot.png"
    rm -f "$shot"
    scrot -o "$shot" >/dev/null 2>&1
    eval "$(xdotool getwindowgeometry --shell "$main")"
    python3 - "$shot" "$1" $((X + $2)) $((Y + $3)) "$4" "$5" <<'PY'
import struct, sys, zlib
path, kind, x0, y0, w, h = sys.argv[1], sys.argv[2], *map(int, sys.argv[3:])
data = open(path, 'rb').read()
pos, idat, width = 8, b'', 0
while pos < len(data):
    n, t = struct.unpack('>I4s', data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + n]
    if t == b'IHDR':
        width, height, depth, ctype = struct.unpack('>IIBB', body[:10])
        bpp = {2: 3, 6: 4}[ctype]
    elif t == b'IDAT':
        idat += body
    pos += 12 + n
raw = zlib.decompress(idat)
stride = width * bpp
rows, prev, i = [], bytearray(stride), 0
for _ in range(height):
    f, line = raw[i], bytearray(raw[i + 1:i + 1 + stride])
    i += 1 + stride
    for k in range(stride):
        a = line[k - bpp] if k >= bpp else 0
        b = prev[k]
        c = prev[k - bpp] if k >= bpp else 0
        if f == 1: line[k] = (line[k] + a) & 255
        elif f == 2: line[k] = (line[k] + b) & 255
        elif f == 3: line[k] = (line[k] + (a + b) // 2) & 255
        elif f == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[k] = (line[k] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    prev = line
count = 0
for y in range(y0, y0 + h):
    for x in range(x0, x0 + w):
        r, g, b = rows[y][x * bpp:x * bpp + 3]
        if kind == 'red' and r > 180 and g < 70 and b < 70: count += 1
        if kind == 'green' and g > 90 and r < 60 and b < 60: count += 1
        if kind == 'ink' and r < 120 and g < 120 and b < 120: count += 1
print(count)
PY
}

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1

echo "# start and dismiss the welcome message"
"$root/scripts/tavelo-launch" &
pids+=($!)
wait_for 20 count_is 2 || fail "the window and the welcome message did not both appear"
dialog=$(one_window --name "^Tavelo$") || fail "no single welcome message window"
xdotool windowactivate --sync "$dialog" key Return
wait_for 10 count_is 1 || fail "the welcome message did not close"
main=$(one_window --class Tavelo) || fail "no single program window"
xdotool windowactivate --sync "$main"
sleep 1

# Today's cell: seven columns of 50 pixels; the day rows start at 79 and share the height left.
today=$(date +%Y-%m-%d)
first=$(date -d "$(date +%Y-%m-01)" +%w)
length=$(date -d "$(date +%Y-%m-01) +1 month -1 day" +%d)
slot=$((first + 10#$(date +%d) - 1))
lines=$([ $((first + 10#$length)) -gt 35 ] && echo 6 || echo 5)
cell_h=$(((490 - 89) / lines))
cell_x=$((26 + 50 * (slot % 7)))
cell_top=$((79 + (slot / 7) * (cell_h + 1)))
red_before=$(count_pixels red $((cell_x - 24)) "$cell_top" 48 "$cell_h")

echo "# open today from the calendar"
at "$cell_x" $((cell_top + cell_h / 2))
sleep 0.5
[ "$(count_pixels ink 0 30 300 30)" -gt 50 ] || fail "the entries page did not show its invitation row"

echo "# add a note through its dialog"
at 276 12                        # 记事
at 178 218                       # the text area: the placeholder goes
typed "it's <b>e2e</b> \\ note"
keys shift+Tab ctrl+a; typed 5   # minute
keys shift+Tab ctrl+a; typed 7   # hour
at 178 218
keys Tab Return                  # 添加
wait_for 5 rows_are "sb|0|it's <b>e2e</b> \\ note|$today 07:05" ||
    fail "the note was not stored as typed: $(rows)"
sleep 0.5

echo "# add a ledger expense through its dialog"
at 322 12                        # 记账
at 178 230
typed "lunch & <i>tea</i>"
keys shift+Tab; typed 25.5       # amount
keys shift+Tab ctrl+a; typed 30  # minute
keys shift+Tab ctrl+a; typed 12  # hour
at 121 107                       # 支出
at 157 329                       # 添加
wait_for 5 rows_are "sb|0|it's <b>e2e</b> \\ note|$today 07:05
jz|-25.5|lunch & <i>tea</i>|$today 12:30" || fail "the ledger entry was not stored: $(rows)"
sleep 0.5
[ "$(count_pixels green 0 24 355 80)" -gt 5 ] || fail "the expense is not listed in green"
[ "$(count_pixels ink 0 62 300 36)" -gt 50 ] || fail "the note is not listed as the second row"

echo "# edit the ledger entry: income of 40"
at 178 44                        # first row: the 12:30 ledger entry
at 82 36                         # 编辑
at 226 107
keys ctrl+a
typed 40
at 63 107                        # 收入
at 157 329                       # 编辑
wait_for 5 rows_are "sb|0|it's <b>e2e</b> \\ note|$today 07:05
jz|40|lunch & <i>tea</i>|$today 12:30" || fail "the edit was not stored: $(rows)"
sleep 0.5
[ "$(count_pixels red 0 24 355 40)" -gt 5 ] || fail "the income is not listed in red"
[ "$(count_pixels green 0 24 355 80)" = 0 ] || fail "the old expense is still listed"

echo "# delete the note"
at 178 82                        # second row: the note
at 114 74                        # 删除
wait_for 5 rows_are "jz|40|lunch & <i>tea</i>|$today 12:30" || fail "the note was not deleted: $(rows)"
sleep 0.5

echo "# back to the calendar: today is marked"
at 224 12                        # 日历
sleep 1
red_after=$(count_pixels red $((cell_x - 24)) "$cell_top" 48 "$cell_h")
[ "$red_after" -gt $((red_before + 5)) ] || fail "today's cell shows no income mark ($red_before -> $red_after red pixels)"
echo "entries test passed"
