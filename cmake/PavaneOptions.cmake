# Compiler settings shared by every target, and the helper that builds a layer library.

add_library(pavane_options INTERFACE)
target_compile_options(pavane_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
  -Wunused -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
if(PAVANE_WERROR)
  target_compile_options(pavane_options INTERFACE -Werror)
endif()
if(PAVANE_SANITIZE)
  target_compile_options(pavane_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(pavane_options INTERFACE -fsanitize=address,undefined)
endif()

# pavane_layer(<target> <folder>...): a static library of every source file below the folders.
function(pavane_layer target)
  set(sources)
  foreach(folder IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  # The operating system's part is one shared library for the whole process.
  list(FILTER sources EXCLUDE REGEX "/platform/os/")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${target} PUBLIC pavane_options)
endfunction()

# pavane_tests(<name> <folder> <libraries>...): one test program of the files tests/<folder>/*_test.cpp.
function(pavane_tests name folder)
  file(GLOB sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/${folder}/*_test.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} pavane_testsupport GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "PAVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# pavane_form_descriptions(<target> <folder>...): embeds the form descriptions (*.dfm) found
# below the folders into the target; they register themselves when the program starts.
function(pavane_form_descriptions target)
  set(inputs)
  foreach(folder IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.dfm")
    list(APPEND inputs ${found})
  endforeach()
  if(NOT inputs)
    return()
  endif()
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_descriptions.cpp")
  add_custom_command(OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} "-DOUTPUT=${output}" "-DINPUTS=${inputs}" -P "${PROJECT_SOURCE_DIR}/cmake/EmbedForms.cmake"
    DEPENDS ${inputs} "${PROJECT_SOURCE_DIR}/cmake/EmbedForms.cmake"
    COMMENT "Embedding form descriptions into ${target}" VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()

# pavane_plugin(<target> <folder> <extra sources>...): the plug-in PAVANEC.so (no "lib" prefix)
# of the plug-in and form code over the layers, written into the folder.
function(pavane_plugin target folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/plugin/*.cpp" "${PROJECT_SOURCE_DIR}/forms/*.cpp")
  add_library(${target} SHARED ${sources} ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME PAVANEC
    LIBRARY_OUTPUT_DIRECTORY "${folder}")
  target_link_libraries(${target} PRIVATE pavane_system)
  pavane_form_descriptions(${target} forms plugin)
endfunction()
