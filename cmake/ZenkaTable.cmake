# zenka_table(<target> <table> <header>
#             STRUCT <type> ARRAY <name> COLUMNS <name:kind>...
#             [SORTED_BY <column>] [NAMESPACE <namespace>] [INCLUDES <header>...])
#
# Turns <table>, a text file of the current source folder with one entry a line, into the
# constexpr array <name> of <type> in ${CMAKE_BINARY_DIR}/generated/<target>/<header>, with
# zenka_tablegen (see tools/tablegen/main.cpp for the table format and the column kinds).
# <target> and everything that links it can include "<header>"; editing the table makes
# the header again, and a bad line stops the build naming the file and line.
function(zenka_table target table header)
  cmake_parse_arguments(PARSE_ARGV 3 arg "" "STRUCT;ARRAY;SORTED_BY;NAMESPACE" "COLUMNS;INCLUDES")
  if(arg_UNPARSED_ARGUMENTS OR NOT arg_STRUCT OR NOT arg_ARRAY OR NOT arg_COLUMNS)
    message(FATAL_ERROR "zenka_table(${table}): STRUCT, ARRAY and COLUMNS are needed")
  endif()
  set(input ${CMAKE_CURRENT_SOURCE_DIR}/${table})
  set(generated ${CMAKE_BINARY_DIR}/generated/${target})
  list(JOIN arg_COLUMNS "," columns)
  set(options --struct ${arg_STRUCT} --array ${arg_ARRAY} --columns ${columns})
  if(arg_SORTED_BY)
    list(APPEND options --sorted-by ${arg_SORTED_BY})
  endif()
  if(arg_NAMESPACE)
    list(APPEND options --namespace ${arg_NAMESPACE})
  endif()
  foreach(include IN LISTS arg_INCLUDES)
    list(APPEND options --include ${include})
  endforeach()

  add_custom_command(
    OUTPUT ${generated}/${header}
    COMMAND zenka_tablegen ${options} ${input} ${generated}/${header}
    DEPENDS zenka_tablegen ${input}
    COMMENT "Generating ${header} from ${table}"
    VERBATIM)
  target_sources(${target} PRIVATE ${generated}/${header})
  target_include_directories(${target} PUBLIC ${generated})
  # A layer's own check of its headers sees the table too, once it is made.
  if(TARGET ${target}_headers)
    target_include_directories(${target}_headers PRIVATE ${generated})
    add_dependencies(${target}_headers ${target})
  endif()
endfunction()
