# Caché inicial (cmake -C) de la compilación de los programas para la página,
# con el Emscripten de Debian (emcmake): los cinco programas sin las pruebas,
# optimizados, con las excepciones de C++ (el fin de la entrada y los errores
# de la consola son excepciones) y con sus descriptores en el terminal de la
# página (enlace.js).
set(BUILD_TESTING OFF CACHE BOOL "" FORCE)
set(CMAKE_BUILD_TYPE Release CACHE STRING "" FORCE)
set(CMAKE_CXX_FLAGS "-fexceptions" CACHE STRING "" FORCE)
# Cada opción de enlace, y para qué es:
#   -Oz                    el .wasm más pequeño al enlazar (el código ya se
#                          compiló con -O3);
#   EXIT_RUNTIME           al acabar main corren las funciones de atexit y la
#                          página se entera del estado de salida;
#   ENVIRONMENT=web        el programa corre en el hilo de la página;
#   FILESYSTEM=0           sin el sistema de ficheros de Emscripten: enlace.js
#                          da los únicos descriptores, los del terminal;
#   MODULARIZE             programas/NOMBRE.js define crearPrograma(Module),
#                          que crea una ejecución nueva cada vez que se llama;
#   SINGLE_FILE            el .wasm va dentro del .js, pues abierta desde el
#                          disco (file://) la página no puede pedir ficheros;
#   ASYNCIFY               el programa espera entrada sin bloquear la página;
#                          solo esperan read y poll (ASYNCIFY_IMPORTS), y las
#                          funciones de nunca-esperan.txt no están nunca en la
#                          pila de una espera (ASYNCIFY_REMOVE): sin ellas, el
#                          .wasm crece menos (el de fixedstack, 209 KB en vez
#                          de 356 KB);
#   EXPORTED_FUNCTIONS     getpgrp, para que enlace.js responda quién está en
#                          primer plano;
#   EXPORTED_RUNTIME_METHODS  ENV, para dar valor a TERM antes de main.
set(opciones_de_enlace
  -Oz
  -fexceptions
  -sEXIT_RUNTIME=1
  -sENVIRONMENT=web
  -sFILESYSTEM=0
  -sMODULARIZE=1
  -sEXPORT_NAME=crearPrograma
  -sSINGLE_FILE=1
  -sASYNCIFY=1
  -sASYNCIFY_IMPORTS=wasi_snapshot_preview1.fd_read,__syscall_poll
  -sASYNCIFY_REMOVE=@${CMAKE_CURRENT_LIST_DIR}/nunca-esperan.txt
  -sEXPORTED_FUNCTIONS=_main,_getpgrp
  -sEXPORTED_RUNTIME_METHODS=ENV
  --js-library=${CMAKE_CURRENT_LIST_DIR}/enlace.js)
list(JOIN opciones_de_enlace " " opciones_de_enlace)
set(CMAKE_EXE_LINKER_FLAGS "${opciones_de_enlace}" CACHE STRING "" FORCE)
# Los ficheros que entran al enlazar sin ser fuentes: si cambian, cada
# programa se vuelve a enlazar.
set(DEPENDENCIAS_DE_ENLACE
  "${CMAKE_CURRENT_LIST_DIR}/enlace.js;${CMAKE_CURRENT_LIST_DIR}/nunca-esperan.txt"
  CACHE STRING "" FORCE)
