#!/usr/bin/env python3
"""Benchmark of the menu programs: not a test, and not part of ctest.

Usage: bench.py BIN_DIR [--actions N]

For each menu program found in BIN_DIR, runs a scripted session of N menu
actions (20,000 by default) with its output to /dev/null and prints:
- actions per second (best of three runs);
- peak memory (maximum resident set size, by GNU time);
- system calls per action, all of them and those other than write, counted
  by strace against a session that ends at once (so start-up is left out);
- child processes started (forks, clones and execs after its own exec);
- for growstack, the peak memory that each slot of capacity adds.
The containers are kept to a few dozen values so that the listings stay
short.
"""

import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

ACCIONES = 20000
# Actions per second that each program should reach on the project's machine.
OBJETIVOS = {"fixedstack": 150000, "growstack": 100000, "nodelist": 100000,
             "shapestack": 30000}
TOPE = 30  # at most this many values in a container or the list


def sesion_pila(rng, acciones, inicio, empujar, capacidad):
    """Menu 1 PUSH, 2 POP, 3 DELETE over a queue (1) and a stack (2)."""
    partes = [inicio]
    cuantos = {1: 0, 2: 0}
    for _ in range(acciones):
        contenedor = rng.choice((1, 2))
        tope = min(capacidad, TOPE)
        if cuantos[contenedor] >= tope:
            opcion = rng.choice((2, 3))
        else:
            opcion = rng.choices((1, 2, 3), weights=(60, 35, 5))[0]
        if opcion == 1:
            partes.append(f"1\n{contenedor}\n{empujar(rng)}\n")
            cuantos[contenedor] = min(cuantos[contenedor] + 1, capacidad)
        elif opcion == 2:
            partes.append(f"2\n{contenedor}\n")
            cuantos[contenedor] = max(cuantos[contenedor] - 1, 0)
        else:
            partes.append(f"3\n{contenedor}\n")
            cuantos[contenedor] = 0
    partes.append("4\n")
    return "".join(partes)


def numero(rng):
    return str(rng.randint(0, 999))


def figura(rng):
    clase = rng.choice((1, 2))
    color = rng.choice(("rojo", "verde", "azul", "amarillo", "negro"))
    return f"{clase}\n{color}\n{rng.randint(1, 20)}.5"


def sesion_lista(rng, acciones):
    """Menu 1 insert at the front, 2 at the back, 3 delete, 4 search,
    5 list; 6 ends, then the closing wait for Enter."""
    partes = []
    valores = []
    for _ in range(acciones):
        if len(valores) >= TOPE:
            opcion = 3
        else:
            opcion = rng.choices((1, 2, 3, 4, 5), weights=(25, 25, 25, 15, 10))[0]
        if opcion in (1, 2):
            valor = rng.randint(0, 999)
            partes.append(f"{opcion}\n{valor}\n")
            if opcion == 1:
                valores.insert(0, valor)
            else:
                valores.append(valor)
        elif opcion == 3:
            valor = rng.choice(valores) if valores else 7
            partes.append(f"3\n{valor}\n")
            if valor in valores:
                valores.remove(valor)
        elif opcion == 4:
            partes.append(f"4\n{rng.randint(0, 999)}\n")
        else:
            partes.append("5\n")
    partes.append("6\n\n")
    return "".join(partes)


# Program: (a session of n actions, a session that ends at once).
SESIONES = {
    "fixedstack": (lambda rng, n: sesion_pila(rng, n, "", numero, 10), "4\n"),
    "growstack": (lambda rng, n: sesion_pila(rng, n, "1\n", numero, 10**9),
                  "1\n4\n"),
    "shapestack": (lambda rng, n: sesion_pila(rng, n, "", figura, 10), "4\n"),
    "nodelist": (sesion_lista, "6\n\n"),
}


def cronometrar(programa, entrada):
    """Seconds of one run."""
    with open(entrada, "rb") as fichero, open(os.devnull, "wb") as nulo:
        inicio = time.perf_counter()
        estado = subprocess.run([programa], stdin=fichero, stdout=nulo,
                                check=False).returncode
        segundos = time.perf_counter() - inicio
    if estado != 0:
        sys.exit(f"{programa} ended with status {estado}")
    return segundos


def medir_memoria(programa, entrada, carpeta):
    """Peak resident set of one run in KiB, by /usr/bin/time: a child of this
    script would report this script's own size, inherited through fork."""
    informe = os.path.join(carpeta, "memoria")
    with open(entrada, "rb") as fichero, open(os.devnull, "wb") as nulo:
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", informe, programa],
                       stdin=fichero, stdout=nulo, check=True)
    with open(informe) as texto:
        return int(texto.read().split()[-1])


