# Fails when a source folder includes a header from a folder above it or beside
# it. Layers, lowest first: framework, in four rooms of its own (files, paint,
# windows, widgets, each above the one before); componentpack; controls; got,
# trigger and templatelist (independent of each other); app and tool
# (independent of each other). Every source file lies in one of these folders,
# and every layer has some.
#
# Every include line is read, however it is spaced. One this check cannot read
# is a failure: a header of ours is included as "folder/name.h", by its path
# under src/, and anything else in quotes (a relative path, a macro) would
# escape the rules. So is a C++ file of a kind it does not read (.hpp, .cc...).
#
# tool, the command-line program, runs without widgets or a display, so it has
# a second rule: every source file built into it (those of tool/ and
# TOOL_SOURCES, the files of the libraries it links, as paths under src/) may
# include only Qt Core's headers (QT_CORE_INCLUDE is their folder) and headers
# of ours that need nothing more, directly or through the headers they include.
cmake_policy(VERSION 3.22)

set(framework "framework/files|framework/paint|framework/windows|framework/widgets")
set(allowed_framework/files "framework/files")
set(allowed_framework/paint "framework/files|framework/paint")
set(allowed_framework/windows "framework/files|framework/paint|framework/windows")
set(allowed_framework/widgets "${framework}")
set(allowed_componentpack "${framework}|componentpack")
set(allowed_controls "${framework}|componentpack|controls")
set(allowed_got "${framework}|componentpack|controls|got")
set(allowed_trigger "${framework}|componentpack|controls|trigger")
set(allowed_templatelist "${framework}|componentpack|controls|templatelist")
set(allowed_app "${framework}|componentpack|controls|got|trigger|templatelist|app")
set(allowed_tool "${framework}|componentpack|controls|got|trigger|templatelist|tool")
set(layers framework/files framework/paint framework/windows framework/widgets
  componentpack controls got trigger templatelist app tool)
# The first part of every path of ours; a header path starting otherwise is not ours.
set(ours "framework|componentpack|controls|got|trigger|templatelist|app|tool")

if(NOT IS_DIRECTORY "${SRC}")
  message(FATAL_ERROR "SRC must name the source folder, not \"${SRC}\"")
endif()
if(NOT IS_DIRECTORY "${QT_CORE_INCLUDE}" OR NOT EXISTS "${QT_CORE_INCLUDE}/QString")
  message(FATAL_ERROR "QT_CORE_INCLUDE must name the folder of Qt Core's headers, not \"${QT_CORE_INCLUDE}\"")
endif()
string(REPLACE "," ";" tool_sources "${TOOL_SOURCES}")
if(NOT tool_sources)
  message(FATAL_ERROR "TOOL_SOURCES names no source file of the tool")
endif()

set(violations "")

# The layer a path under src/ belongs to, or "" when none.
function(layer_of path out)
  set(found "")
  foreach(layer ${layers})
    if(path MATCHES "^${layer}/")
      set(found "${layer}")
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE all_sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
if(NOT all_sources)
  message(FATAL_ERROR "No source file under ${SRC}: nothing to check")
endif()
file(GLOB_RECURSE unread RELATIVE "${SRC}" "${SRC}/*.hpp" "${SRC}/*.hh" "${SRC}/*.hxx" "${SRC}/*.h++" "${SRC}/*.inl"
  "${SRC}/*.ipp" "${SRC}/*.tpp" "${SRC}/*.tcc" "${SRC}/*.cc" "${SRC}/*.cxx" "${SRC}/*.c++" "${SRC}/*.c" "${SRC}/*.ixx"
  "${SRC}/*.cppm")
foreach(source ${unread})
  string(APPEND violations "\n  ${source}: a C++ file this check does not read (headers are .h, sources .cpp)")
endforeach()

foreach(layer ${layers})
  set(count_${layer} 0)
endforeach()

