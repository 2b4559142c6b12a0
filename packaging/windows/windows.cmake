# The Windows program folder and its two packages: an NSIS installer (brivan-VERSION-win64.exe) and a
# portable ZIP whose top folder is the program folder. Included from packaging/CMakeLists.txt.

# Beside brivan.exe: the Qt it loads, Qt's plugins in the folders Qt looks for beside the program,
# and the compiler's runtime; nothing more. (Built on Windows itself, Qt's deployment script does
# this instead: packaging/CMakeLists.txt.)
if(CMAKE_CROSSCOMPILING)
  # Qt's deployment script needs windeployqt, which a cross build from Linux does not have.
  install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
  install(FILES $<TARGET_FILE:Qt6::QModernWindowsStylePlugin> DESTINATION styles)
  install(FILES $<TARGET_FILE:Qt6::QGifPlugin> $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats)
  if(MINGW)
    foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
      if(NOT IS_ABSOLUTE "${runtime_dll}" OR NOT EXISTS "${runtime_dll}")
        message(FATAL_ERROR "The compiler's runtime library ${dll} was not found.")
      endif()
      install(FILES ${runtime_dll} DESTINATION .)
    endforeach()
  endif()
  # The DLLs come as built, with their symbol tables (Debian's libstdc++-6.dll is 23 MB with them);
  # the program folder gets them without, as CPack strips brivan.exe.
  install(CODE "
    file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(dll IN LISTS dlls)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")
endif()

# Qt is under the LGPL: its licence texts go with the program, and the notice that names Qt's version
# and source is both the installer's licence page and licenses\NOTICE.txt. Windows line ends, for
# the installer's text box and for Notepad.
set(BRIVAN_QT_SOURCE_VERSION "" CACHE STRING "Debian's qt6-base source package that Qt was built from")
set(BRIVAN_QT_PATCHES "" CACHE FILEPATH "The Debian patches applied to that Qt, one name a line")
if(CMAKE_CROSSCOMPILING AND (NOT BRIVAN_QT_SOURCE_VERSION OR NOT EXISTS "${BRIVAN_QT_PATCHES}"))
  message(FATAL_ERROR "BRIVAN_QT_SOURCE_VERSION and BRIVAN_QT_PATCHES must name the Qt that is shipped (tools/windows.sh sets them).")
endif()
set(BRIVAN_QT_PATCH_LIST "")
if(EXISTS "${BRIVAN_QT_PATCHES}")
  file(STRINGS ${BRIVAN_QT_PATCHES} patches)
  foreach(patch IN LISTS patches)
    string(APPEND BRIVAN_QT_PATCH_LIST "  ${patch}\n")
  endforeach()
endif()
set(licences ${CMAKE_CURRENT_BINARY_DIR}/licenses)
configure_file(${CMAKE_CURRENT_LIST_DIR}/notice.txt.in ${licences}/NOTICE.txt @ONLY NEWLINE_STYLE CRLF)
foreach(text LGPL-3.0.txt GPL-3.0.txt)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/licenses/${text} ${licences}/${text} @ONLY NEWLINE_STYLE CRLF)
endforeach()
install(FILES ${licences}/NOTICE.txt ${licences}/LGPL-3.0.txt ${licences}/GPL-3.0.txt DESTINATION licenses)
# The libraries Qt's source bundles (zlib, libpng, libjpeg, FreeType, HarfBuzz, PCRE2 and others),
# built into Qt's DLLs: their notices, gathered from Qt's source by tools/windows.sh.
set(BRIVAN_QT_THIRD_PARTY_NOTICES "" CACHE FILEPATH "The notices of the libraries bundled in Qt")
if(BRIVAN_QT_THIRD_PARTY_NOTICES)
  configure_file(${BRIVAN_QT_THIRD_PARTY_NOTICES} ${licences}/THIRD-PARTY.txt COPYONLY)  # Windows line ends already
  install(FILES ${licences}/THIRD-PARTY.txt DESTINATION licenses)
elseif(CMAKE_CROSSCOMPILING)
  message(FATAL_ERROR "BRIVAN_QT_THIRD_PARTY_NOTICES is not set: Qt's bundled libraries need their notices.")
endif()
set(CPACK_RESOURCE_FILE_LICENSE ${licences}/NOTICE.txt)

set(CPACK_GENERATOR NSIS ZIP)
# The program is 64-bit: Qt 6 builds no 32-bit Windows programs.
set(CPACK_PACKAGE_FILE_NAME brivan-${CPACK_PACKAGE_VERSION}-win64)

# The installer: 64-bit itself, per machine under Program Files, listed in "Apps and features"
# with the program's version and icon; its uninstaller deletes each file it put down.
# The publisher's name in place of NSIS's own at the foot of each page (CPack's setting for it asks
# for trimming, which the Linux makensis cannot do).
set(CPACK_NSIS_DEFINES "Target amd64-unicode
BrandingText 'Skyward Study Press'")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "Brivan Review Program")
set(CPACK_NSIS_DISPLAY_NAME "Brivan Review Program")
set(CPACK_NSIS_INSTALLED_ICON_NAME brivan.exe)
set(CPACK_NSIS_MUI_ICON ${BRIVAN_RESOURCES}/brivan.ico)
set(CPACK_NSIS_MUI_UNIICON ${BRIVAN_RESOURCES}/brivan.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_HELP_LINK ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_CONTACT support@skywardstudy.example)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The Start-menu entry, with the icon brivan.exe carries. (CPack's own entries assume a bin folder.)
# Each backslash is written four times: CPack reads these values through a second CMake file.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
  "CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Brivan Review Program.lnk' '$INSTDIR\\\\brivan.exe' '' '$INSTDIR\\\\brivan.exe' 0")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\\\$MUI_TEMP\\\\Brivan Review Program.lnk'")
