# The package of the programs and their manual pages: `make package`, or
# `cpack` in a build directory. A Debian package on Linux, a ZIP elsewhere.
set(CPACK_PACKAGE_NAME consolas)
set(CPACK_PACKAGE_VENDOR "Consolas")
set(CPACK_PACKAGE_CONTACT
  "Seed 314d77f0 maintainers <maintainers@users.noreply.c-seed-314d77f0.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Five Spanish console programs that show classic containers")
set(CPACK_PACKAGE_DESCRIPTION
  "Small interactive programs in Spanish, driven by numbered text menus:
fixedstack, a queue and a stack of ten integers; growstack, a queue and a
stack that grow when full; shapestack, a queue and a stack of squares and
circles; nodelist, a singly linked list of integers; and payslips, the
monthly payslips of four kinds of employee. Each has a manual page.")
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  set(CPACK_DEBIAN_PACKAGE_SECTION education)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The libraries the programs link (libc, libstdc++, libgcc) as dpkg finds
  # them in the binaries, with the versions this build needs.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_GENERATOR ZIP)
endif()

include(CPack)
