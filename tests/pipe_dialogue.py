#!/usr/bin/env python3
"""Checks that a program shows each prompt before it waits for the answer.

Usage: pipe_dialogue.py PROGRAM [--sin-escrituras]

With pipes at both ends, the way another program would drive the dialogue,
the output written so far must arrive while the program waits for input:
first before any input is given, then after each of a few answers "1". It
must arrive in one write per wait, not a write per line (--sin-escrituras
leaves that out, for a runtime that writes on its own). The program is then
given end of input and must end with status 0.

For shapestack a side cut at its decimal comma ("2," then " 4") must leave
the comma for the next read, the menu, which answers it with its message.
"""

import os
import select
import subprocess
import sys
import time

SILENCIO = 0.3  # seconds without output that count as "now it waits"
PLAZO = 5.0     # seconds the output of one step may take to arrive at all


def leer_hasta_silencio(descriptor):
    """Everything written until the program goes quiet (or PLAZO runs out)."""
    leido = b""
    limite = time.monotonic() + PLAZO
    while time.monotonic() < limite:
        espera = SILENCIO if leido else limite - time.monotonic()
        listos, _, _ = select.select([descriptor], [], [], max(espera, 0))
        if not listos:
            break
        trozo = os.read(descriptor, 65536)
        if not trozo:
            break
        leido += trozo
    return leido


# Per program: answers given in parts after the answers "1" above, and what
# must then be shown.
CORTES = {
    "shapestack": ([b"Azul\n2,", b" 4\n"],
                   b"Numero erroneo debe estar comprendido en 1 y 4"),
}


def escrituras(proceso):
    """The write system calls the process has made so far (Linux)."""
    with open(f"/proc/{proceso.pid}/io", encoding="ascii") as io:
        for linea in io:
            if linea.startswith("syscw:"):
                return int(linea.split()[1])
    return None


def main():
    programa = sys.argv[1]
    contar = "--sin-escrituras" not in sys.argv[2:]
    respuestas = [None, b"1\n", b"1\n", b"1\n"]
    cortes, esperado = CORTES.get(os.path.basename(programa), ([], None))
    proceso = subprocess.Popen([programa], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE)
    fallos = []
    mostrado = b""
    try:
        salida = proceso.stdout.fileno()
        antes = 0
        for paso, respuesta in enumerate(respuestas + cortes):
            if respuesta is not None:
                proceso.stdin.write(respuesta)
                proceso.stdin.flush()
            if proceso.poll() is not None:
                break  # the dialogue may end on its own; nothing left to see
            leido = leer_hasta_silencio(salida)
            mostrado += leido
            if not leido:
                fallos.append(f"step {paso}: nothing written while the "
                              "program waits for input")
            ahora = escrituras(proceso) if contar else None
            if contar and paso < len(respuestas) and ahora != antes + 1:
                fallos.append(f"step {paso}: {ahora - antes} writes before "
                              "this wait, expected 1")
            antes = ahora
        proceso.stdin.close()
        mostrado += proceso.stdout.read()
        if esperado is not None and esperado not in mostrado:
            fallos.append(f"{esperado!r} not shown after the answers "
                          f"{cortes!r}")
        estado = proceso.wait(timeout=PLAZO)
        if estado != 0:
            fallos.append(f"exit status {estado}, expected 0")
    finally:
        if proceso.poll() is None:
            proceso.kill()
            fallos.append("still running after end of input")
    for fallo in fallos:
        print(fallo)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
