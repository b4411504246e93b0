# The Windows copy, laid out by `cmake --install <build> --prefix <folder>`:
# lecture.exe with images/ beside it, the licence and the pictures' notices.
# scripts/build-windows.sh adds the Qt and MinGW DLLs the program loads, the
# dialogs' font licence, and makes the installer and the zip from the folder.

# A window program: no console opens beside it.
set_target_properties(lecture PROPERTIES WIN32_EXECUTABLE ON)

# The icon Explorer and the Start menu show, made from the native build's
# rendered icons (Windows reads .ico only).
set(LECTURE_WINDOWS_ICON "" CACHE FILEPATH "lecture.ico for the program's file")
if(LECTURE_WINDOWS_ICON)
  file(WRITE ${CMAKE_BINARY_DIR}/lecture.rc "1 ICON \"${LECTURE_WINDOWS_ICON}\"\n")
  target_sources(lecture PRIVATE ${CMAKE_BINARY_DIR}/lecture.rc)
endif()

install(DIRECTORY ${LECTURE_RUN_DIR}/images/ DESTINATION images FILES_MATCHING PATTERN "*.bmp")
install(FILES ${LECTURE_RUN_DIR}/PICTURES-NOTICES.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
