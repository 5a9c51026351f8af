#pragma once

#include "editor/ParameterSlider.h"
#include "editor/ZudidudLookAndFeel.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>

class VizevaAudioProcessor;

/** The plug-in's fixed-size window: a title band above a 3 x 3 grid of knobs, one
    per parameter. Knob movements go straight into the parameters; a 33 ms timer
    copies the parameter values back into the knobs. */
class VizevaAudioProcessorEditor : public juce::AudioProcessorEditor,
                                   public juce::Slider::Listener,
                                   public juce::Timer
{
public:
    explicit VizevaAudioProcessorEditor (VizevaAudioProcessor& processor);
    ~VizevaAudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void sliderValueChanged (juce::Slider* slider) override;
    void timerCallback() override;

    static constexpr int numKnobs = 9;
    static constexpr int majorVersion = 12;
    static constexpr int timerIntervalMs = 33;

    /** Knob i shows and sets the processor's parameter i. */
    std::array<ParameterSlider, numKnobs> sliders;

private:
    void updateSlidersFromParameters();

    VizevaAudioProcessor& processorRef;
    ZudidudLookAndFeel editorLookAndFeel;
    const int numColumns = 3;
    const int numRows = 3;
    const int headerHeight = 40;
    const int marginX = 12;
    const int marginY = 12;
    const int knobSize = 110;
    const int gapX = 2;
    const int gapY = 40;
    int timerTicks = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VizevaAudioProcessorEditor)
};
