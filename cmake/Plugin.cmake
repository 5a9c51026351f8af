# The plug-in. juce_add_plugin makes the static library "Vizeva" (all of the
# plug-in's code and the JUCE modules it uses) and the VST3 module "Vizeva_VST3"
# that wraps it; the tests and benchmarks link the same library through
# Vizeva::Code.
juce_add_plugin(Vizeva
    PRODUCT_NAME "Vizeva"
    COMPANY_NAME "Zudidud"
    COMPANY_WEBSITE "https://zudidud.example"
    COMPANY_EMAIL ""
    PLUGIN_MANUFACTURER_CODE Dedu
    PLUGIN_CODE Diru
    VERSION 1.0.0
    FORMATS VST3
    IS_SYNTH TRUE
    NEEDS_MIDI_INPUT TRUE
    NEEDS_MIDI_OUTPUT FALSE
    IS_MIDI_EFFECT FALSE
    EDITOR_WANTS_KEYBOARD_FOCUS FALSE
    VST3_CATEGORIES Instrument Synth
    COPY_PLUGIN_AFTER_BUILD FALSE)

file(GLOB_RECURSE VIZEVA_SOURCES CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/source/*.cpp" "${PROJECT_SOURCE_DIR}/source/*.h")
target_sources(Vizeva PRIVATE ${VIZEVA_SOURCES})
vizeva_warnings(${VIZEVA_SOURCES})
target_include_directories(Vizeva PUBLIC "${PROJECT_SOURCE_DIR}/source")

target_compile_definitions(Vizeva PUBLIC
    ${VIZEVA_JUCE_DEFINITIONS}
    JUCE_VST3_CAN_REPLACE_VST2=0)

target_link_libraries(Vizeva
    PRIVATE
        juce::juce_audio_utils
        juce::juce_dsp
    PUBLIC
        juce::juce_recommended_config_flags)

# What a test or benchmark needs to use the library: its objects, the module
# headers and the same definitions, without compiling JUCE a second time.
add_library(VizevaCode INTERFACE)
add_library(Vizeva::Code ALIAS VizevaCode)
target_link_libraries(VizevaCode INTERFACE Vizeva)
target_include_directories(VizevaCode INTERFACE $<TARGET_PROPERTY:Vizeva,INCLUDE_DIRECTORIES>)
target_compile_definitions(VizevaCode INTERFACE $<TARGET_PROPERTY:Vizeva,COMPILE_DEFINITIONS>)

# The bundle folder (Vizeva.vst3) as a generator expression, for tests and tools.
set(VIZEVA_VST3_BUNDLE "$<TARGET_FILE_DIR:Vizeva_VST3>/../..")