foreach(source ${all_sources})
  layer_of("${source}" layer)
  # A file outside the layers' folders (in src/framework itself, say) would escape the rules.
  if(NOT layer)
    string(APPEND violations "\n  ${source}: in no layer's folder")
    continue()
  endif()
  math(EXPR count_${layer} "${count_${layer}} + 1")
  string(MAKE_C_IDENTIFIER "${source}" id)
  set(uses_${id} "")
  set(widgets_${id} "")
  # Every line that could be an include, however spaced or commented between
  # the '#' and the word; a line the patterns below cannot read is a failure.
  file(STRINGS "${SRC}/${source}" includes ENCODING UTF-8 REGEX "^[ \t]*(#|%:)[^A-Za-z]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\"[ \t]*(//.*)?$")
      set(path "${CMAKE_MATCH_1}")
      set(quoted TRUE)
    elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>[ \t]*(//.*)?$")
      set(path "${CMAKE_MATCH_1}")
      set(quoted FALSE)
    else()
      string(APPEND violations "\n  ${source}: cannot read \"${line}\"")
      continue()
    endif()
    if(path MATCHES "^(${ours})/")
      layer_of("${path}" used)
      if(NOT quoted OR NOT used OR NOT path MATCHES "^[a-z0-9_/]+\\.h$" OR path MATCHES "//")
        string(APPEND violations "\n  ${source}: cannot read \"${line}\" (a header of ours is \"folder/name.h\")")
      elseif(NOT EXISTS "${SRC}/${path}")
        string(APPEND violations "\n  ${source}: \"${line}\" names no header under src/")
      else()
        list(APPEND uses_${id} "${path}")
        if(NOT used MATCHES "^(${allowed_${layer}})$")
          string(APPEND violations "\n  ${source}: ${line}")
        endif()
      endif()
    elseif(quoted OR path MATCHES "(^|/)\\.\\.?(/|$)" OR NOT path MATCHES "^[A-Za-z0-9_][A-Za-z0-9_./+-]*$")
      # "canvas.h", "../paint/canvas.h": a header of ours by a path the rules cannot place.
      string(APPEND violations "\n  ${source}: cannot read \"${line}\" (a header of ours is \"folder/name.h\")")
    elseif(path MATCHES "^(Qt[A-Za-z0-9]*/)?([Qq][A-Za-z0-9_]*(\\.h)?)$")
      if(NOT EXISTS "${QT_CORE_INCLUDE}/${CMAKE_MATCH_2}" OR (CMAKE_MATCH_1 AND NOT CMAKE_MATCH_1 STREQUAL "QtCore/"))
        if(NOT widgets_${id})
          set(widgets_${id} "<${path}>")
        endif()
      endif()
    endif()
    # Anything else in angle brackets is the system's or another library's: <vector>, <sys/stat.h>.
  endforeach()
endforeach()

foreach(layer ${layers})
  if(count_${layer} EQUAL 0)
    string(APPEND violations "\n  ${layer}: no source file in this layer's folder")
  endif()
endforeach()

# Spreads "needs more than Qt Core" from each header to the files that include it.
set(changed TRUE)
while(changed)
  set(changed FALSE)
  foreach(source ${all_sources})
    string(MAKE_C_IDENTIFIER "${source}" id)
    if(widgets_${id})
      continue()
    endif()
    foreach(used ${uses_${id}})
      string(MAKE_C_IDENTIFIER "${used}" used_id)
      if(widgets_${used_id})
        set(widgets_${id} "${used}")
        set(changed TRUE)
        break()
      endif()
    endforeach()
  endforeach()
endwhile()

set(tool_files "")
foreach(source ${all_sources})
  if(source MATCHES "^tool/")
    list(APPEND tool_files "${source}")
  endif()
endforeach()
foreach(source ${tool_sources})
  if(NOT source IN_LIST all_sources)
    string(APPEND violations "\n  ${source}: built into the tool but not a source file under src/")
  else()
    list(APPEND tool_files "${source}")
  endif()
endforeach()
list(REMOVE_DUPLICATES tool_files)
foreach(source ${tool_files})
  string(MAKE_C_IDENTIFIER "${source}" id)
  if(widgets_${id})
    string(APPEND violations "\n  ${source}: built into the tool but needs more than Qt Core through ${widgets_${id}}")
  endif()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the layering:${violations}")
endif()
