#!/usr/bin/env python3
"""Benchmark of the menu programs: not a test, and not part of ctest.

Usage: bench.py BIN_DIR [--actions N]

For each menu program found in BIN_DIR, runs a scripted session of N menu
actions (20,000 by default) with its output to /dev/null and prints:
- actions per second (best of three runs), and the same session's rate
  through pipes, `cat in | program | cat >/dev/null`, with its ratio to the
  rate from the file;
- peak memory (maximum resident set size, by GNU time);
- system calls per action, all of them and those other than write, counted
  by strace against a session that ends at once (so start-up is left out);
- child processes started (forks, clones and execs after its own exec);
- for growstack, the peak memory that each slot of capacity adds;
- for fixedstack on a pseudo-terminal, the write system calls per PUSH and
  per wait, from /proc/PID/io while the program waits.
The containers are kept to a few dozen values so that the listings stay
short.
"""

import argparse
import fcntl
import os
import random
import re
import select
import shutil
import subprocess
import sys
import tempfile
import termios
import time

ACCIONES = 20000
# Actions per second that each program should reach on the project's machine.
OBJETIVOS = {"fixedstack": 150000, "growstack": 100000, "nodelist": 100000,
             "shapestack": 30000}
# The README's rates from a file before the console session (actions per
# second): a rate from a file should not fall below them.
ANTES = {"fixedstack": 570000, "growstack": 280000, "nodelist": 1240000,
         "shapestack": 215000}
# Through pipes a session should keep at least this share of its rate from a
# file.
PARTE_TUBERIAS = 0.5
TOPE = 30  # at most this many values in a container or the list
# fixedstack on a pseudo-terminal: PUSHes driven, and the write system calls
# a PUSH may take at most (it waits four times: option, container, number
# and the pause's key).
EMPUJES_TERMINAL = 10
MAXIMO_POR_EMPUJE = 5


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


def cronometrar_tuberias(programa, entrada):
    """Seconds of one run as `cat in | program | cat >/dev/null`: real pipes
    at both ends, the last cat draining the output as it comes."""
    with open(os.devnull, "wb") as nulo:
        inicio = time.perf_counter()
        primero = subprocess.Popen(["cat", entrada], stdout=subprocess.PIPE)
        medio = subprocess.Popen([programa], stdin=primero.stdout,
                                 stdout=subprocess.PIPE)
        ultimo = subprocess.Popen(["cat"], stdin=medio.stdout, stdout=nulo)
        # Only the children keep the pipes open.
        primero.stdout.close()
        medio.stdout.close()
        estados = [proceso.wait() for proceso in (primero, medio, ultimo)]
        segundos = time.perf_counter() - inicio
    if estados[1] != 0:
        sys.exit(f"{programa} ended with status {estados[1]} through pipes")
    if estados[0] != 0 or estados[2] != 0:
        sys.exit(f"cat ended with status {estados[0]} or {estados[2]}")
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


def leer_contador(pid, campo):
    """One field of /proc/PID/io: syscw counts the write system calls, wchar
    the bytes they wrote."""
    with open(f"/proc/{pid}/io") as texto:
        for linea in texto:
            nombre, valor = linea.split(":")
            if nombre == campo:
                return int(valor)
    raise KeyError(campo)


def estado_proceso(pid):
    """The state letter of /proc/PID/stat (S: sleeping, Z: ended)."""
    with open(f"/proc/{pid}/stat") as texto:
        return texto.read().rsplit(")", 1)[1].split()[0]


