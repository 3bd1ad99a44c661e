# The Qt libraries: the Qt half of the platform layer, the program's resources, the controls
# and the windows.
add_library(lumbrafix_qtplatform STATIC
    qtplatform/AnsiQt.cpp
    qtplatform/Application.cpp
    qtplatform/ApplicationTitle.cpp
    qtplatform/Browser.cpp
    qtplatform/Hourglass.cpp
    qtplatform/MessageBoxes.cpp
)
lumbrafix_area(lumbrafix_qtplatform qtplatform)
target_link_libraries(lumbrafix_qtplatform PUBLIC lumbrafix_platform lumbrafix_text Qt6::Widgets)

add_library(lumbrafix_resources STATIC
    resources/ProgramPictures.cpp
    resources/ProgramResources.cpp
    resources/resources.qrc
    resources/platforms.qrc
)
set_target_properties(lumbrafix_resources PROPERTIES AUTORCC ON)
target_link_libraries(lumbrafix_resources PUBLIC lumbrafix_jpeg Qt6::Widgets)

add_library(lumbrafix_controls STATIC)
set_target_properties(lumbrafix_controls PROPERTIES AUTOMOC ON)
lumbrafix_area(lumbrafix_controls controls)
target_link_libraries(lumbrafix_controls PUBLIC lumbrafix_qtplatform lumbrafix_resources)
include(${CMAKE_CURRENT_LIST_DIR}/controls/controls.cmake)

add_library(lumbrafix_app STATIC
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
)
set_target_properties(lumbrafix_app PROPERTIES AUTOMOC ON)
lumbrafix_area(lumbrafix_app app)
target_link_libraries(lumbrafix_app PUBLIC lumbrafix_controls lumbrafix_db lumbrafix_lookup
    lumbrafix_net lumbrafix_settings)

# The program itself; the database file is put beside it by the build.
add_executable(lumbrafix app/main.cpp)
target_link_libraries(lumbrafix PRIVATE lumbrafix_app)
