#!/usr/bin/env bash
# Builds the Debian package, checks what it holds, installs it with dpkg (CI
# runs as root), runs the installed fixedstack through one session and reads
# the installed manual pages, then removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."

# The build of the ci preset, which the tests have just made, is packaged.
preset=${PRESET:-ci}
bin=build-$preset/bin
if [ "$preset" = default ]; then bin=build/bin; fi
deb=$(make --no-print-directory package PRESET="$preset" | tail -n 1)
paquete=$(dpkg-deb -f "$deb" Package)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"; dpkg -r "$paquete" >/dev/null 2>&1 || true' EXIT

# Each program built, with its manual page, and nothing else but folders.
for p in "$bin"/*; do
  n=$(basename "$p")
  printf './usr/bin/%s\n./usr/share/man/man1/%s.1.gz\n' "$n" "$n"
done | sort >"$tmp/esperado"
dpkg-deb -c "$deb" | awk '{print $NF}' | grep -v '/$' | sort >"$tmp/contenido"
if ! cmp -s "$tmp/esperado" "$tmp/contenido"; then
  echo "$deb: contents differ from the programs built:" >&2
  diff "$tmp/esperado" "$tmp/contenido" >&2 || true
  exit 1
fi
for campo in Version Maintainer Section Depends Description; do
  if [ -z "$(dpkg-deb -f "$deb" "$campo")" ]; then
    echo "$deb: no $campo field" >&2
    exit 1
  fi
done

dpkg -i "$deb" >/dev/null

# A PUSH of 7 into the queue, then FIN, on a pipe: each clear writes a form
# feed, the pause writes its message and a line end and does not wait.
menu=("1. PUSH: insertar un elemento" "2. POP: sacar un elemento"
  "3. DELETE: borrar todos los elementos" "4. FIN")
{
  printf '%s\n' "${menu[@]}"
  printf '\fQue quieres usar cola(1), pila(2)? Que numero quieres introducir? \n'
  printf 'Cola: \n7 -1 -1 -1 -1 -1 -1 -1 -1 -1 \n\n'
  printf 'Pila: \n-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 \n'
  printf 'Presione una tecla para continuar . . . \n\f'
  printf '%s\n' "${menu[@]}"
  printf '\f'
} >"$tmp/esperada"
estado=0
printf '1 1 7\n4\n' | /usr/bin/fixedstack >"$tmp/salida" || estado=$?
if [ "$estado" -ne 0 ]; then
  echo "installed fixedstack: exit status $estado, expected 0" >&2
  exit 1
fi
if ! cmp -s "$tmp/esperada" "$tmp/salida"; then
  echo "installed fixedstack: unexpected output (cat -A):" >&2
  diff <(cat -A "$tmp/esperada") <(cat -A "$tmp/salida") >&2 || true
  exit 1
fi

# Every installed manual page is found by man and renders without a warning.
for p in "$bin"/*; do
  pagina=$(man -w "$(basename "$p")")
  avisos=$(man --warnings -l "$pagina" 2>&1 >/dev/null)
  if [ -n "$avisos" ]; then
    echo "$pagina: $avisos" >&2
    exit 1
  fi
done

dpkg -r "$paquete" >/dev/null
if [ -e /usr/bin/fixedstack ]; then
  echo "/usr/bin/fixedstack left after removing $paquete" >&2
  exit 1
fi
echo "package: $deb installed, fixedstack ran to FIN, removed"
