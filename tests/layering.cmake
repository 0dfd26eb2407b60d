# Fails when a source folder includes a header from a folder above it or beside
# it. Layers, lowest first: framework, in four rooms of its own (files, paint,
# windows, widgets, each above the one before); componentpack; controls; got,
# trigger and templatelist (independent of each other); app and tool
# (independent of each other). Every source file lies in one of these folders.
#
# tool, the command-line program, runs without widgets or a display, so it has
# a second rule: every file of it may include only widget-free headers. A
# header is widget-free when neither it nor the source file of the same name
# includes a Qt header outside Qt Core (QT_CORE_INCLUDE, the folder of Qt
# Core's headers) or a header that is not widget-free itself.
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

if(NOT IS_DIRECTORY "${QT_CORE_INCLUDE}" OR NOT EXISTS "${QT_CORE_INCLUDE}/QString")
  message(FATAL_ERROR "QT_CORE_INCLUDE must name the folder of Qt Core's headers, not \"${QT_CORE_INCLUDE}\"")
endif()

set(violations "")
set(units "")

# A file outside the layers' folders (in src/framework itself, say) would escape the rules.
file(GLOB_RECURSE all_sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
foreach(source ${all_sources})
  get_filename_component(folder "${source}" DIRECTORY)
  string(REGEX MATCH "^[a-z]+(/[a-z]+)?" folder "${folder}")
  if(NOT folder IN_LIST layers)
    string(APPEND violations "\n  ${source}: in no layer's folder")
  endif()
endforeach()

foreach(layer ${layers})
  file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/${layer}/*.h" "${SRC}/${layer}/*.cpp")
  foreach(source ${sources})
    # A unit is a header with its source file: "got/gotfile" for gotfile.h and gotfile.cpp.
    string(REGEX REPLACE "\\.(h|cpp)$" "" unit "${source}")
    string(MAKE_C_IDENTIFIER "${unit}" id)
    if(NOT unit IN_LIST units)
      list(APPEND units "${unit}")
      set(uses_${id} "")
      set(widgets_${id} "")
    endif()
    file(STRINGS "${SRC}/${source}" includes REGEX "^#include [\"<]")
    foreach(line ${includes})
      # "got/gotfile.h" is got's; "framework/paint/canvas.h" is framework/paint's.
      if(line MATCHES "^#include \"(([a-z]+(/[a-z]+)?)/[a-z0-9_]+)\\.h\"")
        list(APPEND uses_${id} "${CMAKE_MATCH_1}")
        if(NOT CMAKE_MATCH_2 MATCHES "^(${allowed_${layer}})$")
          string(APPEND violations "\n  ${source}: ${line}")
        endif()
      elseif(line MATCHES "^#include <(Qt[A-Za-z]+/)?(Q[A-Za-z]+)>")
        if(NOT EXISTS "${QT_CORE_INCLUDE}/${CMAKE_MATCH_2}" OR (CMAKE_MATCH_1 AND NOT CMAKE_MATCH_1 STREQUAL "QtCore/"))
          set(widgets_${id} "<${CMAKE_MATCH_1}${CMAKE_MATCH_2}>")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

# Spreads "needs more than Qt Core" from each unit to the units that include it.
set(changed TRUE)
while(changed)
  set(changed FALSE)
  foreach(unit ${units})
    string(MAKE_C_IDENTIFIER "${unit}" id)
    if(widgets_${id})
      continue()
    endif()
    foreach(used ${uses_${id}})
      string(MAKE_C_IDENTIFIER "${used}" used_id)
      if(widgets_${used_id})
        set(widgets_${id} "${used}.h")
        set(changed TRUE)
        break()
      endif()
    endforeach()
  endforeach()
endwhile()

foreach(unit ${units})
  string(MAKE_C_IDENTIFIER "${unit}" id)
  if(unit MATCHES "^tool/" AND widgets_${id})
    string(APPEND violations "\n  ${unit}: needs more than Qt Core through ${widgets_${id}}")
  endif()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the layering:${violations}")
endif()
