# cmake -DBUILD_DIR=<build> -P cmake/Desinstalar.cmake
# (`make uninstall`) removes what cmake/Instalar.cmake installed from that
# build: the files of <build>/install_manifest.txt, then the folders of
# <build>/install_folders.txt that are left empty.
cmake_minimum_required(VERSION 3.20)

file(REAL_PATH "${BUILD_DIR}" build)
set(manifiesto ${build}/install_manifest.txt)
if(NOT EXISTS ${manifiesto})
  message("Nothing to uninstall: no ${manifiesto}, which make install "
    "writes.")
  return()
endif()

file(STRINGS ${manifiesto} ficheros)
foreach(fichero IN LISTS ficheros)
  if(EXISTS ${fichero} OR IS_SYMLINK ${fichero})
    message("-- Removing: ${fichero}")
    file(REMOVE ${fichero})
  endif()
endforeach()

# Deepest first; a folder that holds something else now stays.
set(lista ${build}/install_folders.txt)
if(EXISTS ${lista})
  file(STRINGS ${lista} carpetas)
  list(SORT carpetas)
  list(REVERSE carpetas)
  foreach(carpeta IN LISTS carpetas)
    file(GLOB dentro "${carpeta}/*" "${carpeta}/.*")
    if(IS_DIRECTORY ${carpeta} AND NOT dentro)
      file(REMOVE_RECURSE ${carpeta})
    endif()
  endforeach()
  file(REMOVE ${lista})
endif()
file(REMOVE ${manifiesto})
