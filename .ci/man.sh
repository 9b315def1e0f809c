#!/usr/bin/env bash
# Renders every manual page with groff's warnings as errors, as groff itself
# and as man does at a terminal: any warning fails, and so does a word that
# hyphenation splits at the end of a line, at any of several widths.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/preparar.sh man

export LC_ALL=C.UTF-8
fallos=0
paginas=0
for pagina in man/*.1; do
  paginas=$((paginas + 1))
  if ! iconv -f UTF-8 -t UTF-8 "$pagina" >/dev/null 2>&1; then
    echo "$pagina: not UTF-8" >&2
    fallos=1
  fi
  avisos_groff=$(groff -man -k -ww -z -Tutf8 "$pagina" 2>&1 || echo "groff failed")
  avisos_man=$(man --warnings -l "$pagina" 2>&1 >/dev/null || echo "man failed")
  if [ -n "$avisos_groff$avisos_man" ]; then
    printf '%s:\n%s\n%s\n' "$pagina" "$avisos_groff" "$avisos_man" >&2
    fallos=1
  fi
  # U+2010 is the hyphen groff adds where it splits a word.
  for ancho in 50 60 70 80 100 120; do
    if partidas=$(MANWIDTH=$ancho man -l "$pagina" 2>/dev/null | grep -n '‐$'); then
      echo "$pagina at $ancho columns, words split:" >&2
      echo "$partidas" >&2
      fallos=1
    fi
  done
done
[ "$fallos" -eq 0 ] || exit 1
echo "man: $paginas pages render without a warning or a split word"
