#!/usr/bin/env bash
# The programs without the tools of the tests. A configure with GoogleTest,
# python3 and valgrind out of reach, with no preset and no build type, must
# succeed, say in one line what is left out, pick Release, and build the five
# programs; the ci preset must refuse it. The programas preset must look no
# test tool up, and a multi-config generator must put the programs in bin/.
set -euo pipefail
cd "$(dirname "$0")/.."

programas=(fixedstack growstack shapestack nodelist payslips)
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
  >"$sin.log" 2>&1 || { cat "$sin.log" >&2; fallo "configure failed"; }
aviso='^Consolas: the tests are left out \(not found: GoogleTest, python3, valgrind\); .*apt-get install libgtest-dev python3 valgrind$'
[ "$(grep -cE "$aviso" "$sin.log")" -eq 1 ] ||
  { cat "$sin.log" >&2; fallo "configure did not say in one line what is left out"; }
grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$sin/CMakeCache.txt" ||
  fallo "the build type is not Release by default"
cmake --build "$sin" >"$sin.log" 2>&1 || { cat "$sin.log" >&2; fallo "build failed"; }
for p in "${programas[@]}"; do
  [ -x "$sin/bin/$p" ] || fallo "$sin/bin/$p not built"
done
salida=$(printf '4\n' | "$sin/bin/fixedstack") || fallo "fixedstack failed"
[[ "$salida" == *"4. FIN"* ]] || fallo "fixedstack did not show its menu"
rm -f "$sin.log"

if cmake --preset ci -B "$sin.ci" "${fuera_de_alcance[@]}" >/dev/null 2>&1; then
  fallo "the ci preset configured without the test tools"
fi

cmake --preset programas -B build-programas-check --log-level=NOTICE \
  >/dev/null 2>&1 || fallo "the programas preset does not configure"
[ -f build-programas-check/CMakeCache.txt ] ||
  fallo "the programas preset did not configure into build-programas-check"
if grep -qE '^(GTest_DIR|VALGRIND|Python3_EXECUTABLE):' \
  build-programas-check/CMakeCache.txt; then
  fallo "the programas preset looked test tools up"
fi

cmake -S . -B "$varias" -G "Ninja Multi-Config" -DBUILD_TESTING=OFF \
  >/dev/null 2>&1 || fallo "Ninja Multi-Config does not configure"
cmake --build "$varias" --config Release --target fixedstack >/dev/null 2>&1 ||
  fallo "Ninja Multi-Config does not build fixedstack"
[ -x "$varias/bin/fixedstack" ] ||
  fallo "Ninja Multi-Config put fixedstack elsewhere than $varias/bin"

echo "no-test-tools: the ${#programas[@]} programs built without GoogleTest," \
  "python3 and valgrind; Release by default; bin/ with a multi-config generator"
