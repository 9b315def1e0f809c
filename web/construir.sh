#!/usr/bin/env bash
# Compila los programas a WebAssembly con Emscripten (en build-wasm/) y monta
# en build-web/ la página, solo ficheros estáticos:
#   index.html, estilo.css, pagina.js, ejecucion.js, reproductor.js, codigo.js
#   programas.js            la lista de los programas y sus descripciones
#   programas/NOMBRE.js     cada programa, con su .wasm dentro
#   lecciones/NOMBRE.js     su código, resaltado, y sus ejemplos (web/lecciones.js)
#   lib/                    xterm.js y xterm-pty, con sus licencias
set -euo pipefail
cd "$(dirname "$0")/.."

bash web/preparar.sh

compilacion=build-wasm
pagina=build-web
modulos=web/node_modules

# Las herramientas del Emscripten de Debian buscan acorn entre los módulos de
# node de Debian, que el node de NodeSource no mira.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# Configura en silencio; el registro entero solo si falla. La consulta a la
# API de ficheros de CMake le pide que deje escritos los objetivos y sus
# fuentes, de donde web/lecciones.js saca los ficheros de cada programa.
mkdir -p $compilacion/.cmake/api/v1/query
touch $compilacion/.cmake/api/v1/query/codemodel-v2
emcmake cmake -S . -B $compilacion -G Ninja -C web/opciones.cmake \
  >$compilacion/configure.log 2>&1 ||
  { cat $compilacion/configure.log >&2; exit 1; }
mapfile -t programas <$compilacion/programas.txt

cmake --build $compilacion -j2 --target "${programas[@]}"

rm -rf $pagina
mkdir -p $pagina/programas $pagina/lib
cp web/pagina/* $pagina/
for programa in "${programas[@]}"; do
  cp $compilacion/bin/$programa.js $pagina/programas/
done
cp $modulos/@xterm/xterm/lib/xterm.js $modulos/@xterm/xterm/css/xterm.css $pagina/lib/
cp $modulos/xterm-pty/index.js $pagina/lib/xterm-pty.js
for paquete in @xterm/xterm xterm-pty; do
  cat $modulos/$paquete/LICENSE* >"$pagina/lib/LICENCIA-$(basename $paquete).txt"
done

# La descripción de cada programa es la de su página de manual (NOMBRE).
for programa in "${programas[@]}"; do
  sed -n '/^\.SH NOMBRE/{n;s/^[^ ]* \\- //;p;q;}' man/$programa.1
done | node -e '
  const descripciones = require("fs").readFileSync(0, "utf8").trimEnd().split("\n");
  const programas = process.argv.slice(1).map((nombre, i) =>
    ({ nombre, descripcion: descripciones[i] }));
  console.log("// Escrito por web/construir.sh: los programas de la página.");
  console.log(`const PROGRAMAS = ${JSON.stringify(programas, null, 2)};`);
' "${programas[@]}" >$pagina/programas.js

node web/lecciones.js $compilacion $pagina "${programas[@]}"

echo "web: página en $pagina/ ($(du -sk $pagina | cut -f1) KiB)"
