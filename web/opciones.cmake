# Caché inicial (cmake -C) de la compilación de los programas para la página,
# con el Emscripten de Debian (emcmake): los cinco programas sin las pruebas,
# optimizados, con las excepciones de C++ (el fin de la entrada y los errores
# de la consola son excepciones) y con sus descriptores en el terminal de la
# página (enlace.js).
set(BUILD_TESTING OFF CACHE BOOL "" FORCE)
set(CMAKE_BUILD_TYPE Release CACHE STRING "" FORCE)
set(CMAKE_CXX_FLAGS "-fexceptions" CACHE STRING "" FORCE)
# EXIT_RUNTIME: al acabar main corren las funciones de atexit y la página se
# entera del estado de salida. ENVIRONMENT=worker: el programa corre en un
# worker. getpgrp se exporta para que enlace.js responda quién está en primer
# plano.
set(CMAKE_EXE_LINKER_FLAGS
  "-fexceptions -sEXIT_RUNTIME=1 -sENVIRONMENT=worker -sEXPORTED_FUNCTIONS=_main,_getpgrp --js-library=${CMAKE_CURRENT_LIST_DIR}/enlace.js"
  CACHE STRING "" FORCE)
