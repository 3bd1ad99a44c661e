target_sources(lumbrafix_controls PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BitBtn.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClickLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Edit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Ezhitstg_Ext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Ezhitstg_Ext.h
    ${CMAKE_CURRENT_LIST_DIR}/GroupBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GroupBox.h
    ${CMAKE_CURRENT_LIST_DIR}/StringGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringGrid.h
)
