# Fichero de cadena de herramientas: programas de Windows x86-64 compilados
# desde Linux con MinGW-w64 (en Debian, el paquete g++-mingw-w64-x86-64-win32,
# que instala `make windows`).
#   cmake --preset windows    o    cmake -DCMAKE_TOOLCHAIN_FILE=<este> ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

# Bibliotecas y cabeceras, solo del árbol de MinGW; los programas que usa
# la compilación son los de aquí.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# El entorno de ejecución del compilador (libgcc, libstdc++, winpthread) va
# enlazado dentro, para que cada .exe arranque solo, con las DLL del propio
# Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
