#!/usr/bin/env python3
"""Da a un programa de consola muchas sesiones de entrada hostil, con semilla.

Uso:
  hostile_input.py PROGRAMA NOMBRE [--sessions N] [--seed S] [--timeout SEG]
  hostile_input.py PROGRAMA NOMBRE --seed S --print-input   (la entrada de S)

NOMBRE, el del programa en la lista de la compilación, elige el perfil del
menú: cuántas opciones tiene, según tests/programas.tsv; un nombre que no
está ahí es un fallo que dice qué añadir. La sesión i de una ejecución usa la semilla
S + i (S vale 1 por omisión, o $HOSTILE_SEED), y su entrada depende solo de
NOMBRE y de esa semilla, así que cualquier sesión se puede repetir. N vale
$HOSTILE_SESSIONS, o 200.

Cada sesión ha de terminar sola dentro del plazo, con estado 0 y nada en la
salida de errores (donde informan un sanitizador o un comprobador de
memoria). Una sesión que falla se muestra con su semilla y la orden que la
repite, y su entrada se guarda en hostile_<NOMBRE>_<semilla>.in en la
carpeta de trabajo.
"""

import argparse
import concurrent.futures
import os
import random
import subprocess
import sys

import programas

# Lo que separa las respuestas, con su peso: sobre todo blancos y fines de
# línea, a veces los de Windows o los que casi nadie teclea.
SEPARADORES = [(" ", 30), ("\n", 50), ("\t", 5), ("\r\n", 5), ("  \n\n", 5),
               ("\v\f", 2)]

# Palabras y casi números: lo que una lectura de número no toma, o toma solo
# en parte.
PALABRAS = ["abc", "Enero", "rojo", "azul", "x", "nan", "inf", "uno", "NULL",
            "%s%n", "\u00f1and\u00fa", "0x1F", "1e5", "12abc", "-5x", "+-3",
            "3..5", "--1", "++", "1,5", "\u20ac"]

# Enteros fuera de los 32 bits.
DESBORDES = ["2147483648", "-2147483649", "4294967296", "99999999999",
             "-99999999999999999999", "9223372036854775808",
             "1" + "0" * 40, "-" + "9" * 60]

# Reales de todas las formas, también fuera del rango de un float.
REALES = ["3.5", "-0.25", "0", "-0", "1e10", "1e400", "-1e400", "1e-400",
          "0.1", "123456789.123", ".5", "5.", "1e", "-.e3"]


def elegir(rng, pesos):
    """Un valor de la lista de pares (valor, peso), al azar según su peso."""
    total = sum(peso for _, peso in pesos)
    punto = rng.uniform(0, total)
    for valor, peso in pesos:
        punto -= peso
        if punto <= 0:
            return valor
    return pesos[-1][0]


def bytes_de_control(rng):
    """De 1 a 12 bytes de control o de fuera de ASCII, sueltos."""
    longitud = rng.randint(1, 12)
    return bytes(rng.choice(list(range(0, 32)) + list(range(127, 256)))
                 for _ in range(longitud))


def token(rng, opciones):
    """Una respuesta: casi siempre bien formada y con preferencia por las
    opciones del menú distintas de la última, para que las sesiones lleguen
    hasta el fondo del diálogo."""
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


def generar(nombre, semilla, opciones):
    """La entrada de una sesión con un menú de `opciones` (la última termina;
    0, sin menú): sus bytes dependen de `nombre` y `semilla`."""
    rng = random.Random(f"{nombre}/{semilla}")
    partes = []
    for _ in range(rng.randint(1, 300)):
        partes.append(token(rng, opciones))
        partes.append(elegir(rng, SEPARADORES).encode())
    entrada = b"".join(partes)
    corte = rng.random()
    if corte < 0.4:
        # Cortada a media respuesta: la entrada acaba sin separador.
        ultimo = token(rng, opciones)
        entrada += ultimo[:rng.randint(1, len(ultimo))]
    elif corte < 0.6 and entrada:
        entrada = entrada[:rng.randint(0, len(entrada))]
    return entrada


def ejecutar(programa, entrada, plazo):
    """Ejecuta una sesión; da None si pasó, y si no, qué fue mal."""
    try:
        proceso = subprocess.run([programa], input=entrada,
                                 stdout=subprocess.DEVNULL,
                                 stderr=subprocess.PIPE, timeout=plazo,
                                 check=False)
    except subprocess.TimeoutExpired:
        return f"sigue en marcha tras {plazo} s"
    fallos = []
    if proceso.returncode != 0:
        fallos.append(f"estado {proceso.returncode}, se esperaba 0")
    if proceso.stderr:
        texto = proceso.stderr.decode(errors="replace")
        fallos.append("la salida de errores no está vacía:\n" + texto[:4000])
    return "; ".join(fallos) if fallos else None


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    argumentos.add_argument("programa")
    argumentos.add_argument("nombre")
    argumentos.add_argument(
        "--sessions", type=int,
        default=int(os.environ.get("HOSTILE_SESSIONS", "200")))
    argumentos.add_argument("--seed", type=int,
                            default=int(os.environ.get("HOSTILE_SEED", "1")))
    argumentos.add_argument("--timeout", type=float, default=5.0)
    argumentos.add_argument("--print-input", action="store_true")
    opciones = argumentos.parse_args()
    menu = programas.opciones(opciones.nombre)
    if menu is None:
        print(f"{opciones.nombre}: no hay perfil de menú; añade la línea "
              f"«{opciones.nombre}<TAB>opciones<TAB><opciones del menú, 0 si "
              f"no tiene>» a {programas.TABLA}")
        return 1

    if opciones.print_input:
        sys.stdout.buffer.write(generar(opciones.nombre, opciones.seed, menu))
        return 0

    def sesion(semilla):
        entrada = generar(opciones.nombre, semilla, menu)
        return semilla, entrada, ejecutar(opciones.programa, entrada,
                                          opciones.timeout)

    semillas = range(opciones.seed, opciones.seed + opciones.sessions)
    # Las sesiones son procesos independientes: uno por núcleo a la vez.
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
        print(f"FALLO con la semilla {semilla}: {fallo}")
        print(f"  entrada guardada en {os.path.abspath(guardada)}")
        print(f"  para repetirla: python3 {os.path.abspath(__file__)} "
              f"{opciones.programa} {opciones.nombre} --seed {semilla} "
              f"--sessions 1")
    print(f"semillas de {opciones.seed} a "
          f"{opciones.seed + opciones.sessions - 1}")
    print(f"{opciones.nombre}: {opciones.sessions - fallidas} pasadas, "
          f"{fallidas} fallidas")
    return 1 if fallidas else 0


if __name__ == "__main__":
    sys.exit(main())
