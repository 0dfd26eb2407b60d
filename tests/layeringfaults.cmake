# Runs the layering check CHECK on copies of SRC under WORK: the copy as it is
# must pass, and each copy with one fault planted must fail with a message
# that names the fault. QT_CORE_INCLUDE and TOOL_SOURCES go to the check as given.
cmake_policy(VERSION 3.22)

set(copy "${WORK}/src")
set(failures "")

function(fresh_copy)
  file(REMOVE_RECURSE "${WORK}")
  file(MAKE_DIRECTORY "${WORK}")
  file(COPY "${SRC}" DESTINATION "${WORK}")
endfunction()

# Runs the check on the copy; the output with every run of blanks made one space.
function(run_check tool_sources out_status out_output)
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DSRC=${copy}" "-DQT_CORE_INCLUDE=${QT_CORE_INCLUDE}"
    "-DTOOL_SOURCES=${tool_sources}" -P "${CHECK}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REGEX REPLACE "[ \t\r\n]+" " " output "${output}")
  set(${out_status} "${status}" PARENT_SCOPE)
  set(${out_output} "${output}" PARENT_SCOPE)
endfunction()

function(append_line file text)
  file(APPEND "${copy}/${file}" "${text}\n")
endfunction()

# The check on the copy as it stands must fail, saying `expected`.
function(expect_refused what expected)
  set(tool_sources "${TOOL_SOURCES}")
  if(ARGN)
    set(tool_sources "${ARGN}")
  endif()
  run_check("${tool_sources}" status output)
  string(REGEX REPLACE "[ \t\r\n]+" " " expected "${expected}")
  string(FIND "${output}" "${expected}" at)
  if(status EQUAL 0)
    string(APPEND failures "\n  ${what}: passed")
  elseif(at EQUAL -1)
    string(APPEND failures "\n  ${what}: failed without \"${expected}\":\n    ${output}")
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

fresh_copy()
run_check("${TOOL_SOURCES}" status output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The check fails on an untouched copy of src/, so its failures below would prove nothing:\n${output}")
endif()

# A header of a room above, with the blanks the preprocessor allows.
fresh_copy()
append_line(framework/files/inifile.cpp "#  include \"framework/paint/canvas.h\"")
expect_refused("a crossing spelled with blanks"
  "framework/files/inifile.cpp: #  include \"framework/paint/canvas.h\"")

fresh_copy()
append_line(framework/files/inifile.cpp "  #\tinclude\"framework/widgets/listbox.h\" // spaced")
expect_refused("a crossing spelled with a tab and a comment" "framework/files/inifile.cpp:")

# Includes the check cannot place.
fresh_copy()
append_line(framework/files/inifile.cpp "#include \"../paint/canvas.h\"")
expect_refused("a relative path" "framework/files/inifile.cpp: cannot read \"#include \"../paint/canvas.h\"\"")

fresh_copy()
append_line(framework/files/inifile.cpp "#include CANVAS_HEADER")
expect_refused("an include through a macro" "framework/files/inifile.cpp: cannot read \"#include CANVAS_HEADER\"")

fresh_copy()
append_line(framework/files/inifile.cpp "# /**/ include \"framework/paint/canvas.h\"")
expect_refused("a comment inside the directive" "framework/files/inifile.cpp: cannot read")

fresh_copy()
append_line(framework/files/inifile.cpp "#include <framework/paint/canvas.h>")
expect_refused("a header of ours in angle brackets" "framework/files/inifile.cpp: cannot read \"#include <framework/paint/canvas.h>\"")

fresh_copy()
append_line(framework/files/inifile.cpp "#include \"framework/paint/nosuchheader.h\"")
expect_refused("a header that is not there" "names no header under src/")

# Files the check would not read, or could not place.
fresh_copy()
file(WRITE "${copy}/framework/files/planted.hpp" "#include \"framework/paint/canvas.h\"\n")
expect_refused("a header of another kind" "framework/files/planted.hpp: a C++ file this check does not read")

fresh_copy()
file(WRITE "${copy}/planted.cpp" "#include \"app/program.h\"\n")
expect_refused("a file outside the layers" "planted.cpp: in no layer's folder")

# The tool's rule, for a file built into it that no header is named after.
fresh_copy()
file(WRITE "${copy}/got/planted.cpp" "#include <QWidget>\n")
expect_refused("a widget header in a library file of the tool"
  "got/planted.cpp: built into the tool but needs more than Qt Core through <QWidget>" "${TOOL_SOURCES},got/planted.cpp")

fresh_copy()
file(WRITE "${copy}/got/planted.cpp" "#include <QtGui/QImage>\n")
expect_refused("a Qt Gui header by its module path"
  "got/planted.cpp: built into the tool but needs more than Qt Core through <QtGui/QImage>" "${TOOL_SOURCES},got/planted.cpp")

# ...and through a header of ours that needs widgets, which the layering itself allows.
fresh_copy()
file(WRITE "${copy}/got/planted.cpp" "#include \"framework/widgets/listbox.h\"\n")
expect_refused("a widget header of ours in a library file of the tool"
  "got/planted.cpp: built into the tool but needs more than Qt Core through framework/widgets/listbox.h"
  "${TOOL_SOURCES},got/planted.cpp")

fresh_copy()
file(WRITE "${copy}/tool/planted.cpp" "#include <QApplication>\n")
expect_refused("a tool file the build does not list" "tool/planted.cpp: built into the tool but needs more than Qt Core")

fresh_copy()
expect_refused("a tool source that is not there" "got/missing.cpp: built into the tool but not a source file"
  "${TOOL_SOURCES},got/missing.cpp")

# Nothing to check is a failure, not a pass.
fresh_copy()
file(GLOB trigger_files "${copy}/trigger/*.h" "${copy}/trigger/*.cpp")
file(REMOVE ${trigger_files})
expect_refused("an empty layer" "trigger: no source file in this layer's folder")

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${copy}")
expect_refused("an empty source folder" "No source file under")

file(REMOVE_RECURSE "${WORK}")
if(failures)
  message(FATAL_ERROR "The layering check let faults through:${failures}")
endif()
