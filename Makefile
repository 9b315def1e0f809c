# A thin layer over CMake: the two everyday commands.
#   make run [PROGRAM=fixedstack]   build, then start one program here
#   make test                       build, then run every test through CTest
# PRESET picks a configure preset of CMakePresets.json (default: default).

PROGRAMS := fixedstack growstack shapestack nodelist payslips
PROGRAM ?= fixedstack
PRESET ?= default
BUILD_DIR := $(if $(filter default,$(PRESET)),build,build-$(PRESET))
LOG := $(BUILD_DIR)/make.log

.PHONY: all build run test clean

all: build

# Configure and build quietly; show the whole log only when something fails.
build:
	@mkdir -p $(BUILD_DIR)
	@{ cmake --preset $(PRESET) && cmake --build --preset $(PRESET); } \
	  >$(LOG) 2>&1 || { cat $(LOG); exit 1; }

run:
	@if [ -z "$(filter $(PROGRAM),$(PROGRAMS))" ]; then \
	  echo "Unknown program '$(PROGRAM)'. Programs: $(PROGRAMS)" >&2; exit 2; fi
	@$(MAKE) --no-print-directory build
	@exec $(BUILD_DIR)/bin/$(PROGRAM)

test: build
	@ctest --preset $(PRESET)

clean:
	rm -rf build build-*
