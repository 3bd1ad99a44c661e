# The Qt part: windows, controls and the conversion of texts to and from QString.
add_library(lumbrafix_gui STATIC)
set_target_properties(lumbrafix_gui PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(lumbrafix_gui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(lumbrafix_gui PUBLIC lumbrafix_core Qt6::Widgets)

include(${CMAKE_CURRENT_LIST_DIR}/controls/controls.cmake)
