# Installing Lecture as a desktop program, and its Debian package:
#   cmake --install <build> [--prefix <prefix>]
#   cd <build> && cpack -G DEB
# Layout under the prefix: games/lecture, share/lecture/images/*.bmp with
# share/lecture/PICTURES-NOTICES.txt, the menu entry, the metainfo, the
# icons, the manual pages (section 6, English and French) and the docs. The
# program finds its pictures from its own folder (games/../share/lecture), so
# any prefix works; each user's settings file goes to that user's data
# folder.
include(GNUInstallDirs)

set(LECTURE_APP_ID org.velune.Lecture)
# Debian needs a maintainer's name and address, in the package and in its
# changelog; whoever publishes the package sets their own here.
set(LECTURE_MAINTAINER "The Lecture developers <lecture@velune.org>" CACHE STRING
    "Name and address of the Debian package's maintainer")

add_subdirectory(${PROJECT_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}/data)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lecture)

set(CPACK_PACKAGE_NAME lecture)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lecture developers")
set(CPACK_PACKAGE_CONTACT ${LECTURE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture-and-word reading game for young children (French)")
# No homepage: the game has none yet, and an address that does not exist is
# worse than none.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY lecture)

# The summary above becomes its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Lecture is a reading game for children of five or six who learn to read
French. Each turn shows four pictures and the written name of one of them,
in joined school handwriting, print lower-case or capitals; the child reads
the name and clicks the matching picture. Six exercise modes go from
discovery to a challenge of ten right answers in a row.
.
Un jeu de lecture pour les enfants de 5 et 6 ans : lis le mot, trouve l'image.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
# The platform plugins and the dialogs' font are loaded at run time, so
# they are named here; the linked libraries are added at packaging time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wine")
set(CPACK_LECTURE_EXECUTABLE ${LECTURE_RUN_DIR}/lecture)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackProjectConfig.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Installs under DESTDIR with the real prefix, so that the menu entry's Exec
# names /usr/games/lecture rather than the staging folder.
set(CPACK_SET_DESTDIR ON)

if(NOT CPACK_GENERATOR)
  if(WIN32 OR APPLE)
    set(CPACK_GENERATOR ZIP)
  else()
    set(CPACK_GENERATOR DEB)
  endif()
endif()
# The DEB generator installs under /usr by default, as Debian expects.
include(CPack)
