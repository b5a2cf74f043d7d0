#!/usr/bin/env bash
# Runs a QtTest function under valgrind's memcheck and fails when an invalid access or use of
# uninitialised memory happens in the program's own code (a frame of ui::, core::, comm:: or
# util:: among the first frames of the error). Qt's and the loader's own reports are left alone.
# Usage: memcheck.sh PROGRAM [TEST FUNCTION...]
set -euo pipefail
program=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
valgrind -q --log-file="$log" --num-callers=24 "$program" "$@" || status=$?
awk '
    /== (Invalid (read|write|free)|Conditional jump|Use of uninitialised|Mismatched)/ {
        inside = 1; frames = 0; block = $0 "\n"; next
    }
    inside && /== +(at|by) 0x/ {
        block = block $0 "\n"
        if (++frames <= 8 && $0 ~ /(ui|core|comm|util)::/) ours = 1
        next
    }
    inside {
        if (ours) { printf "%s", block; found = 1 }
        inside = 0; ours = 0
    }
    END { exit found ? 1 : 0 }
' "$log" || { echo "memcheck: invalid memory use in the program's code"; exit 1; }
exit "$status"
