include(GNUInstallDirs)

# Las páginas de manual se instalan comprimidas con gzip, como las guarda
# Debian, si gzip está disponible, y sin comprimir si no; -n hace que el
# fichero comprimido sea reproducible. Windows no tiene manual, así que allí
# no se instalan.
if(UNIX)
  find_program(GZIP_PROGRAMA gzip)
endif()

# El objetivo `programas` compila los cinco programas y sus páginas de
# manual, todo lo que se instala, sin las pruebas.
add_custom_target(programas)

# programa(<nombre> <fuentes>...)
# Declara uno de los programas de consola: un ejecutable que se compila en
# bin/ y se enlaza con la capa de consola, su único código compartido. Al
# instalar, el ejecutable va a bin/ y su página de manual, man/<nombre>.1 del
# árbol de fuentes, que todo programa debe tener, va a share/man/man1/
# (salvo en Windows).
function(programa nombre)
  add_executable(${nombre} ${ARGN})
  target_link_libraries(${nombre} PRIVATE consola)
  # Los ficheros que una compilación da al enlazador sin ser fuentes (la de
  # la página los nombra en DEPENDENCIAS_DE_ENLACE).
  if(DEPENDENCIAS_DE_ENLACE)
    set_property(TARGET ${nombre} APPEND PROPERTY LINK_DEPENDS
      ${DEPENDENCIAS_DE_ENLACE})
  endif()
  install(TARGETS ${nombre} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(CMAKE_SYSTEM_NAME STREQUAL Linux)
    # Una instalación sin símbolos (la del paquete) quita también la firma
    # del compilador, como hacen los paquetes del propio Debian.
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${nombre}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
  endif()
  add_dependencies(programas ${nombre})

  set(pagina ${PROJECT_SOURCE_DIR}/man/${nombre}.1)
  if(NOT EXISTS ${pagina})
    message(FATAL_ERROR "El programa ${nombre} no tiene página de manual: "
      "falta ${pagina}")
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
      COMMENT "Comprimiendo la página de manual ${nombre}.1"
      VERBATIM)
    add_custom_target(${nombre}_man ALL DEPENDS ${comprimida})
    add_dependencies(programas ${nombre}_man)
    set(pagina ${comprimida})
  endif()
  install(FILES ${pagina} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
