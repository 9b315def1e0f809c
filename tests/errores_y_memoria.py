#!/usr/bin/env python3
"""Checks how a console program ends when its input or output fails, and
that no long answer makes it hold much memory.

Usage: errores_y_memoria.py PROGRAM NAME [--sin-memoria]

Each row of CASOS for NAME starts PROGRAM with standard input and output set
up as the row says, and checks its exit status (negative: the signal that
killed it) and the first line of its standard error. A row with a memory
bound feeds a 200 MiB answer through a pipe, in chunks, and once the program
waits for more input with all of it read, takes its peak resident memory
(VmHWM in /proc: the rusage of a child of this script would count the
interpreter's pages too); then comes the end of input. --sin-memoria skips
those rows (under the sanitizers a peak means nothing).
"""

import array
import fcntl
import os
import signal
import subprocess
import sys
import tempfile
import termios
import time

LARGO = 200 * 2**20  # bytes of each long answer
TROZO = 2**20        # written at a time
LIMITE = 8 * 1024    # KiB of peak resident memory a program may reach
PLAZO = 10.0         # seconds a program may take to wait or to end

ESCRIBIR = "{}: no se puede escribir en la salida: "
LEER = "{}: no se puede leer la entrada: "
TODOS = ("fixedstack", "growstack", "shapestack", "nodelist", "payslips")

# (row, programs, standard input, standard output, status, first line of
# standard error, peak KiB or None). A long answer is (before, unit, after):
# the unit repeated to LARGO bytes.
CASOS = [
    ("entrada_vacia", TODOS, "vacia", "nula", 0, "", None),
    ("salida_llena", TODOS, "vacia", "llena", 1,
     ESCRIBIR + "No space left on device", None),
    ("salida_cerrada", TODOS, "vacia", "cerrada", 1,
     ESCRIBIR + "Bad file descriptor", None),
    ("tuberia_rota_ignorada", TODOS, "vacia", "rota_ignorada", 1,
     ESCRIBIR + "Broken pipe", None),
    ("tuberia_rota", TODOS, "vacia", "rota", -signal.SIGPIPE, "", None),
    ("entrada_directorio", TODOS, "directorio", "nula", 1,
     LEER + "Is a directory", None),
    ("entrada_cerrada", TODOS, "cerrada", "nula", 1,
     LEER + "Bad file descriptor", None),
    ("opcion_de_cifras", ("growstack",), (b"", b"9", b"\n"), "nula", 0, "",
     LIMITE),
    ("opcion_de_letras", ("nodelist",), (b"", b"a", b"\n"), "nula", 0, "",
     LIMITE),
    ("numero_de_cifras", ("fixedstack",), (b"1\n1\n", b"7", b"\n"), "nula", 0,
     "", LIMITE),
    ("linea_descartada", ("fixedstack",), (b"1\n1\nx", b" palabra", b"\n"),
     "nula", 0, "", LIMITE),
    ("color_largo", ("shapestack",), (b"1\n1\n1\n", b"r", b"\n2\n"), "nula",
     0, "", LIMITE),
    ("lado_de_cifras", ("shapestack",), (b"1\n1\n1\nrojo\n", b"5", b"\n"),
     "nula", 0, "", LIMITE),
    ("mes_largo", ("payslips",), (b"", b"E", b"\n"), "nula", 0, "", LIMITE),
    ("porcentaje_de_cifras", ("payslips",), (b"Enero\n1\n", b"5", b"\n"),
     "nula", 0, "", LIMITE),
]


def esperando(proceso):
    """True once the program sleeps with its input pipe empty."""
    with open(f"/proc/{proceso.pid}/stat") as fichero:
        estado = fichero.read().rsplit(")", 1)[1].split()[0]
    pendientes = array.array("i", [0])
    fcntl.ioctl(proceso.stdin.fileno(), termios.FIONREAD, pendientes)
    return estado == "S" and pendientes[0] == 0


