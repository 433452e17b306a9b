# What a Windows build hands to users, for its architecture (win32 or win64), in <build>/package:
#
#   zelmara-<version>-<arch>/             the stripped programs and LEEME.txt
#   zelmara-<version>-<arch>.zip          that folder, to unpack and run from anywhere
#   zelmara-<version>-<arch>-setup.exe    the installer (makensis, res/windows/zelmara.nsi)
#
# All three are part of the default build. The version is the project's.

find_program(ZELMARA_MAKENSIS makensis REQUIRED)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ZELMARA_WINDOWS_ARCH win32)
  set(ZELMARA_WINDOWS_BITS 32)
else()
  set(ZELMARA_WINDOWS_ARCH win64)
  set(ZELMARA_WINDOWS_BITS 64)
endif()
set(ZELMARA_WINDOWS_PACKAGE_DIR ${PROJECT_BINARY_DIR}/package)
set(ZELMARA_WINDOWS_PACKAGE_NAME zelmara-${PROJECT_VERSION}-${ZELMARA_WINDOWS_ARCH})
set(package_dir ${ZELMARA_WINDOWS_PACKAGE_DIR})
set(name ${ZELMARA_WINDOWS_PACKAGE_NAME})
set(folder ${package_dir}/${name})
set(windows_res ${PROJECT_SOURCE_DIR}/res/windows)

# The programs a user gets: the window and the command line.
set(ZELMARA_WINDOWS_PROGRAMS zelmara.exe zelmara-scan.exe)

set(packaged)
foreach(program IN LISTS ZELMARA_WINDOWS_PROGRAMS)
  cmake_path(GET program STEM target)
  add_custom_command(OUTPUT ${folder}/${program}
    COMMAND ${CMAKE_STRIP} -o ${folder}/${program} $<TARGET_FILE:${target}>
    DEPENDS ${target}
    COMMENT "Stripping ${program} for the Windows package"
    VERBATIM)
  list(APPEND packaged ${folder}/${program})
endforeach()

# LEEME.txt: UTF-8 with a byte-order mark and CRLF line ends, which every Notepad reads right.
set(readme_template ${windows_res}/LEEME.txt.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${readme_template})
file(READ ${readme_template} readme)
string(ASCII 239 187 191 byte_order_mark)
file(CONFIGURE OUTPUT ${folder}/LEEME.txt CONTENT "${byte_order_mark}${readme}" @ONLY
     NEWLINE_STYLE CRLF)

set(zip_members)
foreach(file IN ITEMS LEEME.txt ${ZELMARA_WINDOWS_PROGRAMS})
  list(APPEND zip_members ${name}/${file})
endforeach()
add_custom_command(OUTPUT ${package_dir}/${name}.zip
  COMMAND ${CMAKE_COMMAND} -E tar cf ${name}.zip --format=zip -- ${zip_members}
  DEPENDS ${packaged} ${folder}/LEEME.txt
  WORKING_DIRECTORY ${package_dir}
  COMMENT "Packing ${name}.zip"
  VERBATIM)

# The file version of the installer needs four numbers; the project's version may have fewer.
set(file_version ${PROJECT_VERSION_MAJOR})
foreach(part IN ITEMS MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    string(APPEND file_version ".0")
  else()
    string(APPEND file_version ".${PROJECT_VERSION_${part}}")
  endif()
endforeach()

set(ZELMARA_WINDOWS_INSTALLER ${package_dir}/${name}-setup.exe)
add_custom_command(OUTPUT ${ZELMARA_WINDOWS_INSTALLER}
  COMMAND ${ZELMARA_MAKENSIS} -V2 -WX -INPUTCHARSET UTF8
          -DVERSION=${PROJECT_VERSION} -DFILE_VERSION=${file_version}
          -DARCH=${ZELMARA_WINDOWS_ARCH} -DPROGRAMS=${folder}
          -DICON=${PROJECT_SOURCE_DIR}/res/zelmara.ico -DPUBLISHER=${ZELMARA_PUBLISHER}
          -DOUTFILE=${ZELMARA_WINDOWS_INSTALLER}
          ${windows_res}/zelmara.nsi
  DEPENDS ${packaged} ${windows_res}/zelmara.nsi ${PROJECT_SOURCE_DIR}/res/zelmara.ico
  COMMENT "Making ${name}-setup.exe"
  VERBATIM)

add_custom_target(zelmara_windows_package ALL
  DEPENDS ${ZELMARA_WINDOWS_INSTALLER} ${package_dir}/${name}.zip)
