# The layers of the code. Each folder is one library that links exactly the layers it may use;
# the same table drives the test that fails when an #include crosses it (layer_includes).
#
#   q700_layer(FOLDER folder USES layer... [EXCLUDE file...] [PLATFORM] [WIN32_ONLY] [NO_LIBRARY])
#
# FOLDER is relative to the source root; its *.cpp files make the library q700_<folder with "/"
# as "_">. PLATFORM adds the files of its posix/ or win32/ subfolder for the system built for.
# WIN32_ONLY layers exist in the Windows build only, but their rules are checked in every build.
# NO_LIBRARY declares the rules of a folder whose files other targets compile (headers only, the
# tool's entry). EXCLUDE leaves files of the folder to other targets (a program's entry).

set_property(GLOBAL PROPERTY Q700_LAYER_RULES "")

function(q700_layer_target_name folder out)
  string(REPLACE "/" "_" name "${folder}")
  set(${out} q700_${name} PARENT_SCOPE)
endfunction()

function(q700_layer)
  cmake_parse_arguments(L "PLATFORM;WIN32_ONLY;NO_LIBRARY" "FOLDER" "USES;EXCLUDE" ${ARGN})
  # The rule: a file of the folder may include its own folder and those it uses.
  string(REPLACE ";" "," uses "${L_USES}")
  set_property(GLOBAL APPEND PROPERTY Q700_LAYER_RULES "${L_FOLDER}=${uses}")
  if(L_PLATFORM)
    foreach(platform posix win32)
      set_property(GLOBAL APPEND PROPERTY Q700_LAYER_RULES "${L_FOLDER}/${platform}=${L_FOLDER}")
    endforeach()
  endif()
  if(L_NO_LIBRARY OR (L_WIN32_ONLY AND NOT WIN32))
    return()
  endif()

  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/*.cpp)
  foreach(excluded ${L_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${L_FOLDER}/${excluded})
  endforeach()
  if(L_PLATFORM)
    if(WIN32)
      file(GLOB platform CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/win32/*.cpp)
    else()
      file(GLOB platform CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/posix/*.cpp)
    endif()
    list(APPEND sources ${platform})
  endif()
  q700_layer_target_name(${L_FOLDER} target)
  set(libraries "")
  foreach(use ${L_USES})
    q700_layer_target_name(${use} used)
    if(TARGET ${used})
      list(APPEND libraries ${used})
    endif()
  endforeach()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${libraries})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${libraries})
  endif()
endfunction()

# Writes the rules for the include check.
function(q700_write_layer_rules file)
  get_property(rules GLOBAL PROPERTY Q700_LAYER_RULES)
  string(REPLACE ";" "\n" text "${rules}")
  file(WRITE ${file} "${text}\n")
endfunction()
