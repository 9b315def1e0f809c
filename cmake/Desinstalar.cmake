# cmake -DPREFIX=<prefijo> -P cmake/Desinstalar.cmake
# (`make uninstall`) quita de PREFIX lo que cmake/Instalar.cmake apuntó en
# PREFIX/share/consolas/instalados.txt: cada fichero que sigue siendo el que
# se instaló (con la misma huella SHA-256), y después, de la más honda a la
# menos, cada carpeta que creó la instalación y que ha quedado vacía.
# Nunca quita otra cosa: lo que alguien cambió o añadió después se queda.
cmake_minimum_required(VERSION 3.21)

file(REAL_PATH "${PREFIX}" prefijo EXPAND_TILDE)
set(lista "${prefijo}/share/consolas/instalados.txt")
if(NOT EXISTS "${lista}")
  message("No hay nada que desinstalar en ${prefijo}: falta ${lista}, que "
    "escribe make install.")
  return()
endif()

# Solo rutas dentro de PREFIX, o las carpetas que lo contienen: una línea
# estropeada de la lista no puede llevar a borrar otra cosa.
function(comprobarRuta ruta)
  if(IS_ABSOLUTE "${ruta}" OR ruta MATCHES "(^|/)\\.\\.(/|$)" AND
    NOT ruta MATCHES "^\\.\\.(/\\.\\.)*$")
    message(FATAL_ERROR "${lista}: una ruta fuera de ${prefijo}: ${ruta}")
  endif()
endfunction()

file(STRINGS "${lista}" lineas REGEX "^(carpeta|fichero) ")
set(carpetas)
foreach(linea IN LISTS lineas)
  if(linea MATCHES "^carpeta (.+)$")
    comprobarRuta("${CMAKE_MATCH_1}")
    get_filename_component(carpeta "${prefijo}/${CMAKE_MATCH_1}" ABSOLUTE)
    list(APPEND carpetas "${carpeta}")
  elseif(linea MATCHES "^fichero ([0-9a-f]+) (.+)$")
    set(huella ${CMAKE_MATCH_1})
    comprobarRuta("${CMAKE_MATCH_2}")
    set(fichero "${prefijo}/${CMAKE_MATCH_2}")
    if(IS_DIRECTORY "${fichero}" OR NOT EXISTS "${fichero}")
      continue()
    endif()
    file(SHA256 "${fichero}" actual)
    if(actual STREQUAL huella)
      message("-- Quitando: ${fichero}")
      file(REMOVE "${fichero}")
    else()
      message("-- Se conserva: ${fichero} (ha cambiado desde make install)")
    endif()
  endif()
endforeach()
file(REMOVE "${lista}")

# Una carpeta va antes que la que la contiene, cuya ruta es más corta y la
# precede en orden alfabético. La que guarda algo más se queda.
list(SORT carpetas)
list(REVERSE carpetas)
foreach(carpeta IN LISTS carpetas)
  file(GLOB dentro "${carpeta}/*" "${carpeta}/.*")
  if(IS_DIRECTORY "${carpeta}" AND NOT dentro)
    file(REMOVE_RECURSE "${carpeta}")
  endif()
endforeach()
