target_sources(lumbrafix_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ClickLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Ezhitstg_Ext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Ezhitstg_Ext.h
    ${CMAKE_CURRENT_LIST_DIR}/GroupBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GroupBox.h
    ${CMAKE_CURRENT_LIST_DIR}/StringGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringGrid.h
)
