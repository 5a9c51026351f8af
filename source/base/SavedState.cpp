#include "base/AudioProcessorZudidud.h"

namespace juce
{

void AudioProcessorZudidud::setProperty (String key, String value)
{
    properties[key] = value;
}

std::vector<std::string> AudioProcessorZudidud::splitPath (const std::string&)
{
    return {};
}

void AudioProcessorZudidud::getStateInformation (MemoryBlock&)
{
}

void AudioProcessorZudidud::setStateInformation (const void*, int)
{
    parametersChanged = true;
}

} // namespace juce
