# Fails when a source of the core (engine, config, output), of the renderer or of the map
# editor's model includes a Qt header.
file(GLOB_RECURSE core_files ${ROOT}/src/engine/* ${ROOT}/src/config/* ${ROOT}/src/output/*
     ${ROOT}/src/render/* ${ROOT}/src/mapeditor/model/*)
foreach(f ${core_files})
  file(STRINGS ${f} hits REGEX "#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(hits)
    message(FATAL_ERROR "Qt header below the window layers: ${f}: ${hits}")
  endif()
endforeach()
