# The fuzz build: the layers that read outside data, instrumented for libFuzzer and built with
# AddressSanitizer and UndefinedBehaviorSanitizer, any finding of which ends the run. The window
# description reader needs the toolkit, the descriptions and the styled button, over the
# headless backend; nothing else of the program is built.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "UPDATER_FUZZ needs clang (libFuzzer); configure with the fuzz preset")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

add_subdirectory(src/platform)
add_subdirectory(src/graphics)
add_subdirectory(src/updater)
add_subdirectory(src/toolkit)
add_subdirectory(src/description)
add_subdirectory(src/widgets)
add_subdirectory(tests/fuzz)
