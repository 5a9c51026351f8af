# What the Windows module needs beyond the common build: the static image
# libraries, the version resource, static run-time libraries, and Wine to run
# the tests when cross-compiling.
enable_language(RC)

set(VIZEVA_MINGW_PREFIX "${PROJECT_BINARY_DIR}/../mingw-libs/prefix" CACHE PATH
    "Prefix of the static libraries built by scripts/mingw-libs.sh")
get_filename_component(VIZEVA_MINGW_PREFIX "${VIZEVA_MINGW_PREFIX}" ABSOLUTE)
list(APPEND CMAKE_PREFIX_PATH "${VIZEVA_MINGW_PREFIX}")
list(APPEND CMAKE_FIND_ROOT_PATH "${VIZEVA_MINGW_PREFIX}")

find_library(VIZEVA_PNG_LIBRARY NAMES libpng16.a png16 REQUIRED)
find_library(VIZEVA_JPEG_LIBRARY NAMES libjpeg.a jpeg REQUIRED)
find_library(VIZEVA_ZLIB_LIBRARY NAMES libz.a z REQUIRED)
find_path(VIZEVA_IMAGE_INCLUDE_DIR NAMES png.h jpeglib.h REQUIRED)

# JUCE's image loaders use the system libpng and libjpeg (Debian's JUCE has
# no bundled copies); zlib serves them and JUCE's own zip streams.
add_library(VizevaMingwImageLibs INTERFACE)
add_library(vizeva::MingwImageLibs ALIAS VizevaMingwImageLibs)
target_include_directories(VizevaMingwImageLibs SYSTEM INTERFACE "${VIZEVA_IMAGE_INCLUDE_DIR}")
target_link_libraries(VizevaMingwImageLibs INTERFACE
    "${VIZEVA_PNG_LIBRARY}" "${VIZEVA_JPEG_LIBRARY}" "${VIZEVA_ZLIB_LIBRARY}")
target_link_libraries(Vizeva PUBLIC vizeva::MingwImageLibs)

# The maths functions come from the system's msvcrt.dll rather than from MinGW's
# libmingwex: same accuracy class (within an ulp), far fewer cycles.
find_program(VIZEVA_DLLTOOL NAMES ${VIZEVA_MINGW_TRIPLE}-dlltool dlltool REQUIRED)
set(_maths_import "${PROJECT_BINARY_DIR}/libvizeva_msvcrt_maths.a")
add_custom_command(OUTPUT "${_maths_import}"
    COMMAND "${VIZEVA_DLLTOOL}" -d "${CMAKE_CURRENT_LIST_DIR}/msvcrt-maths.def" -D msvcrt.dll -l "${_maths_import}"
    DEPENDS "${CMAKE_CURRENT_LIST_DIR}/msvcrt-maths.def"
    COMMENT "Import library for msvcrt.dll's maths")
add_custom_target(VizevaMsvcrtMaths DEPENDS "${_maths_import}")
add_library(VizevaSystemMaths INTERFACE)
add_dependencies(VizevaSystemMaths VizevaMsvcrtMaths)
target_link_libraries(VizevaSystemMaths INTERFACE "${_maths_import}")
# Double sin goes through source/base/SineWindows.cpp first (see there).
target_link_options(VizevaSystemMaths INTERFACE -Wl,--wrap=sin)
target_link_libraries(Vizeva PUBLIC VizevaSystemMaths)
add_dependencies(Vizeva VizevaMsvcrtMaths)

# The version resource goes into the module only.
target_sources(Vizeva_VST3 PRIVATE "${PROJECT_SOURCE_DIR}/resources/Vizeva.rc")

if(CMAKE_CROSSCOMPILING)
    # Tests and tools run under Wine, in a prefix of their own inside the build tree.
    set(VIZEVA_WINEPREFIX "${PROJECT_BINARY_DIR}/wineprefix")
    set(VIZEVA_WINE_RUN "${PROJECT_BINARY_DIR}/wine-run.sh")
    file(WRITE "${VIZEVA_WINE_RUN}"
        "#!/bin/sh\n"
        "export WINEPREFIX=\"${VIZEVA_WINEPREFIX}\" WINEDEBUG=-all WINEDLLOVERRIDES=\"mscoree,mshtml=\"\n"
        "exec wine \"$@\"\n")
    file(CHMOD "${VIZEVA_WINE_RUN}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
        GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${VIZEVA_WINE_RUN}")

    # Every test of this build carries the label "wine".
    set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY LABELS wine)

    # Windows programs see the build tree through Wine's drive Z:. JUCE's VST3
    # hosting on Windows loads the inner module file, not the bundle folder.
    set(VIZEVA_VST3_BUNDLE "Z:$<TARGET_FILE:Vizeva_VST3>")
else()
    set(VIZEVA_VST3_BUNDLE "$<TARGET_FILE:Vizeva_VST3>")
endif()

# The shipped module carries no symbol table.
target_link_options(Vizeva_VST3 PRIVATE $<$<CONFIG:Release>:-s>)

if(CMAKE_CROSSCOMPILING AND VIZEVA_TESTS)
    find_program(VIZEVA_OBJDUMP NAMES ${VIZEVA_MINGW_TRIPLE}-objdump objdump REQUIRED)
    add_test(NAME WindowsModule.ExportsEntryPointsImportsOnlySystemDlls
        COMMAND "${CMAKE_COMMAND}" -DOBJDUMP=${VIZEVA_OBJDUMP} -DMODULE=$<TARGET_FILE:Vizeva_VST3>
                -P "${CMAKE_CURRENT_LIST_DIR}/CheckModule.cmake")
endif()
