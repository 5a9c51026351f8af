#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

/** The parameter listener each knob registers for its bound life. The knob follows
    its parameter through the editor's timer, so both callbacks change nothing. */
class ValueChangeListener : public juce::AudioProcessorParameter::Listener
{
public:
    ValueChangeListener() = default;
    ~ValueChangeListener() override = default;

    void parameterValueChanged (int parameterIndex, float newValue) override;
    void parameterGestureChanged (int parameterIndex, bool gestureIsStarting) override;

private:
    JUCE_DECLARE_NON_COPYABLE (ValueChangeListener)
};
