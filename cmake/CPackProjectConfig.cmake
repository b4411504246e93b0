# Read by cpack once per generator. For the Debian package, asks
# dpkg-shlibdeps for the libraries the program links, once, on the
# executable alone: CPack's own shlibdeps step runs `file` on each of the
# 600-odd pictures and takes minutes.
if(CPACK_GENERATOR STREQUAL "DEB")
  # Under /usr whatever the build's own prefix; with CPACK_SET_DESTDIR this is
  # the prefix the install itself sees (and writes into the menu entry).
  set(CPACK_INSTALL_PREFIX /usr)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  find_program(LECTURE_SHLIBDEPS dpkg-shlibdeps)
  set(linked "libqt6core6, libqt6gui6, libqt6widgets6, libstdc++6, libc6")
  if(LECTURE_SHLIBDEPS)
    set(scratch ${CPACK_PACKAGE_DIRECTORY}/_shlibdeps)
    file(MAKE_DIRECTORY ${scratch}/debian)
    file(WRITE ${scratch}/debian/control "")
    execute_process(
        COMMAND ${LECTURE_SHLIBDEPS} -O -e${CPACK_LECTURE_EXECUTABLE}
        WORKING_DIRECTORY ${scratch}
        OUTPUT_VARIABLE shlibs
        RESULT_VARIABLE failed
        ERROR_QUIET)
    file(REMOVE_RECURSE ${scratch})
    if(NOT failed AND shlibs MATCHES "shlibs:Depends=([^\n]+)")
      set(linked "${CMAKE_MATCH_1}")
    else()
      message(WARNING "dpkg-shlibdeps failed; using the plain library list")
    endif()
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${linked}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
endif()
