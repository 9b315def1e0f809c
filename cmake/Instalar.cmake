# cmake -DBUILD_DIR=<compilación> -DPREFIX=<prefijo> -P cmake/Instalar.cmake
# (`make install`) instala una compilación en PREFIX como `cmake --install`,
# y apunta en PREFIX/share/consolas/instalados.txt lo que hizo: cada fichero
# instalado, con su huella SHA-256, y cada carpeta que tuvo que crear.
# cmake/Desinstalar.cmake quita de ese PREFIX eso y nada más, aunque después
# se haya instalado en otra parte o se haya borrado la compilación.
cmake_minimum_required(VERSION 3.21)

file(REAL_PATH "${PREFIX}" prefijo EXPAND_TILDE)
file(REAL_PATH "${BUILD_DIR}" build)
set(lista "${prefijo}/share/consolas/instalados.txt")

# relativa(<variable> <ruta absoluta>)
# La ruta dentro de PREFIX: `bin/fixedstack`, `.` para PREFIX mismo y `..`
# para la carpeta que lo contiene.
function(relativa variable ruta)
  file(RELATIVE_PATH resultado "${prefijo}" "${ruta}")
  string(REGEX REPLACE "/$" "" resultado "${resultado}")
  if(resultado STREQUAL "")
    set(resultado .)
  endif()
  set(${variable} ${resultado} PARENT_SCOPE)
endfunction()

# Una instalación de ensayo en una carpeta aparte muestra qué carpetas
# necesita la de verdad: las que aún no existen en PREFIX son las que crea.
set(ensayo "${build}/install_trial")
file(REMOVE_RECURSE "${ensayo}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${ensayo}"
    ${CMAKE_COMMAND} --install "${build}" --prefix "${prefijo}"
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE carpetas LIST_DIRECTORIES true "${ensayo}${prefijo}/*")
set(creadas)
foreach(carpeta IN LISTS carpetas)
  if(NOT IS_DIRECTORY "${carpeta}")
    continue()
  endif()
  string(REPLACE "${ensayo}" "" carpeta "${carpeta}")
  if(NOT EXISTS "${carpeta}")
    relativa(carpeta "${carpeta}")
    list(APPEND creadas ${carpeta})
  endif()
endforeach()
file(REMOVE_RECURSE "${ensayo}")
# La carpeta de la lista misma.
if(NOT EXISTS "${prefijo}/share/consolas")
  list(APPEND creadas share/consolas)
endif()
# PREFIX mismo, y las carpetas que lo contienen, cuando no existen.
set(carpeta "${prefijo}")
while(NOT EXISTS "${carpeta}")
  relativa(relativa_carpeta "${carpeta}")
  list(APPEND creadas ${relativa_carpeta})
  get_filename_component(carpeta "${carpeta}" DIRECTORY)
endwhile()

# Lo que apuntó una instalación anterior en este PREFIX sigue apuntado: sus
# carpetas las creó ella, y sus ficheros, si vuelven a instalarse, llevarán
# su huella nueva.
set(ficheros_anteriores)
if(EXISTS "${lista}")
  file(STRINGS "${lista}" lineas REGEX "^(carpeta|fichero) ")
  foreach(linea IN LISTS lineas)
    if(linea MATCHES "^carpeta (.+)$")
      list(APPEND creadas ${CMAKE_MATCH_1})
    elseif(linea MATCHES "^fichero ([0-9a-f]+) (.+)$")
      list(APPEND ficheros_anteriores ${CMAKE_MATCH_2})
      set(huella_${CMAKE_MATCH_2} ${CMAKE_MATCH_1})
    endif()
  endforeach()
endif()
list(REMOVE_DUPLICATES creadas)

execute_process(
  COMMAND ${CMAKE_COMMAND} --install "${build}" --prefix "${prefijo}"
  COMMAND_ERROR_IS_FATAL ANY)

# Los ficheros que acaba de instalar, que cmake --install ha listado.
file(STRINGS "${build}/install_manifest.txt" instalados)
set(ficheros ${ficheros_anteriores})
foreach(fichero IN LISTS instalados)
  relativa(relativo "${fichero}")
  file(SHA256 "${fichero}" huella_${relativo})
  list(APPEND ficheros ${relativo})
endforeach()
list(REMOVE_DUPLICATES ficheros)

set(texto "# Lo que make install instaló en esta carpeta; make uninstall \
PREFIX=<esta carpeta> lo quita.\n")
foreach(carpeta IN LISTS creadas)
  string(APPEND texto "carpeta ${carpeta}\n")
endforeach()
foreach(fichero IN LISTS ficheros)
  string(APPEND texto "fichero ${huella_${fichero}} ${fichero}\n")
endforeach()
file(WRITE "${lista}" "${texto}")

# man encuentra PREFIX/share/man a partir de PREFIX/bin en el PATH.
set(ruta ":$ENV{PATH}:")
string(FIND "${ruta}" ":${prefijo}/bin:" en_ruta)
if(en_ruta EQUAL -1)
  message("Añade ${prefijo}/bin al PATH para arrancar los programas por su "
    "nombre y leer sus páginas con man.")
endif()
