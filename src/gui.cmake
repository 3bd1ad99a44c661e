# The Qt part: windows, controls and the conversion of texts to and from QString.
add_library(lumbrafix_gui STATIC)
set_target_properties(lumbrafix_gui PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(lumbrafix_gui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(lumbrafix_gui PUBLIC lumbrafix_core lumbrafix_lookup Qt6::Widgets)

target_sources(lumbrafix_gui PRIVATE
    app/CommandLine.cpp
    app/ProgramArguments.cpp
    app/DialogFrame.cpp
    app/DialogFrame.h
    app/fFileInfo.cpp
    app/fFileInfo.h
    app/SearchMain.cpp
    app/SearchMain.h
    app/SearchMainDatabase.cpp
    app/SearchMainLayout.cpp
    app/SearchMainAbout.cpp
    app/Startup.cpp
    app/fSplah.cpp
    app/fSplah.h
    app/SearchMainOptions.cpp
    app/SearchOpt.cpp
    app/SearchOpt.h
    app/fInternetUpdate.cpp
    app/fInternetUpdate.h
    app/fInternetUpdateLayout.cpp
    controls/BitBtn.cpp
    controls/Edit.cpp
    platform/AnsiQt.cpp
    platform/Application.cpp
    platform/Browser.cpp
    platform/MessageBoxes.cpp
    resources/ProgramResources.cpp
    resources/resources.qrc
    resources/platforms.qrc
)
include(${CMAKE_CURRENT_LIST_DIR}/controls/controls.cmake)

# The program itself; the database file is put beside it by the build.
add_executable(lumbrafix app/main.cpp)
target_link_libraries(lumbrafix PRIVATE lumbrafix_gui)
