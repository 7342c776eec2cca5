# A layer library from a list of sources.
function(updater_layer name)
  add_library(${name} STATIC ${ARGN})
endfunction()

# A layer whose folder holds its portable sources and, in win32/ and headless/, the two halves
# of what differs between Windows and the in-memory backend; the build takes the one that fits.
# A file added to one of these folders is picked up by the glob.
function(updater_layer_with_backends name)
  file(GLOB portable CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(WIN32)
    file(GLOB backend CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/*.cpp)
  else()
    file(GLOB backend CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/headless/*.cpp)
  endif()
  add_library(${name} STATIC ${portable} ${backend})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()
