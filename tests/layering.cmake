# Fails when a source folder includes a header from a folder above it or beside
# it. Layers, lowest first: framework; componentpack; controls; got, trigger and
# templatelist (independent of each other); app.
set(allowed_framework "framework")
set(allowed_componentpack "framework|componentpack")
set(allowed_controls "framework|componentpack|controls")
set(allowed_got "framework|componentpack|controls|got")
set(allowed_trigger "framework|componentpack|controls|trigger")
set(allowed_templatelist "framework|componentpack|controls|templatelist")
set(allowed_app "framework|componentpack|controls|got|trigger|templatelist|app")

set(violations "")
foreach(layer framework componentpack controls got trigger templatelist app)
  file(GLOB_RECURSE sources "${SRC}/${layer}/*.h" "${SRC}/${layer}/*.cpp")
  foreach(source ${sources})
    file(STRINGS "${source}" includes REGEX "^#include \"[a-z]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
      if(NOT target MATCHES "^(${allowed_${layer}})$")
        string(APPEND violations "\n  ${source}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the layering:${violations}")
endif()
