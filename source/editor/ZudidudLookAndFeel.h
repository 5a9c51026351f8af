#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The editor's look-and-feel: the framework's dark scheme with its own label and
    button fonts, flat text buttons and the knob face with its tick marks. */
class ZudidudLookAndFeel : public juce::LookAndFeel_V4
{
public:
    ZudidudLookAndFeel();
    ~ZudidudLookAndFeel() override;

    void drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour,
                               bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    juce::Font getTextButtonFont (juce::TextButton& button, int buttonHeight) override;
    void drawButtonText (juce::Graphics& g, juce::TextButton& button,
                         bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    juce::Font getLabelFont (juce::Label& label) override;

    void drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPosProportional,
                           float rotaryStartAngle, float rotaryEndAngle, juce::Slider& slider) override;

    /** One pass of tick marks at the slider's stop positions: wide opaque ticks over
        a faint glow with the shadow, narrow translucent ones without. */
    void drawTickMarks (juce::Graphics& g, juce::Slider& slider, float startAngle, float endAngle, double radius,
                        double thickness, double centreX, double centreY, double tickLength, bool withShadow);

    /** The face that every font naming no typeface resolves to. */
    static constexpr const char* defaultSansSerifName = "Microsoft Sans Serif";

    const float baseFontHeight;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZudidudLookAndFeel)
};
