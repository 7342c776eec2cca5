# Authenticode signing of the shipped exe with osslsigncode, after the link. Unsigned unless a
# certificate is configured: either UPDATER_SIGN_CERT with UPDATER_SIGN_KEY, or UPDATER_SIGN_PKCS12.
set(UPDATER_SIGN_CERT "" CACHE FILEPATH
    "Authenticode certificate to sign the exe with (PEM or DER, may hold the chain); needs UPDATER_SIGN_KEY")
set(UPDATER_SIGN_KEY "" CACHE FILEPATH "Private key of UPDATER_SIGN_CERT (PEM or DER)")
set(UPDATER_SIGN_PKCS12 "" CACHE FILEPATH
    "Certificate and private key in one PKCS#12 file, instead of UPDATER_SIGN_CERT and UPDATER_SIGN_KEY")
set(UPDATER_SIGN_PASSWORD_FILE "" CACHE FILEPATH
    "File holding the password of the private key or the PKCS#12 file; empty when there is none")
set(UPDATER_SIGN_TIMESTAMP_URL "" CACHE STRING
    "RFC 3161 time-stamping server that countersigns the signature; empty signs without a time stamp")

function(updater_require_sign_file option)
  if(NOT EXISTS "${${option}}" OR IS_DIRECTORY "${${option}}")
    message(FATAL_ERROR "${option}: the file '${${option}}' does not exist")
  endif()
endfunction()

# True in `out` when the configuration asks for a signed exe; stops the configure step when the
# signing options do not fit together or name files that are missing.
function(updater_signing_requested out)
  set(${out} FALSE PARENT_SCOPE)
  if(NOT UPDATER_SIGN_CERT AND NOT UPDATER_SIGN_KEY AND NOT UPDATER_SIGN_PKCS12)
    if(UPDATER_SIGN_PASSWORD_FILE OR UPDATER_SIGN_TIMESTAMP_URL)
      message(FATAL_ERROR "UPDATER_SIGN_PASSWORD_FILE and UPDATER_SIGN_TIMESTAMP_URL need a certificate: "
                          "set UPDATER_SIGN_CERT and UPDATER_SIGN_KEY, or UPDATER_SIGN_PKCS12")
    endif()
    return()
  endif()
  if(UPDATER_SIGN_PKCS12 AND (UPDATER_SIGN_CERT OR UPDATER_SIGN_KEY))
    message(FATAL_ERROR "UPDATER_SIGN_PKCS12 replaces UPDATER_SIGN_CERT and UPDATER_SIGN_KEY: set only one of the two ways")
  endif()
  if(UPDATER_SIGN_PKCS12)
    updater_require_sign_file(UPDATER_SIGN_PKCS12)
  else()
    foreach(option UPDATER_SIGN_CERT UPDATER_SIGN_KEY)
      if(NOT ${option})
        message(FATAL_ERROR "${option} is missing: signing with a certificate file needs both "
                            "UPDATER_SIGN_CERT and UPDATER_SIGN_KEY")
      endif()
      updater_require_sign_file(${option})
    endforeach()
  endif()
  if(UPDATER_SIGN_PASSWORD_FILE)
    updater_require_sign_file(UPDATER_SIGN_PASSWORD_FILE)
  endif()
  set(${out} TRUE PARENT_SCOPE)
endfunction()

function(updater_sign_after_link target)
  updater_signing_requested(sign)
  set(UPDATER_EXE_SIGNED ${sign} CACHE INTERNAL "Whether the shipped exe is signed")
  if(NOT sign)
    return()
  endif()
  find_program(UPDATER_OSSLSIGNCODE osslsigncode)
  if(NOT UPDATER_OSSLSIGNCODE)
    message(FATAL_ERROR "Signing needs osslsigncode (Debian package osslsigncode), which was not found")
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND}
            -DTOOL=${UPDATER_OSSLSIGNCODE} -DEXE=$<TARGET_FILE:${target}>
            -DCERT=${UPDATER_SIGN_CERT} -DKEY=${UPDATER_SIGN_KEY} -DPKCS12=${UPDATER_SIGN_PKCS12}
            -DPASSWORD_FILE=${UPDATER_SIGN_PASSWORD_FILE} -DTIMESTAMP_URL=${UPDATER_SIGN_TIMESTAMP_URL}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/sign_exe.cmake
    COMMENT "Signing $<TARGET_FILE_NAME:${target}>"
    VERBATIM)
endfunction()
