# Warnings for the project's own sources only: JUCE's module sources are compiled
# into the same targets and keep the framework's own flags.
set(VIZEVA_WARNING_FLAGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wconversion -Wsign-conversion
    -Wno-sign-conversion -Wunused -Woverloaded-virtual -Wpedantic)

function(vizeva_warnings)
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS "${VIZEVA_WARNING_FLAGS}")
endfunction()
