#!/usr/bin/env python3
"""Lee tests/programas.tsv, lo que las pruebas saben de cada programa, y las
transcripciones a las que apunta.

Uso desde otro lenguaje:
  programas.py espera PROGRAMA    la última línea de la primera pantalla de
                                  PROGRAMA, la que se ve cuando espera su
                                  primera respuesta
  programas.py opciones PROGRAMA  las opciones de su menú
"""

import json
import os
import sys

CARPETA = os.path.dirname(os.path.abspath(__file__))
TABLA = os.path.join(CARPETA, "programas.tsv")


def _valor(campo):
    """Un campo de la tabla: una respuesta entre comillas da sus bytes."""
    return json.loads(campo).encode() if campo.startswith('"') else campo


def datos(programa, dato):
    """Las filas de `dato` de `programa`, cada una con sus valores."""
    filas = []
    with open(TABLA, encoding="utf-8") as tabla:
        for linea in tabla:
            campos = linea.rstrip("\n").split("\t")
            if not linea.startswith("#") and campos[:2] == [programa, dato]:
                filas.append([_valor(campo) for campo in campos[2:]])
    return filas


def opciones(programa):
    """Las opciones del menú de `programa` (0 sin menú), o None si la tabla
    no lo dice."""
    filas = datos(programa, "opciones")
    return int(filas[0][0]) if filas else None


def transcripcion(programa, caso):
    """La entrada y la salida de una transcripción, en bytes."""
    base = os.path.join(CARPETA, programa, "transcripts", caso)
    with open(base + ".in", "rb") as entrada, open(base + ".out", "rb") as salida:
        return entrada.read(), salida.read()


def primera_pantalla(programa):
    """Lo que muestra `programa` antes de esperar su primera respuesta: la
    salida de su transcripción de entrada vacía sin el fin de línea final."""
    return transcripcion(programa, datos(programa, "primera")[0][0])[1][:-1]


def espera(programa):
    """La última línea de la primera pantalla."""
    return primera_pantalla(programa).decode().rstrip("\n").split("\n")[-1]


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in ("espera", "opciones"):
        sys.exit("uso: programas.py espera|opciones PROGRAMA")
    print(espera(sys.argv[2]) if sys.argv[1] == "espera"
          else opciones(sys.argv[2]))
