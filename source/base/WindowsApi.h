#pragma once

// <windows.h> without its min and max macros and its rarely used parts. Include it
// only where JUCE_WINDOWS is set.
#ifndef WIN32_LEAN_AND_MEAN
 #define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
 #define NOMINMAX
#endif
#include <windows.h>
