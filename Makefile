# Una capa fina sobre CMake con las órdenes de cada día:
#   make run [NOMBRE]               compila ese programa (fixedstack si no se
#                                   dice) y lo arranca aquí; también PROGRAM=
#   make test                       compila todo y pasa todas las pruebas
#   make install [PREFIX=~/.local]  instala los programas y sus páginas de
#   make uninstall [PREFIX=...]     manual; quita exactamente eso de PREFIX
#   make package                    el paquete de Debian (CPack)
#   make windows                    los programas de Windows (MinGW-w64)
#   make test-asan                  las pruebas, compiladas con los sanitizadores
#   make lint                       clang-tidy y cppcheck; falla si encuentran algo
#   make bench                      mide sesiones guionizadas de los programas
# PRESET elige un preset de configuración de CMakePresets.json (default si no).
# Cada orden instala antes, con tools/preparar.sh, lo que le falte, sea cual
# sea la orden que se dio antes (.ci/preparar.py lo comprueba).

PROGRAM ?= fixedstack
PRESET ?= default
PREFIX ?= $(HOME)/.local
BUILD_DIR := $(if $(filter default,$(PRESET)),build,build-$(PRESET))
LOG := $(BUILD_DIR)/configure.log
PREPARAR := bash tools/preparar.sh

# `make run growstack`: la palabra que sigue a run es el programa, no otro
# objetivo, y como objetivo no hace nada.
ifeq ($(firstword $(MAKECMDGOALS)),run)
  ifneq ($(word 2,$(MAKECMDGOALS)),)
    PROGRAM := $(word 2,$(MAKECMDGOALS))
    .PHONY: $(PROGRAM)
    $(PROGRAM):
	@:
  endif
endif

# Los grupos de tools/preparar.sh que necesita cada orden, además de
# `programas`, y los que necesita cada preset para configurarse.
GRUPOS :=
test: GRUPOS := pruebas
lint: GRUPOS := lint
bench: GRUPOS := bench
package: GRUPOS := paquete
GRUPOS_ci := pruebas
GRUPOS_asan := pruebas
GRUPOS_windows := windows

.PHONY: all configure build programs run test test-asan lint bench package \
  windows install uninstall clean

all: build

# Se configura en silencio: solo se ven los avisos de CMake (una herramienta
# de las pruebas que falta, por ejemplo), sin los colores que les pone en
# un terminal, y todo el registro si falla. Sin Ninja, la primera
# configuración usa el generador de Makefiles.
configure:
	@$(PREPARAR) programas $(GRUPOS_$(PRESET)) $(GRUPOS)
	@mkdir -p $(BUILD_DIR)
	@[ -f $(BUILD_DIR)/CMakeCache.txt ] || \
	  echo "Configurando $(BUILD_DIR)/ (preset $(PRESET))"
	@generador=; [ -f $(BUILD_DIR)/CMakeCache.txt ] || \
	  command -v ninja >/dev/null || generador="Unix Makefiles"; \
	cmake --preset $(PRESET) $${generador:+-G "$$generador"} \
	  --log-level=NOTICE >$(LOG) 2>$(LOG).avisos || \
	  { cat $(LOG) $(LOG).avisos >&2; exit 1; }
	@sed 's/\x1b\[[0-9;]*m//g' $(LOG).avisos | \
	  sed -n '/^Consolas: /p; /^CMake Warning/,/^$$/p' >&2

# La compilación muestra su avance: con Ninja, una línea [n/m] que se
# reescribe en el terminal.
build: configure
	@cmake --build --preset $(PRESET)

# Los cinco programas y sus páginas de manual, sin las pruebas.
programs: configure
	@cmake --build --preset $(PRESET) --target programas

# La lista de programas es la de la configuración (programas.txt). El
# programa se arranca en primer plano: ver tools/primer_plano.pl.
run: configure
	@grep -qxF -- '$(PROGRAM)' $(BUILD_DIR)/programas.txt || { \
	  echo "No hay ningún programa llamado «$(PROGRAM)». Programas:" \
	    $$(cat $(BUILD_DIR)/programas.txt) >&2; exit 2; }
	@cmake --build --preset $(PRESET) --target $(PROGRAM)
	@perl tools/primer_plano.pl $(BUILD_DIR)/bin/$(PROGRAM)

test: build
	@ctest --preset $(PRESET)

# Instala en PREFIX/bin y PREFIX/share, y guarda en
# PREFIX/share/consolas/instalados.txt lo que instaló, que es lo único que
# uninstall quita de ese PREFIX.
install: programs
	@cmake -DBUILD_DIR=$(BUILD_DIR) -DPREFIX="$(PREFIX)" -P cmake/Instalar.cmake

uninstall:
	@$(PREPARAR) programas
	@cmake -DPREFIX="$(PREFIX)" -P cmake/Desinstalar.cmake

# El paquete queda en la carpeta de compilación, y su ruta es lo único que
# se escribe. CPack halla las bibliotecas de los programas con file y
# dpkg-shlibdeps.
package: programs
	@cd $(BUILD_DIR) && cpack >package.log 2>&1 || { cat package.log >&2; exit 1; }
	@sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p' $(BUILD_DIR)/package.log

windows:
	@$(MAKE) --no-print-directory build PRESET=windows
	@ls build-windows/bin/*.exe

# AddressSanitizer y UndefinedBehaviorSanitizer, sin recuperación: cualquier
# aviso hace fallar su prueba.
test-asan:
	@$(MAKE) --no-print-directory test PRESET=asan

# Comprobaciones estáticas de las fuentes del proyecto, con las órdenes de
# compilación de la configuración.
lint: build
	@bash tools/lint.sh $(BUILD_DIR)

# No es una prueba: escribe cifras de cada programa de menú de $(BUILD_DIR)/bin.
bench: build
	@python3 tools/bench.py $(BUILD_DIR)/bin

clean:
	rm -rf build build-*

# --- Los programas en el navegador -------------------------------------------
#   make web                  los compila con Emscripten y monta la página,
#                             solo ficheros estáticos, en build-web/
#   make web-serve [PUERTO=8000]  la sirve en http://localhost:PUERTO/
#   make test-web             la prueba en un Chromium sin ventana
#   make bench-web            mide lo que carga y cuánto tarda la primera pantalla
# web/preparar.sh instala antes lo que falte (con tools/preparar.sh): CMake y
# Ninja, Emscripten, node y npm con los paquetes de web/package-lock.json, y
# Chromium para probar.
PUERTO ?= 8000

.PHONY: web web-serve test-web bench-web

web:
	@bash web/construir.sh

web-serve: web
	@python3 web/servir.py --puerto $(PUERTO) build-web

test-web: web
	@bash web/preparar.sh --pruebas
	@node web/probar.js

bench-web: web
	@bash web/preparar.sh --pruebas
	@node web/medir.js
