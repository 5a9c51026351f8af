# Checks the built Windows module with objdump: a PE32+ DLL that exports the
# three VST3 entry points and imports nothing but Windows system DLLs.
#   cmake -DOBJDUMP=... -DMODULE=... -P CheckModule.cmake
cmake_minimum_required(VERSION 3.22)
execute_process(COMMAND "${OBJDUMP}" -p "${MODULE}" OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump could not read ${MODULE}")
endif()

if(NOT dump MATCHES "file format pei-x86-64" OR NOT dump MATCHES "\\(PE32\\+\\)")
    message(FATAL_ERROR "not a PE32+ x86-64 image")
endif()
if(NOT dump MATCHES "\n\tDLL\n")
    message(FATAL_ERROR "not a DLL")
endif()

# The names follow "[Ordinal/Name Pointer] Table", one "[ n] Name" line each.
string(FIND "${dump}" "[Ordinal/Name Pointer] Table" start)
if(start LESS 0)
    message(FATAL_ERROR "no export table")
endif()
string(SUBSTRING "${dump}" ${start} -1 table)
string(REGEX REPLACE "\n\n.*" "" table "${table}")
string(FIND "${table}" "\n" eol)
math(EXPR eol "${eol} + 1")
string(SUBSTRING "${table}" ${eol} -1 table)
string(REGEX REPLACE "[ \t]*\\[ *[0-9]+\\] ([A-Za-z0-9_]+)" "\\1" table "${table}")
string(STRIP "${table}" table)
string(REPLACE "\n" ";" exports "${table}")
list(SORT exports)
if(NOT exports STREQUAL "ExitDll;GetPluginFactory;InitDll")
    message(FATAL_ERROR "exports are '${exports}', expected ExitDll, GetPluginFactory and InitDll")
endif()

# What a Windows installation always has; anything else (libstdc++, libgcc,
# winpthread, zlib ...) would have to travel with the module.
set(system_dlls advapi32 comdlg32 dxgi gdi32 imm32 kernel32 msvcrt ole32 oleaut32 shell32
    shlwapi user32 version wininet winmm ws2_32 wsock32 rpcrt4 comctl32 d2d1 dwrite uuid
    crypt32 dwmapi opengl32 setupapi winspool ucrtbase)
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
set(imports)
foreach(name IN LISTS names)
    string(REGEX REPLACE "DLL Name: ([^\n]+)" "\\1" dll "${name}")
    string(TOLOWER "${dll}" dll)
    string(REGEX REPLACE "\\.dll$" "" base "${dll}")
    list(APPEND imports "${dll}")
    if(NOT base IN_LIST system_dlls AND NOT base MATCHES "^api-ms-win-")
        message(FATAL_ERROR "imports ${dll}, which is not a Windows system DLL")
    endif()
endforeach()
# The maths must come from the system's msvcrt.dll, not from MinGW's x87 code.
string(FIND "${dump}" "DLL Name: msvcrt.dll" first)
string(SUBSTRING "${dump}" ${first} -1 crt)
foreach(function sin cos tan atan exp pow sinf cosf tanf atanf expf powf logf log10)
    if(NOT crt MATCHES "[ \t]${function}\n")
        message(FATAL_ERROR "${function} is not imported from msvcrt.dll")
    endif()
endforeach()

list(JOIN imports " " imports)
message(STATUS "exports: ${exports}")
message(STATUS "imports: ${imports}")