class Terminal:
    """fixedstack on a pseudo-terminal of its own, which it has as its
    controlling terminal. The terminal neither echoes nor turns line ends
    into CR LF, so that what arrives on the master side is exactly what the
    program wrote; the program sees a terminal all the same, and its pause
    switches to key mode and back as on any other."""

    def __init__(self, programa):
        self.maestro, esclavo = os.openpty()
        modo = termios.tcgetattr(esclavo)
        modo[1] &= ~termios.OPOST
        modo[3] &= ~termios.ECHO
        termios.tcsetattr(esclavo, termios.TCSANOW, modo)

        def controlar():
            os.setsid()
            fcntl.ioctl(0, termios.TIOCSCTTY, 0)

        entorno = dict(os.environ, TERM="xterm")
        self.proceso = subprocess.Popen([programa], stdin=esclavo,
                                        stdout=esclavo, stderr=esclavo,
                                        preexec_fn=controlar, env=entorno)
        os.close(esclavo)
        self.recibido = bytearray()
        self.visto = 0  # bytes of `recibido` already matched by esperar

    def leer(self, plazo):
        """Takes what the program wrote within `plazo` seconds; False once the
        program has closed the terminal."""
        listos, _, _ = select.select([self.maestro], [], [], plazo)
        if not listos:
            return True
        try:
            datos = os.read(self.maestro, 65536)
        except OSError:  # EIO: no slave side left
            return False
        self.recibido += datos
        return bool(datos)

    def esperar(self, texto, plazo=5.0):
        """Reads on until `texto` has come after the last match and the
        program sleeps, waiting for input, with its write count steady."""
        limite = time.monotonic() + plazo
        clave = texto.encode()
        while True:
            posicion = self.recibido.find(clave, self.visto)
            if posicion >= 0:
                break
            if time.monotonic() > limite or not self.leer(0.05):
                sys.exit(f"fixedstack on a terminal: no {texto!r}; it showed "
                         f"{bytes(self.recibido[self.visto:])!r}")
        self.visto = posicion + len(clave)
        pid = self.proceso.pid
        anterior = None
        while True:
            self.leer(0.005)
            actual = leer_contador(pid, "syscw")
            if estado_proceso(pid) == "S" and actual == anterior:
                return actual
            if time.monotonic() > limite:
                sys.exit("fixedstack on a terminal: it does not wait")
            anterior = actual

    def en_modo_tecla(self, plazo=2.0):
        """Waits until the terminal leaves line mode (the pause's key mode)."""
        limite = time.monotonic() + plazo
        while termios.tcgetattr(self.maestro)[3] & termios.ICANON:
            if time.monotonic() > limite:
                sys.exit("fixedstack on a terminal: the pause does not wait "
                         "for a key")
            self.leer(0.005)

    def teclear(self, texto):
        os.write(self.maestro, texto.encode())

    def terminar(self):
        """Reads to the program's end; its write count and status."""
        while self.leer(1.0):
            pass
        pid = self.proceso.pid
        # An ended process that nobody has waited for still shows its counts.
        limite = time.monotonic() + 5.0
        while estado_proceso(pid) != "Z" and time.monotonic() < limite:
            time.sleep(0.005)
        escrituras = leer_contador(pid, "syscw")
        escrito = leer_contador(pid, "wchar")
        estado = self.proceso.wait()
        os.close(self.maestro)
        return escrituras, escrito, estado


def escrituras_en_terminal(programa, empujes):
    """fixedstack on a pseudo-terminal: starts, does `empujes` PUSHes (menu
    option, container, number, the pause's key), ends with 4. Counts the
    write system calls made before each wait, by /proc/PID/io read while the
    program waits; each answer is typed only then, and the key only once the
    pause waits in key mode. Returns the writes per PUSH, the writes before
    each wait of the PUSHes as (wait, writes), the writes at start-up and at
    the end, and whether every byte written reached the terminal."""
    fin_menu = "4. FIN\n"
    terminal = Terminal(programa)
    inicio = terminal.esperar(fin_menu)
    antes = inicio
    esperas = []
    for paso in range(empujes):
        contenedor = str(paso % 2 + 1)
        for respuesta, siguiente, espera in (
                ("1", "cola(1), pila(2)? ", "container"),
                (contenedor, "introducir? ", "number"),
                (str(100 + paso), "continuar . . . ", "pause key"),
                ("", fin_menu, "menu option")):
            if respuesta:
                terminal.teclear(respuesta + "\n")
            else:
                terminal.en_modo_tecla()
                terminal.teclear("k")
            ahora = terminal.esperar(siguiente)
            esperas.append((espera, ahora - antes))
            antes = ahora
    terminal.teclear("4\n")
    total, escrito, estado = terminal.terminar()
    if estado != 0:
        sys.exit(f"fixedstack on a terminal ended with status {estado}")
    completo = escrito == len(terminal.recibido)
    return ((antes - inicio) / empujes, esperas, inicio, total - antes,
            completo)


