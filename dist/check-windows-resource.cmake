# Compiles the Windows resource script with the cross resource compiler and checks that the
# version information came through: cmake -DWINDRES=... -DRC=... -DRES=... -DEXPECT="a;b" -P ...
execute_process(COMMAND ${WINDRES} --preprocessor=cpp -i ${RC} -O res -o ${RES}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${WINDRES} could not compile ${RC}")
endif()

file(READ ${RES} compiled HEX)
foreach(text IN LISTS EXPECT)
    # Resource strings are UTF-16LE: each ASCII byte followed by a zero byte.
    string(HEX "${text}" hex)
    string(REGEX REPLACE "(..)" "\\100" utf16 "${hex}")
    string(FIND "${compiled}" "${utf16}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "\"${text}\" is missing from ${RES}")
    endif()
endforeach()
message(STATUS "${RC}: compiled, with ${EXPECT}")
