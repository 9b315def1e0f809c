#!/usr/bin/env bash
# Uso: bash tools/preparar.sh GRUPO...
#
# Instala lo que les falta a los grupos pedidos (make run pide `programas`;
# make test, también `pruebas`; make web, `programas` y `web`; cada script
# de .ci/, los suyos). Lo hace con
# el gestor de paquetes del sistema, apt-get en Debian y Ubuntu: como root
# directamente, que es como corre la integración continua, y con sudo en otro
# caso. Antes dice en una línea qué instala y para qué; lo que ya está no se
# vuelve a instalar. Si no hay un gestor de paquetes conocido, o no se puede
# ser root, dice qué falta y termina con estado 2.
set -euo pipefail

# Cada línea es una necesidad: su grupo, lo que se comprueba y el paquete de
# Debian que la trae. Se comprueba una orden, o varias separadas por `|` de
# las que basta una, o una ruta absoluta que ha de existir. Un paquete
# terminado en `?` es opcional: sin gestor de paquetes se sigue sin él (sin
# Ninja, make usa el generador de Makefiles de CMake).
# Un grupo nuevo son sus líneas aquí y su propósito en `proposito`.
necesidades='
programas  c++|g++|clang++              g++
programas  cmake                        cmake
programas  ninja                        ninja-build?
programas  perl                         perl-base
pruebas    /usr/include/gtest/gtest.h   libgtest-dev
pruebas    python3                      python3
pruebas    valgrind                     valgrind
lint       clang-tidy                   clang-tidy
lint       cppcheck                     cppcheck
lint       jq                           jq
bench      python3                      python3
bench      strace                       strace
bench      /usr/bin/time                time
man        groff                        groff
man        man                          man-db
man        python3                      python3
paquete    file                         file
paquete    dpkg-shlibdeps               dpkg-dev
lintian    lintian                      lintian
windows    x86_64-w64-mingw32-g++       g++-mingw-w64-x86-64-win32
wine       /usr/lib/wine/wine64         wine64
documentos python3                      python3
documentos tmux                         tmux
web        emcc                         emscripten
web        /usr/share/nodejs/acorn      node-acorn
web        node                         nodejs
web        npm                          npm
web        python3                      python3
navegador  chromium                     chromium
'
declare -A proposito=(
  [programas]="para compilar los programas"
  [pruebas]="para pasar las pruebas"
  [lint]="para make lint"
  [bench]="para make bench"
  [man]="para comprobar las páginas de manual"
  [paquete]="para construir el paquete de Debian"
  [lintian]="para comprobar el paquete de Debian"
  [windows]="para compilar desde Linux los programas de Windows"
  [wine]="para ejecutar los programas de Windows"
  [documentos]="para comprobar las órdenes de README.md y LEEME.md"
  [web]="para compilar los programas para el navegador"
  [navegador]="para probar la página en un navegador"
)
# Los presets de CMakePresets.json piden esta versión de CMake o una mayor.
CMAKE_MINIMO=3.21

# Los grupos, en el orden de la tabla.
grupos=()
while read -r grupo _; do
  if [ -n "$grupo" ] && [[ " ${grupos[*]} " != *" $grupo "* ]]; then
    grupos+=("$grupo")
  fi
done <<<"$necesidades"

if [ "$#" -eq 0 ]; then
  echo "uso: preparar.sh GRUPO... (grupos: ${grupos[*]})" >&2
  exit 2
fi
for grupo in "$@"; do
  if [[ " ${grupos[*]} " != *" $grupo "* ]]; then
    echo "preparar: no hay ningún grupo llamado «$grupo» (grupos: ${grupos[*]})" >&2
    exit 2
  fi
done

