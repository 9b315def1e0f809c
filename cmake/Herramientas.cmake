# The tools the tests need and the programs do not: GoogleTest and python3
# for every test, valgrind for the memcheck runs of the transcripts.
#
# Without one of them the programs still configure and build: configure says
# in one line what is left out and what to install. With TEST_TOOLS_REQUIRED
# (the ci preset) a missing tool fails the configure instead.
#
# Sets CONSOLAS_TESTS (the tests can be built) and VALGRIND (empty when the
# memcheck runs are left out).

option(TEST_TOOLS_REQUIRED
  "Fail the configure when a tool of the tests is missing" OFF)
option(MEMCHECK "Run every transcript under valgrind memcheck too" ON)

find_package(GTest QUIET)
find_package(Python3 QUIET COMPONENTS Interpreter)

set(herramientas_ausentes)
set(paquetes_ausentes)
if(NOT GTest_FOUND)
  list(APPEND herramientas_ausentes GoogleTest)
  list(APPEND paquetes_ausentes libgtest-dev)
endif()
if(NOT Python3_Interpreter_FOUND)
  list(APPEND herramientas_ausentes python3)
  list(APPEND paquetes_ausentes python3)
endif()

# Under the sanitizers the programs check themselves, and Windows has no
# valgrind: the memcheck runs are made elsewhere only. A VALGRIND given on
# the command line that is not a program counts as not found.
set(memcheck_posible OFF)
if(MEMCHECK AND NOT SANITIZE AND NOT WIN32)
  set(memcheck_posible ON)
  find_program(VALGRIND valgrind)
  if(NOT VALGRIND OR IS_DIRECTORY "${VALGRIND}" OR NOT EXISTS "${VALGRIND}")
    list(APPEND herramientas_ausentes valgrind)
    list(APPEND paquetes_ausentes valgrind)
    set(memcheck_posible OFF)
  endif()
endif()

if(GTest_FOUND AND Python3_Interpreter_FOUND)
  set(CONSOLAS_TESTS ON)
else()
  set(CONSOLAS_TESTS OFF)
endif()

if(herramientas_ausentes)
  list(JOIN herramientas_ausentes ", " ausentes)
  list(JOIN paquetes_ausentes " " paquetes)
  if(TEST_TOOLS_REQUIRED)
    message(FATAL_ERROR "Not found: ${ausentes}, which the tests need "
      "(TEST_TOOLS_REQUIRED is on). apt-get install ${paquetes}")
  endif()
  if(CONSOLAS_TESTS)
    set(fuera "the memcheck runs are")
  else()
    set(fuera "the tests are")
  endif()
  # NOTICE, not STATUS: `make run` and `make build` show it above the build.
  message(NOTICE "Consolas: ${fuera} left out (not found: ${ausentes}); "
    "the five programs build. To test: apt-get install ${paquetes}")
endif()
if(NOT memcheck_posible)
  set(VALGRIND "")
endif()
