#!/usr/bin/env bash
# Builds everything and runs every test: the native suites (also under AddressSanitizer and
# UndefinedBehaviorSanitizer), the lunar computation, the pages in the real web engine and the
# real program driven under a virtual display. Screenshots go to build/artifacts.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/deps.sh || exit 1

jobs=$(nproc)
export TAVELO_ARTIFACTS="$root/build/artifacts"
mkdir -p build "$TAVELO_ARTIFACTS"
log="$root/build/test-summary.log"
: >"$log"

step() {
    echo
    echo "=== $1"
}

step "Build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
cmake --build build -j"$jobs" || exit 1

step "Build the native core with sanitizers"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTAVELO_SANITIZE=ON -DTAVELO_GUI=OFF \
    -DTAVELO_BENCH=OFF >/dev/null || exit 1
cmake --build build-asan -j"$jobs" || exit 1

passed=0
failed=0
status=0

# Adds a suite's counts to the totals; a suite that printed no count counts as one failure.
count() {
    local name=$1 p=$2 f=$3 rc=$4
    if [ -z "$p" ] || [ -z "$f" ]; then
        p=0
        f=1
    fi
    if [ "$rc" != 0 ] && [ "$f" = 0 ]; then f=1; fi
    passed=$((passed + p))
    failed=$((failed + f))
    if [ "$f" != 0 ]; then status=1; fi
    echo "$name: $p passed, $f failed" >>"$log"
}

ctest_suite() {
    local name=$1 dir=$2 out rc total fails
    out=$(ctest --test-dir "$dir" --output-on-failure -j"$jobs" 2>&1)
    rc=$?
    echo "$out" | tail -n 30
    total=$(echo "$out" | sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' | tail -n1)
    fails=$(echo "$out" | sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' | tail -n1)
    if [ -n "$total" ]; then
        count "$name" $((total - fails)) "$fails" "$rc"
    else
        count "$name" "" "" "$rc"
    fi
}

step "Native tests"
ctest_suite "native" build

step "Native tests under sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest_suite "sanitizers" build-asan

step "Lunar computation"
out=$(bash tests/lunar/run.sh 2>&1)
rc=$?
echo "$out" | tail -n 12
count "lunar" "$(echo "$out" | sed -n 's/^# pass \([0-9]*\)$/\1/p' | tail -n1)" \
    "$(echo "$out" | sed -n 's/^# fail \([0-9]*\)$/\1/p' | tail -n1)" "$rc"

# Pages and the real program run on one virtual display.
run_display_suite() {
    local name=$1
    shift
    local out rc
    out=$(xvfb-run -a -s "-screen 0 1280x1024x24" "$@" 2>&1)
    rc=$?
    echo "$out" | tail -n 40
    local line
    line=$(echo "$out" | grep -E '^([A-Za-z]+: )?[0-9]+ passed, [0-9]+ failed' | tail -n1)
    count "$name" "$(echo "$line" | sed -E 's/^([A-Za-z]+: )?([0-9]+) passed.*/\2/')" \
        "$(echo "$line" | sed -E 's/.* ([0-9]+) failed.*/\1/')" "$rc"
}

if [ -x tests/pages/run.sh ]; then
    step "Pages in the web engine"
    run_display_suite "pages" tests/pages/run.sh build
fi
if [ -x tests/e2e/run.sh ]; then
    step "The program driven under a virtual display"
    run_display_suite "program" tests/e2e/run.sh build
fi

step "Summary"
cat "$log"
echo "Screenshots: $TAVELO_ARTIFACTS"
echo "$passed passed, $failed failed"
exit $status
