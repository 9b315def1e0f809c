#!/usr/bin/env bash
# Usage: run_transcript.sh PROGRAM INPUT EXPECTED
# Feeds INPUT to PROGRAM on standard input and compares all of its standard
# output with EXPECTED, byte for byte; the exit status must be 0. A command
# in $TRANSCRIPT_WRAPPER (a memory checker, say) runs the program.
set -u
program=$1 input=$2 expected=$3
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT

# shellcheck disable=SC2086  # the wrapper is a command line of its own
${TRANSCRIPT_WRAPPER:-} "$program" <"$input" >"$actual"
status=$?
failed=0
if [ "$status" -ne 0 ]; then
  echo "exit status $status, expected 0"
  failed=1
fi
if ! cmp -s "$expected" "$actual"; then
  echo "standard output differs from $expected (cat -A: ^L form feed, \$ line end):"
  diff -u <(cat -A "$expected") <(cat -A "$actual") | head -n 80
  failed=1
fi
exit "$failed"