def alimentar(proceso, respuesta):
    """Writes the long answer; returns (peak KiB, None) or (None, failure)."""
    antes, unidad, despues = respuesta
    trozo = unidad * (TROZO // len(unidad))
    try:
        proceso.stdin.write(antes)
        for _ in range(LARGO // TROZO):
            proceso.stdin.write(trozo)
        proceso.stdin.write(despues)
        proceso.stdin.flush()
    except BrokenPipeError:
        return None, "it stopped reading before the end of the long answer"
    limite = time.monotonic() + PLAZO
    while proceso.poll() is None and time.monotonic() < limite:
        if esperando(proceso):
            with open(f"/proc/{proceso.pid}/status") as fichero:
                for linea in fichero:
                    if linea.startswith("VmHWM:"):
                        return int(linea.split()[1]), None
        time.sleep(0.01)
    return None, "it never waited for more input after the long answer"


def ejecutar(programa, entrada, salida):
    """Runs one row's session: (status, first line of stderr, peak, failure)."""
    en_el_hijo = []  # done in the child just before the program starts
    heredados = []   # descriptors the child takes; the test closes its copy
    stdin = subprocess.DEVNULL
    if entrada == "cerrada":
        en_el_hijo.append(lambda: os.close(0))
    elif entrada == "directorio":
        stdin = os.open(os.path.dirname(os.path.abspath(__file__)), os.O_RDONLY)
        heredados.append(stdin)
    elif isinstance(entrada, tuple):
        stdin = subprocess.PIPE
    stdout = subprocess.DEVNULL
    if salida == "llena":
        stdout = os.open("/dev/full", os.O_WRONLY)
        heredados.append(stdout)
    elif salida == "cerrada":
        en_el_hijo.append(lambda: os.close(1))
    elif salida.startswith("rota"):
        lectura, stdout = os.pipe()
        os.close(lectura)  # nobody will ever read what the program writes
        heredados.append(stdout)
        senial = signal.SIG_IGN if salida == "rota_ignorada" else signal.SIG_DFL
        en_el_hijo.append(lambda: signal.signal(signal.SIGPIPE, senial))
    with tempfile.TemporaryFile() as errores:
        proceso = subprocess.Popen(
            [programa], stdin=stdin, stdout=stdout, stderr=errores,
            preexec_fn=lambda: [accion() for accion in en_el_hijo])
        for descriptor in heredados:
            os.close(descriptor)
        pico, fallo = None, None
        if isinstance(entrada, tuple):
            pico, fallo = alimentar(proceso, entrada)
            try:
                proceso.stdin.close()  # the end of input
            except BrokenPipeError:
                pass
        try:
            estado = proceso.wait(timeout=PLAZO)
        except subprocess.TimeoutExpired:
            proceso.kill()
            estado = proceso.wait()
            fallo = fallo or f"still running after {PLAZO} s"
        errores.seek(0)
        primera = errores.read().decode(errors="replace").split("\n")[0]
    return estado, primera, pico, fallo


def main():
    programa, nombre = sys.argv[1], sys.argv[2]
    con_memoria = "--sin-memoria" not in sys.argv[3:]
    pasadas = fallidas = 0
    for caso, programas, entrada, salida, estado, error, limite in CASOS:
        if nombre not in programas or (limite and not con_memoria):
            continue
        inicio = time.monotonic()
        obtenido, primera, pico, fallo = ejecutar(programa, entrada, salida)
        esperado = error.format(nombre)
        fallos = [fallo] if fallo else []
        if obtenido != estado:
            fallos.append(f"status {obtenido}, expected {estado}")
        if primera != esperado:
            fallos.append(f"stderr {primera!r}, expected {esperado!r}")
        if limite and pico is not None and pico >= limite:
            fallos.append(f"peak {pico} KiB, expected below {limite} KiB")
        medida = f", peak {pico} KiB" if pico is not None else ""
        print(f"{'FAILED' if fallos else 'ok'} {caso}: status {obtenido}"
              f"{medida}, {time.monotonic() - inicio:.1f} s")
        for texto in fallos:
            print(f"  {texto}")
        fallidas += bool(fallos)
        pasadas += not fallos
    if not con_memoria:
        print("memory rows skipped")
    print(f"{nombre}: {pasadas} passed, {fallidas} failed")
    return 1 if fallidas else 0


if __name__ == "__main__":
    sys.exit(main())
