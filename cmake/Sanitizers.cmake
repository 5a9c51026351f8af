# -DVIZEVA_SANITIZE=ON builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, stopping at the first error.
option(VIZEVA_SANITIZE "Build with ASan and UBSan" OFF)

if(VIZEVA_SANITIZE)
    set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${_san})
    add_link_options(${_san})
endif()
