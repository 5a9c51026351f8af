#include "base/AudioParameterFloatZudidud.h"

namespace juce
{

// Placeholder text until the value-text rules land.
std::string AudioParameterFloatZudidud::formatValue (float v) const
{
    return String (v, 3).toStdString();
}

std::string AudioParameterFloatZudidud::formatDuration (double seconds) const
{
    return String (seconds, 3).toStdString();
}

} // namespace juce
