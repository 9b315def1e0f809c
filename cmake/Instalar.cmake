# cmake -DBUILD_DIR=<build> -DPREFIX=<prefix> -P cmake/Instalar.cmake
# (`make install`) installs a build into PREFIX as `cmake --install` does,
# which lists the files in <build>/install_manifest.txt, and adds to
# <build>/install_folders.txt the folders that the install made, so that
# cmake/Desinstalar.cmake removes exactly what was installed.
cmake_minimum_required(VERSION 3.20)

file(REAL_PATH "${PREFIX}" prefijo EXPAND_TILDE)
file(REAL_PATH "${BUILD_DIR}" build)

# A trial install into a scratch folder shows which folders the real one
# needs; those missing under PREFIX are the ones it makes.
set(ensayo ${build}/install_trial)
file(REMOVE_RECURSE ${ensayo})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${ensayo}
    ${CMAKE_COMMAND} --install ${build} --prefix ${prefijo}
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE carpetas LIST_DIRECTORIES true "${ensayo}${prefijo}/*")
set(nuevas)
foreach(carpeta IN LISTS carpetas)
  if(IS_DIRECTORY ${carpeta})
    string(REPLACE "${ensayo}" "" carpeta "${carpeta}")
    if(NOT EXISTS ${carpeta})
      list(APPEND nuevas ${carpeta})
    endif()
  endif()
endforeach()
file(REMOVE_RECURSE ${ensayo})
# PREFIX itself, and the folders above it, when they are missing.
set(carpeta ${prefijo})
while(NOT EXISTS ${carpeta})
  list(APPEND nuevas ${carpeta})
  get_filename_component(carpeta ${carpeta} DIRECTORY)
endwhile()

# Folders made by an earlier install into the same PREFIX stay listed.
set(lista ${build}/install_folders.txt)
if(EXISTS ${lista})
  file(STRINGS ${lista} anteriores)
  list(APPEND nuevas ${anteriores})
endif()
list(REMOVE_DUPLICATES nuevas)
list(JOIN nuevas "\n" texto)
file(WRITE ${lista} "${texto}\n")

execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${build} --prefix ${prefijo}
  COMMAND_ERROR_IS_FATAL ANY)

# man finds PREFIX/share/man through PREFIX/bin on PATH.
set(ruta ":$ENV{PATH}:")
string(FIND "${ruta}" ":${prefijo}/bin:" en_ruta)
if(en_ruta EQUAL -1)
  message("Add ${prefijo}/bin to PATH to start the programs by name and "
    "read their pages with man.")
endif()
