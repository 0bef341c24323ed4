# The layers of the program, each a static library that links only to the layers
# below it. A layer's include root (<build>/layers/<name>) holds links to its own
# source folders and to those of the layers below and nothing else, so an include
# that runs up the layers is not found and does not build. Every header of a
# layer is also compiled on its own against that root.
#
#   zenka_layer(<name> FOLDERS <folder>... [BELOW <layer>...] [LIBS <library>...]
#               SOURCES <file>...)
# LIBS are the outside libraries the layer's headers and sources use.

function(zenka_layer name)
  cmake_parse_arguments(L "" "" "FOLDERS;BELOW;LIBS;SOURCES" ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})

  set(folders ${L_FOLDERS})
  foreach(below IN LISTS L_BELOW)
    get_property(lower TARGET ${below} PROPERTY ZENKA_FOLDERS)
    list(APPEND folders ${lower})
  endforeach()
  list(REMOVE_DUPLICATES folders)
  foreach(folder IN LISTS folders)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()

  add_library(${name} STATIC ${L_SOURCES})
  set_property(TARGET ${name} PROPERTY ZENKA_FOLDERS ${folders})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${L_BELOW} ${L_LIBS} PRIVATE zenka_warnings)

  # One translation unit per header of the layer's own folders.
  set(checks)
  foreach(folder IN LISTS L_FOLDERS)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/src
         ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    foreach(header IN LISTS headers)
      string(MAKE_C_IDENTIFIER ${header} id)
      set(check ${CMAKE_BINARY_DIR}/layers/checks/${name}/${id}.cpp)
      set(text "#include \"${header}\"\n")
      unset(old)
      if(EXISTS ${check})
        file(READ ${check} old)
      endif()
      if(NOT old STREQUAL text)
        file(WRITE ${check} ${text})
      endif()
      list(APPEND checks ${check})
    endforeach()
  endforeach()
  if(checks)
    add_library(${name}_headers OBJECT ${checks})
    target_include_directories(${name}_headers PRIVATE ${root})
    target_link_libraries(${name}_headers PRIVATE ${L_BELOW} ${L_LIBS} zenka_warnings)
  endif()
endfunction()
