#!/usr/bin/env python3
"""Medición de los programas de menú: no es una prueba ni forma parte de ctest.

Uso: bench.py CARPETA_BIN [--actions N]

Los programas son los de programas.txt, la lista que escribe la
configuración en la carpeta de compilación (la que contiene CARPETA_BIN).
Para cada programa de menú de la lista, ejecuta una sesión con guion de N
acciones de menú (20.000 por omisión), con la salida a /dev/null, y muestra:
- acciones por segundo (la mejor de tres ejecuciones), y lo mismo a través
  de tuberías, `cat in | programa | cat >/dev/null`, con su proporción
  respecto a la del fichero;
- el pico de memoria (el máximo de memoria residente, según GNU time);
- las llamadas al sistema por acción, todas y las que no son write,
  contadas con strace y descontadas las de una sesión que acaba enseguida
  (así no cuenta el arranque);
- los procesos hijos que arranca (forks, clones y execs tras el suyo);
- para growstack, el pico de memoria que añade cada hueco de capacidad;
- para fixedstack en un pseudoterminal, las llamadas write por PUSH y por
  espera, de /proc/PID/io mientras el programa espera.
Los contenedores guardan como mucho unas decenas de valores para que los
listados sean cortos.

Un programa de la lista sin sesión en SESIONES se señala y hace que la
medición termine con estado 1: hay que añadirle una (o None si no tiene
menú).
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

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "..", "tests"))
import programas  # tests/programas.py: lo que se sabe de cada programa

ACCIONES = 20000
# Acciones por segundo que cada programa debería alcanzar en la máquina del
# proyecto.
OBJETIVOS = {"fixedstack": 150000, "growstack": 100000, "nodelist": 100000,
             "shapestack": 30000}
# Las velocidades desde un fichero que da README.md de antes de la sesión de
# consola (acciones por segundo): una velocidad desde un fichero no debería
# quedar por debajo.
ANTES = {"fixedstack": 570000, "growstack": 280000, "nodelist": 1240000,
         "shapestack": 215000}
# A través de tuberías una sesión debería conservar al menos esta parte de su
# velocidad desde un fichero.
PARTE_TUBERIAS = 0.5
TOPE = 30  # como mucho tantos valores en un contenedor o en la lista
# fixedstack en un pseudoterminal: los PUSH que se hacen, y las llamadas write
# que puede costar como mucho un PUSH (espera cuatro veces: opción,
# contenedor, número y la tecla de la pausa).
EMPUJES_TERMINAL = 10
MAXIMO_POR_EMPUJE = 5


def decimal(numero, cifras):
    """`numero` con `cifras` decimales y coma decimal."""
    return f"{numero:.{cifras}f}".replace(".", ",")


def sesion_pila(rng, acciones, inicio, empujar, capacidad):
    """Menú 1 PUSH, 2 POP, 3 DELETE sobre una cola (1) y una pila (2)."""
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
    """Un número para un PUSH de fixedstack o growstack."""
    return str(rng.randint(0, 999))


def figura(rng):
    """Una figura para un PUSH de shapestack: clase, color y tamaño."""
    clase = rng.choice((1, 2))
    color = rng.choice(("rojo", "verde", "azul", "amarillo", "negro"))
    return f"{clase}\n{color}\n{rng.randint(1, 20)}.5"


def sesion_lista(rng, acciones):
    """Menú 1 insertar al principio, 2 al final, 3 borrar, 4 buscar,
    5 mostrar; 6 termina, y luego la espera final de un Enter."""
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


# Programa: (una sesión de n acciones, una sesión que acaba enseguida), o
# None para un programa sin menú, que no se mide.
SESIONES = {
    "fixedstack": (lambda rng, n: sesion_pila(rng, n, "", numero, 10), "4\n"),
    "growstack": (lambda rng, n: sesion_pila(rng, n, "1\n", numero, 10**9),
                  "1\n4\n"),
    "shapestack": (lambda rng, n: sesion_pila(rng, n, "", figura, 10), "4\n"),
    "nodelist": (sesion_lista, "6\n\n"),
    "payslips": None,
}


def cronometrar(programa, entrada):
    """Segundos de una ejecución."""
    with open(entrada, "rb") as fichero, open(os.devnull, "wb") as nulo:
        inicio = time.perf_counter()
        estado = subprocess.run([programa], stdin=fichero, stdout=nulo,
                                check=False).returncode
        segundos = time.perf_counter() - inicio
    if estado != 0:
        sys.exit(f"{programa} terminó con estado {estado}")
    return segundos


def cronometrar_tuberias(programa, entrada):
    """Segundos de una ejecución como `cat in | programa | cat >/dev/null`:
    tuberías de verdad en los dos extremos, y el último cat vacía la salida
    según llega."""
    with open(os.devnull, "wb") as nulo:
        inicio = time.perf_counter()
        primero = subprocess.Popen(["cat", entrada], stdout=subprocess.PIPE)
        medio = subprocess.Popen([programa], stdin=primero.stdout,
                                 stdout=subprocess.PIPE)
        ultimo = subprocess.Popen(["cat"], stdin=medio.stdout, stdout=nulo)
        # Solo los hijos mantienen abiertas las tuberías.
        primero.stdout.close()
        medio.stdout.close()
        estados = [proceso.wait() for proceso in (primero, medio, ultimo)]
        segundos = time.perf_counter() - inicio
    if estados[1] != 0:
        sys.exit(f"{programa} terminó con estado {estados[1]} por tuberías")
    if estados[0] != 0 or estados[2] != 0:
        sys.exit(f"cat terminó con estado {estados[0]} o {estados[2]}")
    return segundos


def medir_memoria(programa, entrada, carpeta):
    """El pico de memoria residente de una ejecución en KiB, según
    /usr/bin/time: un hijo de este script daría el tamaño del propio script,
    heredado con el fork."""
    informe = os.path.join(carpeta, "memoria")
    with open(entrada, "rb") as fichero, open(os.devnull, "wb") as nulo:
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", informe, programa],
                       stdin=fichero, stdout=nulo, check=True)
    with open(informe) as texto:
        return int(texto.read().split()[-1])


def contar_llamadas(programa, entrada, carpeta):
    """Todas las llamadas al sistema de una ejecución y las que no son write,
    según strace."""
    informe = os.path.join(carpeta, "llamadas")
    with open(entrada, "rb") as fichero, open(os.devnull, "wb") as nulo:
        subprocess.run(["strace", "-f", "-c", "-o", informe, programa],
                       stdin=fichero, stdout=nulo, check=True)
    total = escrituras = 0
    with open(informe) as texto:
        for linea in texto:
            campos = linea.split()
            # % time, seconds, usecs/call, calls, [errors,] syscall
            # (las columnas del resumen de strace)
            if len(campos) >= 5 and campos[-1] not in ("total", "syscall") \
                    and campos[3].isdigit():
                total += int(campos[3])
                if campos[-1] in ("write", "writev"):
                    escrituras += int(campos[3])
    return total, total - escrituras


def contar_procesos(programa, entrada, carpeta):
    """Procesos arrancados: forks y clones, y los execs tras el primero."""
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
    """El pico de memoria de growstack según su capacidad: los dos
    contenedores construidos con un hueco y con un millón, y luego un PUSH;
    la diferencia por hueco de cada contenedor."""
    picos = []
    for tamanio in (1, 1000000):
        entrada = os.path.join(carpeta, f"capacidad{tamanio}.in")
        with open(entrada, "w") as fichero:
            fichero.write(f"2\n{tamanio}\n0\n1\n1\n7\n4\n")
        picos.append(medir_memoria(programa, entrada, carpeta))
    return (picos[1] - picos[0]) * 1024 / (2 * (1000000 - 1))


def leer_contador(pid, campo):
    """Un campo de /proc/PID/io: syscw cuenta las llamadas write, wchar los
    bytes que escribieron."""
    with open(f"/proc/{pid}/io") as texto:
        for linea in texto:
            nombre, valor = linea.split(":")
            if nombre == campo:
                return int(valor)
    raise KeyError(campo)


def estado_proceso(pid):
    """La letra de estado de /proc/PID/stat (S: dormido, Z: terminado)."""
    with open(f"/proc/{pid}/stat") as texto:
        return texto.read().rsplit(")", 1)[1].split()[0]


class Terminal:
    """fixedstack en un pseudoterminal propio, que es su terminal de
    control. El terminal ni hace eco ni convierte los fines de línea en
    CR LF, para que lo que llega al lado maestro sea justo lo que escribió el
    programa; el programa ve un terminal igualmente, y su pausa pasa al modo
    de tecla y vuelve como en cualquier otro."""

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
        self.visto = 0  # bytes de `recibido` en la última espera

    def leer(self, plazo):
        """Recoge lo que el programa escribe en `plazo` segundos; False
        cuando el programa ya ha cerrado el terminal."""
        listos, _, _ = select.select([self.maestro], [], [], plazo)
        if not listos:
            return True
        try:
            datos = os.read(self.maestro, 65536)
        except OSError:  # EIO: ya no queda lado esclavo
            return False
        self.recibido += datos
        return bool(datos)

    def esperar(self, plazo=5.0):
        """Lee hasta que el programa, tras mostrar algo desde la última
        espera, duerme esperando entrada sin que cambie su cuenta de
        escrituras; da esa cuenta."""
        limite = time.monotonic() + plazo
        pid = self.proceso.pid
        anterior = None
        while True:
            self.leer(0.005)
            actual = leer_contador(pid, "syscw")
            if len(self.recibido) > self.visto and \
                    estado_proceso(pid) == "S" and actual == anterior:
                self.visto = len(self.recibido)
                return actual
            if time.monotonic() > limite:
                sys.exit("fixedstack en un terminal: no muestra nada y "
                         "espera, o no espera; mostró "
                         f"{bytes(self.recibido[self.visto:])!r}")
            anterior = actual

    def en_modo_tecla(self, plazo=2.0):
        """Espera a que el terminal deje el modo de líneas (el modo de tecla
        de la pausa)."""
        limite = time.monotonic() + plazo
        while termios.tcgetattr(self.maestro)[3] & termios.ICANON:
            if time.monotonic() > limite:
                sys.exit("fixedstack en un terminal: la pausa no espera "
                         "una tecla")
            self.leer(0.005)

    def teclear(self, texto):
        os.write(self.maestro, texto.encode())

    def terminar(self):
        """Lee hasta el final del programa; da sus escrituras y su estado."""
        while self.leer(1.0):
            pass
        pid = self.proceso.pid
        # Un proceso terminado al que nadie ha esperado aún muestra sus
        # cuentas.
        limite = time.monotonic() + 5.0
        while estado_proceso(pid) != "Z" and time.monotonic() < limite:
            time.sleep(0.005)
        escrituras = leer_contador(pid, "syscw")
        escrito = leer_contador(pid, "wchar")
        estado = self.proceso.wait()
        os.close(self.maestro)
        return escrituras, escrito, estado


def escrituras_en_terminal(programa, empujes):
    """fixedstack en un pseudoterminal: arranca, hace `empujes` PUSH (opción
    del menú, contenedor, número y la tecla de la pausa) y acaba con 4.
    Cuenta las llamadas write hechas antes de cada espera, leyendo
    /proc/PID/io mientras el programa espera; cada respuesta se teclea solo
    entonces, y la tecla solo cuando la pausa espera en modo de tecla. Da las
    escrituras por PUSH, las de antes de cada espera de los PUSH como
    (espera, escrituras), las del arranque y las del final, y si cada byte
    escrito llegó al terminal."""
    terminal = Terminal(programa)
    inicio = terminal.esperar()
    antes = inicio
    esperas = []
    for paso in range(empujes):
        contenedor = str(paso % 2 + 1)
        for respuesta, espera in (
                ("1", "el contenedor"), (contenedor, "el número"),
                (str(100 + paso), "la tecla de la pausa"),
                ("", "la opción del menú")):
            if respuesta:
                terminal.teclear(respuesta + "\n")
            else:
                terminal.en_modo_tecla()
                terminal.teclear("k")
            ahora = terminal.esperar()
            esperas.append((espera, ahora - antes))
            antes = ahora
    terminal.teclear(f"{programas.opciones('fixedstack')}\n")
    total, escrito, estado = terminal.terminar()
    if estado != 0:
        sys.exit(f"fixedstack en un terminal terminó con estado {estado}")
    completo = escrito == len(terminal.recibido)
    return ((antes - inicio) / empujes, esperas, inicio, total - antes,
            completo)


def informar_terminal(programa):
    """Muestra las escrituras de fixedstack en un pseudoterminal, y cada
    clase de espera a la que precedió más de una escritura."""
    por_empuje, esperas, inicio, final, completo = \
        escrituras_en_terminal(programa, EMPUJES_TERMINAL)
    print(f"{os.path.basename(programa)} en un pseudoterminal, "
          f"{EMPUJES_TERMINAL} PUSH con sus pausas, {len(esperas)} "
          f"esperas:")
    veredicto = "" if por_empuje <= MAXIMO_POR_EMPUJE \
        else "  por encima del objetivo"
    print(f"  escrituras por PUSH {decimal(por_empuje, 2)} (objetivo: como "
          f"mucho {MAXIMO_POR_EMPUJE}){veredicto}")
    cuantas = [escrituras for _, escrituras in esperas]
    print(f"  escrituras por espera {decimal(sum(cuantas) / len(cuantas), 2)}, "
          f"como mucho {max(cuantas)} antes de una espera; "
          f"{inicio} antes del primer menú, {final} al final")
    for espera in sorted({espera for espera, _ in esperas}):
        muchas = [n for e, n in esperas if e == espera and n > 1]
        if muchas:
            print(f"  más de una escritura antes de {espera}: "
                  f"{len(muchas)} veces, hasta {max(muchas)}")
    if completo:
        print("  cada byte que escribió el programa llegó al terminal")
    else:
        print("  parte de lo que escribió el programa no llegó al terminal")


def comprobar_herramientas():
    """strace y GNU time, que instala `bash tools/preparar.sh bench` (make
    bench lo hace antes de empezar)."""
    faltan = [paquete for paquete, orden in (("strace", "strace"),
                                            ("time", "/usr/bin/time"))
              if not shutil.which(orden)]
    if faltan:
        sys.exit(f"bench: falta {', '.join(faltan)}: "
                 "da antes bash tools/preparar.sh bench")


def leer_programas(carpeta_bin):
    """Los programas de programas.txt, en la carpeta de compilación que
    contiene `carpeta_bin`."""
    lista = os.path.join(os.path.dirname(os.path.abspath(carpeta_bin)),
                         "programas.txt")
    try:
        with open(lista) as texto:
            nombres = texto.read().split()
    except OSError as error:
        sys.exit(f"bench: no se puede leer {lista}; configura antes la "
                 "compilación")
    if not nombres:
        sys.exit(f"bench: {lista} no nombra ningún programa")
    return nombres


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    argumentos.add_argument("bin")
    argumentos.add_argument("--actions", type=int, default=ACCIONES)
    opciones = argumentos.parse_args()
    nombres = leer_programas(opciones.bin)
    comprobar_herramientas()

    print(f"{opciones.actions} acciones por sesión, con la salida a /dev/null")
    print(f"{'programa':<11} {'acciones/s':>10} {'objetivo':>8} {'antes':>8} "
          f"{'pico KiB':>9} {'llam./acc':>9} {'no write':>9} "
          f"{'hijos':>8}")
    tuberias = []
    sin_sesion = []
    with tempfile.TemporaryDirectory() as carpeta:
        for nombre in nombres:
            if nombre not in SESIONES:
                print(f"{nombre:<11} sin sesión: añade una a SESIONES en "
                      f"{os.path.abspath(__file__)} (None: sin menú)")
                sin_sesion.append(nombre)
                continue
            if SESIONES[nombre] is None:
                print(f"{nombre:<11} sin menú, no se mide")
                continue
            generar, vacia = SESIONES[nombre]
            programa = os.path.join(opciones.bin, nombre)
            if not os.access(programa, os.X_OK):
                print(f"{nombre:<11} sin compilar, no se mide")
                continue
            entrada = os.path.join(carpeta, nombre + ".in")
            with open(entrada, "w") as fichero:
                fichero.write(generar(random.Random(nombre), opciones.actions))
            base = os.path.join(carpeta, nombre + ".vacia.in")
            with open(base, "w") as fichero:
                fichero.write(vacia)

            # Desde el fichero y por tuberías por turnos, para que un momento
            # de mucha carga de la máquina pese igual en los dos.
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
            # Un programa nuevo aún no tiene objetivo ni medida de antes.
            objetivo = OBJETIVOS.get(nombre, 0)
            antes = ANTES.get(nombre, 0)
            veredicto = "" if por_segundo >= objetivo and hijos == 0 \
                else "  bajo el objetivo"
            if por_segundo < antes:
                veredicto += "  más lento que antes"
            print(f"{nombre:<11} {por_segundo:>10.0f} {objetivo or '-':>8} "
                  f"{antes or '-':>8} {pico:>9} "
                  f"{decimal((total - total0) / opciones.actions, 2):>9} "
                  f"{decimal((otras - otras0) / opciones.actions, 3):>9} "
                  f"{hijos:>8}{veredicto}")
            tuberias.append((nombre, por_segundo,
                             opciones.actions / mejor_tuberias))
        growstack = os.path.join(opciones.bin, "growstack")
        if "growstack" in nombres and os.access(growstack, os.X_OK):
            print(f"growstack, pico de memoria por hueco de capacidad y "
                  f"contenedor: {decimal(bytes_por_hueco(growstack, carpeta), 2)}"
                  f" bytes")
    print("antes: la velocidad desde un fichero que daba README.md antes de "
          "la sesión de consola")

    print()
    print(f"Por tuberías, cat in | programa | cat >/dev/null (objetivo: al "
          f"menos {decimal(PARTE_TUBERIAS, 1)} de la velocidad desde el "
          f"fichero)")
    print(f"{'programa':<11} {'fich. a/s':>10} {'tub. a/s':>10} "
          f"{'razón':>6}")
    for nombre, fichero, tuberia in tuberias:
        veredicto = "" if tuberia >= PARTE_TUBERIAS * fichero \
            else "  bajo el objetivo"
        print(f"{nombre:<11} {fichero:>10.0f} {tuberia:>10.0f} "
              f"{decimal(tuberia / fichero, 2):>6}{veredicto}")

    fixedstack = os.path.join(opciones.bin, "fixedstack")
    if "fixedstack" in nombres and os.access(fixedstack, os.X_OK):
        print()
        informar_terminal(fixedstack)
    if sin_sesion:
        print(f"\nsin sesión para {', '.join(sin_sesion)}: añade una a "
              f"SESIONES en {os.path.abspath(__file__)}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
