#include "base/AudioParameterFloatZudidud.h"

#include <cmath>

namespace juce
{

static String unitTextForKind (int32 kind)
{
    switch (kind)
    {
        case UnitKind::percent:    return "%";
        case UnitKind::decibels10:
        case UnitKind::decibels18: return "dB";
        case UnitKind::frequency:  return "Hz";
        case UnitKind::octaves:    return "oct";
        case UnitKind::ratio:      return ":1";
        default:                   return {};
    }
}

AudioParameterFloatAttributes AudioParameterFloatZudidud::makeAttributes (AudioParameterFloatZudidud* self)
{
    // The host's text and the editor's value boxes come from the same rule.
    return AudioParameterFloatAttributes().withStringFromValueFunction ([self] (float v, int)
    {
        return String::fromUTF8 (self->formatValue (v).c_str());
    });
}

AudioParameterFloatZudidud::AudioParameterFloatZudidud (const String& parameterID, const String& parameterName,
                                                        float minimum, float maximum, float normalisedDefaultValue,
                                                        int32 kind, std::string unit)
    : AudioParameterFloat (ParameterID { parameterID, 0 }, parameterName, NormalisableRange<float> (0.0f, 1.0f),
                           normalisedDefaultValue, makeAttributes (this)),
      unitKind (kind),
      minValue (minimum),
      maxValue (maximum)
{
    unitLabel = unit.empty() ? unitTextForKind (kind) : String::fromUTF8 (unit.c_str());
    setInitialValue (normalisedDefaultValue);
}

AudioParameterFloatZudidud::AudioParameterFloatZudidud (const String& parameterID, const String& parameterName,
                                                        float minimum, float maximum, int32 defaultPosition,
                                                        std::vector<std::string> names, int32 numPositions)
    : AudioParameterFloat (ParameterID { parameterID, 0 }, parameterName, NormalisableRange<float> (0.0f, 1.0f),
                           (float) defaultPosition / (float) (numPositions - 1), makeAttributes (this)),
      unitKind (UnitKind::choice),
      numChoices (numPositions),
      minValue (minimum),
      maxValue (maximum),
      choiceNames (std::move (names))
{
    setInitialValue ((float) defaultPosition / (float) (numPositions - 1));
}

AudioParameterFloatZudidud::~AudioParameterFloatZudidud() = default;

void AudioParameterFloatZudidud::setInitialValue (float normalised)
{
    static_cast<AudioProcessorParameter*> (this)->setValue (normalised);
    sendValueChangedMessageToListeners (normalised);
    normalisedDefault = normalised;
}

void AudioParameterFloatZudidud::setUnitLabel (std::string unit)
{
    unitLabel = String::fromUTF8 (unit.c_str());
}

float AudioParameterFloatZudidud::convertToReal (float v) const
{
    if (unitKind == UnitKind::frequency || unitKind == UnitKind::seconds)
    {
        const float a = std::log (minValue);
        const float b = std::log (maxValue);
        return std::exp ((b - a) * v + a);
    }
    return (maxValue - minValue) * v + minValue;
}

float AudioParameterFloatZudidud::getRealValue() const
{
    return convertToReal (get());
}

int32 AudioParameterFloatZudidud::getChoiceIndexFor (float v) const
{
    if (unitKind == UnitKind::choice && numChoices > 1)
        return (int32) std::round ((float) (numChoices - 1) * v);
    return 0;
}

int32 AudioParameterFloatZudidud::getChoiceIndex() const
{
    return getChoiceIndexFor (get());
}

} // namespace juce
