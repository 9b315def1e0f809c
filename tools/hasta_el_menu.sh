#!/usr/bin/env bash
# Uso: bash tools/hasta_el_menu.sh [VECES]
#
# Mide cuánto se tarda en llegar desde un clon recién hecho al primer menú
# de fixedstack con make run, como lo haría quien empieza: clona el último
# commit de este repositorio en una carpeta temporal, da
# `make run PROGRAM=fixedstack` en un terminal de tmux y cuenta los segundos
# hasta que el menú está en la pantalla, con el clon incluido. Lo repite
# VECES veces (3 si no se dice) y escribe cada tiempo y el menor, la mediana
# y el mayor, con coma decimal. No es una prueba: los tiempos dependen de lo
# ocupada que esté la máquina.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
veces=${1:-3}
bash "$raiz/tools/preparar.sh" programas documentos
# La última línea del menú, tal como la muestran sus transcripciones.
menu=$(python3 "$raiz/tests/programas.py" espera fixedstack)
# La opción que termina, la última del menú.
ultima=$(python3 "$raiz/tests/programas.py" opciones fixedstack)

trabajo=$(mktemp -d)
sesion=hasta_el_menu_$$
trap 'tmux kill-session -t "$sesion" 2>/dev/null || true; rm -rf "$trabajo"' EXIT
tmux new-session -d -s "$sesion" -x 100 -y 30 -c "$trabajo" "bash --norc"

tiempos=()
for vez in $(seq 1 "$veces"); do
  tmux send-keys -t "$sesion" "clear; cd '$trabajo'" Enter
  sleep 0.5
  inicio=$(date +%s%N)
  tmux send-keys -t "$sesion" \
    "git clone -q '$raiz' clon$vez && cd clon$vez && make run PROGRAM=fixedstack" Enter
  # Como mucho diez minutos, en pasos de una décima de segundo.
  for _ in $(seq 1 6000); do
    tmux capture-pane -p -t "$sesion" | grep -qxF -- "$menu" && break
    sleep 0.1
  done
  if ! tmux capture-pane -p -t "$sesion" | grep -qxF -- "$menu"; then
    tmux capture-pane -p -t "$sesion" >&2
    echo "hasta_el_menu: ningún menú tras 10 minutos" >&2
    exit 1
  fi
  fin=$(date +%s%N)
  tmux send-keys -t "$sesion" "$ultima" Enter
  tiempos+=("$(((fin - inicio) / 1000000))")
  printf 'vez %d: %d,%02d s\n' "$vez" "$((tiempos[-1] / 1000))" \
    "$((tiempos[-1] % 1000 / 10))"
  rm -rf "$trabajo/clon$vez"
done

mapfile -t ordenados < <(printf '%s\n' "${tiempos[@]}" | sort -n)
segundos() { printf '%d,%01d s' "$(($1 / 1000))" "$(($1 % 1000 / 100))"; }
vez=veces
if [ "$veces" -eq 1 ]; then vez=vez; fi
echo "primer menú de fixedstack desde un clon recién hecho, $veces $vez:" \
  "mínimo $(segundos "${ordenados[0]}"), mediana" \
  "$(segundos "${ordenados[$((veces / 2))]}"), máximo $(segundos "${ordenados[-1]}")"
