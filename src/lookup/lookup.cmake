# What the program says about a file: its name's and its content's types and the desktop's
# applications for it. Shared by lumbrafix-lookup and the window; it needs Qt's MIME database
# (QtCore), libmagic and GIO, but no widgets.
find_package(PkgConfig REQUIRED)
# libmagic reads a file's type from its content; GIO knows the desktop's applications.
pkg_check_modules(LIBMAGIC REQUIRED IMPORTED_TARGET libmagic)
pkg_check_modules(GIO REQUIRED IMPORTED_TARGET gio-2.0 gio-unix-2.0)
find_package(Qt6 6.2 REQUIRED COMPONENTS Core)

# Loading the database, which the search of lumbrafix-lookup needs without the rest: plain C++.
add_library(lumbrafix_lookup_database STATIC ${CMAKE_CURRENT_LIST_DIR}/LookupDatabase.cpp)
lumbrafix_area(lumbrafix_lookup_database lookup)
target_link_libraries(lumbrafix_lookup_database PUBLIC lumbrafix_db)

add_library(lumbrafix_lookup STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ContentType.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DesktopApplications.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExactExtension.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileFacts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TypeAgreement.cpp
)
# libmagic and GIO are opened at their first use (platform/SharedLibrary.h), so only their
# headers are needed here; a program that never examines a file never loads them.
target_link_libraries(lumbrafix_lookup PUBLIC lumbrafix_lookup_database Qt6::Core
    lumbrafix_platform)
target_include_directories(lumbrafix_lookup SYSTEM PRIVATE ${LIBMAGIC_INCLUDE_DIRS}
    ${GIO_INCLUDE_DIRS})
