#!/usr/bin/env bash
# Compila los programas de Windows con MinGW-w64 desde Linux, con los avisos
# como errores; comprueba qué guarda el ZIP y que cada .exe no necesita más
# DLL que las del propio Windows, y pasa fixedstack.exe por una sesión hasta
# FIN con wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/preparar.sh windows wine

make --no-print-directory windows

# El ZIP lleva los programas con la licencia y las dos guías.
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
  echo "$zip: lo que guarda no son los programas, LICENSE, README.md y LEEME.md" >&2
  exit 1
fi

# El entorno de ejecución del compilador va enlazado dentro: un .exe ha de
# arrancar en un Windows recién instalado, solo con las DLL del sistema.
for exe in build-windows/bin/*.exe; do
  ajenas=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}' |
    grep -viE '^(kernel32|msvcrt|user32|advapi32|api-ms-win-.*)\.dll$' || true)
  if [ -n "$ajenas" ]; then
    echo "$exe necesita DLL que no son de Windows: $ajenas" >&2
    exit 1
  fi
done

prefijo=$(mktemp -d)
trap 'WINEPREFIX="$prefijo" /usr/lib/wine/wineserver64 -k 2>/dev/null || true; rm -rf "$prefijo"' EXIT

# Una transcripción, con wine. "cls" no escribe nada, el modo texto acaba
# las líneas con CR LF, y "pause" es la de cmd: escribe su propio texto, sin
# fin de línea. Así, la salida ha de ser la de la transcripción salvo una
# línea, la de la pausa, que puede ser otro texto pegado al principio de la
# línea siguiente.
transcripcion=tests/fixedstack/transcripts/ejemplo
estado=0
WINEPREFIX="$prefijo" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  timeout 180 /usr/lib/wine/wine64 build-windows/bin/fixedstack.exe \
  <"$transcripcion.in" >"$prefijo/salida" 2>/dev/null || estado=$?
if [ "$estado" -ne 0 ]; then
  echo "fixedstack.exe con wine: estado $estado, se esperaba 0" >&2
  exit 1
fi
if ! awk 'NR == FNR { esperada[++n] = $0; next }
  mal { next }
  $0 == esperada[i + 1] { i++; next }
  { s = esperada[i + 2]
    if (i + 2 <= n && length($0) > length(s) &&
        substr($0, length($0) - length(s) + 1) == s) i += 2
    else mal = 1 }
  END { exit !(i == n && !mal) }' <(tr -d '\f' <"$transcripcion.out") \
  <(tr -d '\r\f' <"$prefijo/salida"); then
  echo "fixedstack.exe con wine no escribió $transcripcion.out (cat -A):" >&2
  cat -A "$prefijo/salida" >&2
  exit 1
fi
echo "windows: $(ls build-windows/bin/*.exe | wc -l) programas compilados desde Linux, $(basename "$zip") comprobado; fixedstack.exe llegó a su final con wine"
