# The same sources, payload, version and toolchain give the same exe, built in any folder at any
# time. GNU ld stamps a PE file with the time of the link (the header's TimeDateStamp, and through
# it the CheckSum over the whole file); the loader reads the stamp only for bound imports, which
# these exes do not have, so it stays zero. Nothing else in the exe depends on the build: it has
# no debug information, the sources use no __FILE__ or __DATE__, windres writes no time into the
# resources, and the globbed sources come sorted. tests/exe_check/check_reproducible.sh builds
# the product a second time from a copy of the sources and compares.
#   updater_reproducible_exe(<target>)
function(updater_reproducible_exe target)
  target_link_options(${target} PRIVATE LINKER:--no-insert-timestamp)
endfunction()
