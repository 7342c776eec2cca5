# Registers the two tests that draw a picture with `tool` and publish it as a PNG (and copy it to
# $UPDATER_TEST_OUTPUT): <name>_draw or <name>_record, then <name>_publish. `raw` is what the tool
# writes, `png` the published file; nothing is registered where `png` is empty.
set(UPDATER_PUBLISH_IMAGE ${CMAKE_CURRENT_LIST_DIR}/publish_image.cmake)
function(updater_picture_tests name step tool raw png)
  if(NOT png)
    return()
  endif()
  add_test(NAME ${name}_${step} COMMAND ${tool} ${raw} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name}_${step} PROPERTIES FIXTURES_SETUP ${name}_image)
  add_test(NAME ${name}_publish
           COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_CURRENT_BINARY_DIR}/${raw} -DOUTPUT=${png}
                   -P ${UPDATER_PUBLISH_IMAGE})
  set_tests_properties(${name}_publish PROPERTIES FIXTURES_REQUIRED ${name}_image)
endfunction()
