#!/usr/bin/env python3
"""Comprueba cómo termina un programa de consola cuando su entrada o su
salida fallan, y que ninguna respuesta larga le hace ocupar mucha memoria.

Uso: errores_y_memoria.py PROGRAMA NOMBRE [--sin-memoria]

Cada fila de CASOS, más las de NOMBRE (el del programa en la lista de la
compilación) en tests/programas.tsv, arranca PROGRAMA con la entrada y la
salida estándar como dice la fila, y comprueba su estado de salida
(negativo: la señal que lo mató) y la primera línea de su salida de errores.
Las filas de CASOS, las de errores, valen para todos los programas. Una
respuesta larga de la tabla le da una respuesta de 200 MiB por una tubería,
a trozos, y cuando el programa, con todo leído,
espera más entrada, toma su pico de memoria residente (VmHWM en /proc: el
rusage de un hijo de este script contaría también las páginas del
intérprete); después llega el fin de la entrada. --sin-memoria se salta esas
filas (con los sanitizadores un pico no significa nada).

Una sesión "lenta" de la tabla se le da entera y su salida se lee
despacio, las dos tuberías sin bloqueo (O_NONBLOCK), como las
dejaría otro programa: ha de llegar entera, igual que con bloqueo, y la
salida ha de seguir sin bloqueo al final.

Cada programa ha de tener al menos una respuesta larga en la tabla: si
NOMBRE no tiene ninguna, la prueba falla y dice qué añadir.
"""

import array
import fcntl
import os
import select
import signal
import subprocess
import sys
import tempfile
import termios
import time

import programas

LARGO = 200 * 2**20  # bytes de cada respuesta larga
TROZO = 2**20        # los que se escriben de una vez
LIMITE = 8 * 1024    # KiB de pico de memoria residente que admite un programa
PLAZO = 10.0         # segundos que un programa tiene para esperar o salir

# El principio de los dos mensajes de error; {} es el nombre del programa.
ESCRIBIR = "{}: no se puede escribir en la salida: "
LEER = "{}: no se puede leer la entrada: "

# (fila, entrada estándar, salida estándar, estado, primera línea de la
# salida de errores, pico en KiB o None): la entrada o la salida que fallan,
# en todos los programas.
CASOS = [
    ("entrada_vacia", "vacia", "nula", 0, "", None),
    ("salida_llena", "vacia", "llena", 1,
     ESCRIBIR + "No queda espacio en el dispositivo", None),
    ("salida_cerrada", "vacia", "cerrada", 1,
     ESCRIBIR + "Descriptor de fichero no válido", None),
    ("tuberia_rota_ignorada", "vacia", "rota_ignorada", 1,
     ESCRIBIR + "Tubería rota", None),
    ("tuberia_rota", "vacia", "rota", -signal.SIGPIPE, "", None),
    ("entrada_directorio", "directorio", "nula", 1,
     LEER + "Es una carpeta", None),
    ("entrada_cerrada", "cerrada", "nula", 1,
     LEER + "Descriptor de fichero no válido", None),
]


def casos_de(nombre):
    """Las filas de CASOS y las del programa `nombre` en la tabla: sus
    sesiones lentas, con los descriptores sin bloqueo (ha de esperar igual,
    sin perder nada), y una respuesta larga (antes, unidad, después: la
    unidad repetida hasta LARGO bytes) en cada clase de lectura."""
    lentas = [(fila, entrada, "lenta", 0, "", None)
              for fila, entrada in programas.datos(nombre, "lenta")]
    largas = [(fila, tuple(respuesta), "nula", 0, "", LIMITE)
              for fila, *respuesta in programas.datos(nombre, "larga")]
    return CASOS + lentas + largas


def esperando(proceso):
    """Verdadero cuando el programa duerme con su tubería de entrada vacía."""
    with open(f"/proc/{proceso.pid}/stat") as fichero:
        estado = fichero.read().rsplit(")", 1)[1].split()[0]
    pendientes = array.array("i", [0])
    fcntl.ioctl(proceso.stdin.fileno(), termios.FIONREAD, pendientes)
    return estado == "S" and pendientes[0] == 0


