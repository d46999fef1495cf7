# The Windows packages: an NSIS installer and a portable zip, both carrying
# the program and its console companion at the top of their folder, with
# exactly the Qt it loads (three DLLs beside it, the Windows platform plugin
# and the default style in their folders), the MinGW runtime, a README and
# the licence texts. Included from the top CMakeLists.txt, just before CPack.

set(CPACK_GENERATOR NSIS64 ZIP)
set(CPACK_PACKAGING_INSTALL_PREFIX "")
# The name Windows users see in the installer's pages.
set(CPACK_PACKAGE_NAME Brewlore)
set(CPACK_PACKAGE_FILE_NAME "Brewlore-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Brewlore)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Brewlore)
# The Start-menu shortcut, and the desktop one when asked for, whose icon is
# the one in the program's resources.
set(CPACK_PACKAGE_EXECUTABLES brewlore Brewlore)
set(CPACK_CREATE_DESKTOP_LINKS brewlore)

# CPack's NSIS64 only chooses the 64-bit Program Files: the installer itself
# must be a 64-bit program too, or it needs Wine's 32-bit part to run.
set(CPACK_NSIS_PACKAGE_NAME Brewlore)
set(CPACK_NSIS_DISPLAY_NAME Brewlore)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/forms/resources/brewlore.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/src/forms/resources/brewlore.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME brewlore.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "${BREWLORE_SITE_BASE}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN brewlore.exe)
# A new version replaces the old one instead of installing beside it.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A page that offers to put the folder on the path, for brewlore.com; off
# unless chosen, and taken out again by the uninstaller.
set(CPACK_NSIS_MODIFY_PATH ON)

# Brewlore's own parts of the scripts: the installer's version information,
# the running-copy check before anything is written or removed, and the
# Apps & features values CPack leaves out or writes as text.
set(brewlore_uninstall_key
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}")
string(SHA1 brewlore_guard_digest "\\hkey_current_user\\software\\brewlore\\brewlore")
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows_installer.nsh.in
               ${PROJECT_BINARY_DIR}/nsis/windows_installer.nsh @ONLY)
set(CPACK_NSIS_DEFINES "Target amd64-unicode
!include '${PROJECT_BINARY_DIR}/nsis/windows_installer.nsh'")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "Call BrewloreRegister")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "Call un.BrewloreWaitUntilClosed")
include(${CMAKE_CURRENT_LIST_DIR}/windows_nsis_template.cmake)

# The installer's licence page shows what the user must be told about Qt.
set(brewlore_qt_notice ${PROJECT_BINARY_DIR}/Qt-NOTICE.txt)
configure_file(${CMAKE_CURRENT_LIST_DIR}/Qt-NOTICE.txt.in ${brewlore_qt_notice} @ONLY)
set(CPACK_RESOURCE_FILE_LICENSE ${brewlore_qt_notice})

# What to start, and where the setting is kept, for whoever unpacks the zip.
configure_file(${CMAKE_CURRENT_LIST_DIR}/README-windows.txt.in ${PROJECT_BINARY_DIR}/README.txt
               @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)

# Qt beside the program, where Windows and Qt look first. Only what the
# program loads: Core, Gui, Widgets, the platform plugin and the style plugin
# that Qt picks by default on Windows.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION ${BREWLORE_PROGRAM_DIR})
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        DESTINATION ${BREWLORE_PROGRAM_DIR}/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
        DESTINATION ${BREWLORE_PROGRAM_DIR}/styles)

# The compiler's own runtime, which every MinGW-built DLL above needs too.
set(brewlore_runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler does not know where ${dll} is")
    endif()
    list(APPEND brewlore_runtime_dlls ${path})
endforeach()
install(FILES ${brewlore_runtime_dlls} DESTINATION ${BREWLORE_PROGRAM_DIR})

# Qt's and the runtime's DLLs come with their debugging sections, which
# would make up most of the package; CPack strips only our own program.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BREWLORE_PROGRAM_DIR}/*.dll\")
        foreach(dll \${dlls})
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\" COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")

# Brewlore's own licence, and Qt's: the LGPL version 3, which sits on the GPL
# version 3.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME LICENSE.txt)
get_filename_component(brewlore_qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
install(FILES ${brewlore_qt_notice}
              ${brewlore_qt_prefix}/LICENSES/LGPL-3.0-only.txt
              ${brewlore_qt_prefix}/LICENSES/GPL-3.0-only.txt
        DESTINATION licenses)
