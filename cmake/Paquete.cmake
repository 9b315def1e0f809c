# The package of the programs and their manual pages: `make package`, or
# `cpack` in a build directory. A Debian package on Linux, with the copyright
# file and changelog Debian asks for; a ZIP elsewhere, with LICENSE,
# README.md and LEEME.md at its top on Windows.
set(CPACK_PACKAGE_NAME consolas)
set(CPACK_PACKAGE_VENDOR "Consolas")
set(PACKAGE_MAINTAINER
  "Seed 314d77f0 maintainers <maintainers@users.noreply.c-seed-314d77f0.example>"
  CACHE STRING "Maintainer of the package, as \"Name <address>\"")
set(CPACK_PACKAGE_CONTACT "${PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Five Spanish console programs that show classic containers")
set(CPACK_PACKAGE_DESCRIPTION
  "Small interactive programs in Spanish, driven by numbered text menus:
fixedstack, a queue and a stack of ten integers; growstack, a queue and a
stack that grow when full; shapestack, a queue and a stack of squares and
circles; nodelist, a singly linked list of integers; and payslips, the
monthly payslips of four kinds of employee. Each has a manual page.")
set(CPACK_STRIP_FILES ON)

# paqueteDebian()
# The files Debian's policy asks of a binary package, in
# /usr/share/doc/consolas: the copyright in the machine-readable format, its
# licence text taken from LICENSE, and the compressed changelog. Lintian's
# overrides, each with its reason, go to /usr/share/lintian/overrides.
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
    COMMENT "Compressing changelog.Debian"
    VERBATIM)
  add_custom_target(changelog_debian ALL DEPENDS ${comprimido})
  add_dependencies(programas changelog_debian)
  # A component of its own, left out of `cmake --install` and `make
  # install`, which need neither; the package holds every component.
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
  # The libraries the programs link (libc, libstdc++, libgcc) as dpkg finds
  # them in the binaries, with the versions this build needs.
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
