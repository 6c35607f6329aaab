# Fails when an #include line of src/ or sim/ breaks the layering:
#  - a lower floor never includes a higher one:
#    text < protocol < model, local < app < areas < core, print < view
#    < front ends;
#  - the command line never includes the view (the main window's state);
#  - an area never includes another area (what two areas share moves down);
#    the areas are accounts/administrators, accounts/groups,
#    accounts/subaccounts, accounts/mainaccounts, accounts/deposits,
#    templates, risk and reports;
#  - the front ends (gui, cli) never include protocol code nor each other;
#  - in the shared mechanisms (src/app), port < forms < actions < desk
#    < exchange < pages < lists < session;
#  - in the desk (src/gui), widgets < shell < the area folders < compose
#    (the composition root, which alone knows every area), and an area
#    folder never includes another;
#  - the simulator includes only its own files, the framing part of
#    protocol/ and text/.
# Run: cmake -DSOURCE_DIR=<checkout> -P IncludeRules.cmake
cmake_policy(SET CMP0057 NEW)

set(areas accounts/administrators accounts/groups accounts/subaccounts
          accounts/mainaccounts accounts/deposits templates risk reports)

# The unit of a path below src/ ("app/desk/Desk.h" -> app,
# "accounts/groups/GroupForm.h" -> accounts/groups); empty when unknown.
function(unit_of path out)
  set(unit "")
  if(path MATCHES "^accounts/([^/]+)/")
    set(unit "accounts/${CMAKE_MATCH_1}")
  elseif(path MATCHES "^([^/]+)/")
    set(unit "${CMAKE_MATCH_1}")
  endif()
  set(${out} "${unit}" PARENT_SCOPE)
endfunction()

function(floor_of unit out)
  set(floor "")
  if(unit STREQUAL "text")
    set(floor 0)
  elseif(unit STREQUAL "protocol")
    set(floor 1)
  elseif(unit STREQUAL "model" OR unit STREQUAL "local")
    set(floor 2)
  elseif(unit STREQUAL "app")
    set(floor 3)
  elseif(unit IN_LIST areas)
    set(floor 4)
  elseif(unit STREQUAL "core" OR unit STREQUAL "print")
    set(floor 5)
  elseif(unit STREQUAL "view")
    set(floor 6)
  elseif(unit STREQUAL "gui" OR unit STREQUAL "cli")
    set(floor 7)
  endif()
  set(${out} "${floor}" PARENT_SCOPE)
endfunction()

set(bad "")
set(checked 0)

# The client.
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
foreach(f ${files})
  unit_of("${f}" from)
  floor_of("${from}" fromFloor)
  if(fromFloor STREQUAL "")
    list(APPEND bad "src/${f}: not in a known folder")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" target "${line}")
    math(EXPR checked "${checked} + 1")
    unit_of("${target}" to)
    floor_of("${to}" toFloor)
    if(toFloor STREQUAL "")
      continue()  # a file of its own folder or outside src/
    endif()
    if(to STREQUAL from)
      continue()
    endif()
    if(toFloor GREATER fromFloor)
      list(APPEND bad "src/${f}: ${from} includes the higher ${to} (${target})")
    elseif(from IN_LIST areas AND to IN_LIST areas)
      list(APPEND bad "src/${f}: area ${from} includes area ${to} (${target})")
    elseif(from STREQUAL "cli" AND to STREQUAL "view")
      list(APPEND bad "src/${f}: the command line includes the view (${target})")
    elseif(fromFloor EQUAL 7 AND (to STREQUAL "protocol" OR toFloor EQUAL 7))
      list(APPEND bad "src/${f}: front end ${from} includes ${target}")
    endif()
  endforeach()
endforeach()

# The floor of `folder` in `floors` ("folder:floor" pairs); empty when it
# has none.
function(folder_floor folder floors out)
  set(floor "")
  foreach(pair ${floors})
    if(pair MATCHES "^${folder}:([0-9]+)$")
      set(floor ${CMAKE_MATCH_1})
    endif()
  endforeach()
  set(${out} "${floor}" PARENT_SCOPE)
endfunction()

# The folders of src/<root> on floors of their own: a file of a folder
# includes its own folder and those of lower floors, never one of its own
# floor. `files` are paths below src/<root>; one outside every folder is
# named as not in a known folder of `whose`.
function(check_folder_floors root whose files floors)
  foreach(f ${files})
    string(REGEX REPLACE "/.*" "" from "${f}")
    folder_floor("${from}" "${floors}" fromFloor)
    if(NOT f MATCHES "/" OR fromFloor STREQUAL "")
      list(APPEND bad "src/${root}/${f}: not in a known folder of ${whose}")
      continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/src/${root}/${f} lines
         REGEX "^[ \t]*#[ \t]*include[ \t]*\"${root}/")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"${root}/([^/\"]*)/.*" "\\1" to
                           "${line}")
      math(EXPR checked "${checked} + 1")
      folder_floor("${to}" "${floors}" toFloor)
      if(to STREQUAL from OR toFloor STREQUAL "")
        continue()
      endif()
      if(toFloor GREATER fromFloor)
        list(APPEND bad "src/${root}/${f}: ${from} includes the higher ${root}/${to}")
      elseif(toFloor EQUAL fromFloor)
        list(APPEND bad "src/${root}/${f}: ${from} includes ${root}/${to} of its own floor")
      endif()
    endforeach()
  endforeach()
  set(bad "${bad}" PARENT_SCOPE)
  set(checked "${checked}" PARENT_SCOPE)
endfunction()

# The shared mechanisms' own folders, each a floor of its own.
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}/src/app ${SOURCE_DIR}/src/app/*.h
     ${SOURCE_DIR}/src/app/*.cpp)
check_folder_floors(app app "${files}"
                    "port:0;forms:1;actions:2;desk:3;exchange:4;pages:5;lists:6;session:7")

# The desk's own folders; its area folders share a floor.
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}/src/gui ${SOURCE_DIR}/src/gui/*/*.h
     ${SOURCE_DIR}/src/gui/*/*.cpp)
check_folder_floors(gui "the desk" "${files}"
                    "widgets:0;shell:1;accounts:2;templates:2;risk:2;reports:2;compose:3")

# The simulator: its own files, the framing and text only.
set(clientOnly protocol/ServerConnection.h protocol/AnswerRouter.h)
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/sim/*.h ${SOURCE_DIR}/sim/*.cpp)
foreach(f ${files})
  file(STRINGS ${SOURCE_DIR}/${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" target "${line}")
    math(EXPR checked "${checked} + 1")
    if(NOT target MATCHES "/" OR target MATCHES "^sim/" OR target MATCHES "^text/")
      continue()
    endif()
    if(target MATCHES "^protocol/" AND NOT target IN_LIST clientOnly)
      continue()
    endif()
    list(APPEND bad "${f}: the simulator includes ${target}")
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "no #include lines found under ${SOURCE_DIR}")
endif()
if(bad)
  string(REPLACE ";" "\n" bad "${bad}")
  message(FATAL_ERROR "Include rules broken:\n${bad}")
endif()
message(STATUS "${checked} #include lines keep the rules")
