# CLI11 and nlohmann-json are header-only Debian packages. The cross build must not see all of
# /usr/include, so it gets a folder that links only their header directories.
set(Q700_HEADER_DIR ${CMAKE_BINARY_DIR}/header-libs)
file(MAKE_DIRECTORY ${Q700_HEADER_DIR})
foreach(dir CLI nlohmann)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: run scripts/install-deps.sh")
  endif()
  if(NOT EXISTS ${Q700_HEADER_DIR}/${dir})
    file(CREATE_LINK /usr/include/${dir} ${Q700_HEADER_DIR}/${dir} SYMBOLIC)
  endif()
endforeach()
add_library(q700_header_libs INTERFACE)
target_include_directories(q700_header_libs SYSTEM INTERFACE ${Q700_HEADER_DIR})
