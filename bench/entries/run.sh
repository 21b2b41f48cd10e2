#!/usr/bin/env bash
# Prints how long the entries page takes from the request for a month with 1,000 entries to the
# list drawn on screen (target: under 100 ms). Not part of the tests.
# Usage: bench/entries/run.sh <build-dir>   (DISPLAY set, e.g. under xvfb-run -a)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
"$build/tests/pages/tavelo_pagetest" "$root/tests/pages/fixtures" "$here/entries.bench.js" |
    sed -n 's/^# \(entries page.*\)/\1/p;/^not ok/p'
