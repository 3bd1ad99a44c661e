# Installing like a Linux desktop program: one program folder (the prefix, /opt/lumbrafix by
# default) with the program and its database beside it, where the program looks for it;
# a launcher link in the system's bin; the desktop entry and the icons in the system's share
# folders; the machine-wide settings folder. The Debian package (cmake/Package.cmake) is made
# from these same rules.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX /opt/lumbrafix CACHE PATH "Program folder" FORCE)
endif()
set(LUMBRAFIX_SYSTEM_PREFIX /usr CACHE PATH
    "Where the launcher link (bin), the desktop entry and the icons (share) go")
set(LUMBRAFIX_ICON_SIZES 16 32 48 64 128 256)

install(TARGETS lumbrafix RUNTIME DESTINATION .)
# The command-line download, with which an administrator updates the installed database.
install(TARGETS lumbrafix-fetch RUNTIME DESTINATION .)
# The terminal lookup, beside the database it reads like the window, and the program beside
# it to which it hands --file.
install(TARGETS lumbrafix-lookup lumbrafix-lookup-files RUNTIME DESTINATION .)
install(FILES ${LUMBRAFIX_DATABASE_FILE} DESTINATION .
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The launchers of the window and of the lookup: relative links to the real programs, which
# find their database through their own real path, not through the link. They are made at
# install time, because CPack installs under a prefix of its own.
foreach(program lumbrafix lumbrafix-lookup)
    install(CODE "
        set(bin \"${LUMBRAFIX_SYSTEM_PREFIX}/bin\")
        file(RELATIVE_PATH target \"\${bin}\" \"\${CMAKE_INSTALL_PREFIX}/${program}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${bin}\")
        message(STATUS \"Linking: \$ENV{DESTDIR}\${bin}/${program} -> \${target}\")
        file(CREATE_LINK \"\${target}\" \"\$ENV{DESTDIR}\${bin}/${program}\" SYMBOLIC)")
endforeach()

set(lumbrafix_resources ${PROJECT_SOURCE_DIR}/src/resources)
install(FILES ${lumbrafix_resources}/desktop/lumbrafix.desktop
    DESTINATION ${LUMBRAFIX_SYSTEM_PREFIX}/share/applications)
# What software centres list.
install(FILES ${lumbrafix_resources}/desktop/lumbrafix.metainfo.xml
    DESTINATION ${LUMBRAFIX_SYSTEM_PREFIX}/share/metainfo
    RENAME de.marbelin_online.lumbrafix.metainfo.xml)
foreach(size IN LISTS LUMBRAFIX_ICON_SIZES)
    install(FILES ${lumbrafix_resources}/icons/lumbrafix-${size}.png
        DESTINATION ${LUMBRAFIX_SYSTEM_PREFIX}/share/icons/hicolor/${size}x${size}/apps
        RENAME lumbrafix.png)
endforeach()

# Our notice with the licence of each data source, our licence, and that of the MIME registry whose names the database carries (MIT), taken
# from the registry's Debian package at build time.
set(lumbrafix_copyright ${CMAKE_BINARY_DIR}/doc/copyright)
set(LUMBRAFIX_MIME_TYPES_DATA_COPYRIGHT /usr/share/doc/ruby-mime-types-data/copyright
    CACHE FILEPATH "Licence notice of ruby-mime-types-data, shipped with the database")
add_custom_command(OUTPUT ${lumbrafix_copyright}
    COMMAND ${CMAKE_COMMAND} -D OUTPUT=${lumbrafix_copyright}
            -D OURS=${lumbrafix_resources}/desktop/copyright
            -D LICENCE=${PROJECT_SOURCE_DIR}/LICENSE
            -D REGISTRY=${LUMBRAFIX_MIME_TYPES_DATA_COPYRIGHT}
            -P ${PROJECT_SOURCE_DIR}/cmake/JoinCopyright.cmake
    DEPENDS ${lumbrafix_resources}/desktop/copyright ${PROJECT_SOURCE_DIR}/LICENSE
            ${LUMBRAFIX_MIME_TYPES_DATA_COPYRIGHT}
            ${PROJECT_SOURCE_DIR}/cmake/JoinCopyright.cmake
    VERBATIM)
# The changelog and the manual page, compressed as Debian wants them.
foreach(doc changelog lumbrafix.1 lumbrafix-lookup.1)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/${doc}.gz
        COMMAND gzip -9 -n -c ${lumbrafix_resources}/desktop/${doc} > ${CMAKE_BINARY_DIR}/doc/${doc}.gz
        DEPENDS ${lumbrafix_resources}/desktop/${doc})
endforeach()
add_custom_target(lumbrafix_doc ALL DEPENDS ${lumbrafix_copyright}
    ${CMAKE_BINARY_DIR}/doc/changelog.gz ${CMAKE_BINARY_DIR}/doc/lumbrafix.1.gz
    ${CMAKE_BINARY_DIR}/doc/lumbrafix-lookup.1.gz)
install(FILES ${lumbrafix_copyright} ${CMAKE_BINARY_DIR}/doc/changelog.gz
    DESTINATION ${LUMBRAFIX_SYSTEM_PREFIX}/share/doc/lumbrafix)
install(FILES ${CMAKE_BINARY_DIR}/doc/lumbrafix.1.gz ${CMAKE_BINARY_DIR}/doc/lumbrafix-lookup.1.gz
    DESTINATION ${LUMBRAFIX_SYSTEM_PREFIX}/share/man/man1)

install(DIRECTORY DESTINATION ${LUMBRAFIX_MACHINE_DIR})
