# The Debian package, made by CPack from the install rules (cmake/Install.cmake):
#   cmake --build build --target package   (or: cd build && cpack -G DEB)
# Its dependencies are worked out from the program by dpkg-shlibdeps, but for the libraries
# the program opens itself.
set(LUMBRAFIX_PACKAGE_MAINTAINER "Lumbrafix maintainers <maintainers@marbelin-online.de>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumbrafix)
set(CPACK_PACKAGE_VENDOR "Lumbrafix")
set(CPACK_PACKAGE_CONTACT ${LUMBRAFIX_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "look up file extensions offline")
set(CPACK_PACKAGE_DESCRIPTION "Lumbrafix finds what a file extension stands for: type an
extension, a file type or a program, and it lists the matching extensions with
their file types, the programs that open them and the platforms they belong to.
Its database of more than 2,000 extensions ships with it and can be updated
from the product web server.")
# Debian keeps packages out of /opt: the package's program folder is /usr/lib/lumbrafix.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr/lib/lumbrafix)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${LUMBRAFIX_UPDATE_HOST}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libmagic and GIO are opened when a file is first examined, not linked, so dpkg-shlibdeps
# does not see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libmagic1, libglib2.0-0")
# The windows are designed for these fonts; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
configure_file(${PROJECT_SOURCE_DIR}/src/resources/desktop/postrm.in
    ${CMAKE_BINARY_DIR}/debian/postrm @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/postrm)
include(CPack)
