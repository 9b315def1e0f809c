#!/usr/bin/env bash
# Construye el paquete de Debian, le pasa lintian, comprueba qué guarda, su
# copyright y su changelog, lo instala con dpkg (la integración continua corre
# como root), pasa el fixedstack instalado por una sesión y lee las páginas de
# manual instaladas, y lo quita otra vez. Al final, make install y make
# uninstall en carpetas de prueba.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/preparar.sh paquete lintian man

# Se empaqueta la compilación de make test, la que acaban de hacer las
# pruebas (PRESET elige otra).
preset=${PRESET:-default}
bin=build-$preset/bin
if [ "$preset" = default ]; then bin=build/bin; fi
deb=$(make --no-print-directory package PRESET="$preset" | tail -n 1)
paquete=$(dpkg-deb -f "$deb" Package)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"; dpkg -r "$paquete" >/dev/null 2>&1 || true' EXIT

# Ningún error, aviso ni nota de lintian salvo los que anula, cada uno con
# su motivo, cmake/lintian-overrides.
if ! lintian --info --fail-on error,warning,info "$deb" >"$tmp/lintian" 2>&1; then
  echo "lintian sobre $deb:" >&2
  cat "$tmp/lintian" >&2
  exit 1
fi

# Cada programa compilado con su página de manual, el copyright, el changelog
# y las anulaciones de lintian, y nada más que carpetas.
for p in "$bin"/*; do
  n=$(basename "$p")
  printf './usr/bin/%s\n./usr/share/man/man1/%s.1.gz\n' "$n" "$n"
done >"$tmp/esperado"
printf './usr/share/doc/%s/%s\n' "$paquete" copyright "$paquete" changelog.Debian.gz \
  >>"$tmp/esperado"
echo "./usr/share/lintian/overrides/$paquete" >>"$tmp/esperado"
sort -o "$tmp/esperado" "$tmp/esperado"
dpkg-deb -c "$deb" | awk '{print $NF}' | grep -v '/$' | sort >"$tmp/contenido"
if ! cmp -s "$tmp/esperado" "$tmp/contenido"; then
  echo "$deb: lo que guarda no son los programas compilados:" >&2
  diff "$tmp/esperado" "$tmp/contenido" >&2 || true
  exit 1
fi
for campo in Version Maintainer Section Depends Description; do
  if [ -z "$(dpkg-deb -f "$deb" "$campo")" ]; then
    echo "$deb: falta el campo $campo" >&2
    exit 1
  fi
done

# La entrada del changelog es la de esta versión, del responsable del
# paquete.
dpkg-deb -x "$deb" "$tmp/arbol"
doc="$tmp/arbol/usr/share/doc/$paquete"
zcat "$doc/changelog.Debian.gz" >"$tmp/changelog"
for campo in Version Maintainer; do
  if [ "$(dpkg-parsechangelog -l "$tmp/changelog" -S "$campo")" != \
    "$(dpkg-deb -f "$deb" "$campo")" ]; then
    echo "$deb: el campo $campo de changelog.Debian no es el del paquete" >&2
    exit 1
  fi
done
# El fichero copyright lleva las condiciones de LICENSE palabra por palabra.
if ! diff <(sed -n '/^License: Expat$/,$p' "$doc/copyright" | tail -n +2 |
  sed 's/^ //; s/^\.$//' | tr -s ' \n' ' ') \
  <(tail -n +5 LICENSE | tr -s ' \n' ' ') >/dev/null; then
  echo "$deb: la licencia del fichero copyright no es la de LICENSE" >&2
  exit 1
fi

dpkg -i "$deb" >/dev/null

# Una transcripción: su salida, byte a byte, y el estado 0.
transcripcion=tests/fixedstack/transcripts/ejemplo
if ! bash tests/run_transcript.sh /usr/bin/fixedstack "$transcripcion.in" \
  "$transcripcion.out" >&2; then
  echo "fixedstack instalado no escribió $transcripcion.out" >&2
  exit 1
fi

# man encuentra cada página instalada y la compone sin avisos.
for p in "$bin"/*; do
  pagina=$(man -w "$(basename "$p")")
  avisos=$(man --warnings -l "$pagina" 2>&1 >/dev/null)
  if [ -n "$avisos" ]; then
    echo "$pagina: $avisos" >&2
    exit 1
  fi
done

dpkg -r "$paquete" >/dev/null
if [ -e /usr/bin/fixedstack ]; then
  echo "/usr/bin/fixedstack sigue ahí tras quitar $paquete" >&2
  exit 1
fi

# make install en dos carpetas, una que aún no existe y otra con un fichero
# ajeno. man ha de hallar las páginas a través del PATH. make uninstall de
# la primera, después de instalar en la segunda y sin compilación, ha de
# quitar lo suyo y sus carpetas, y nada de la segunda; la de la segunda, un
# programa cambiado después y el fichero ajeno no.
raiz="$tmp/instalacion con espacio"
mkdir -p "$raiz/propia/bin"
touch "$raiz/propia/bin/ajeno"
instalar() {
  make --no-print-directory "$@" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; exit 1; }
}
instalar install PRESET="$preset" PREFIX="$raiz/nueva/local"
for p in "$bin"/*; do
  n=$(basename "$p")
  [ -x "$raiz/nueva/local/bin/$n" ] || { echo "make install: falta $raiz/nueva/local/bin/$n" >&2; exit 1; }
  pagina=$(PATH="$raiz/nueva/local/bin:$PATH" man -w "$n")
  if [ "$pagina" != "$raiz/nueva/local/share/man/man1/$n.1.gz" ]; then
    echo "make install: man halla la página de $n en «$pagina»" >&2
    exit 1
  fi
done
instalar install PRESET="$preset" PREFIX="$raiz/propia"
# Con un preset sin carpeta de compilación, como tras make clean.
instalar uninstall PRESET=sin-compilar PREFIX="$raiz/nueva/local"
quedan() { (cd "$raiz" && find . | sort | tr '\n' ' '); }
antes=$(quedan)
echo cambiado >>"$raiz/propia/bin/fixedstack"
instalar uninstall PRESET=sin-compilar PREFIX="$raiz/propia"
esperado=". ./propia ./propia/bin ./propia/bin/ajeno ./propia/bin/fixedstack "
if [ "$(quedan)" != "$esperado" ]; then
  echo "make uninstall dejó: $(quedan)" >&2
  echo "se esperaba: $esperado" >&2
  exit 1
fi
if [[ "$antes" == *"./nueva"* ]] || [[ "$antes" != *"./propia/share/consolas/instalados.txt"* ]]; then
  echo "make uninstall de una carpeta dejó o quitó lo que no debía: $antes" >&2
  exit 1
fi

echo "paquete: $deb pasó lintian, se instaló, fixedstack llegó a su final y" \
  "se quitó; make uninstall quitó lo que make install puso en cada carpeta," \
  "y nada más"
