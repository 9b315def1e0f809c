# Las herramientas que necesitan las pruebas y no los programas: GoogleTest y
# python3 para todas las pruebas, y valgrind para pasar las transcripciones
# por memcheck.
#
# Sin alguna de ellas los programas se configuran y compilan igual: la
# configuración dice en una línea qué queda fuera y qué instalar (make test
# lo instala con tools/preparar.sh). Con TEST_TOOLS_REQUIRED (el preset ci)
# la configuración falla en cambio.
#
# Deja CONSOLAS_TESTS (las pruebas se pueden compilar) y VALGRIND (vacío
# cuando las pasadas por memcheck quedan fuera).

option(TEST_TOOLS_REQUIRED
  "Hace fallar la configuración si falta una herramienta de las pruebas" OFF)
option(MEMCHECK "Pasa también cada transcripción por memcheck de valgrind" ON)

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

# Con los sanitizadores los programas se vigilan solos, y Windows no tiene
# valgrind: las pasadas por memcheck se hacen solo en los demás casos. Un
# VALGRIND dado en la línea de órdenes que no es un programa cuenta como no
# encontrado.
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
    message(FATAL_ERROR "Faltan herramientas de las pruebas (falta: "
      "${ausentes}) y TEST_TOOLS_REQUIRED está activado: apt-get install "
      "${paquetes}")
  endif()
  if(CONSOLAS_TESTS)
    set(fuera "las pasadas por memcheck quedan")
  else()
    set(fuera "las pruebas quedan")
  endif()
  # NOTICE, no STATUS: `make run` y `make build` lo muestran sobre la
  # compilación.
  message(NOTICE "Consolas: ${fuera} fuera (falta: ${ausentes}); los cinco "
    "programas se compilan igual. make test lo instala, o bien: apt-get "
    "install ${paquetes}")
endif()
if(NOT memcheck_posible)
  set(VALGRIND "")
endif()
