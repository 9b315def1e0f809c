# programa(<name> <sources>...)
# Declares one of the console programs: an executable built into bin/ and
# linked against the console layer, its only shared code.
function(programa nombre)
  add_executable(${nombre} ${ARGN})
  target_link_libraries(${nombre} PRIVATE consola)
endfunction()
