# -DVIZEVA_FUZZ=ON (with clang) builds every target for libFuzzer with
# AddressSanitizer; the fuzz targets in fuzz/ link libFuzzer's driver. Use a build
# folder of its own: the gcc builds are not touched.
option(VIZEVA_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(VIZEVA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "VIZEVA_FUZZ needs clang (e.g. CC=clang CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address)
endif()
