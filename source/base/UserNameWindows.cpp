#include "base/UserName.h"

#if JUCE_WINDOWS

#include "base/WindowsApi.h"

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
