#!/usr/bin/env bash
# Runs every end-to-end script in this folder against a build folder (DISPLAY must be set) and
# prints one line per script and a summary.
set -u
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
passed=0
failed=0
for t in "$here"/*_test.sh; do
    [ -e "$t" ] || continue
    name=$(basename "$t" .sh)
    if bash "$t" "$build"; then
        echo "ok - $name"
        passed=$((passed + 1))
    else
        echo "not ok - $name"
        failed=$((failed + 1))
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
