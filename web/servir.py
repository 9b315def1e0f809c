"""Sirve la página (build-web/) en http://localhost:PUERTO/ para probarla.

Envía las cabeceras que aíslan la página de otros orígenes (COOP y COEP). La
página no las necesita, pero funciona igual con ellas: así se prueba en un
servidor que las envía para otras páginas. Con --sin-aislamiento no las envía,
como un servidor estático cualquiera.

    python3 web/servir.py [--puerto 8000] [--sin-aislamiento] [CARPETA]
"""

import argparse
import functools
import http.server
import sys


class Manejador(http.server.SimpleHTTPRequestHandler):
    """Sirve los ficheros de una carpeta, con o sin las cabeceras."""

    aislar = True

    def end_headers(self):
        if self.aislar:
            self.send_header("Cross-Origin-Opener-Policy", "same-origin")
            self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        # Tras cada compilación el navegador debe pedir los ficheros nuevos.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):  # pylint: disable=redefined-builtin
        pass  # sin una línea por petición


class Servidor(http.server.ThreadingHTTPServer):
    """Un navegador que corta una conexión (al recargar) no es un error."""

    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argumentos.add_argument("carpeta", nargs="?", default="build-web")
    argumentos.add_argument("--puerto", type=int, default=8000)
    argumentos.add_argument("--sin-aislamiento", action="store_true")
    opciones = argumentos.parse_args()

    Manejador.aislar = not opciones.sin_aislamiento
    # .wasm con su tipo, para que el navegador lo compile mientras llega.
    Manejador.extensions_map[".wasm"] = "application/wasm"
    manejador = functools.partial(Manejador, directory=opciones.carpeta)
    with Servidor(("127.0.0.1", opciones.puerto), manejador) as servidor:
        puerto = servidor.server_address[1]
        print(f"Sirviendo {opciones.carpeta}/ en http://localhost:{puerto}/ (Ctrl+C para acabar)",
              flush=True)
        try:
            servidor.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
