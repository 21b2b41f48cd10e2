#!/usr/bin/env bash
# Prints the window's speed figures: the median ServerFun round trip from page script, and the
# time from process start to the first page's load event next to a bare WebKitGTK window.
# Usage: bench/gui/run.sh <build-dir> [runs]   (DISPLAY set, e.g. under xvfb-run -a)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tests/pages/tavelo_pagetest" "$root/tests/pages/fixtures" "$here/serverfun.bench.js" |
    sed -n 's/^# \(ServerFun.*\)/\1/p'

# Milliseconds from just before exec to the load event the program prints.
startup() {
    local start end
    start=$(date +%s.%N)
    end=$("$@" | sed -n 's/^first-load //p' | head -n1)
    echo "($end - $start) * 1000" | bc -l
}
median() { sort -n | awk '{v[NR]=$1} END {m=int((NR+1)/2); printf "%.1f", v[m]}'; }

# A stored position keeps the welcome message out of the measurement.
sqlite3 "$work/taveloDB.db" "CREATE TABLE [parameter] ([name] NVARCHAR(20) NOT NULL,[parameter1] NVARCHAR(20),[parameter2] NVARCHAR(20),PRIMARY KEY ([name] ASC)); insert into parameter values('pos','10.00000000','10.00000000')"
app=()
bare=()
for _ in $(seq "$runs"); do
    bare+=("$(startup "$build/bench/gui/bench_bare_webview")")
    app+=("$(cd "$work" && TAVELO_REPORT_FIRST_LOAD=1 startup "$build/app/gtk/tavelo")")
done
b=$(printf '%s\n' "${bare[@]}" | median)
a=$(printf '%s\n' "${app[@]}" | median)
echo "Start to first load event, median of $runs: tavelo $a ms, bare WebKitGTK window $b ms, ratio $(echo "$a / $b" | bc -l | cut -c1-4)"
