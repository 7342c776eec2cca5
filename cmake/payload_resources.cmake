# The carried executable's resource lines, for every resource script that carries one: the
# payload as EXE/UPGRADE and, beside it, its XXH3-128 digest as RCDATA/UPGRADE_XXH128 (32 hex
# characters, as xxh128sum prints them), both in language 1048. The updater checks the payload
# against the digest before it installs anything, so a payload damaged after the build is refused.
#
# Included, this file defines the functions below. Run with -P (at build time, by the command
# that updater_payload_script adds), it writes the digest of PAYLOAD to DIGEST.
if(CMAKE_SCRIPT_MODE_FILE)
  execute_process(COMMAND "${XXH128SUM}" INPUT_FILE "${PAYLOAD}" OUTPUT_VARIABLE printed
                  RESULT_VARIABLE status)
  string(REGEX MATCH "^[0-9a-f]+" digest "${printed}")
  string(LENGTH "${digest}" length)
  if(NOT status EQUAL 0 OR NOT length EQUAL 32)
    message(FATAL_ERROR "xxh128sum could not digest the payload '${PAYLOAD}': ${printed}")
  endif()
  # Exactly the 32 characters, no line end: the updater compares the resource's bytes.
  file(WRITE "${DIGEST}" "${digest}")
  return()
endif()

include_guard(GLOBAL)

# Writes the resource script <script> from <template>, in which @PAYLOAD_RESOURCES@ stands for
# the payload's lines, for the payload file <payload>. The digest is made at build time, whenever
# the payload changes; <digest target> names the target that makes it.
#   updater_payload_script(<template> <script> <payload> <digest target> [PAYLOAD_TARGET <target>])
# PAYLOAD_TARGET names the target that builds <payload>, when the build makes it.
function(updater_payload_script template script payload digest_target)
  cmake_parse_arguments(PARSE_ARGV 4 arg "" "PAYLOAD_TARGET" "")
  find_program(UPDATER_XXH128SUM xxh128sum REQUIRED)
  set(digest ${script}.xxh128)
  add_custom_command(OUTPUT ${digest}
    COMMAND ${CMAKE_COMMAND} -DXXH128SUM=${UPDATER_XXH128SUM} -DPAYLOAD=${payload} -DDIGEST=${digest}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    DEPENDS ${payload} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "XXH3-128 digest of the payload ${payload}"
    VERBATIM)
  add_custom_target(${digest_target} DEPENDS ${digest})
  if(arg_PAYLOAD_TARGET)
    add_dependencies(${digest_target} ${arg_PAYLOAD_TARGET})
  endif()
  set(PAYLOAD_RESOURCES "LANGUAGE 0x18, 0x01\nUPGRADE EXE \"${payload}\"\nUPGRADE_XXH128 RCDATA \"${digest}\"")
  configure_file(${template} ${script} @ONLY)
  set_property(GLOBAL PROPERTY UPDATER_PAYLOAD_SCRIPT_DEPENDS_${digest_target} "${payload};${digest}")
endfunction()

# Compiles the script that updater_payload_script wrote into <target>, rebuilt whenever the
# payload or its digest changes.
#   updater_compile_payload_script(<target> <script> <digest target>)
function(updater_compile_payload_script target script digest_target)
  get_property(depends GLOBAL PROPERTY UPDATER_PAYLOAD_SCRIPT_DEPENDS_${digest_target})
  target_sources(${target} PRIVATE ${script})
  # Source properties belong to the folder that compiles the script: set them here, not above.
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${depends}")
  add_dependencies(${target} ${digest_target})
endfunction()
