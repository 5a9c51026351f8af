#pragma once

#include <juce_core/juce_core.h>

namespace zudidud
{

/** The name of the user that runs this process, at most 255 UTF-16 code units
    long; empty when the system does not know it. Each platform has its own file. */
juce::String processUserName();

/** text cut to whole characters within maxUnits UTF-16 code units (a character
    beyond the basic plane takes two), as a fixed UTF-16 buffer would hold it. */
inline juce::String cutToUtf16Units (const juce::String& text, int maxUnits)
{
    int units = 0;
    int characters = 0;
    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++characters)
    {
        units += p.getAndAdvance() >= 0x10000 ? 2 : 1;
        if (units > maxUnits)
            return text.substring (0, characters);
    }
    return text;
}

} // namespace zudidud
