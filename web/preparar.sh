#!/usr/bin/env bash
# Instala, si falta, lo que necesita la página de los programas:
#   bash web/preparar.sh            para compilarla (make web)
#   bash web/preparar.sh --pruebas  también para probarla en Chromium (make test-web)
# Los paquetes de Debian los instala tools/preparar.sh (grupos «programas»,
# por CMake y Ninja, «web» y «navegador»); los de npm, fijados por
# web/package-lock.json, npm ci aquí.
set -euo pipefail
cd "$(dirname "$0")"

grupos=(programas web)
if [ "${1:-}" = --pruebas ]; then
  grupos+=(navegador)
fi
bash ../tools/preparar.sh "${grupos[@]}"

# npm ci solo cuando el package-lock.json cambió desde la última instalación.
huella=$(sha256sum package-lock.json | cut -d' ' -f1)
if [ "$(cat node_modules/.huella 2>/dev/null)" != "$huella" ]; then
  echo "web: npm ci" >&2
  registro=$(mktemp)
  npm ci --no-audit --no-fund >"$registro" 2>&1 ||
    { cat "$registro" >&2; rm -f "$registro"; exit 1; }
  rm -f "$registro"
  echo "$huella" >node_modules/.huella
fi
