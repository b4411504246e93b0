# Installing Lecture as a desktop program:
#   cmake --install <build> [--prefix <prefix>]
# Layout under the prefix: games/lecture, share/lecture/images/*.bmp with
# share/lecture/PICTURES-NOTICES.txt, the menu entry, the metainfo, the
# icons, the manual pages (section 6, English and French) and the docs. The
# program finds its pictures from its own folder (games/../share/lecture), so
# any prefix works; each user's settings file goes to that user's data
# folder. The Debian packages (debian/, scripts/build-deb.sh) split this
# layout into the program and its pictures.
include(GNUInstallDirs)

set(LECTURE_APP_ID org.velune.Lecture)

add_subdirectory(${PROJECT_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}/data)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lecture)
