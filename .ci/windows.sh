#!/usr/bin/env bash
# Cross-compiles the Windows programs with MinGW-w64, warnings as errors,
# checks what the ZIP holds and that each .exe needs no DLL beyond Windows'
# own, and runs fixedstack.exe under wine through one session to FIN.
set -euo pipefail
cd "$(dirname "$0")/.."

source .ci/instalar.sh

instalar x86_64-w64-mingw32-g++ g++-mingw-w64-x86-64-win32
make --no-print-directory windows

# The ZIP of the programs holds them with the licence and both guides.
(cd build-windows && cpack >package.log 2>&1) ||
  { cat build-windows/package.log >&2; exit 1; }
zip=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' build-windows/package.log)
cima=$(basename "$zip" .zip)
for exe in build-windows/bin/*.exe; do
  echo "$cima/bin/$(basename "$exe")"
done >"build-windows/zip.esperado"
for doc in LICENSE README.md LEEME.md; do
  echo "$cima/$doc"
done >>"build-windows/zip.esperado"
cmake -E tar tf "$zip" | grep -v '/$' | sort >"build-windows/zip.contenido"
if ! diff <(sort build-windows/zip.esperado) build-windows/zip.contenido >&2; then
  echo "$zip: contents differ from the programs, LICENSE, README.md and LEEME.md" >&2
  exit 1
fi

# The runtime of the compiler is linked in; a .exe must start on a bare
# Windows with only the system's DLLs.
for exe in build-windows/bin/*.exe; do
  ajenas=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}' |
    grep -viE '^(kernel32|msvcrt|user32|advapi32|api-ms-win-.*)\.dll$' || true)
  if [ -n "$ajenas" ]; then
    echo "$exe needs DLLs outside Windows: $ajenas" >&2
    exit 1
  fi
done

instalar /usr/lib/wine/wine64 wine64
prefijo=$(mktemp -d)
trap 'WINEPREFIX="$prefijo" /usr/lib/wine/wineserver64 -k 2>/dev/null || true; rm -rf "$prefijo"' EXIT

# cmd's own "cls" and "pause" write wine's texts, and the text mode ends the
# lines with CR LF: only the program's own lines are compared.
estado=0
printf '1 1 7\n4\n' |
  WINEPREFIX="$prefijo" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    timeout 180 /usr/lib/wine/wine64 build-windows/bin/fixedstack.exe \
    >"$prefijo/salida" 2>/dev/null || estado=$?
if [ "$estado" -ne 0 ]; then
  echo "fixedstack.exe under wine: exit status $estado, expected 0" >&2
  exit 1
fi
tr -d '\r\f' <"$prefijo/salida" >"$prefijo/lineas"
fallos=0
for linea in "4. FIN" "Cola: " "7 -1 -1 -1 -1 -1 -1 -1 -1 -1 " "Pila: " \
  "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 "; do
  grep -qxF -- "$linea" "$prefijo/lineas" || { echo "missing line: '$linea'" >&2; fallos=1; }
done
# The menu comes back once after the PUSH, behind the pause's text.
[ "$(grep -cF "1. PUSH: insertar un elemento" "$prefijo/lineas")" -eq 2 ] ||
  { echo "the menu is not shown twice" >&2; fallos=1; }
if [ "$fallos" -ne 0 ]; then
  echo "fixedstack.exe under wine wrote (cat -A):" >&2
  cat -A "$prefijo/salida" >&2
  exit 1
fi
echo "windows: $(ls build-windows/bin/*.exe | wc -l) programs cross-compiled, $(basename "$zip") checked; fixedstack.exe ran to FIN under wine"
