#!/usr/bin/env python3
"""Comprueba que un programa muestra cada pregunta antes de esperar la
respuesta.

Uso: pipe_dialogue.py PROGRAMA [--sin-escrituras]

Con tuberías en los dos extremos, como llevaría el diálogo otro programa, lo
escrito hasta el momento ha de llegar mientras el programa espera entrada:
primero antes de darle ninguna, y después tras cada una de unas cuantas
respuestas "1". Ha de llegar en una escritura por espera, no en una por
línea (--sin-escrituras se lo salta, para un motor que escribe por su
cuenta). Luego el programa recibe el fin de la entrada y ha de terminar con
estado 0, y todo lo que escribió ha de ser lo que escribe con la misma
entrada dada de una vez. Estos pasos valen para cualquier programa.

El diálogo se lleva dos veces: la segunda, con la entrada y la salida del
programa sin bloqueo (O_NONBLOCK), como las dejaría otro programa; ha de ir
igual, y al final las dos han de seguir sin bloqueo.

Un programa con respuestas "cortada" en tests/programas.tsv las recibe
después, a trozos: a shapestack, un lado cortado en su coma decimal ("2," y
luego " 4") ha de dejarle la coma a la lectura siguiente, como si llegara
entero.
"""

import os
import select
import subprocess
import sys
import time

import programas

SILENCIO = 0.3  # segundos sin salida que cuentan como "ahora espera"
PLAZO = 5.0     # segundos que puede tardar en llegar la salida de un paso


def leer_hasta_silencio(descriptor):
    """Todo lo escrito hasta que el programa calla (o se acaba PLAZO)."""
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


def escrituras(proceso):
    """Las llamadas al sistema de escritura que lleva el proceso (Linux)."""
    with open(f"/proc/{proceso.pid}/io", encoding="ascii") as io:
        for linea in io:
            if linea.startswith("syscw:"):
                return int(linea.split()[1])
    return None


def quitar_bloqueo():
    """En el hijo, antes del programa: su entrada y su salida sin bloqueo."""
    for descriptor in (0, 1):
        os.set_blocking(descriptor, False)


def sigue_sin_bloqueo(proceso, descriptor):
    """Si el descriptor del programa sigue sin bloqueo (Linux)."""
    with open(f"/proc/{proceso.pid}/fdinfo/{descriptor}") as info:
        marcas = int(info.read().split("flags:")[1].split()[0], 8)
    return marcas & os.O_NONBLOCK != 0


def dialogo(programa, contar, sin_bloqueo):
    """Lleva el diálogo entero; da la lista de fallos."""
    # None: la primera espera, antes de dar ninguna respuesta.
    respuestas = [None, b"1\n", b"1\n", b"1\n"]
    cortes = [trozo for fila in programas.datos(os.path.basename(programa),
                                                "cortada") for trozo in fila]
    proceso = subprocess.Popen(
        [programa], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
        preexec_fn=quitar_bloqueo if sin_bloqueo else None)
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
                break  # el diálogo puede acabar solo; no queda nada que ver
            leido = leer_hasta_silencio(salida)
            mostrado += leido
            if not leido:
                fallos.append(f"paso {paso}: nada escrito mientras el "
                              "programa espera entrada")
            ahora = escrituras(proceso) if contar else None
            if contar and paso < len(respuestas) and ahora != antes + 1:
                fallos.append(f"paso {paso}: {ahora - antes} escrituras "
                              "antes de esta espera, se esperaba 1")
            antes = ahora
        for descriptor in (0, 1):
            if (sin_bloqueo and proceso.poll() is None
                    and not sigue_sin_bloqueo(proceso, descriptor)):
                fallos.append(f"quitó O_NONBLOCK del descriptor {descriptor}")
        proceso.stdin.close()
        mostrado += proceso.stdout.read()
        entrada = b"".join(respuestas[1:] + cortes)
        de_una_vez = subprocess.run([programa], input=entrada,
                                    stdout=subprocess.PIPE).stdout
        if mostrado != de_una_vez:
            fallos.append(f"con {entrada!r} a trozos escribió {mostrado!r}; "
                          f"de una vez, {de_una_vez!r}")
        estado = proceso.wait(timeout=PLAZO)
        if estado != 0:
            fallos.append(f"estado {estado}, se esperaba 0")
    finally:
        if proceso.poll() is None:
            proceso.kill()
            fallos.append("sigue en marcha tras el fin de la entrada")
    return fallos


def main():
    programa = sys.argv[1]
    contar = "--sin-escrituras" not in sys.argv[2:]
    fallos = []
    for sin_bloqueo in (False, True):
        prefijo = "sin bloqueo: " if sin_bloqueo else ""
        fallos += [prefijo + fallo
                   for fallo in dialogo(programa, contar, sin_bloqueo)]
    for fallo in fallos:
        print(fallo)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
