#include "base/UserName.h"

#if JUCE_WINDOWS

#ifndef WIN32_LEAN_AND_MEAN
 #define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
 #define NOMINMAX
#endif
#include <windows.h>

namespace zudidud
{

// The name of the user running the host. The size passed is one unit short of
// the buffer, so the text always ends in a zero even if nothing is written.
juce::String processUserName()
{
    WCHAR buffer[256] = {};
    DWORD size = 255;
    GetUserNameW (buffer, &size);
    return juce::String (buffer, static_cast<size_t> (size));
}

} // namespace zudidud

#endif
