# The include check on a scratch tree: an upward include in every form fails it with the
# folder's message; the folder's own headers, those below it and system headers pass.
set(src ${WORK}/src)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${src}/model ${src}/calc ${src}/shell)

function(check text expect_fault)
    file(WRITE ${src}/calc/Step.cpp "${text}\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DFOLDER=${src}/calc -DALLOWED=model
                            -DSTAMP=${WORK}/stamp -P ${CHECK}
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    string(FIND "${err}" "calc/ may include only model; it looks up in:" at)
    if(expect_fault AND (rc EQUAL 0 OR at EQUAL -1))
        message(SEND_ERROR "not refused: ${text}")
    elseif(NOT expect_fault AND NOT rc EQUAL 0)
        message(SEND_ERROR "refused: ${text}\n${err}")
    endif()
endfunction()

foreach(upward "#include \"shell/frmMenu.h\"" "    #include \"shell/frmMenu.h\""
               "#  include \"shell/frmMenu.h\"" "#include <shell/frmMenu.h>"
               "#include \"../shell/frmMenu.h\"" "#include \"model/../shell/frmMenu.h\"")
    check("${upward}" TRUE)
endforeach()
check("#include \"calc/Step.h\"\n  #include \"model/FloorModel.h\"\n#include <vector>\n#include \"Step.h\"\n#include \"../model/Codes.h\"\n#include \"Version.h\"" FALSE)
