#!/usr/bin/env python3
"""Prueba de los documentos: cada orden que muestran README.md y LEEME.md.

Las órdenes se sacan de los documentos (los bloques de código y el código
en línea que empieza por una orden) y cada una ha de estar en la tabla
ORDENES, que dice cómo se comprueba: se da aquí y se mira lo que hace, se da
en un terminal de tmux y se mira la pantalla, la da un script de .ci/ que
se nombra, o solo corre en Windows. Una orden de los documentos que no está
en la tabla, o una de la tabla que ya no está en los documentos, es un
fallo. AFIRMACIONES comprueba además lo que los documentos dicen sin
mostrar una orden.

Las órdenes que instalan lo hacen en una carpeta temporal, con HOME o PREFIX
cambiados y sin sudo. Corre desde la carpeta del proyecto y usa build/.

  python3 .ci/documentos.py [--pagina | --sin-pagina]

Con --pagina solo comprueba las órdenes de la página (PAGINA), que usan
build-wasm/ y build-web/ y no build/; con --sin-pagina, todo lo demás. Así
.ci/run da las dos partes a la vez, cada una con las demás órdenes que usan
sus carpetas.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(RAIZ, "tests"))
import programas  # tests/programas.py: lo que se sabe de cada programa
DOCUMENTOS = ["README.md", "LEEME.md"]
# La carpeta temporal de las instalaciones, y HOME dentro de ella.
TEMPORAL = CASA = None
# Las palabras con que empieza una orden, en el código en línea y en los
# bloques sangrados (que también muestran carpetas); en los bloques ```sh y
# ```bat, toda línea es una orden.
PALABRAS = ("make ", "make\n", "cmake ", "ctest ", "bash ", "python3 ",
            "sudo ", "cd ", "build/bin/", "HOSTILE_SESSIONS=", "man ")
# Lo que muestran fixedstack y growstack cuando esperan su primera
# respuesta, según sus transcripciones.
MENU_FIXEDSTACK = programas.espera("fixedstack")
PRIMERA_DE_GROWSTACK = programas.espera("growstack").rstrip()


def lista_de_programas():
    """La lista de programas que la configuración escribió en build/."""
    with open(os.path.join(RAIZ, "build", "programas.txt")) as lista:
        return lista.read().split()


def ordenes_de(texto):
    """Las órdenes de un documento de Markdown, en su orden."""
    vistas, valla, parrafo = [], None, []

    def en_linea():
        for codigo in re.findall(r"`([^`]+)`", " ".join(parrafo)):
            if (codigo + "\n").startswith(PALABRAS):
                vistas.append(codigo)
        parrafo.clear()

    for linea in texto.split("\n"):
        if linea.startswith("```"):
            valla = None if valla is not None else linea[3:].strip()
        elif valla is not None:
            if valla in ("sh", "bat") and linea.strip():
                vistas.append(re.sub(r"\s+#.*$", "", linea).strip())
        elif linea.startswith("    ") and linea.strip():
            orden = re.sub(r"\s+#.*$", "", linea.strip())
            if (orden + "\n").startswith(PALABRAS):
                vistas.append(orden)
        elif linea.strip():
            parrafo.append(linea.strip())
            continue
        en_linea()
    en_linea()
    return vistas


def dar(orden, entrada="", entorno=None, carpeta=RAIZ):
    """Da la orden con bash y devuelve su estado y su salida, las dos juntas."""
    resultado = subprocess.run(
        ["bash", "-c", orden], input=entrada, cwd=carpeta, text=True,
        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, check=False,
        env=dict(os.environ, **(entorno or {})))
    return resultado.returncode, resultado.stdout


class Terminal:
    """Un terminal de tmux en la carpeta del proyecto."""

    def __init__(self, alto=40):
        self.nombre = f"documentos_{os.getpid()}"
        subprocess.run(["tmux", "new-session", "-d", "-s", self.nombre,
                        "-x", "100", "-y", str(alto), "-c", RAIZ,
                        "env PS1='listo$ ' bash --norc"], check=True)

    def teclear(self, *teclas):
        subprocess.run(["tmux", "send-keys", "-t", self.nombre, *teclas],
                       check=True)

    def pantalla(self):
        return subprocess.run(
            ["tmux", "capture-pane", "-p", "-t", self.nombre],
            capture_output=True, text=True, check=True).stdout

    def esperar(self, condicion, segundos=300):
        limite = time.time() + segundos
        while time.time() < limite:
            if condicion(self.pantalla()):
                return True
            time.sleep(0.1)
        return False

    def orden(self, orden):
        """Limpia la pantalla y teclea la orden."""
        self.teclear("clear", "Enter")
        self.esperar(lambda p: p.strip() == "listo$")
        self.teclear(orden, "Enter")

    def cerrar(self):
        subprocess.run(["tmux", "kill-session", "-t", self.nombre],
                       check=False)


def al_indicador(pantalla):
    return pantalla.rstrip().endswith("listo$")


# Comprobaciones: cada una recibe la orden y devuelve una lista de fallos.

def ejecutar(estado=0, contiene=(), entrada="", entorno=None, como=None):
    """Da la orden (o `como`, su forma sin sudo o en otra carpeta)."""
    def comprobar(orden):
        obtenido, salida = dar(como or orden, entrada, entorno)
        fallos = [f"estado {obtenido}, se esperaba {estado}"] \
            if obtenido != estado else []
        fallos += [f"no escribió «{t}»" for t in contiene
                   if t not in salida]
        return fallos + ([salida[-3000:]] if fallos else [])
    return comprobar


def en_terminal(espera, tecla_final, interrupciones=1):
    """make run en un terminal: llega a `espera`; Ctrl+C no deja nada más
    que la salida del programa, ni con make ni con `wait`. Se repite
    `interrupciones` veces, pues el fallo de make dependía de quién llegaba
    antes."""
    def comprobar(orden):
        terminal = Terminal()
        try:
            for _ in range(interrupciones):
                terminal.orden(orden)
                if not terminal.esperar(lambda p: espera in p):
                    return [f"no se ve «{espera}»", terminal.pantalla()]
                terminal.teclear("C-c")
                if not terminal.esperar(al_indicador, 10):
                    return ["Ctrl+C no la terminó", terminal.pantalla()]
                pantalla = terminal.pantalla()
                if re.search(r"make(\[\d+\])?: |Interrupt|No child", pantalla):
                    return ["make escribió tras Ctrl+C", pantalla]
                lineas = [l for l in pantalla.split("\n") if l.strip()]
                if not lineas[-2].endswith("^C"):
                    return ["tras Ctrl+C se ve más que la salida del "
                            "programa", pantalla]
            terminal.orden(orden)
            terminal.esperar(lambda p: espera in p)
            terminal.teclear(*tecla_final)
            if not terminal.esperar(al_indicador, 10):
                return [f"{tecla_final} no la terminó", terminal.pantalla()]
            return []
        finally:
            terminal.cerrar()
    return comprobar


def transcripcion_en_terminal(programa, caso):
    """La sesión repetida por tr se ve entera en el terminal."""
    def comprobar(orden):
        ruta = os.path.join(RAIZ, "tests", programa, "transcripts", caso)
        with open(ruta + ".out", encoding="utf-8") as salida:
            esperadas = [l.rstrip() for l in
                         salida.read().replace("\f", "\n").split("\n")]
        while esperadas and not esperadas[-1]:
            esperadas.pop()
        terminal = Terminal(alto=len(esperadas) + 10)
        try:
            terminal.orden(orden)
            if not terminal.esperar(al_indicador, 30):
                return ["no terminó", terminal.pantalla()]
            vistas = [l.rstrip() for l in terminal.pantalla().split("\n")]
            inicio = vistas.index("listo$ " + orden) + 1
            vistas = vistas[inicio:vistas.index("listo$", inicio)]
            while vistas and not vistas[-1]:
                vistas.pop()
            if vistas != esperadas:
                return ["la pantalla no es la sesión:",
                        "\n".join(vistas)]
            return []
        finally:
            terminal.cerrar()
    return comprobar


def parar_y_seguir(orden):
    """Ctrl+Z para el programa y make run; fg los sigue, con el programa otra
    vez dueño del terminal."""
    terminal = Terminal()
    try:
        terminal.orden(orden)
        if not terminal.esperar(lambda p: MENU_FIXEDSTACK in p):
            return ["ningún menú", terminal.pantalla()]
        terminal.teclear("C-z")
        if not terminal.esperar(lambda p: "Stopped" in p and al_indicador(p),
                                10):
            return ["Ctrl+Z no paró make run", terminal.pantalla()]
        terminal.teclear("fg", "Enter")
        terminal.teclear("1", "Enter")
        if not terminal.esperar(lambda p: MENU_FIXEDSTACK not in p, 10):
            return ["tras fg el programa no leyó", terminal.pantalla()]
        terminal.teclear("C-d")
        if not terminal.esperar(al_indicador, 10):
            return ["Ctrl+D no la terminó", terminal.pantalla()]
        return []
    finally:
        terminal.cerrar()


def una_vez(comprobar):
    """La comprobación se hace una vez para todas las órdenes que la usan."""
    hechos = []

    def comprobar_una_vez(orden):
        if not hechos:
            hechos.append(comprobar(orden))
        return hechos[0]
    return comprobar_una_vez


def igual_que(orden_esperada, como=None):
    """La orden (o `como`, otra que la comprueba) escribe lo mismo que
    `orden_esperada`, y las dos acaban con estado 0."""
    def comprobar(orden):
        estado, salida = dar(como or orden)
        estado_esperado, esperada = dar(orden_esperada)
        if estado == estado_esperado == 0 and salida == esperada:
            return []
        return [f"estado {estado} y {estado_esperado}; escribió:", salida,
                f"y `{orden_esperada}`:", esperada]
    return comprobar


def por_ci(script, *trozos):
    """La da un script de la integración continua, que se nombra: cada trozo
    está en una línea que no es un comentario y, si acaba en una palabra,
    la palabra acaba con él (make test no vale por make test-asan)."""
    def comprobar(orden):
        with open(os.path.join(RAIZ, script), encoding="utf-8") as fuente:
            texto = "".join(linea for linea in fuente
                            if not linea.lstrip().startswith("#"))
        def esta(trozo):
            fin = r"(?![\w-])" if re.search(r"[\w-]$", trozo) else ""
            return re.search(re.escape(trozo) + fin, texto)
        return [f"{script} no da «{t}»" for t in trozos or (orden,)
                if not esta(t)]
    return comprobar


def solo_windows(orden):
    """Solo corre en Windows: aquí no hay nada que dar."""
    return []


def responsable_propio(orden):
    """El responsable dado con -D llega al paquete; después, el de siempre."""
    fallos = ejecutar(contiene=["PACKAGE_MAINTAINER"],
                      como=orden + " && grep PACKAGE_MAINTAINER "
                      "build/CMakeCache.txt")(orden)
    estado, deb = dar("make --no-print-directory package | tail -n 1")
    _, responsable = dar(f"dpkg-deb -f {deb.strip()} Maintainer")
    if estado != 0 or responsable.strip() != "Ana Ruiz <ana@example.org>":
        fallos.append(f"Maintainer del paquete: {responsable.strip()}")
    dar("cmake --preset default -UPACKAGE_MAINTAINER >/dev/null")
    return fallos


def instalar_y_desinstalar(orden):
    """make install y make uninstall en HOME, sin sudo; man halla la página a
    través del PATH. Con PREFIX los prueba .ci/package.sh."""
    carpeta = os.path.join(CASA, ".local")
    fallos = ejecutar(entorno={"HOME": CASA}, como="make install")(orden)
    estado, pagina = dar("MANPAGER=cat man fixedstack", entorno={
        "HOME": CASA, "PATH": carpeta + "/bin:" + os.environ["PATH"]})
    if estado != 0 or "fixedstack \u2010 " not in pagina and \
            "fixedstack - " not in pagina:
        fallos.append(f"man fixedstack tras make install: {pagina[:300]}")
    fallos += ejecutar(entorno={"HOME": CASA}, como="make uninstall")(orden)
    if os.path.exists(carpeta):
        fallos.append(f"make uninstall dejó {carpeta}")
    return fallos


def limpiar(orden):
    """make clean en un clon, con carpetas de compilación de mentira."""
    clon = os.path.join(TEMPORAL, "clon")
    dar(f"git clone -q {RAIZ} {clon} && mkdir -p {clon}/build {clon}/build-ci")
    estado, salida = dar(orden, carpeta=clon)
    quedan = [c for c in os.listdir(clon) if c.startswith("build")]
    return [f"estado {estado}, quedan {quedan}: {salida}"] \
        if estado or quedan else []


def servir_pagina(orden):
    """make web-serve en un puerto libre: la página llega con las cabeceras
    que la aíslan (COOP y COEP), también la de un programa elegido."""
    import socket
    import urllib.request
    with socket.socket() as enchufe:
        enchufe.bind(("127.0.0.1", 0))
        puerto = enchufe.getsockname()[1]
    servidor = subprocess.Popen(
        ["bash", "-c", f"{orden} PUERTO={puerto}"], cwd=RAIZ,
        stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT,
        start_new_session=True)
    fallos = [f"ninguna página en el puerto {puerto}"]
    try:
        limite = time.time() + 900
        while time.time() < limite and servidor.poll() is None:
            try:
                with urllib.request.urlopen(
                        f"http://127.0.0.1:{puerto}/index.html?programa="
                        "fixedstack", timeout=5) as respuesta:
                    cabeceras = respuesta.headers
                    fallos = [f"falta «{c}: {v}»" for c, v in (
                        ("Cross-Origin-Opener-Policy", "same-origin"),
                        ("Cross-Origin-Embedder-Policy", "require-corp"))
                        if cabeceras.get(c) != v]
                break
            except OSError:
                time.sleep(1)
    finally:
        if servidor.poll() is None:
            os.killpg(servidor.pid, signal.SIGTERM)
        servidor.wait()
    return fallos


INSTALAR = una_vez(instalar_y_desinstalar)

# Las órdenes de la tabla que compilan o usan la página.
PAGINA = ("make web", "make web-serve", "make bench-web")

# Cada orden de los documentos y su comprobación. El orden importa: make run
# compila lo que usan las siguientes, y make test, las pruebas de ctest.
ORDENES = {
    "make run PROGRAM=fixedstack": en_terminal(
        MENU_FIXEDSTACK, ("4", "Enter"), interrupciones=8),
    "make run": en_terminal(MENU_FIXEDSTACK, ("4", "Enter")),
    "make run growstack": en_terminal(PRIMERA_DE_GROWSTACK, ("C-d",)),
    "make run PROGRAM=growstack": en_terminal(PRIMERA_DE_GROWSTACK, ("C-d",)),
    "build/bin/growstack": ejecutar(entrada="1\n4\n",
                                    contiene=[PRIMERA_DE_GROWSTACK]),
    "build/bin/fixedstack < tests/fixedstack/transcripts/ejemplo.in | "
    "tr '\\f' '\\n'": transcripcion_en_terminal("fixedstack", "ejemplo"),
    "build/bin/growstack < tests/growstack/transcripts/no_puede_crecer.in "
    "| cat -A": igual_que("cat -A tests/growstack/transcripts/"
                          "no_puede_crecer.out"),
    # Las pruebas, las de las transcripciones también, y el paquete los da
    # .ci/run una vez; aquí se comprueba lo que añade cada orden: -R elige un
    # grupo, HOSTILE_SESSIONS cambia las sesiones, una vez basta para medir.
    "make test": por_ci(".ci/run"),
    "ctest --test-dir build -R fixedstack": ejecutar(
        como="ctest --test-dir build -R fixedstack -N",
        contiene=["fixedstack.transcript.ejemplo"]),
    "HOSTILE_SESSIONS=5000 ctest --test-dir build -R hostile": ejecutar(
        como="HOSTILE_SESSIONS=201 ctest --test-dir build -R growstack.hostile"
        " -V", contiene=["growstack: 201 pasadas, 0 fallidas",
                         "100% tests passed"]),
    "python3 tests/hostile_input.py build/bin/growstack growstack --seed 17 "
    "--sessions 1": ejecutar(),
    "bash tools/hasta_el_menu.sh": ejecutar(
        como="bash tools/hasta_el_menu.sh 1",
        contiene=["primer menú de fixedstack desde un clon recién hecho, "
                  "1 vez"]),
    "make install": INSTALAR,
    "make uninstall": INSTALAR,
    "sudo make install PREFIX=/usr/local": por_ci(
        ".ci/package.sh", "instalar install PRESET="),
    "sudo make uninstall PREFIX=/usr/local": por_ci(
        ".ci/package.sh", "instalar uninstall PRESET="),
    "man fixedstack": INSTALAR,
    "make package": por_ci(".ci/package.sh", "make --no-print-directory "
                           "package"),
    "cmake --preset default -DPACKAGE_MAINTAINER=\"Ana Ruiz "
    "<ana@example.org>\"": responsable_propio,
    "make bench": ejecutar(contiene=["acciones por sesión"]),
    "make clean": limpiar,
    "make test PRESET=ci": por_ci(".ci/run", "cmake --preset ci -B build"),
    "cmake --preset ci -B build": por_ci(".ci/run"),
    "make test-asan": por_ci(".ci/run"),
    "make lint": por_ci(".ci/run"),
    "bash .ci/package.sh": por_ci(".ci/run"),
    "bash .ci/windows.sh": por_ci(".ci/run"),
    "sudo dpkg -i build/consolas_1.0.0-1_amd64.deb": por_ci(
        ".ci/package.sh", 'dpkg -i "$deb"'),
    "fixedstack": por_ci(".ci/package.sh",
                        "run_transcript.sh /usr/bin/fixedstack"),
    "sudo dpkg -r consolas": por_ci(".ci/package.sh", 'dpkg -r "$paquete"'),
    "make windows": por_ci(".ci/windows.sh", "make --no-print-directory "
                           "windows"),
    "cd build-windows && cpack": por_ci(".ci/windows.sh"),
    "bash tools/preparar.sh wine": por_ci(".ci/windows.sh",
                                          "tools/preparar.sh windows wine"),
    "/usr/lib/wine/wine64 build-windows/bin/fixedstack.exe": por_ci(
        ".ci/windows.sh", "/usr/lib/wine/wine64 build-windows/bin/"
        "fixedstack.exe"),
    "cmake -S . -B build -G \"MinGW Makefiles\"": solo_windows,
    "cmake --build build": solo_windows,
    "cmake --build build --config Release": solo_windows,
    "cmake --install build --config Release --prefix "
    "%USERPROFILE%\\consolas": solo_windows,
    "%USERPROFILE%\\consolas\\bin\\fixedstack.exe": solo_windows,
    "make web": ejecutar(contiene=["web: página en build-web/"]),
    "make web-serve": servir_pagina,
    "make test-web": por_ci(".ci/run"),
    "make bench-web": ejecutar(contiene=["| fixedstack", "| payslips"],
                               entorno={"REPETICIONES": "1"}),
}

# Lo que los documentos afirman sin mostrar la orden que lo comprueba.
AFIRMACIONES = {
    "un nombre desconocido se rechaza con la lista de programas": lambda _:
        ejecutar(estado=2, como="make run nada </dev/null", contiene=[
            "No hay ningún programa llamado «nada». Programas: "
            + " ".join(lista_de_programas())])(_),
    "7,5 donde va un entero da 7, y ,5 va a la pregunta siguiente":
        igual_que("printf '1 1 7 ,5\\n4\\n' | build/bin/fixedstack",
                  como="printf '1 1 7,5\\n4\\n' | build/bin/fixedstack"),
    "make run: Ctrl+Z para el programa y make hasta fg": lambda _:
        parar_y_seguir("make run"),
    "Ctrl+D termina un programa de menú con un fin de línea y estado 0":
        igual_que("cat tests/fixedstack/transcripts/fin_en_un_push.out",
                  como="printf '1 1' | build/bin/fixedstack"),
}


def main():
    global TEMPORAL, CASA
    parte = sys.argv[1] if len(sys.argv) > 1 else None
    if parte not in (None, "--pagina", "--sin-pagina") or len(sys.argv) > 2:
        print(f"uso: {sys.argv[0]} [--pagina | --sin-pagina]", file=sys.stderr)
        return 2
    TEMPORAL = tempfile.mkdtemp(prefix="documentos.")
    CASA = os.path.join(TEMPORAL, "casa")
    os.makedirs(CASA)
    vistas = []
    for documento in DOCUMENTOS:
        with open(os.path.join(RAIZ, documento), encoding="utf-8") as texto:
            vistas += [(documento, o) for o in ordenes_de(texto.read())]
    mostradas = {o for _, o in vistas}
    fallos = []
    # La tabla frente a los documentos se compara una vez, fuera de la
    # parte de la página.
    if parte != "--pagina":
        fallos += [f"{d}: `{o}` no está en la tabla de {__file__}"
                   for d, o in vistas if o not in ORDENES]
        fallos += [f"`{o}` está en la tabla pero en ningún documento"
                   for o in ORDENES if o not in mostradas]
    aprobadas = 0
    for nombre, comprobar in list(ORDENES.items()) + list(AFIRMACIONES.items()):
        if nombre not in mostradas and nombre not in AFIRMACIONES:
            continue
        if parte and (nombre in PAGINA) != (parte == "--pagina"):
            continue
        inicio = time.time()
        suyos = comprobar(nombre)
        print(f"{'FALLO' if suyos else 'ok   '} {time.time() - inicio:6.1f} s "
              f" {nombre}", flush=True)
        fallos += [f"`{nombre}`: {f}" for f in suyos]
        aprobadas += not suyos
    shutil.rmtree(TEMPORAL, ignore_errors=True)
    for fallo in fallos:
        print(fallo, file=sys.stderr)
    print(f"documentos: {aprobadas} pasadas, {len(fallos)} fallidas")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