# presente COMPROBACIÓN: se cumple si alguna de sus órdenes está en el PATH
# o si su ruta existe.
presente() {
  local alternativa alternativas
  IFS='|' read -r -a alternativas <<<"$1"
  for alternativa in "${alternativas[@]}"; do
    if [[ "$alternativa" == /* ]]; then
      [ -e "$alternativa" ] && return 0
    elif command -v "$alternativa" >/dev/null; then
      return 0
    fi
  done
  return 1
}

# Lo que falta, sin repetir paquetes: `faltan` con los paquetes y
# `motivos` con el propósito de los grupos que los piden.
faltan=()
motivos=()
opcionales=()
while read -r grupo comprobacion paquete; do
  [ -n "$grupo" ] || continue
  [[ " $* " == *" $grupo "* ]] || continue
  presente "$comprobacion" && continue
  if [[ "$paquete" == *\? ]]; then
    paquete=${paquete%\?}
    opcionales+=("$paquete")
  fi
  [[ " ${faltan[*]} " == *" $paquete "* ]] && continue
  faltan+=("$paquete")
  [[ " ${motivos[*]} " == *" ${proposito[$grupo]} "* ]] ||
    motivos+=("${proposito[$grupo]}")
done <<<"$necesidades"

# La versión de CMake se mira después de instalar: un CMake viejo del
# sistema no se arregla con el gestor de paquetes.
comprobar_cmake() {
  local version
  [[ " $* " == *" programas "* ]] || return 0
  version=$(cmake --version | sed -n '1s/^cmake version \([0-9][0-9.]*\).*/\1/p')
  if [ "$(printf '%s\n' "$CMAKE_MINIMO" "$version" | sort -V | head -n 1)" != \
    "$CMAKE_MINIMO" ]; then
    echo "preparar: CMake $version es demasiado antiguo: los presets" \
      "necesitan CMake $CMAKE_MINIMO o posterior (Debian 12 y Ubuntu 22.04" \
      "ya lo tienen)" >&2
    exit 2
  fi
}

if [ "${#faltan[@]}" -eq 0 ]; then
  comprobar_cmake "$@"
  exit 0
fi

lista=$(printf '%s, ' "${faltan[@]}")
lista=${lista%, }
motivo=$(printf '%s, ' "${motivos[@]}")
motivo=${motivo%, }
# La concordancia con uno o con varios paquetes.
falta=faltan lo=los
if [ "${#faltan[@]}" -eq 1 ]; then falta=falta lo=lo; fi

# Cómo se llega a root: ya se es, o sudo.
if [ "$(id -u)" -eq 0 ]; then
  como_root=()
elif command -v sudo >/dev/null; then
  como_root=(sudo)
else
  como_root=(sin_root)
fi

if ! command -v apt-get >/dev/null || [ "${como_root[*]}" = sin_root ]; then
  # Sin los opcionales se sigue; sin los demás, no.
  necesarios=()
  for paquete in "${faltan[@]}"; do
    [[ " ${opcionales[*]} " == *" $paquete "* ]] || necesarios+=("$paquete")
  done
  if [ "${#necesarios[@]}" -eq 0 ]; then
    comprobar_cmake "$@"
    exit 0
  fi
  if command -v apt-get >/dev/null; then
    echo "preparar: $falta $lista ($motivo); da la orden como root o" \
      "instala sudo, o instála$lo tú: apt-get install ${faltan[*]}" >&2
  else
    echo "preparar: $falta $lista ($motivo) y no hay ningún gestor de" \
      "paquetes conocido con que instalar$lo: instála$lo tú (los nombres" \
      "son los de Debian) y vuelve a dar la orden" >&2
  fi
  exit 2
fi

echo "preparar: instalo $lista ($motivo) con ${como_root[*]:+${como_root[*]} }apt-get"
# La salida de apt-get solo se muestra si falla. La lista de paquetes se
# pone al día primero: en una máquina nueva puede estar vacía o vieja.
registro=$(mktemp)
trap 'rm -f "$registro"' EXIT
if ! { "${como_root[@]}" apt-get update -qq &&
  "${como_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    --no-install-recommends "${faltan[@]}"; } >"$registro" 2>&1; then
  cat "$registro" >&2
  echo "preparar: apt-get no pudo instalar $lista" >&2
  exit 1
fi
comprobar_cmake "$@"
