#!/usr/bin/env python3
"""Checks that a program shows each prompt before it waits for the answer.

Usage: pipe_dialogue.py PROGRAM

With pipes at both ends, the way another program would drive the dialogue,
the output written so far must arrive while the program waits for input:
first before any input is given, then after each of a few answers "1". The
program is then given end of input and must end with status 0.
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


def main():
    programa = sys.argv[1]
    proceso = subprocess.Popen([programa], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE)
    fallos = []
    try:
        salida = proceso.stdout.fileno()
        for paso, respuesta in enumerate([None, b"1\n", b"1\n", b"1\n"]):
            if respuesta is not None:
                proceso.stdin.write(respuesta)
                proceso.stdin.flush()
            if proceso.poll() is not None:
                break  # the dialogue may end on its own; nothing left to see
            if not leer_hasta_silencio(salida):
                fallos.append(f"step {paso}: nothing written while the "
                              "program waits for input")
        proceso.stdin.close()
        proceso.stdout.read()
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
