# What the shipped exe is made of beyond its sources: no debug information, no symbol table, no
# code or data that nothing refers to, and an Authenticode signature when a certificate is given.
include(${CMAKE_CURRENT_LIST_DIR}/signing.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/reproducible.cmake)

function(updater_release_exe target)
  target_link_options(${target} PRIVATE -s LINKER:--gc-sections)
  updater_reproducible_exe(${target})
  updater_sign_after_link(${target})
endfunction()
