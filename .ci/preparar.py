#!/usr/bin/env python3
"""Prueba de tools/preparar.sh, caso a caso, en una máquina simulada.

Cada caso da a preparar.sh un PATH propio con las órdenes que hay en esa
máquina: un apt-get, un sudo y un id de mentira que apuntan sus llamadas, un
cmake que dice la versión que se le pida y las demás como ficheros vacíos.
El apt-get de mentira «instala» un paquete creando su orden. Se comprueban
el estado de salida, lo que se escribe y las llamadas a apt-get y a sudo.

Después, para cada objetivo de make, que los grupos que pide (él o los
scripts que llama) cubren las órdenes que usa su receta: USOS dice cuáles
son, y cada objetivo del Makefile ha de tener ahí su fila.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAMAS = ["c++", "cmake", "ninja", "perl"]
# Órdenes de verdad que preparar.sh usa.
UTILES = ["cat", "env", "head", "mktemp", "rm", "sed", "sort"]
APT = """#!/bin/bash
echo "apt-get $*" >>"$REGISTRO"
[ -z "${APT_FALLA:-}" ] || { echo "E: Unable to locate package"; exit 100; }
if [ "$1" = install ]; then
  for paquete in "$@"; do
    case $paquete in
      ninja-build) : >"$BIN/ninja" ;;
      cmake) echo 'echo "cmake version 3.25.1"' >"$BIN/cmake" ;;
      -*) ;;
      *) : >"$BIN/$paquete" ;;
    esac
    /bin/chmod +x "$BIN"/* 2>/dev/null
  done
fi
"""

# nombre, órdenes presentes, raíz o no, grupos pedidos, estado esperado,
# trozos de la salida (stdout y stderr juntas), llamadas esperadas.
CASOS = [
    ("todo está", PROGRAMAS + ["apt-get"], True, ["programas"], 0, [], []),
    ("root instala lo que falta, en una línea",
     ["c++", "perl", "apt-get"], True, ["programas"], 0,
     ["preparar: instalo cmake, ninja-build (para compilar los programas) "
      "con apt-get\n"],
     ["apt-get update -qq", "apt-get install -y -qq --no-install-recommends "
      "cmake ninja-build"]),
    ("si no, con sudo", ["c++", "perl", "cmake", "apt-get", "sudo"],
     False, ["programas"], 0, ["con sudo apt-get"],
     ["sudo apt-get update -qq", "apt-get update -qq",
      "sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "
      "--no-install-recommends ninja-build",
      "apt-get install -y -qq --no-install-recommends ninja-build"]),
    ("cada paquete una vez, con todos sus propósitos", PROGRAMAS + ["apt-get"],
     True, ["man", "documentos"], 0,
     ["instalo groff, man-db, python3, tmux (para comprobar las páginas de "
      "manual, para comprobar las órdenes de README.md y LEEME.md) con "
      "apt-get\n"],
     ["apt-get update -qq", "apt-get install -y -qq --no-install-recommends "
      "groff man-db python3 tmux"]),
    ("sin root ni sudo", ["c++", "perl", "apt-get"], False,
     ["programas"], 2, ["faltan cmake, ninja-build (para compilar los "
                        "programas)", "apt-get install cmake ninja-build"], []),
    ("sin root ni sudo, un paquete", ["c++", "ninja", "perl", "apt-get"],
     False, ["programas"], 2, ["falta cmake (para", "instálalo tú"], []),
    ("ningún gestor de paquetes conocido", ["c++", "perl"], True,
     ["programas"], 2, ["faltan cmake, ninja-build (para compilar los "
                        "programas) y no hay ningún gestor de paquetes"], []),
    ("sin Ninja la compilación sigue", ["c++", "perl", "cmake"], True,
     ["programas"], 0, [], []),
    ("un CMake antiguo se rechaza", PROGRAMAS, True, ["programas"], 2,
     ["CMake 3.18.4 es demasiado antiguo: los presets necesitan CMake 3.21"],
     []),
    ("apt-get falla y se ve su registro", ["c++", "perl", "apt-get"], True,
     ["programas"], 1, ["E: Unable to locate package",
                        "apt-get no pudo instalar cmake, ninja-build"],
     ["apt-get update -qq"]),
    ("un grupo desconocido", PROGRAMAS, True, ["nada"], 2,
     ["no hay ningún grupo llamado «nada»"], []),
]


def caso(nombre, ordenes, root, grupos, estado, trozos, llamadas):
    with tempfile.TemporaryDirectory() as carpeta:
        bin_ = os.path.join(carpeta, "bin")
        os.mkdir(bin_)
        for util in UTILES:
            os.symlink(shutil.which(util), os.path.join(bin_, util))
        ordenes_fingidas = {
            "apt-get": APT,
            "sudo": '#!/bin/bash\necho "sudo $*" >>"$REGISTRO"\nexec "$@"\n',
            "cmake": '#!/bin/bash\necho "cmake version ${CMAKE_VERSION}"\n',
        }
        for orden in ordenes + ["id"]:
            with open(os.path.join(bin_, orden), "w") as fichero:
                if orden == "id":
                    fichero.write(f"#!/bin/bash\necho {0 if root else 1000}\n")
                else:
                    fichero.write(ordenes_fingidas.get(orden, ""))
            os.chmod(os.path.join(bin_, orden), 0o755)
        registro = os.path.join(carpeta, "llamadas")
        version = "3.18.4" if "CMake antiguo" in nombre else "3.25.1"
        entorno = {"PATH": bin_, "BIN": bin_, "REGISTRO": registro,
                   "CMAKE_VERSION": version}
        if "falla" in nombre:
            entorno["APT_FALLA"] = "1"
        resultado = subprocess.run(
            ["/bin/bash", os.path.join(RAIZ, "tools", "preparar.sh")] + grupos,
            env=entorno, capture_output=True, text=True, check=False)
        salida = resultado.stdout + resultado.stderr
        hechas = []
        if os.path.exists(registro):
            with open(registro) as fichero:
                hechas = fichero.read().splitlines()
    fallos = []
    if resultado.returncode != estado:
        fallos.append(f"estado {resultado.returncode}, se esperaba {estado}")
    fallos += [f"no escribió «{t}»" for t in trozos if t not in salida]
    if not trozos and salida:
        fallos.append("escribió algo, se esperaba nada")
    if "una línea" in nombre and salida.count("\n") != 1:
        fallos.append("más de una línea")
    if hechas != llamadas:
        fallos.append(f"llamadas {hechas}, se esperaban {llamadas}")
    if fallos:
        print(f"preparar: {nombre}: " + "; ".join(fallos) + "\n" + salida,
              file=sys.stderr)
    return not fallos


# Lo que usa la receta de cada objetivo de make, directamente o con los
# scripts que llama, con los nombres de la columna de comprobaciones de
# tools/preparar.sh.
COMPILAR = ["c++", "cmake", "ninja"]
PRUEBAS = COMPILAR + ["python3", "valgrind", "/usr/include/gtest/gtest.h"]
PAGINA = ["cmake", "ninja", "emcc", "/usr/share/nodejs/acorn", "node", "npm"]
USOS = {
    "all": COMPILAR, "configure": COMPILAR, "build": COMPILAR,
    "programs": COMPILAR, "install": COMPILAR, "run": COMPILAR + ["perl"],
    "test": PRUEBAS, "test-asan": PRUEBAS, "uninstall": ["cmake"],
    "package": COMPILAR + ["file", "dpkg-shlibdeps"],
    "windows": ["cmake", "ninja", "x86_64-w64-mingw32-g++"],
    "lint": COMPILAR + ["clang-tidy", "cppcheck", "jq"],
    "bench": COMPILAR + ["python3", "strace", "/usr/bin/time"],
    "clean": [], "web": PAGINA, "web-serve": PAGINA + ["python3"],
    "test-web": PAGINA + ["chromium"], "bench-web": PAGINA + ["chromium"],
}


def comprobaciones():
    """Grupo: las comprobaciones de sus líneas en tools/preparar.sh."""
    with open(os.path.join(RAIZ, "tools", "preparar.sh")) as fuente:
        tabla = fuente.read().split("necesidades='")[1].split("'")[0]
    grupos = {}
    for linea in tabla.strip().splitlines():
        grupo, comprobacion, _ = linea.split()
        grupos.setdefault(grupo, []).extend(comprobacion.split("|"))
    return grupos


def grupos_pedidos(arbol, objetivo):
    """Los grupos que piden a tools/preparar.sh la receta de `objetivo` y los
    scripts que llama, en una copia del árbol donde preparar.sh solo apunta
    sus grupos y falla, y así el script que lo llamó se detiene: make -n
    muestra la receta sin hacerla, y de ella se da cada `bash ...`."""
    registro = os.path.join(arbol, "grupos")
    open(registro, "w").close()
    receta = subprocess.run(["make", "-n", "--no-print-directory", objetivo],
                            cwd=arbol, capture_output=True, text=True,
                            check=True).stdout
    for linea in receta.splitlines():
        if linea.startswith("bash "):
            subprocess.run(["bash", "-c", linea], cwd=arbol, check=False,
                           env=dict(os.environ, REGISTRO=registro),
                           stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    with open(registro) as fichero:
        return fichero.read().split()


def objetivos_cubiertos():
    """Da los fallos: un objetivo del Makefile sin fila en USOS, o uno al que
    sus grupos no le traen algo que usa."""
    with open(os.path.join(RAIZ, "Makefile")) as fuente:
        makefile = fuente.read().replace("\\\n", " ")
    objetivos = set()
    for linea in re.findall(r"^\.PHONY:(.*)$", makefile, re.M):
        objetivos.update(linea.split())
    fallos = [f"make {o}: añade a USOS de {__file__} lo que usa"
              for o in sorted(objetivos - USOS.keys())]
    traen = comprobaciones()
    with tempfile.TemporaryDirectory() as arbol:
        for fichero in ("Makefile", "web/construir.sh", "web/preparar.sh"):
            os.makedirs(os.path.join(arbol, os.path.dirname(fichero)),
                        exist_ok=True)
            shutil.copy(os.path.join(RAIZ, fichero),
                        os.path.join(arbol, fichero))
        os.mkdir(os.path.join(arbol, "tools"))
        with open(os.path.join(arbol, "tools", "preparar.sh"), "w") as stub:
            stub.write('echo "$@" >>"$REGISTRO"\nexit 1\n')
        for objetivo in sorted(objetivos & USOS.keys()):
            grupos = grupos_pedidos(arbol, objetivo)
            cubre = {c for g in grupos for c in traen.get(g, [])}
            faltan = [u for u in USOS[objetivo] if u not in cubre]
            if faltan:
                fallos.append(f"make {objetivo}: sus grupos ({' '.join(grupos)})"
                              f" no traen {', '.join(faltan)}")
    return fallos


def main():
    aprobados = sum(caso(*c) for c in CASOS)
    fallos = objetivos_cubiertos()
    for fallo in fallos:
        print(f"preparar: {fallo}", file=sys.stderr)
    print(f"preparar: {aprobados} pasados, {len(CASOS) - aprobados} fallidos;"
          f" {len(USOS)} objetivos de make, {len(fallos)} sin lo que usan")
    return 0 if aprobados == len(CASOS) and not fallos else 1


if __name__ == "__main__":
    sys.exit(main())
