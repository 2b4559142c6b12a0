# The program on the desktop, brivan (included from src/CMakeLists.txt).
qt_add_executable(brivan app/main.cpp)
# A windowed program on every desktop: no console window on Windows, an application bundle on
# macOS. Installing and packaging: packaging/CMakeLists.txt.
set_target_properties(brivan PROPERTIES
  WIN32_EXECUTABLE ON
  MACOSX_BUNDLE ON
  MACOSX_BUNDLE_BUNDLE_NAME "Brivan Review Program"
  MACOSX_BUNDLE_GUI_IDENTIFIER ${BRIVAN_APP_ID}
  MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
  MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
  MACOSX_BUNDLE_COPYRIGHT "Copyright Skyward Study Press"
  # Our own Info.plist: CMake's default leaves out NSHighResolutionCapable, without which a
  # Retina screen gets the 1x pictures scaled up instead of the 2x ones.
  MACOSX_BUNDLE_INFO_PLIST ${PROJECT_SOURCE_DIR}/packaging/macos/Info.plist.in)
target_compile_definitions(brivan PRIVATE BRIVAN_VERSION="${PROJECT_VERSION}")
# The version record and the application icon of brivan.exe, with the version filled in: its
# numbers are the version's parts ("1.00" is 1,0,0,0). Made on every system, so that its test can
# compile it here too.
set(BRIVAN_VERSION_NUMBERS "")
foreach(part MAJOR MINOR PATCH TWEAK)
  math(EXPR number "0${PROJECT_VERSION_${part}}")  # "00" is 0, a missing part 0
  list(APPEND BRIVAN_VERSION_NUMBERS ${number})
endforeach()
list(JOIN BRIVAN_VERSION_NUMBERS "," BRIVAN_VERSION_NUMBERS)
set(BRIVAN_ICON ${CMAKE_CURRENT_SOURCE_DIR}/ui/resources/brivan.ico)
configure_file(app/brivan.rc.in app/brivan.rc @ONLY)
if(WIN32)
  target_sources(brivan PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/app/brivan.rc)
endif()
target_link_libraries(brivan PRIVATE brivan_qt)
brivan_warnings(brivan)
