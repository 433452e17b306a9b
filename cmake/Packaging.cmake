# What `cmake --install` puts under CMAKE_INSTALL_PREFIX, and the Debian package that
# `cpack -G DEB` makes of the same files under /usr.
#
# On Linux: the two programs, the desktop entry, the hicolor icons and the AppStream metadata
# (res/linux/), the manual pages in English (docs/man/) and Spanish (docs/man/es/), and the
# copyright notice and changelog (res/linux/debian/) in share/doc/zelmara. On Windows: the
# installer and the portable zip (cmake/WindowsPackaging.cmake).

include(GNUInstallDirs)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS zelmara-scan zelmara RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(ZELMARA_PUBLISHER "Los autores de Zelmara")

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
endif()
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

set(ZELMARA_PACKAGE_MAINTAINER "Los autores de Zelmara <zelmara@zelmara.invalid>"
    CACHE STRING "Maintainer of the Debian package, as: name <mail address>")

set(linux_dir ${PROJECT_SOURCE_DIR}/res/linux)
set(packaging_dir ${PROJECT_BINARY_DIR}/packaging)

# The manual pages and the changelog are installed gzip-compressed, with no name or time stamp
# in the gzip header, so that the same sources always give the same bytes.
find_program(ZELMARA_GZIP gzip REQUIRED)
configure_file(${linux_dir}/debian/changelog.in ${packaging_dir}/changelog @ONLY)
set(man_dir ${PROJECT_SOURCE_DIR}/docs/man)
set(compressed)
foreach(source IN ITEMS ${man_dir}/zelmara.1 ${man_dir}/zelmara-scan.1
                        ${man_dir}/es/zelmara.1 ${man_dir}/es/zelmara-scan.1
                        ${packaging_dir}/changelog)
  # A manual page keeps its language's folder under docs/man (es/ for Spanish) in the copy.
  cmake_path(IS_PREFIX man_dir ${source} in_man_dir)
  if(in_man_dir)
    cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${man_dir} OUTPUT_VARIABLE name)
  else()
    cmake_path(GET source FILENAME name)
  endif()
  set(copy ${packaging_dir}/gz/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND ${ZELMARA_GZIP} -9nf ${copy}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND compressed ${copy}.gz)
endforeach()
add_custom_target(zelmara_compressed_docs ALL DEPENDS ${compressed})

install(FILES ${linux_dir}/zelmara.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${linux_dir}/org.zelmara.zelmara.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(DIRECTORY ${linux_dir}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)
install(FILES ${packaging_dir}/gz/zelmara.1.gz ${packaging_dir}/gz/zelmara-scan.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_dir}/gz/es/zelmara.1.gz ${packaging_dir}/gz/es/zelmara-scan.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man1)
install(FILES ${linux_dir}/debian/copyright ${packaging_dir}/gz/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zelmara)

# The Debian package: zelmara_<version>_<architecture>.deb in <build>/package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelmara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ZELMARA_PUBLISHER}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
# First line: the synopsis; then the long description in English and in Spanish.
set(CPACK_PACKAGE_DESCRIPTION_FILE ${linux_dir}/debian/description)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZELMARA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's Spanish translations label the standard
# buttons of the program's message boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
