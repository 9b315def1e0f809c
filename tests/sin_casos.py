#!/usr/bin/env python3
"""Comprueba que un programa de prueba falla ante un programa sin casos.

Uso: sin_casos.py CONDUCTOR PROGRAMA

Ejecuta `CONDUCTOR PROGRAMA sin_casos`, como lo haría CTest con un programa
que la lista de la compilación nombra y del que el conductor no tiene datos.
Pasa si el conductor termina con estado 1, sin una traza de Python (un fallo
por descuido no cuenta), y su salida nombra el programa sin casos
(`sin_casos`) y dice qué añadir.
Así una entrada que falta en sus tablas no puede dar "0 pasadas, 0 fallidas"
y pasar.
"""

import subprocess
import sys

NOMBRE = "sin_casos"
PLAZO = 20.0  # segundos; el conductor ha de fallar antes de probar nada


def main():
    conductor, programa = sys.argv[1], sys.argv[2]
    proceso = subprocess.run([sys.executable, conductor, programa, NOMBRE],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                             timeout=PLAZO, check=False)
    texto = proceso.stdout.decode(errors="replace")
    fallos = []
    if proceso.returncode != 1:
        fallos.append(f"estado {proceso.returncode}, se esperaba 1")
    if "Traceback" in texto:
        fallos.append("terminó con una traza de Python, no con su mensaje")
    if NOMBRE not in texto or "añade" not in texto:
        fallos.append(f"su mensaje no nombra {NOMBRE} o no dice qué añadir")
    for fallo in fallos:
        print(f"FALLO: {fallo}")
    print(f"salida de {conductor}:\n{texto}", end="")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
