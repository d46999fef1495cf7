# CPack's own NSIS script with the few changes Brewlore needs, written into
# the build folder, where CPack finds it first. Each change must find its
# place, so that a CMake whose script differs fails here rather than making
# an installer without it.

file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in brewlore_nsis)
function(brewlore_nsis_change old new)
    string(FIND "${brewlore_nsis}" "${old}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "CPack's NSIS script has no '${old}' to change")
    endif()
    string(REPLACE "${old}" "${new}" changed "${brewlore_nsis}")
    set(brewlore_nsis "${changed}" PARENT_SCOPE)
endfunction()

# No file is touched while Brewlore runs: asked before the old version is
# uninstalled, and again as installing starts, for a copy started meanwhile.
brewlore_nsis_change([=[Function .onInit
]=] [=[Function .onInit
  Call BrewloreWaitUntilClosed
]=])
brewlore_nsis_change([=[Section "-Core installation"
]=] [=[Section "-Core installation"
  Call BrewloreWaitUntilClosed
]=])

# The old version's uninstaller runs in place, so it can remove neither
# itself nor its folder: both go once it has succeeded.
brewlore_nsis_change([=[  ExecWait '"$0" /S _?=$3' ;Do not copy the uninstaller to a temp file

  IfErrors uninst_failed inst]=] [=[  ExecWait '"$0" /S _?=$3' $4 ;Do not copy the uninstaller to a temp file
  IfErrors uninst_failed
  StrCmp $4 0 0 uninst_failed
  Delete "$3\@CPACK_NSIS_UNINSTALL_NAME@.exe"
  RMDir "$3"
  Goto inst]=])

# The program sits at the top of its folder, and the path option names that.
brewlore_nsis_change([=[Push $INSTDIR\bin]=] [=[Push $INSTDIR]=])

# A user path that held only this folder goes, rather than stay empty.
brewlore_nsis_change([=[      StrCmp $ADD_TO_PATH_ALL_USERS "1" unWriteAllKey
        WriteRegExpandStr ${NT_current_env} "PATH" $3]=] [=[      StrCmp $ADD_TO_PATH_ALL_USERS "1" unWriteAllKey
        StrCmp $3 "" 0 +3
          DeleteRegValue ${NT_current_env} "PATH"
          Goto unDoSend
        WriteRegExpandStr ${NT_current_env} "PATH" $3]=])

file(WRITE ${PROJECT_BINARY_DIR}/nsis/NSIS.template.in "${brewlore_nsis}")
set(CPACK_MODULE_PATH ${PROJECT_BINARY_DIR}/nsis)
