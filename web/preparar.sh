#!/usr/bin/env bash
# Instala, si falta, lo que necesita la página de los programas:
#   bash web/preparar.sh            para compilarla (make web)
#   bash web/preparar.sh --pruebas  también para probarla en Chromium (make test-web)
# Los paquetes de Debian se instalan como root; sin serlo, dice qué instalar.
# Los de npm, fijados por web/package-lock.json, con npm ci en web/.
set -euo pipefail
cd "$(dirname "$0")"

# --- Paquetes de Debian del grupo «web» -------------------------------------
# Cada entrada es ORDEN:PAQUETE: el paquete se instala si ORDEN (un programa
# del PATH, o una ruta) no está. npm solo si falta: el nodejs de NodeSource
# ya lo trae, y el paquete npm de Debian no se instala junto a él.
WEB_PAQUETES=(
  emcc:emscripten
  /usr/share/nodejs/acorn:node-acorn
  node:nodejs
  npm:npm
)
# Solo para las pruebas y la medición de tiempos (--pruebas).
WEB_PAQUETES_PRUEBAS=(
  chromium:chromium
)
# -----------------------------------------------------------------------------

entradas=("${WEB_PAQUETES[@]}")
if [ "${1:-}" = --pruebas ]; then
  entradas+=("${WEB_PAQUETES_PRUEBAS[@]}")
fi

faltan=()
for entrada in "${entradas[@]}"; do
  orden=${entrada%%:*}
  if ! command -v "$orden" >/dev/null && [ ! -e "$orden" ]; then
    faltan+=("${entrada#*:}")
  fi
done

if [ ${#faltan[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "web: faltan paquetes; instálalos con:" >&2
    echo "  sudo apt-get install --no-install-recommends ${faltan[*]}" >&2
    exit 1
  fi
  echo "web: instalando ${faltan[*]}" >&2
  registro=$(mktemp)
  { apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
      --no-install-recommends "${faltan[@]}"; } >"$registro" 2>&1 ||
    { cat "$registro" >&2; rm -f "$registro"; exit 1; }
  rm -f "$registro"
fi

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
