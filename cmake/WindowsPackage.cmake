# Both programs with the Qt libraries they need (windeployqt, run by Qt's
# deploy script at install time), packed by CPack as a ZIP and an NSIS
# installer.
include(GNUInstallDirs)
install(TARGETS Korvanda Quillon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
qt_generate_deploy_app_script(TARGET Korvanda OUTPUT_SCRIPT korvanda_deploy_script NO_UNSUPPORTED_PLATFORM_ERROR)
install(SCRIPT ${korvanda_deploy_script})
# The licence goes beside both programs, and the installer shows it first.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Korvanda)
set(CPACK_PACKAGE_VENDOR Korvanda)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Runs a youth wrestling meet; Quillon renumbers its bout sheets")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Korvanda)
set(CPACK_PACKAGE_EXECUTABLES Korvanda Korvanda Quillon Quillon)
# Both programs keep the meet's files beside themselves, so they go where
# the director may write, not under Program Files.
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
set(CPACK_NSIS_DISPLAY_NAME Korvanda)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(CPack)
