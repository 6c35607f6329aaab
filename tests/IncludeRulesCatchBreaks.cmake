# The include-rule check itself: a small tree that breaks each rule once
# must fail with every break named, and the same tree without the breaks
# must pass.
# Run: cmake -DRULES=<IncludeRules.cmake> -DWORK_DIR=<scratch folder> -P IncludeRulesCatchBreaks.cmake
cmake_policy(SET CMP0007 NEW)
file(REMOVE_RECURSE ${WORK_DIR})
set(good
  "src/text/A.h|#pragma once"
  "src/protocol/B.h|#include \"text/A.h\""
  "src/app/desk/C.h|#include \"protocol/B.h\""
  "src/app/lists/T.h|#include \"app/desk/C.h\""
  "src/accounts/groups/D.h|#include \"app/desk/C.h\""
  "src/core/E.cpp|#include \"accounts/groups/D.h\""
  "src/view/Q.cpp|#include \"core/E.h\""
  "src/gui/F.cpp|#include \"view/Q.h\""
  "sim/G.cpp|#include \"protocol/B.h\"")
set(breaks
  "src/accounts/deposits/H.cpp|#include \"accounts/groups/D.h\"|area accounts/deposits includes area accounts/groups"
  "src/model/I.cpp|#include \"app/desk/C.h\"|model includes the higher app"
  "src/app/desk/J.cpp|#include \"core/E.h\"|app includes the higher core"
  "src/app/desk/U.cpp|#include \"app/lists/T.h\"|desk includes the higher app/lists"
  "src/app/V.h|#pragma once|src/app/V.h: not in a known folder of app"
  "src/cli/K.cpp|#include \"protocol/B.h\"|front end cli includes protocol/B.h"
  "src/gui/L.cpp|#include \"cli/M.h\"|front end gui includes cli/M.h"
  "src/core/R.cpp|#include \"view/Q.h\"|core includes the higher view"
  "src/cli/S.cpp|#include \"view/Q.h\"|the command line includes the view"
  "sim/N.cpp|#include \"model/O.h\"|the simulator includes model/O.h"
  "sim/P.cpp|#include \"protocol/ServerConnection.h\"|the simulator includes protocol/ServerConnection.h")

function(write_tree dir entries)
  foreach(entry ${entries})
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 path)
    list(GET parts 1 line)
    file(WRITE ${dir}/${path} "${line}\n")
  endforeach()
endfunction()

write_tree(${WORK_DIR}/good "${good}")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR}/good -P ${RULES}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "a tree that keeps the rules was refused:\n${out}")
endif()

write_tree(${WORK_DIR}/bad "${good}")
write_tree(${WORK_DIR}/bad "${breaks}")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR}/bad -P ${RULES}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result EQUAL 0)
  message(FATAL_ERROR "a tree that breaks the rules passed:\n${out}")
endif()
string(REGEX REPLACE "[ \t\r\n]+" " " flat "${out}")
foreach(entry ${breaks})
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 2 expected)
  string(FIND "${flat}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not reported: ${expected}\n${out}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
message(STATUS "every break was reported")