def contar_llamadas(programa, entrada, carpeta):
    """All system calls of one run and those other than write, by strace."""
    informe = os.path.join(carpeta, "llamadas")
    with open(entrada, "rb") as fichero, open(os.devnull, "wb") as nulo:
        subprocess.run(["strace", "-f", "-c", "-o", informe, programa],
                       stdin=fichero, stdout=nulo, check=True)
    total = escrituras = 0
    with open(informe) as texto:
        for linea in texto:
            campos = linea.split()
            # % time, seconds, usecs/call, calls, [errors,] syscall
            if len(campos) >= 5 and campos[-1] not in ("total", "syscall") \
                    and campos[3].isdigit():
                total += int(campos[3])
                if campos[-1] in ("write", "writev"):
                    escrituras += int(campos[3])
    return total, total - escrituras


def contar_procesos(programa, entrada, carpeta):
    """Processes started: forks and clones, and execs after the first."""
    informe = os.path.join(carpeta, "procesos")
    with open(entrada, "rb") as fichero, open(os.devnull, "wb") as nulo:
        subprocess.run(["strace", "-f", "-e", "trace=process", "-o", informe,
                        programa], stdin=fichero, stdout=nulo, check=True)
    creados = ejecutados = 0
    with open(informe) as texto:
        for linea in texto:
            if re.search(r"\b(fork|vfork|clone|clone3)\(", linea) and \
                    not re.search(r"= -1", linea):
                creados += 1
            elif re.search(r"\bexecve(at)?\(", linea):
                ejecutados += 1
    return creados + max(ejecutados - 1, 0)


def bytes_por_hueco(programa, carpeta):
    """growstack's peak memory against its capacity: both containers built
    with one slot and with a million, then one push; the difference per slot
    of each container."""
    picos = []
    for tamanio in (1, 1000000):
        entrada = os.path.join(carpeta, f"capacidad{tamanio}.in")
        with open(entrada, "w") as fichero:
            fichero.write(f"2\n{tamanio}\n0\n1\n1\n7\n4\n")
        picos.append(medir_memoria(programa, entrada, carpeta))
    return (picos[1] - picos[0]) * 1024 / (2 * (1000000 - 1))


def asegurar_herramientas():
    """strace and GNU time come from Debian's packages of the same names."""
    faltan = [paquete for paquete, orden in (("strace", "strace"),
                                            ("time", "/usr/bin/time"))
              if not shutil.which(orden)]
    if not faltan:
        return
    print(f"missing {', '.join(faltan)}: installing with apt-get",
          file=sys.stderr)
    orden = ["apt-get", "install", "-y", "-qq"] + faltan
    if subprocess.run(orden, check=False).returncode != 0:
        subprocess.run(["apt-get", "update", "-qq"], check=True)
        subprocess.run(orden, check=True)


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    argumentos.add_argument("bin")
    argumentos.add_argument("--actions", type=int, default=ACCIONES)
    opciones = argumentos.parse_args()
    asegurar_herramientas()

    print(f"{opciones.actions} actions per session, output to /dev/null")
    print(f"{'program':<11} {'actions/s':>10} {'target':>8} {'peak KiB':>9} "
          f"{'calls/act':>9} {'non-write':>9} {'children':>8}")
    with tempfile.TemporaryDirectory() as carpeta:
        for nombre, (generar, vacia) in SESIONES.items():
            programa = os.path.join(opciones.bin, nombre)
            if not os.access(programa, os.X_OK):
                print(f"{nombre:<11} not built, skipped")
                continue
            entrada = os.path.join(carpeta, nombre + ".in")
            with open(entrada, "w") as fichero:
                fichero.write(generar(random.Random(nombre), opciones.actions))
            base = os.path.join(carpeta, nombre + ".vacia.in")
            with open(base, "w") as fichero:
                fichero.write(vacia)

            mejor = min(cronometrar(programa, entrada) for _ in range(3))
            pico = medir_memoria(programa, entrada, carpeta)
            total, otras = contar_llamadas(programa, entrada, carpeta)
            total0, otras0 = contar_llamadas(programa, base, carpeta)
            hijos = contar_procesos(programa, entrada, carpeta)
            por_segundo = opciones.actions / mejor
            objetivo = OBJETIVOS[nombre]
            veredicto = "" if por_segundo >= objetivo and hijos == 0 \
                else "  below target"
            print(f"{nombre:<11} {por_segundo:>10.0f} {objetivo:>8} {pico:>9} "
                  f"{(total - total0) / opciones.actions:>9.2f} "
                  f"{(otras - otras0) / opciones.actions:>9.3f} "
                  f"{hijos:>8}{veredicto}")
        growstack = os.path.join(opciones.bin, "growstack")
        if os.access(growstack, os.X_OK):
            print(f"growstack peak memory per slot of capacity, per container: "
                  f"{bytes_por_hueco(growstack, carpeta):.2f} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
