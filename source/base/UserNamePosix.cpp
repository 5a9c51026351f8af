#include "base/UserName.h"

#if ! JUCE_WINDOWS

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace zudidud
{

namespace
{

// The Windows call this stands in for fills a buffer of 255 UTF-16 code units.
constexpr int maxCodeUnits = 255;

juce::String passwdName()
{
    const auto suggested = sysconf (_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer ((size_t) (suggested > 0 ? suggested : 4096));

    for (;;)
    {
        passwd entry {};
        passwd* found = nullptr;
        const int error = getpwuid_r (geteuid(), &entry, buffer.data(), buffer.size(), &found);

        if (error == ERANGE && buffer.size() < (size_t) 1 << 20)
        {
            buffer.resize (buffer.size() * 2);
            continue;
        }
        if (error != 0 || found == nullptr || found->pw_name == nullptr)
            return {};
        return juce::String::fromUTF8 (found->pw_name);
    }
}

} // namespace

juce::String processUserName()
{
    return cutToUtf16Units (passwdName(), maxCodeUnits);
}

} // namespace zudidud

#endif
