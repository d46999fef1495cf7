# The Windows packages: an NSIS installer and a portable zip, both carrying
# the program with exactly the Qt it loads (three DLLs, the Windows platform
# plugin and the default style), the MinGW runtime and Qt's licence texts.
# Included from the top CMakeLists.txt, just before CPack.

set(CPACK_GENERATOR NSIS64 ZIP)
set(CPACK_PACKAGING_INSTALL_PREFIX "")
set(CPACK_PACKAGE_FILE_NAME "Brewlore-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Brewlore)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Brewlore)
# The Start-menu shortcut, whose icon is the one in the program's resources.
set(CPACK_PACKAGE_EXECUTABLES brewlore Brewlore)

# CPack's NSIS64 only chooses the 64-bit Program Files: the installer itself
# must be a 64-bit program too, or it needs Wine's 32-bit part to run.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME Brewlore)
set(CPACK_NSIS_DISPLAY_NAME Brewlore)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/forms/resources/brewlore.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/src/forms/resources/brewlore.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\brewlore.exe")
set(CPACK_NSIS_URL_INFO_ABOUT "${BREWLORE_SITE_BASE}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY bin)
# A new version replaces the old one instead of installing beside it.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

# The installer's licence page shows what the user must be told about Qt.
set(brewlore_qt_notice ${PROJECT_BINARY_DIR}/Qt-NOTICE.txt)
configure_file(${CMAKE_CURRENT_LIST_DIR}/Qt-NOTICE.txt.in ${brewlore_qt_notice} @ONLY)
set(CPACK_RESOURCE_FILE_LICENSE ${brewlore_qt_notice})

# Qt beside the program, where Windows and Qt look first. Only what the
# program loads: Core, Gui, Widgets, the platform plugin and the style plugin
# that Qt picks by default on Windows.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)

# The compiler's own runtime, which every MinGW-built DLL above needs too,
# and libssp, which holds the hardened program's stack protector and checked
# functions (cmake/release_flags.cmake).
set(brewlore_runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler does not know where ${dll} is")
    endif()
    list(APPEND brewlore_runtime_dlls ${path})
endforeach()
install(FILES ${brewlore_runtime_dlls} DESTINATION ${CMAKE_INSTALL_BINDIR})

# Qt's and the runtime's DLLs come with their debugging sections, which
# would make up most of the package; CPack strips only our own program.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/*.dll\")
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

# The same installer from the same sources: it keeps no file's time (the zip
# takes them all from SOURCE_DATE_EPOCH), so an installed file carries the
# time of its install.
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetDateSave off")
