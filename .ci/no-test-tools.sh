#!/usr/bin/env bash
# Los programas sin las herramientas de las pruebas. Una configuración sin
# GoogleTest, python3 ni valgrind a mano, sin preset y sin tipo de
# compilación, ha de salir bien, decir en una línea qué se queda fuera,
# elegir Release y compilar todos los programas de la lista (programas.txt de
# la carpeta de compilación); el preset ci ha de negarse. El preset programas
# no ha de buscar ninguna herramienta de las pruebas, y un generador de varias
# configuraciones ha de dejar los programas en bin/.
set -euo pipefail
cd "$(dirname "$0")/.."

sin=build-no-test-tools
varias=build-multi-config
trap 'rm -rf "$sin" "$varias" build-programas-check "$sin.ci"' EXIT
rm -rf "$sin" "$varias" build-programas-check "$sin.ci"
fuera_de_alcance=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
  -DCMAKE_DISABLE_FIND_PACKAGE_Python3=ON -DVALGRIND=/nonexistent/valgrind)

fallo() {
  echo "no-test-tools: $*" >&2
  exit 1
}

cmake -S . -B "$sin" -G Ninja --log-level=NOTICE "${fuera_de_alcance[@]}" \
  >"$sin.log" 2>&1 || { cat "$sin.log" >&2; fallo "la configuración falló"; }
aviso='^Consolas: las pruebas quedan fuera \(falta: GoogleTest, python3, valgrind\); .*apt-get install libgtest-dev python3 valgrind$'
[ "$(grep -cE "$aviso" "$sin.log")" -eq 1 ] ||
  { cat "$sin.log" >&2; fallo "la configuración no dijo en una línea qué queda fuera"; }
grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$sin/CMakeCache.txt" ||
  fallo "el tipo de compilación por omisión no es Release"

# La lista de programas es la que la configuración ha escrito.
mapfile -t programas <"$sin/programas.txt"
[ "${#programas[@]}" -gt 0 ] || fallo "$sin/programas.txt no nombra ningún programa"
cmake --build "$sin" >"$sin.log" 2>&1 || { cat "$sin.log" >&2; fallo "la compilación falló"; }
for p in "${programas[@]}"; do
  [ -x "$sin/bin/$p" ] || fallo "no se compiló $sin/bin/$p"
done
t=tests/fixedstack/transcripts/ejemplo
bash tests/run_transcript.sh "$sin/bin/fixedstack" "$t.in" "$t.out" >&2 ||
  fallo "fixedstack no escribió $t.out"
rm -f "$sin.log"

if cmake --preset ci -B "$sin.ci" "${fuera_de_alcance[@]}" >/dev/null 2>&1; then
  fallo "el preset ci se configuró sin las herramientas de las pruebas"
fi

cmake --preset programas -B build-programas-check --log-level=NOTICE \
  >/dev/null 2>&1 || fallo "el preset programas no se configura"
[ -f build-programas-check/CMakeCache.txt ] ||
  fallo "el preset programas no se configuró en build-programas-check"
if grep -qE '^(GTest_DIR|VALGRIND|Python3_EXECUTABLE):' \
  build-programas-check/CMakeCache.txt; then
  fallo "el preset programas buscó herramientas de las pruebas"
fi

cmake -S . -B "$varias" -G "Ninja Multi-Config" -DBUILD_TESTING=OFF \
  >/dev/null 2>&1 || fallo "Ninja Multi-Config no se configura"
cmake --build "$varias" --config Release --target fixedstack >/dev/null 2>&1 ||
  fallo "Ninja Multi-Config no compila fixedstack"
[ -x "$varias/bin/fixedstack" ] ||
  fallo "Ninja Multi-Config dejó fixedstack fuera de $varias/bin"

echo "no-test-tools: los ${#programas[@]} programas se compilaron sin GoogleTest," \
  "python3 ni valgrind; Release por omisión; bin/ con un generador de varias" \
  "configuraciones"
