#!/usr/bin/env bash
# Runs every page test suite (tests/pages/*.test.js) in the real web engine. DISPLAY must be set.
# Usage: tests/pages/run.sh <build-dir> [suite.test.js...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
shift || true
runner="$build/tests/pages/tavelo_pagetest"
if [ ! -x "$runner" ]; then
    echo "no page test runner at $runner (build first)" >&2
    echo "0 passed, 1 failed"
    exit 1
fi
if [ $# -gt 0 ]; then
    suites=("$@")
else
    suites=("$here"/*.test.js)
fi
export TAVELO_ARTIFACTS=${TAVELO_ARTIFACTS:-$build/artifacts}
exec "$runner" "$here/fixtures" "${suites[@]}"
