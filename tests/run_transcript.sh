#!/usr/bin/env bash
# Uso: run_transcript.sh PROGRAMA ENTRADA ESPERADA
# Da ENTRADA a PROGRAMA por la entrada estándar y compara toda su salida
# estándar con ESPERADA, byte a byte; el estado de salida ha de ser 0. Si
# $TRANSCRIPT_WRAPPER tiene una orden (un comprobador de memoria, por
# ejemplo), esa orden ejecuta el programa.
set -u
program=$1 input=$2 expected=$3
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT

# shellcheck disable=SC2086  # el envoltorio es una línea de órdenes completa
${TRANSCRIPT_WRAPPER:-} "$program" <"$input" >"$actual"
status=$?
failed=0
if [ "$status" -ne 0 ]; then
  echo "estado $status, se esperaba 0"
  failed=1
fi
if ! cmp -s "$expected" "$actual"; then
  echo "la salida estándar no es $expected (cat -A: ^L salto de página, \$ fin de línea):"
  diff -u <(cat -A "$expected") <(cat -A "$actual") | head -n 80
  failed=1
fi
exit "$failed"
