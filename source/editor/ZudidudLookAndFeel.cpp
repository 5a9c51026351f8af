#include "editor/ZudidudLookAndFeel.h"

#include "editor/EditorFonts.h"
#include "editor/KnobGeometry.h"

using vizeva::KnobGeometry;
using vizeva::TickGeometry;

ZudidudLookAndFeel::ZudidudLookAndFeel()
    : baseFontHeight (18.0f)
{
    setColour (juce::Slider::textBoxTextColourId, juce::Colour (0xffa0a0a0));
    // Acts on the framework's default look-and-feel, through which every font that
    // names no typeface is resolved, not on this object.
    vizeva::setDefaultSansSerifFace (defaultSansSerifName);
}

ZudidudLookAndFeel::~ZudidudLookAndFeel() = default;

void ZudidudLookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&,
                                               bool, bool shouldDrawButtonAsDown)
{
    const int w = button.getWidth();
    const int h = button.getHeight();
    const int m = juce::jmin (w, 2);
    const int n = juce::jmin (h, 2);

    g.setColour (juce::Colour (0xff000000));
    g.fillRect (m, n, w - m, h - n);

    const int d = shouldDrawButtonAsDown ? -1 : -2;
    g.setColour (juce::Colour (0xff505050));
    g.fillRect (m + d, n + d, w - m, h - n);
}

juce::Font ZudidudLookAndFeel::getTextButtonFont (juce::TextButton&, int)
{
    return vizeva::makeFont (baseFontHeight);
}

void ZudidudLookAndFeel::drawButtonText (juce::Graphics& g, juce::TextButton& button, bool,
                                         bool shouldDrawButtonAsDown)
{
    const int w = button.getWidth();
    const int h = button.getHeight();

    const auto font = getTextButtonFont (button, h);
    g.setFont (font);
    g.setColour (button.isEnabled() ? juce::Colour (0xffa0a0a0) : juce::Colour (0xffffffff));

    const int yIndent = juce::jmin (4, button.proportionOfHeight (0.3f));
    const int cornerSize = juce::jmin (w, h) / 2;
    const int fontHeight = juce::roundToInt (font.getHeight() * 0.6f);
    const int leftIndent = juce::jmin (fontHeight, 2 + cornerSize / (button.isConnectedOnLeft() ? 4 : 2));
    const int rightIndent = juce::jmin (fontHeight, 2 + cornerSize / (button.isConnectedOnRight() ? 4 : 2));
    const int textWidth = w - leftIndent - rightIndent;
    const int offset = shouldDrawButtonAsDown ? 3 : 1;

    if (textWidth > 0)
        g.drawFittedText (button.getButtonText(), leftIndent + offset, yIndent + offset, textWidth,
                          h - 2 * yIndent - 4, juce::Justification::centred, 2, 0.0f);
}

juce::Font ZudidudLookAndFeel::getLabelFont (juce::Label& label)
{
    auto font = label.getFont();
    font.setHeight (baseFontHeight * 0.8f);
    return font;
}

void ZudidudLookAndFeel::drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height,
                                           float sliderPosProportional, float rotaryStartAngle,
                                           float rotaryEndAngle, juce::Slider& slider)
{
    const auto k = KnobGeometry::compute (x, y, width, height, sliderPosProportional, rotaryStartAngle, rotaryEndAngle);

    drawTickMarks (g, slider, rotaryStartAngle, rotaryEndAngle, k.radius, k.thickness, k.centreX, k.centreY,
                   k.tickLength, true);
    drawTickMarks (g, slider, rotaryStartAngle, rotaryEndAngle, k.radius, k.thickness, k.centreX, k.centreY,
                   k.tickLength, false);

    // The ring's shadow is that of the whole disc, raised: it darkens ticks and ring alike.
    juce::Path ring;
    ring.addEllipse (k.ring);
    g.setColour (juce::Colour (0xff000000));
    g.strokePath (ring, juce::PathStrokeType (k.ringStrokeWidth));
    juce::DropShadow (juce::Colour (0x50000000), k.ringShadowRadius, k.ringShadowOffset).drawForPath (g, ring);

    juce::Path bodyShadow;
    bodyShadow.addEllipse (k.bodyShadow);
    juce::DropShadow (juce::Colour (0xff000000), k.bodyShadowRadius, k.bodyShadowOffset).drawForPath (g, bodyShadow);

    // The body covers the middle of both rims, leaving a white crescent on top and a
    // black one below.
    g.setColour (juce::Colour (0xffffffff));
    g.fillEllipse (k.whiteRim);
    g.setColour (juce::Colour (0xff000000));
    g.fillEllipse (k.blackRim);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xffa0a0a0), k.gradientFrom,
                                             juce::Colour (0xff707070), k.gradientTo, true));
    g.fillEllipse (k.body);

    juce::Path pointer;
    pointer.addRectangle (k.pointer.getX(), k.pointer.getY(), k.pointer.getWidth(), k.pointer.getHeight());
    pointer.applyTransform (k.placement (k.angle));
    juce::DropShadow (juce::Colour (0xff000000), k.pointerShadowRadius, k.pointerShadowOffset).drawForPath (g, pointer);
    g.setColour (juce::Colour (0xfff0f0f0));
    g.fillPath (pointer);
}

void ZudidudLookAndFeel::drawTickMarks (juce::Graphics& g, juce::Slider& slider, float startAngle, float endAngle,
                                        double radius, double thickness, double centreX, double centreY,
                                        double tickLength, bool withShadow)
{
    const auto ticks = TickGeometry::compute (slider.getMinimum(), slider.getMaximum(), slider.getInterval(),
                                              radius, thickness, tickLength, withShadow);
    const auto toCentre = juce::AffineTransform::translation ((float) centreX, (float) centreY);

    ticks.forEachPosition ([&] (float s)
    {
        const float tickAngle = (endAngle - startAngle) * s + startAngle;
        juce::Path tick;
        tick.addRectangle (ticks.tick.getX(), ticks.tick.getY(), ticks.tick.getWidth(), ticks.tick.getHeight());
        tick.applyTransform (juce::AffineTransform::rotation (tickAngle).followedBy (toCentre));

        if (withShadow)
        {
            juce::DropShadow (juce::Colour (0x40ffffff), ticks.glowRadius, ticks.glowOffset).drawForPath (g, tick);
            g.setColour (juce::Colour (0xff000000));
        }
        else
        {
            g.setColour (juce::Colour (0x50000000));
        }
        g.fillPath (tick);
    });
}
