# El paquete de los programas y sus páginas de manual: `make package`, o
# `cpack` en una carpeta de compilación. En Linux, un paquete de Debian con
# el copyright y el changelog que pide Debian; en otros sistemas, un ZIP, que
# en Windows lleva arriba LICENSE, README.md y LEEME.md.
set(CPACK_PACKAGE_NAME consolas)
set(CPACK_PACKAGE_VENDOR "Consolas")
# El responsable es el proyecto mismo. Debian pide una dirección junto al
# nombre; quien distribuya el paquete pone aquí la suya.
set(PACKAGE_MAINTAINER "Consolas <consolas@example.org>"
  CACHE STRING "Responsable del paquete, como \"Nombre <dirección>\"")
set(CPACK_PACKAGE_CONTACT "${PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Five Spanish console programs that show classic containers")
set(CPACK_PACKAGE_DESCRIPTION
  "Small interactive programs in Spanish, driven by numbered text menus:
fixedstack, a queue and a stack of ten integers; growstack, a queue and a
stack that grow when full; nodelist, a singly linked list of integers;
shapestack, a queue and a stack of squares and circles; and payslips, the
monthly payslips of four kinds of employee. Each has a manual page.")
set(CPACK_STRIP_FILES ON)

# paqueteDebian()
# Los ficheros que la política de Debian pide a un paquete binario, en
# /usr/share/doc/consolas: el copyright en el formato legible por máquina,
# con el texto de la licencia tomado de LICENSE, y el changelog comprimido.
# Las anulaciones de lintian, cada una con su motivo, van a
# /usr/share/lintian/overrides.
function(paqueteDebian)
  file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE lineas)
  list(FILTER lineas EXCLUDE REGEX "^(MIT License|Copyright .*)$")
  set(texto)
  foreach(linea IN LISTS lineas)
    if(linea STREQUAL "")
      string(APPEND texto " .\n")
    else()
      string(APPEND texto " ${linea}\n")
    endif()
  endforeach()
  string(REGEX REPLACE "^ \\.\n( \\.\n)*" "" texto "${texto}")
  set(doc ${PROJECT_BINARY_DIR}/doc)
  file(WRITE ${doc}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: consolas
Upstream-Contact: ${PACKAGE_MAINTAINER}

Files: *
Copyright: 2026 The Consolas authors
License: Expat
${texto}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/changelog.Debian.in
    ${doc}/changelog.Debian @ONLY)
  set(comprimido ${doc}/changelog.Debian.gz)
  add_custom_command(OUTPUT ${comprimido}
    COMMAND ${GZIP_PROGRAMA} -9nkf ${doc}/changelog.Debian
    DEPENDS ${doc}/changelog.Debian
    COMMENT "Comprimiendo changelog.Debian"
    VERBATIM)
  add_custom_target(changelog_debian ALL DEPENDS ${comprimido})
  add_dependencies(programas changelog_debian)
  # Un componente propio, que `cmake --install` y `make install` dejan
  # fuera porque no necesitan nada de esto; el paquete lleva todos.
  install(FILES ${doc}/copyright ${comprimido}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME}
    COMPONENT debian EXCLUDE_FROM_ALL)
  install(FILES ${PROJECT_SOURCE_DIR}/cmake/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME ${CPACK_PACKAGE_NAME}
    COMPONENT debian EXCLUDE_FROM_ALL)
  set(CPACK_COMPONENTS_ALL Unspecified debian PARENT_SCOPE)
  set(CPACK_DEB_COMPONENT_INSTALL ON PARENT_SCOPE)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE PARENT_SCOPE)
endfunction()

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  set(CPACK_DEBIAN_PACKAGE_SECTION education)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # Las bibliotecas que enlazan los programas (libc, libstdc++, libgcc),
  # tal como dpkg las halla en los binarios, con las versiones que pide esta
  # compilación.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
  paqueteDebian()
else()
  set(CPACK_GENERATOR ZIP)
  if(WIN32)
    set(destino .)
  else()
    set(destino ${CMAKE_INSTALL_DOCDIR})
  endif()
  install(FILES LICENSE README.md LEEME.md DESTINATION ${destino})
endif()

include(CPack)
