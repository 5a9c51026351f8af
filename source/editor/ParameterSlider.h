#pragma once

#include "base/AudioParameterFloatZudidud.h"
#include "editor/ValueChangeListener.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** A rotary knob bound to one parameter: its value is the parameter's normalised
    value, a label on top shows the parameter's name and a read-only box below its
    value text. A choice knob ends at the last named choice and moves one choice
    per step. */
class ParameterSlider : public juce::Slider
{
public:
    ParameterSlider();
    ~ParameterSlider() override;

    /** Binds the knob to its parameter; called once, before showNameLabel. */
    void attachToParameter (juce::AudioParameterFloatZudidud& parameter);
    /** Shows the bound parameter's name on top of the knob. */
    void showNameLabel();

    void resized() override;

    /** The knob range for a parameter: 0 to maximum in steps of interval (0 for a
        continuous knob). */
    struct Range
    {
        double maximum = 1.0;
        double interval = 0.0;
    };
    static Range rangeFor (const juce::AudioParameterFloatZudidud& parameter);

    juce::AudioParameterFloatZudidud* boundParameter = nullptr;
    ValueChangeListener valueChangeListener;
    juce::Label nameLabel;
    bool hasNameLabel = false;

    static constexpr int dragDistance = 250;
    static constexpr int fineDragDistance = 2500;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterSlider)
};
