# A thin layer over CMake: the everyday commands.
#   make run [PROGRAM=fixedstack]   build that program alone, then start it here
#   make test                       build everything, then run every test
#   make install [PREFIX=~/.local]  build the programs, install them and their
#   make uninstall                  manual pages; remove exactly those again
#   make package                    build, then the Debian package (CPack)
#   make windows                    cross-compile the Windows programs (MinGW)
#   make test-asan                  the same, built with the sanitizers
#   make lint                       clang-tidy and cppcheck; fails on a finding
#   make bench                      time scripted sessions of the menu programs
# PRESET picks a configure preset of CMakePresets.json (default: default).

PROGRAMS := fixedstack growstack shapestack nodelist payslips
PROGRAM ?= fixedstack
PRESET ?= default
PREFIX ?= $(HOME)/.local
BUILD_DIR := $(if $(filter default,$(PRESET)),build,build-$(PRESET))
LOG := $(BUILD_DIR)/configure.log

.PHONY: all configure build programs run test test-asan lint bench package \
  windows install uninstall clean

all: build

# Configure quietly: only CMake's notices and warnings are shown (a tool of
# the tests left out, say), and the whole log when the configure fails.
configure:
	@mkdir -p $(BUILD_DIR)
	@[ -f $(BUILD_DIR)/CMakeCache.txt ] || \
	  echo "Configuring $(BUILD_DIR)/ (preset $(PRESET))"
	@cmake --preset $(PRESET) --log-level=NOTICE >$(LOG) 2>&1 || \
	  { cat $(LOG) >&2; exit 1; }
	@sed -n '/^Consolas: /p; /^CMake Warning/,/^$$/p' $(LOG) >&2

# The builds show Ninja's progress, a [n/m] line per step.
build: configure
	@cmake --build --preset $(PRESET)

# The five programs and their manual pages alone, without the tests.
programs: configure
	@cmake --build --preset $(PRESET) --target programas

run:
	@if [ -z "$(filter $(PROGRAM),$(PROGRAMS))" ]; then \
	  echo "Unknown program '$(PROGRAM)'. Programs: $(PROGRAMS)" >&2; exit 2; fi
	@$(MAKE) --no-print-directory configure
	@cmake --build --preset $(PRESET) --target $(PROGRAM)
	@exec $(BUILD_DIR)/bin/$(PROGRAM)

test: build
	@ctest --preset $(PRESET)

# Installs into PREFIX/bin and PREFIX/share, and keeps in the build folder
# the list of files and of folders it made, which uninstall removes.
install: programs
	@cmake -DBUILD_DIR=$(BUILD_DIR) -DPREFIX=$(PREFIX) -P cmake/Instalar.cmake

uninstall:
	@cmake -DBUILD_DIR=$(BUILD_DIR) -P cmake/Desinstalar.cmake

# The package lands in the build directory; its path is the only output.
# CPack finds the programs' libraries with file and dpkg-shlibdeps.
package: programs
	@if [ "$$(uname -s)" = Linux ]; then for t in file dpkg-shlibdeps; do \
	  command -v $$t >/dev/null || { echo "make package: $$t not found" \
	    "(apt-get install file dpkg-dev)" >&2; exit 1; }; done; fi
	@cd $(BUILD_DIR) && cpack >package.log 2>&1 || { cat package.log >&2; exit 1; }
	@sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p' $(BUILD_DIR)/package.log

windows:
	@$(MAKE) --no-print-directory build PRESET=windows
	@ls build-windows/bin/*.exe
# AddressSanitizer and UndefinedBehaviorSanitizer, no recovery: any report
# fails its test.
test-asan:
	@$(MAKE) --no-print-directory test PRESET=asan

# Static checks over the project's own sources, with the compile commands of
# the build.
lint: build
	@bash tools/lint.sh $(BUILD_DIR)

# Not a test: prints figures per menu program found in $(BUILD_DIR)/bin.
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
# web/preparar.sh instala antes lo que falte: Emscripten, node y npm con los
# paquetes de web/package-lock.json, y Chromium para probar y medir.
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
