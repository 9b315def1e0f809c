#!/usr/bin/env bash
# Compone cada página de manual con los avisos de groff como errores, como
# lo hacen groff y man en un terminal: falla con cualquier aviso, con una
# palabra partida al final de una línea a cualquiera de varios anchos, y con
# una línea de más de 80 columnas a MANWIDTH=80. Después pasa la orden de la
# sección EJEMPLO de cada página y comprueba que lo que escribe el programa
# es lo que la página muestra, tal como lo muestra man.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/preparar.sh man

export LC_ALL=C.UTF-8
fallos=0
paginas=0
for pagina in man/*.1; do
  paginas=$((paginas + 1))
  if ! iconv -f UTF-8 -t UTF-8 "$pagina" >/dev/null 2>&1; then
    echo "$pagina: no es UTF-8" >&2
    fallos=1
  fi
  avisos_groff=$(groff -man -k -ww -z -Tutf8 "$pagina" 2>&1 || echo "groff falló")
  avisos_man=$(man --warnings -l "$pagina" 2>&1 >/dev/null || echo "man falló")
  if [ -n "$avisos_groff$avisos_man" ]; then
    printf '%s:\n%s\n%s\n' "$pagina" "$avisos_groff" "$avisos_man" >&2
    fallos=1
  fi
  # U+2010 es el guion que pone groff donde parte una palabra.
  for ancho in 50 60 70 80 100 120; do
    if partidas=$(MANWIDTH=$ancho man -l "$pagina" 2>/dev/null | grep -n '‐$'); then
      echo "$pagina a $ancho columnas, palabras partidas:" >&2
      echo "$partidas" >&2
      fallos=1
    fi
  done
  if anchas=$(MANWIDTH=80 man -l "$pagina" 2>/dev/null | grep -n '^.\{81,\}'); then
    echo "$pagina a 80 columnas, líneas de más de 80:" >&2
    echo "$anchas" >&2
    fallos=1
  fi
done

# Los ejemplos, con los programas de la compilación de make test (PRESET
# elige otra).
preset=${PRESET:-default}
make --no-print-directory programs PRESET="$preset" >/dev/null
bin=build-$preset/bin
if [ "$preset" = default ]; then bin=build/bin; fi
if ! PATH="$PWD/$bin:$PATH" python3 .ci/ejemplos_man.py man/*.1; then
  fallos=1
fi

[ "$fallos" -eq 0 ] || exit 1
echo "man: $paginas páginas se componen sin avisos, sin palabras partidas y" \
  "sin líneas de más de 80 columnas, y sus ejemplos muestran lo que escriben" \
  "los programas"
