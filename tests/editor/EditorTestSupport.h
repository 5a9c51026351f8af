#pragma once

#include "editor/ParameterSlider.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace vizeva::test
{

/** The knob's read-only value box: its child label that is not the name label. */
inline juce::Label* valueBoxOf (ParameterSlider& knob)
{
    for (auto* child : knob.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child); label != nullptr && label != &knob.nameLabel)
            return label;
    return nullptr;
}

inline juce::String valueBoxText (ParameterSlider& knob)
{
    auto* box = valueBoxOf (knob);
    return box != nullptr ? box->getText() : juce::String ("<no value box>");
}

/** A mouse event on the knob, as the framework would deliver it. */
inline juce::MouseEvent mouseEventOn (juce::Component& target, juce::Point<float> position,
                                      juce::ModifierKeys mods, juce::Point<float> downPosition, int clicks = 1)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                             juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f, &target, &target, now,
                             downPosition, now, clicks, position != downPosition);
}

/** Counts what reaches a parameter's listeners. */
struct ListenerCount : juce::AudioProcessorParameter::Listener
{
    void parameterValueChanged (int, float) override { ++values; }
    void parameterGestureChanged (int, bool) override { ++gestures; }
    int values = 0;
    int gestures = 0;
};

} // namespace vizeva::test
