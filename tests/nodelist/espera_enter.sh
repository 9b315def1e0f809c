#!/usr/bin/env bash
# Uso: espera_enter.sh PROGRAMA ESPERADO
# Envía "6" e Intro a PROGRAMA por una tubería que se mantiene abierta: el
# programa debe seguir en marcha medio segundo después, esperando un Intro
# más, y ese Intro debe terminarlo con estado 0. Todo lo que escribió debe
# ser igual a ESPERADO.
set -u
programa=$1 esperado=$2
dir=$(mktemp -d)
trap 'exec 3>&-; rm -rf "$dir"' EXIT
mkfifo "$dir/entrada"
# El fichero de estado solo aparece cuando el programa ha terminado.
( "$programa" <"$dir/entrada" >"$dir/salida"; echo $? >"$dir/estado" ) &
exec 3>"$dir/entrada"

terminado() {  # Espera hasta $1 décimas de segundo a que acabe el programa.
  for ((i = 0; i < $1; i++)); do
    [ -e "$dir/estado" ] && return 0
    sleep 0.1
  done
  [ -e "$dir/estado" ]
}

printf '6\n' >&3
if terminado 5; then
  echo "terminó tras 6 e Intro, sin esperar otro Intro"
  exit 1
fi
printf '\n' >&3
if ! terminado 50; then
  echo "sigue en marcha 5 s después del segundo Intro"
  exit 1
fi
failed=0
if [ "$(cat "$dir/estado")" != 0 ]; then
  echo "estado $(cat "$dir/estado"), se esperaba 0"
  failed=1
fi
if ! cmp -s "$esperado" "$dir/salida"; then
  echo "la salida estándar no es $esperado (cat -A: ^L salto de página, \$ fin de línea):"
  diff -u <(cat -A "$esperado") <(cat -A "$dir/salida")
  failed=1
fi
exit "$failed"
