# Packages for Windows users, made by cpack on the Win32 build (scripts/package.sh):
#   Whiskertime-<version>-win64.exe  a per-user installer (NSIS) into %LOCALAPPDATA%\Programs
#   Whiskertime-<version>-win64.zip  the runnable installation, to unpack anywhere
# Both hold the program's own files only; the user's data files are never in a package.

install(TARGETS Whiskertime Scurrylog RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/app/skin/mouse.skin
              ${PROJECT_SOURCE_DIR}/app/resources/sound/zizi.wav
        DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/app/resources/Help/help.html DESTINATION Help)
install(DIRECTORY DESTINATION StudyEvent)

set(CPACK_PACKAGE_NAME Whiskertime)
set(CPACK_PACKAGE_VENDOR Whiskertime)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A desktop mouse with a clock that keeps your reminders")
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Whiskertime)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
# Our own installer script: per-user, without administrator rights.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/packaging)
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/packaging)
set(CPACK_WHISKERTIME_ICON ${PROJECT_SOURCE_DIR}/app/resources/icons/whiskertime.ico)
set(CPACK_WHISKERTIME_WELCOME ${PROJECT_SOURCE_DIR}/app/resources/installer/welcome.bmp)
set(CPACK_NSIS_EXECUTABLE makensis)
include(CPack)
