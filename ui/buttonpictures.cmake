# The pictures of every image button: the released ones come from the
# resources, the pressed ones are computed from them.
add_library(lecture_buttonpictures STATIC
    ${CMAKE_CURRENT_LIST_DIR}/buttonpictures.h
    ${CMAKE_CURRENT_LIST_DIR}/buttonpictures.cpp)
target_include_directories(lecture_buttonpictures PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(lecture_buttonpictures PUBLIC Qt6::Gui lecture_assets lecture_imagefile)
