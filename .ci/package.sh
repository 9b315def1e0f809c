#!/usr/bin/env bash
# Builds the Debian package, runs lintian on it, checks what it holds and its
# copyright and changelog, installs it with dpkg (CI runs as root), runs the
# installed fixedstack through one session and reads the installed manual
# pages, then removes the package again. Last, make install into a scratch
# folder and make uninstall, which must leave nothing behind.
set -euo pipefail
cd "$(dirname "$0")/.."
source .ci/instalar.sh
instalar file file
instalar dpkg-shlibdeps dpkg-dev
instalar lintian lintian
instalar man man-db

# The build of the ci preset, which the tests have just made, is packaged.
preset=${PRESET:-ci}
bin=build-$preset/bin
if [ "$preset" = default ]; then bin=build/bin; fi
deb=$(make --no-print-directory package PRESET="$preset" | tail -n 1)
paquete=$(dpkg-deb -f "$deb" Package)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"; dpkg -r "$paquete" >/dev/null 2>&1 || true' EXIT

# No error, warning or informational tag but those overridden, each with its
# reason, in cmake/lintian-overrides.
if ! lintian --info --fail-on error,warning,info "$deb" >"$tmp/lintian" 2>&1; then
  echo "lintian on $deb:" >&2
  cat "$tmp/lintian" >&2
  exit 1
fi

# Each program built, with its manual page, the copyright, changelog and
# lintian overrides, and nothing else but folders.
for p in "$bin"/*; do
  n=$(basename "$p")
  printf './usr/bin/%s\n./usr/share/man/man1/%s.1.gz\n' "$n" "$n"
done >"$tmp/esperado"
printf './usr/share/doc/%s/%s\n' "$paquete" copyright "$paquete" changelog.Debian.gz \
  >>"$tmp/esperado"
echo "./usr/share/lintian/overrides/$paquete" >>"$tmp/esperado"
sort -o "$tmp/esperado" "$tmp/esperado"
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

# The changelog's entry is this version's, by the package's maintainer.
dpkg-deb -x "$deb" "$tmp/arbol"
doc="$tmp/arbol/usr/share/doc/$paquete"
zcat "$doc/changelog.Debian.gz" >"$tmp/changelog"
for campo in Version Maintainer; do
  if [ "$(dpkg-parsechangelog -l "$tmp/changelog" -S "$campo")" != \
    "$(dpkg-deb -f "$deb" "$campo")" ]; then
    echo "$deb: changelog.Debian's $campo differs from the package's" >&2
    exit 1
  fi
done
# The copyright file carries LICENSE's terms word for word.
if ! diff <(sed -n '/^License: Expat$/,$p' "$doc/copyright" | tail -n +2 |
  sed 's/^ //; s/^\.$//' | tr -s ' \n' ' ') \
  <(tail -n +5 LICENSE | tr -s ' \n' ' ') >/dev/null; then
  echo "$deb: the copyright file's licence differs from LICENSE" >&2
  exit 1
fi

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

# make install into a folder that does not exist yet, beside one that does:
# man must find the pages through PATH, and make uninstall must remove what
# was installed and the folders it made, and leave the other one.
raiz="$tmp/instalacion"
mkdir -p "$raiz/propia"
touch "$raiz/propia/fichero"
make --no-print-directory install PRESET="$preset" PREFIX="$raiz/local" \
  >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log" >&2; exit 1; }
for p in "$bin"/*; do
  n=$(basename "$p")
  [ -x "$raiz/local/bin/$n" ] || { echo "make install: no $raiz/local/bin/$n" >&2; exit 1; }
  pagina=$(PATH="$raiz/local/bin:$PATH" man -w "$n")
  if [ "$pagina" != "$raiz/local/share/man/man1/$n.1.gz" ]; then
    echo "make install: man finds $n's page at '$pagina'" >&2
    exit 1
  fi
done
make --no-print-directory uninstall PRESET="$preset" >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log" >&2; exit 1; }
quedan=$(cd "$raiz" && find . | sort | tr '\n' ' ')
if [ "$quedan" != ". ./propia ./propia/fichero " ]; then
  echo "make uninstall left: $quedan" >&2
  exit 1
fi

echo "package: $deb passed lintian, installed, fixedstack ran to FIN, removed;" \
  "make install and make uninstall left nothing behind"
