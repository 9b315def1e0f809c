#!/usr/bin/env python3
"""Feeds a console program many seeded sessions of hostile input.

Usage:
  hostile_input.py PROGRAM NAME [--sessions N] [--seed S] [--timeout SEC]
  hostile_input.py PROGRAM NAME --seed S --print-input   (the input of seed S)

NAME picks the menu profile (how many options the menu has). Session i of a
run uses the seed S + i (S defaults to 1, or $HOSTILE_SEED), and its input
depends on NAME and that seed alone, so any session can be replayed. N
defaults to $HOSTILE_SESSIONS, else 200.

Each session must end by itself within the timeout, with exit status 0 and
nothing on standard error (where a sanitizer or a memory checker reports).
A failing session is reported with its seed and the command that replays it,
and its input is kept in hostile_<NAME>_<seed>.in in the working directory.
"""

import argparse
import concurrent.futures
import os
import random
import subprocess
import sys

# Menu options per program: the last one ends the dialogue. 0: no menu.
OPCIONES_MENU = {
    "fixedstack": 4,
    "growstack": 4,
    "shapestack": 4,
    "nodelist": 6,
    "payslips": 0,
}

SEPARADORES = [(" ", 30), ("\n", 50), ("\t", 5), ("\r\n", 5), ("  \n\n", 5),
               ("\v\f", 2)]

PALABRAS = ["abc", "Enero", "rojo", "azul", "x", "nan", "inf", "uno", "NULL",
            "%s%n", "\u00f1and\u00fa", "0x1F", "1e5", "12abc", "-5x", "+-3",
            "3..5", "--1", "++", "1,5", "\u20ac"]

DESBORDES = ["2147483648", "-2147483649", "4294967296", "99999999999",
             "-99999999999999999999", "9223372036854775808",
             "1" + "0" * 40, "-" + "9" * 60]

REALES = ["3.5", "-0.25", "0", "-0", "1e10", "1e400", "-1e400", "1e-400",
          "0.1", "123456789.123", ".5", "5.", "1e", "-.e3"]


def elegir(rng, pesos):
    total = sum(peso for _, peso in pesos)
    punto = rng.uniform(0, total)
    for valor, peso in pesos:
        punto -= peso
        if punto <= 0:
            return valor
    return pesos[-1][0]


def bytes_de_control(rng):
    longitud = rng.randint(1, 12)
    return bytes(rng.choice(list(range(0, 32)) + list(range(127, 256)))
                 for _ in range(longitud))


def token(rng, opciones):
    """One answer: mostly well-formed, biased toward the menu's options other
    than the last, so that sessions reach deep into the dialogue."""
    clases = [
        ("opcion", 40 if opciones else 0),
        ("fin", 1 if opciones else 0),
        ("pequenio", 20),
        ("entero", 8),
        ("desborde", 5),
        ("real", 6),
        ("signo", 4),
        ("palabra", 7),
        ("larga", 1),
        ("control", 5),
    ]
    clase = elegir(rng, clases)
    if clase == "opcion":
        return str(rng.randint(1, opciones - 1)).encode()
    if clase == "fin":
        return str(opciones).encode()
    if clase == "pequenio":
        return str(rng.randint(-3, 12)).encode()
    if clase == "entero":
        return str(rng.randint(-2**31, 2**31 - 1)).encode()
    if clase == "desborde":
        return rng.choice(DESBORDES).encode()
    if clase == "real":
        return rng.choice(REALES).encode()
    if clase == "signo":
        return rng.choice(["-", "+"]).encode()
    if clase == "palabra":
        return rng.choice(PALABRAS).encode()
    if clase == "larga":
        letra = rng.choice("abcdefghijklmnopqrstuvwxyz7")
        return (letra * rng.randint(100, 20000)).encode()
    return bytes_de_control(rng)


def generar(nombre, semilla):
    """The input of one session: its bytes depend on `nombre` and `semilla`."""
    rng = random.Random(f"{nombre}/{semilla}")
    opciones = OPCIONES_MENU[nombre]
    partes = []
    for _ in range(rng.randint(1, 300)):
        partes.append(token(rng, opciones))
        partes.append(elegir(rng, SEPARADORES).encode())
    entrada = b"".join(partes)
    corte = rng.random()
    if corte < 0.4:
        # Cut in the middle of a token: the input ends with no separator.
        ultimo = token(rng, opciones)
        entrada += ultimo[:rng.randint(1, len(ultimo))]
    elif corte < 0.6 and entrada:
        entrada = entrada[:rng.randint(0, len(entrada))]
    return entrada


def ejecutar(programa, entrada, plazo):
    """Runs one session; returns None when it passed, else what went wrong."""
    try:
        proceso = subprocess.run([programa], input=entrada,
                                 stdout=subprocess.DEVNULL,
                                 stderr=subprocess.PIPE, timeout=plazo,
                                 check=False)
    except subprocess.TimeoutExpired:
        return f"still running after {plazo} s"
    fallos = []
    if proceso.returncode != 0:
        fallos.append(f"exit status {proceso.returncode}, expected 0")
    if proceso.stderr:
        texto = proceso.stderr.decode(errors="replace")
        fallos.append("standard error not empty:\n" + texto[:4000])
    return "; ".join(fallos) if fallos else None


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    argumentos.add_argument("programa")
    argumentos.add_argument("nombre", choices=sorted(OPCIONES_MENU))
    argumentos.add_argument(
        "--sessions", type=int,
        default=int(os.environ.get("HOSTILE_SESSIONS", "200")))
    argumentos.add_argument("--seed", type=int,
                            default=int(os.environ.get("HOSTILE_SEED", "1")))
    argumentos.add_argument("--timeout", type=float, default=5.0)
    argumentos.add_argument("--print-input", action="store_true")
    opciones = argumentos.parse_args()

    if opciones.print_input:
        sys.stdout.buffer.write(generar(opciones.nombre, opciones.seed))
        return 0

    def sesion(semilla):
        entrada = generar(opciones.nombre, semilla)
        return semilla, entrada, ejecutar(opciones.programa, entrada,
                                          opciones.timeout)

    semillas = range(opciones.seed, opciones.seed + opciones.sessions)
    # The sessions are independent processes: one per core at a time.
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as grupo:
        resultados = list(grupo.map(sesion, semillas))

    fallidas = 0
    for semilla, entrada, fallo in resultados:
        if fallo is None:
            continue
        fallidas += 1
        guardada = f"hostile_{opciones.nombre}_{semilla}.in"
        with open(guardada, "wb") as fichero:
            fichero.write(entrada)
        print(f"FAILED seed {semilla}: {fallo}")
        print(f"  input kept in {os.path.abspath(guardada)}")
        print(f"  replay: python3 {os.path.abspath(__file__)} "
              f"{opciones.programa} {opciones.nombre} --seed {semilla} "
              f"--sessions 1")
    print(f"seeds {opciones.seed} to {opciones.seed + opciones.sessions - 1}")
    print(f"{opciones.nombre}: {opciones.sessions - fallidas} passed, "
          f"{fallidas} failed")
    return 1 if fallidas else 0


if __name__ == "__main__":
    sys.exit(main())
