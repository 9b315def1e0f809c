include(GNUInstallDirs)

# Manual pages are installed gzipped, as Debian keeps them, when gzip is
# there, and plain otherwise; -n keeps the archive reproducible. Windows has
# no manual, so they are not installed there.
if(UNIX)
  find_program(GZIP_PROGRAMA gzip)
endif()

# The target `programas` builds the five programs and their manual pages,
# all that is installed, without the tests.
add_custom_target(programas)

# programa(<name> <sources>...)
# Declares one of the console programs: an executable built into bin/ and
# linked against the console layer, its only shared code. Installing puts it
# into bin/, and its manual page, man/<name>.1 of the source tree, which
# every program must have, into share/man/man1/ (but on Windows).
function(programa nombre)
  add_executable(${nombre} ${ARGN})
  target_link_libraries(${nombre} PRIVATE consola)
  install(TARGETS ${nombre} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(CMAKE_SYSTEM_NAME STREQUAL Linux)
    # A stripped install (the package) drops the compiler's signature too,
    # as Debian's own packages do.
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${nombre}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
  endif()
  add_dependencies(programas ${nombre})

  set(pagina ${PROJECT_SOURCE_DIR}/man/${nombre}.1)
  if(NOT EXISTS ${pagina})
    message(FATAL_ERROR "Program ${nombre} has no manual page ${pagina}")
  endif()
  if(WIN32)
    return()
  endif()
  if(GZIP_PROGRAMA)
    set(comprimida ${PROJECT_BINARY_DIR}/man/${nombre}.1.gz)
    add_custom_command(OUTPUT ${comprimida}
      COMMAND ${CMAKE_COMMAND} -E copy ${pagina} ${PROJECT_BINARY_DIR}/man/${nombre}.1
      COMMAND ${GZIP_PROGRAMA} -9nf ${PROJECT_BINARY_DIR}/man/${nombre}.1
      DEPENDS ${pagina}
      COMMENT "Compressing manual page ${nombre}.1"
      VERBATIM)
    add_custom_target(${nombre}_man ALL DEPENDS ${comprimida})
    add_dependencies(programas ${nombre}_man)
    set(pagina ${comprimida})
  endif()
  install(FILES ${pagina} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
