# Shared set-up of the end-to-end scripts: a fresh data folder for the program, the build's
# executable first on PATH, cleanup of everything started, and small waiting helpers.
# Usage: source "$(dirname "$0")/lib.sh" "<build-dir>"
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
export XDG_DATA_HOME="$work/data"
export PATH="$build/app/gtk:$PATH"
db="$XDG_DATA_HOME/tavelo/taveloDB.db"
pids=()
# Everything started is ended, and waited for, before the data folder goes: a program still
# closing would write its position into the folder while it is removed.
cleanup() {
    local status=$?
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    rm -rf "$work" || true
    exit "$status"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
# The program's windows by their X class.
windows_of() { xdotool search --onlyvisible --class "$1" 2>/dev/null || true; }
wait_for() {  # wait_for <seconds> <command...>
    local limit=$1; shift
    for _ in $(seq $((limit * 10))); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}
count_is() { [ "$(windows_of Tavelo | wc -l)" = "$1" ]; }
# Prints the one visible window that matches the search once two searches a moment apart agree:
# a search made while another window is being destroyed can end on an X error and find nothing.
# Usage: one_window <xdotool search options...>
one_window() {
    local a b
    for _ in $(seq 50); do
        a=$(xdotool search --onlyvisible "$@" 2>/dev/null || true)
        sleep 0.1
        b=$(xdotool search --onlyvisible "$@" 2>/dev/null || true)
        if [ -n "$a" ] && [ "$a" = "$b" ] && [ "$(printf '%s\n' "$a" | wc -l)" = 1 ]; then
            echo "$a"
            return 0
        fi
    done
    return 1
}
gone() { ! kill -0 "$1" 2>/dev/null; }
