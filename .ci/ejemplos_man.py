#!/usr/bin/env python3
"""Uso: ejemplos_man.py PÁGINA...

En la sección EJEMPLO de cada página, el primer bloque de ejemplo (.EX) es
una orden y el último lo que se ve al darla. Se compone cada bloque con man
a 80 columnas, se da la orden con los programas del PATH y lo que se ve en
la página ha de ser, línea a línea, lo que escribe la orden, o un trozo
seguido de ello (una página puede mostrar solo una parte). man quita los
blancos del final de cada línea y junta las líneas en blanco seguidas, así
que lo que escribe la orden se compara igual: sin esos blancos y con cada
racha de líneas en blanco juntada en una.
"""

import os
import re
import subprocess
import sys
import tempfile


def bloques(pagina):
    """Los bloques .EX ... .EE de la sección EJEMPLO, en el fuente."""
    fuera, dentro, actual, encontrados = True, False, [], []
    with open(pagina, encoding="utf-8") as fuente:
        for linea in fuente:
            linea = linea.rstrip("\n")
            if linea.startswith(".SH "):
                fuera = linea != ".SH EJEMPLO"
            elif not fuera and linea == ".EX":
                dentro, actual = True, []
            elif dentro and linea == ".EE":
                dentro = False
                encontrados.append(actual)
            elif dentro:
                actual.append(linea)
    return encontrados


def como_lo_muestra_man(lineas):
    """El bloque compuesto por man a 80 columnas, sin su sangría."""
    with tempfile.NamedTemporaryFile("w", suffix=".1", encoding="utf-8",
                                     delete=False) as pagina:
        pagina.write(".TH X 1\n.SH E\n.EX\n" + "\n".join(lineas) + "\n.EE\n")
    try:
        texto = subprocess.run(
            ["man", "-l", pagina.name], capture_output=True, text=True,
            check=True, env=dict(os.environ, MANWIDTH="80")).stdout
    finally:
        os.unlink(pagina.name)
    # Entre el título de sección "E" y el pie de página.
    compuestas = texto.split("\n")
    inicio = compuestas.index("E") + 1
    final = max(i for i, linea in enumerate(compuestas) if linea.strip())
    return recortar([re.sub("^ {7}", "", linea.rstrip())
                     for linea in compuestas[inicio:final]])


def recortar(lineas):
    """Sin las líneas en blanco del principio y del final."""
    while lineas and not lineas[0]:
        lineas.pop(0)
    while lineas and not lineas[-1]:
        lineas.pop()
    return lineas


def juntar_en_blanco(lineas):
    """Las líneas con cada racha de líneas en blanco juntada en una."""
    return [linea for i, linea in enumerate(lineas)
            if linea or i == 0 or lineas[i - 1]]


def contiene(todo, trozo):
    return any(todo[i:i + len(trozo)] == trozo
               for i in range(len(todo) - len(trozo) + 1))


def main():
    fallos = 0
    for pagina in sys.argv[1:]:
        encontrados = bloques(pagina)
        if len(encontrados) < 2:
            print(f"{pagina}: EJEMPLO no tiene un bloque de orden y otro de "
                  "salida",
                  file=sys.stderr)
            fallos += 1
            continue
        orden = "\n".join(como_lo_muestra_man(encontrados[0]))
        vista = como_lo_muestra_man(encontrados[-1])
        resultado = subprocess.run(["bash", "-c", "set -o pipefail\n" + orden],
                                   capture_output=True, text=True, check=False)
        escrito = juntar_en_blanco(recortar(
            [linea.rstrip() for linea in resultado.stdout.split("\n")]))
        if resultado.returncode != 0 or not contiene(escrito, vista):
            print(f"{pagina}: el ejemplo no muestra lo que escribe `{orden}` "
                  f"(estado {resultado.returncode}); escribe:",
                  file=sys.stderr)
            print("\n".join(escrito), file=sys.stderr)
            fallos += 1
    print(f"ejemplos de man: {len(sys.argv) - 1 - fallos} pasados, "
          f"{fallos} fallidos")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