def informar_terminal(programa):
    """Prints fixedstack's writes on a pseudo-terminal, and each kind of wait
    that came after more than one write."""
    por_empuje, esperas, inicio, final, completo = \
        escrituras_en_terminal(programa, EMPUJES_TERMINAL)
    print(f"{os.path.basename(programa)} on a pseudo-terminal, "
          f"{EMPUJES_TERMINAL} PUSHes with their pauses, {len(esperas)} "
          f"waits:")
    veredicto = "" if por_empuje <= MAXIMO_POR_EMPUJE else "  above target"
    print(f"  writes per PUSH {por_empuje:.2f} (target: at most "
          f"{MAXIMO_POR_EMPUJE}){veredicto}")
    cuantas = [escrituras for _, escrituras in esperas]
    print(f"  writes per wait {sum(cuantas) / len(cuantas):.2f}, "
          f"at most {max(cuantas)} before one wait; "
          f"{inicio} before the first menu, {final} at the end")
    for espera in sorted({espera for espera, _ in esperas}):
        muchas = [n for e, n in esperas if e == espera and n > 1]
        if muchas:
            print(f"  more than one write before the {espera}: "
                  f"{len(muchas)} times, up to {max(muchas)}")
    if completo:
        print("  every byte the program wrote reached the terminal")
    else:
        print("  some of the program's writes did not go to the terminal")


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
    print(f"{'program':<11} {'actions/s':>10} {'target':>8} {'before':>8} "
          f"{'peak KiB':>9} {'calls/act':>9} {'non-write':>9} "
          f"{'children':>8}")
    tuberias = []
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

            # From the file and through pipes in turn, so that a busy moment
            # of the machine weighs on both alike.
            veces = [(cronometrar(programa, entrada),
                      cronometrar_tuberias(programa, entrada))
                     for _ in range(3)]
            mejor = min(fichero for fichero, _ in veces)
            mejor_tuberias = min(tuberia for _, tuberia in veces)
            pico = medir_memoria(programa, entrada, carpeta)
            total, otras = contar_llamadas(programa, entrada, carpeta)
            total0, otras0 = contar_llamadas(programa, base, carpeta)
            hijos = contar_procesos(programa, entrada, carpeta)
            por_segundo = opciones.actions / mejor
            objetivo = OBJETIVOS[nombre]
            veredicto = "" if por_segundo >= objetivo and hijos == 0 \
                else "  below target"
            if por_segundo < ANTES[nombre]:
                veredicto += "  slower than before"
            print(f"{nombre:<11} {por_segundo:>10.0f} {objetivo:>8} "
                  f"{ANTES[nombre]:>8} {pico:>9} "
                  f"{(total - total0) / opciones.actions:>9.2f} "
                  f"{(otras - otras0) / opciones.actions:>9.3f} "
                  f"{hijos:>8}{veredicto}")
            tuberias.append((nombre, por_segundo,
                             opciones.actions / mejor_tuberias))
        growstack = os.path.join(opciones.bin, "growstack")
        if os.access(growstack, os.X_OK):
            print(f"growstack peak memory per slot of capacity, per container: "
                  f"{bytes_por_hueco(growstack, carpeta):.2f} bytes")
    print("before: the README's rate from a file before the console session")

    print()
    print(f"Through pipes, cat in | program | cat >/dev/null (target: at "
          f"least {PARTE_TUBERIAS} of the rate from the file)")
    print(f"{'program':<11} {'file a/s':>10} {'pipes a/s':>10} {'ratio':>6}")
    for nombre, fichero, tuberia in tuberias:
        veredicto = "" if tuberia >= PARTE_TUBERIAS * fichero \
            else "  below target"
        print(f"{nombre:<11} {fichero:>10.0f} {tuberia:>10.0f} "
              f"{tuberia / fichero:>6.2f}{veredicto}")

    fixedstack = os.path.join(opciones.bin, "fixedstack")
    if os.access(fixedstack, os.X_OK):
        print()
        informar_terminal(fixedstack)
    return 0


if __name__ == "__main__":
    sys.exit(main())
