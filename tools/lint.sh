#!/usr/bin/env bash
# Uso: lint.sh CARPETA_DE_COMPILACION
# Pasa clang-tidy (con el .clang-tidy de la raíz del árbol) y cppcheck por las
# fuentes propias del proyecto: todos los ficheros de
# CARPETA_DE_COMPILACION/compile_commands.json que no son pruebas ni código
# descargado. Termina con estado distinto de cero si encuentra algo.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)

for herramienta in clang-tidy cppcheck jq; do
  if ! command -v "$herramienta" >/dev/null; then
    echo "lint: falta $herramienta (apt-get install $herramienta)" >&2
    exit 2
  fi
done

trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT

# La base de datos de compilación, solo con las fuentes del proyecto.
mkdir -p "$trabajo/db"
jq --arg raiz "$raiz/" '[.[] | select((.file | startswith($raiz))
    and (.file | test("/tests/|/_deps/") | not))]' \
  "$build/compile_commands.json" >"$trabajo/db/compile_commands.json"
mapfile -t fuentes < <(jq -r '.[].file' "$trabajo/db/compile_commands.json")
if [ "${#fuentes[@]}" -eq 0 ]; then
  echo "lint: no hay ninguna fuente en $build/compile_commands.json" >&2
  exit 2
fi

fallos=0
echo "clang-tidy: ${#fuentes[@]} ficheros"
if ! printf '%s\n' "${fuentes[@]}" |
  xargs -P "$(nproc)" -n 1 clang-tidy --quiet -p "$trabajo/db" \
    --header-filter="^$raiz/" --warnings-as-errors='*' \
    2> >(grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed|^Use -header-filter|^Error while processing' >&2); then
  fallos=1
fi

echo "cppcheck: ${#fuentes[@]} ficheros"
# useStlAlgorithm: los bucles de los contenedores sobre sus huecos son
# precisamente los algoritmos que este código quiere enseñar; cambiarlos por
# llamadas a <algorithm> los escondería.
if ! cppcheck --project="$trabajo/db/compile_commands.json" --quiet \
  --std=c++17 --library=posix --enable=warning,style,performance,portability \
  --inline-suppr --suppress=missingIncludeSystem --suppress=useStlAlgorithm \
  --error-exitcode=1 -j "$(nproc)"; then
  fallos=1
fi

if [ "$fallos" -ne 0 ]; then
  echo "lint: hay avisos, arriba" >&2
  exit 1
fi
echo "lint: sin avisos"
