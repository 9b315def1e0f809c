#!/usr/bin/env bash
# Usage: espera_enter.sh PROGRAM EXPECTED
# Types "6" and Enter into PROGRAM through a pipe kept open: the program must
# still be running half a second later, waiting for one more Enter, and that
# Enter must end it with status 0. All it wrote must equal EXPECTED.
set -u
program=$1 expected=$2
dir=$(mktemp -d)
trap 'exec 3>&-; rm -rf "$dir"' EXIT
mkfifo "$dir/entrada"
# The status file appears only when the program has ended.
( "$program" <"$dir/entrada" >"$dir/salida"; echo $? >"$dir/estado" ) &
exec 3>"$dir/entrada"

terminado() {  # Waits up to $1 tenths of a second for the program's end.
  for ((i = 0; i < $1; i++)); do
    [ -e "$dir/estado" ] && return 0
    sleep 0.1
  done
  [ -e "$dir/estado" ]
}

printf '6\n' >&3
if terminado 5; then
  echo "ended after 6 and Enter, without waiting for another Enter"
  exit 1
fi
printf '\n' >&3
if ! terminado 50; then
  echo "still running 5 s after the second Enter"
  exit 1
fi
failed=0
if [ "$(cat "$dir/estado")" != 0 ]; then
  echo "exit status $(cat "$dir/estado"), expected 0"
  failed=1
fi
if ! cmp -s "$expected" "$dir/salida"; then
  echo "standard output differs from $expected:"
  diff -u <(cat -A "$expected") <(cat -A "$dir/salida")
  failed=1
fi
exit "$failed"
