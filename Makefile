# A thin layer over CMake: the everyday commands.
#   make run [PROGRAM=fixedstack]   build, then start one program here
#   make test                       build, then run every test through CTest
#   make package                    build, then the Debian package (CPack)
#   make windows                    cross-compile the Windows programs (MinGW)
#   make test-asan                  the same, built with the sanitizers
#   make lint                       clang-tidy and cppcheck; fails on a finding
#   make bench                      time scripted sessions of the menu programs
# PRESET picks a configure preset of CMakePresets.json (default: default).

PROGRAMS := fixedstack growstack shapestack nodelist payslips
PROGRAM ?= fixedstack
PRESET ?= default
BUILD_DIR := $(if $(filter default,$(PRESET)),build,build-$(PRESET))
LOG := $(BUILD_DIR)/make.log

.PHONY: all build run test test-asan lint bench package windows clean

all: build

# Configure and build quietly; show the whole log only when something fails.
build:
	@mkdir -p $(BUILD_DIR)
	@{ cmake --preset $(PRESET) && cmake --build --preset $(PRESET); } \
	  >$(LOG) 2>&1 || { cat $(LOG) >&2; exit 1; }

run:
	@if [ -z "$(filter $(PROGRAM),$(PROGRAMS))" ]; then \
	  echo "Unknown program '$(PROGRAM)'. Programs: $(PROGRAMS)" >&2; exit 2; fi
	@$(MAKE) --no-print-directory build
	@exec $(BUILD_DIR)/bin/$(PROGRAM)

test: build
	@ctest --preset $(PRESET)

# The package lands in the build directory; its path is the only output.
package: build
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
