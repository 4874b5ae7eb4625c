# Checks every `#include "folder/name.h"` under SRC against the layer order, and that the
# Qt-free layers include no Qt header. Run with: cmake -DSRC=<src folder> -P check_includes.cmake
#
#   engine, elements  <  platform  <  formats  <  run  <  editor  <  presentation  <  app
#                                                    run, presentation  <  cli
#
# (The command line draws its pictures with the presentation's QtGui-only drawing classes.)
#
# files/ holds two layers: the platform helpers are the sources of the tessarin_platform
# library in SRC/CMakeLists.txt (and the headers of the same name); every other file there
# belongs to the level formats.
cmake_minimum_required(VERSION 3.20)
if(NOT SRC)
  message(FATAL_ERROR "usage: cmake -DSRC=<src folder> -P check_includes.cmake")
endif()

set(allowed_engine engine elements)
set(allowed_elements engine elements)
set(allowed_platform engine elements platform)
set(allowed_formats engine elements platform formats)
set(allowed_run engine elements platform formats run)
set(allowed_editor engine elements platform formats run editor)
set(allowed_presentation engine elements platform formats run editor presentation)
set(allowed_app engine elements platform formats run editor presentation app)
set(allowed_cli engine elements platform formats run presentation cli)
set(qt_free engine elements platform formats run editor)

# The platform helpers' names, from the library's source list.
file(READ ${SRC}/CMakeLists.txt lists)
string(REGEX MATCH "add_library\\(tessarin_platform[^)]*\\)" platform_block "${lists}")
if(NOT platform_block)
  message(FATAL_ERROR "layer check: no tessarin_platform library in ${SRC}/CMakeLists.txt")
endif()
string(REGEX MATCHALL "files/[A-Za-z0-9_]+\\.cpp" platform_sources "${platform_block}")
set(platform_names "")
foreach(source ${platform_sources})
  get_filename_component(name ${source} NAME_WE)
  list(APPEND platform_names ${name})
endforeach()

# The layer of a path below SRC ("engine/run.cpp", "files/paths.h").
function(layer_of path out)
  string(REGEX MATCH "^[^/]+" folder "${path}")
  if(folder STREQUAL "files")
    get_filename_component(name "${path}" NAME_WE)
    if(name IN_LIST platform_names)
      set(${out} platform PARENT_SCOPE)
    else()
      set(${out} formats PARENT_SCOPE)
    endif()
  else()
    set(${out} "${folder}" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(faults "")
foreach(source ${sources})
  if(NOT source MATCHES "/")
    continue()
  endif()
  layer_of("${source}" layer)
  if(NOT DEFINED allowed_${layer})
    string(APPEND faults
      "\n  src/${source}: its folder belongs to no layer; add it to ${CMAKE_CURRENT_LIST_FILE}")
    continue()
  endif()
  file(STRINGS ${SRC}/${source} lines REGEX "^[ \t]*#[ \t]*include")
  set(number 0)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(included "${CMAKE_MATCH_1}")
      # A name without a folder is the including folder's own (generated headers among them).
      if(included MATCHES "/")
        layer_of("${included}" target)
        if(DEFINED allowed_${target} AND NOT target IN_LIST allowed_${layer})
          string(REPLACE ";" ", " list "${allowed_${layer}}")
          string(APPEND faults "\n  src/${source} includes \"${included}\" (${target}); "
                               "${layer} may include only ${list}")
        endif()
      endif()
    elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<(Q[^>]*)>" AND layer IN_LIST qt_free)
      string(APPEND faults "\n  src/${source} includes <${CMAKE_MATCH_1}>; ${layer} has no Qt")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that reach up the layers:${faults}")
endif()
list(LENGTH sources count)
message(STATUS "layer check: ${count} files, every include points down")