def alimentar(proceso, respuesta):
    """Escribe la respuesta larga; da (pico en KiB, None) o (None, fallo)."""
    antes, unidad, despues = respuesta
    trozo = unidad * (TROZO // len(unidad))
    try:
        proceso.stdin.write(antes)
        for _ in range(LARGO // TROZO):
            proceso.stdin.write(trozo)
        proceso.stdin.write(despues)
        proceso.stdin.flush()
    except BrokenPipeError:
        return None, "dejó de leer antes del final de la respuesta larga"
    limite = time.monotonic() + PLAZO
    while proceso.poll() is None and time.monotonic() < limite:
        if esperando(proceso):
            with open(f"/proc/{proceso.pid}/status") as fichero:
                for linea in fichero:
                    if linea.startswith("VmHWM:"):
                        return int(linea.split()[1]), None
        time.sleep(0.01)
    return None, "no esperó más entrada tras la respuesta larga"


def leer_despacio(descriptor, proceso):
    """Lee de a poco hasta que el programa ha terminado y no queda nada."""
    leido = b""
    limite = time.monotonic() + PLAZO
    while time.monotonic() < limite:
        if select.select([descriptor], [], [], 0.05)[0]:
            leido += os.read(descriptor, 4096)
            time.sleep(0.001)
        elif proceso.poll() is not None:
            break
    return leido


def ejecutar(programa, entrada, salida):
    """Ejecuta la sesión de una fila: (estado, primera línea de la salida de
    errores, pico, fallo)."""
    en_el_hijo = []  # se hace en el hijo justo antes de arrancar el programa
    heredados = []   # descriptores que toma el hijo; la prueba cierra su copia
    lenta = None     # la tubería de la salida lenta: (lectura, escritura)
    stdin = subprocess.DEVNULL
    if isinstance(entrada, bytes):
        stdin = subprocess.PIPE
        en_el_hijo.append(lambda: os.set_blocking(0, False))
    elif entrada == "cerrada":
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
    elif salida == "lenta":
        # La prueba guarda su extremo de escritura para ver al final si sigue
        # sin bloqueo: la marca es de todas sus copias.
        lenta = os.pipe()
        stdout = lenta[1]
        os.set_blocking(stdout, False)
    elif salida.startswith("rota"):
        lectura, stdout = os.pipe()
        os.close(lectura)  # nadie leerá nunca lo que escriba el programa
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
        if isinstance(entrada, bytes):
            proceso.stdin.write(entrada)
            proceso.stdin.close()
        if lenta is not None:
            llegado = leer_despacio(lenta[0], proceso)
            referencia = subprocess.run([programa], input=entrada,
                                        stdout=subprocess.PIPE).stdout
            if llegado != referencia:
                fallo = (f"llegaron {len(llegado)} bytes, se esperaban los "
                         f"{len(referencia)} de una salida con bloqueo")
        if isinstance(entrada, tuple):
            pico, fallo = alimentar(proceso, entrada)
            try:
                proceso.stdin.close()  # el fin de la entrada
            except BrokenPipeError:
                pass
        try:
            estado = proceso.wait(timeout=PLAZO)
        except subprocess.TimeoutExpired:
            proceso.kill()
            estado = proceso.wait()
            fallo = fallo or f"sigue en marcha tras {PLAZO} s"
        if lenta is not None:
            if os.get_blocking(lenta[1]):
                fallo = fallo or "el programa quitó O_NONBLOCK"
            os.close(lenta[0])
            os.close(lenta[1])
        errores.seek(0)
        primera = errores.read().decode(errors="replace").split("\n")[0]
    return estado, primera, pico, fallo


def main():
    programa, nombre = sys.argv[1], sys.argv[2]
    con_memoria = "--sin-memoria" not in sys.argv[3:]
    if not programas.datos(nombre, "larga"):
        print(f"{nombre}: ninguna fila de memoria; añade a {programas.TABLA} "
              f"al menos una respuesta larga para {nombre!r} (una línea "
              f"«{nombre}<TAB>larga<TAB>...»)")
        return 1
    pasadas = fallidas = 0
    for caso, entrada, salida, estado, error, limite in casos_de(nombre):
        if limite and not con_memoria:
            continue
        inicio = time.monotonic()
        obtenido, primera, pico, fallo = ejecutar(programa, entrada, salida)
        esperado = error.format(nombre)
        fallos = [fallo] if fallo else []
        if obtenido != estado:
            fallos.append(f"estado {obtenido}, se esperaba {estado}")
        if primera != esperado:
            fallos.append(f"salida de errores {primera!r}, se esperaba "
                          f"{esperado!r}")
        if limite and pico is not None and pico >= limite:
            fallos.append(f"pico de {pico} KiB, se esperaba menos de "
                          f"{limite} KiB")
        medida = f", pico de {pico} KiB" if pico is not None else ""
        print(f"{'FALLO' if fallos else 'ok'} {caso}: estado {obtenido}"
              f"{medida}, {time.monotonic() - inicio:.1f} s")
        for texto in fallos:
            print(f"  {texto}")
        fallidas += bool(fallos)
        pasadas += not fallos
    if not con_memoria:
        print("filas de memoria omitidas")
    print(f"{nombre}: {pasadas} pasadas, {fallidas} fallidas")
    return 1 if fallidas else 0


if __name__ == "__main__":
    sys.exit(main())
