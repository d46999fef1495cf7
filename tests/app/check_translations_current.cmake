# Runs lupdate over src/ into copies of the .ts files and fails on any
# message it marks: a text of the code not yet translated ("unfinished") or a
# translation whose text the code no longer has ("vanished", "obsolete").
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(copies)
foreach(language tr el)
    file(COPY "${SOURCE_DIR}/translations/brewlore_${language}.ts" DESTINATION "${WORK_DIR}")
    list(APPEND copies "${WORK_DIR}/brewlore_${language}.ts")
endforeach()
execute_process(
    COMMAND "${LUPDATE}" -silent -recursive "${SOURCE_DIR}/src" -extensions cpp,h
            -locations none -source-language en -ts ${copies}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${status}")
endif()
set(faults 0)
foreach(copy ${copies})
    file(STRINGS "${copy}" marked REGEX "type=\"(unfinished|vanished|obsolete)\"")
    file(STRINGS "${copy}" sources REGEX "<source>")
    list(LENGTH sources count)
    get_filename_component(name "${copy}" NAME)
    message(STATUS "${name}: ${count} messages")
    foreach(line ${marked})
        message(SEND_ERROR "${name}: ${line}")
        math(EXPR faults "${faults} + 1")
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "${faults} messages need scripts/update-translations.sh and a translation")
endif()
