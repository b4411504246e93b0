# The settings, rules and help dialogs. Kept apart from lecture_ui so that the
# main window can open them and the tests can build them without the window.
if(NOT TARGET lecture_pixigne)
  add_library(lecture_pixigne STATIC
      ${CMAKE_CURRENT_LIST_DIR}/tpixigne.h ${CMAKE_CURRENT_LIST_DIR}/tpixigne.cpp)
  target_include_directories(lecture_pixigne PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(lecture_pixigne PUBLIC Qt6::Widgets)
endif()

add_library(lecture_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/dialogframe.h
    ${CMAKE_CURRENT_LIST_DIR}/dialogframe.cpp
    ${PROJECT_SOURCE_DIR}/settings/tokbottomdlgparam.h
    ${PROJECT_SOURCE_DIR}/settings/tokbottomdlgparam.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tokbottomdlglogo.h
    ${CMAKE_CURRENT_LIST_DIR}/tokbottomdlglogo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tokbottomdlgaide.h
    ${CMAKE_CURRENT_LIST_DIR}/tokbottomdlgaide.cpp)
target_include_directories(lecture_dialogs PUBLIC
    ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/settings)
target_link_libraries(lecture_dialogs PUBLIC
    Qt6::Widgets lecture_game lecture_buttonpictures lecture_pixigne)
