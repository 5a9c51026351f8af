#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <string>
#include <vector>

namespace juce
{

/** Display and scaling kinds of a float parameter; stored as an int32 so that
    values outside the list are accepted and take the generic rules. */
namespace UnitKind
{
    enum : int32
    {
        linear = 1,
        percent = 2,
        cubic = 3,
        decibels10 = 4,
        decibels18 = 5,
        frequency = 6,
        seconds = 7,
        signed15 = 8,
        octaves = 9,
        choice = 10,
        bipolar = 11,
        ratio = 12,
        duration = 13
    };
}

/** A float parameter whose framework value is always the normalised 0..1 value,
    with a real range, a unit kind that picks its curve and value text, and for
    choice parameters a number of positions with their names. */
class AudioParameterFloatZudidud : public AudioParameterFloat
{
public:
    /** A continuous parameter. */
    AudioParameterFloatZudidud (const String& parameterID, const String& parameterName, float minimum, float maximum,
                                float normalisedDefaultValue, int32 kind, std::string unit);
    /** A choice parameter with numPositions positions (at least 2), named from index 0. */
    AudioParameterFloatZudidud (const String& parameterID, const String& parameterName, float minimum, float maximum,
                                int32 defaultPosition, std::vector<std::string> names, int32 numPositions);
    ~AudioParameterFloatZudidud() override;

    /** The text people read for a normalised value. */
    std::string formatValue (float v) const;
    /** A number of seconds as a whole count of the largest unit that fits. */
    std::string formatDuration (double seconds) const;

    float getRealValue() const;
    float convertToReal (float normalised) const;
    int32 getChoiceIndex() const;
    int32 getChoiceIndexFor (float normalised) const;

    int32 getNumChoices() const { return numChoices; }
    float getDefault() const { return normalisedDefault; }
    std::vector<std::string> getChoiceNames() const { return choiceNames; }
    void setUnitLabel (std::string unit);

    int32 unitKind;
    float normalisedDefault = 0.0f;
    int32 numChoices = 0;
    float minValue;
    float maxValue;
    std::vector<std::string> choiceNames;
    String unitLabel;

private:
    static AudioParameterFloatAttributes makeAttributes (AudioParameterFloatZudidud* self);
    void setInitialValue (float normalised);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AudioParameterFloatZudidud)
};

} // namespace juce
