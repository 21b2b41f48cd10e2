#!/usr/bin/env bash
# Calendar page benchmark in the real engine: with 0, 10,000 and 100,000 entries, the time from
# the page's navigation to its marks drawn, and the time of a month step.
# Usage: bench/calendar/run.sh [build-dir]   (a Release build; DISPLAY must be set, e.g. xvfb-run -a)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build}
runner="$build/tests/pages/tavelo_pagetest"
if [ ! -x "$runner" ]; then
    echo "no page test runner at $runner (build first)" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
suites=()
for count in 0 10000 100000; do
    sed "s/__COUNT__/$count/" "$here/calendar.bench.js" > "$work/calendar-$count.bench.js"
    suites+=("$work/calendar-$count.bench.js")
done
export TAVELO_ARTIFACTS="$work/artifacts"
"$runner" "$root/tests/pages/fixtures" "${suites[@]}" | grep -E '^(# calendar|not ok)' || true
