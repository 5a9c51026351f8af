#pragma once

#include <juce_graphics/juce_graphics.h>

namespace vizeva
{

/** Everything the knob face is drawn from, worked out from the rotary area, the
    position and the rotary angles alone. Lengths are in pixels, angles in radians
    clockwise from 12 o'clock. Shapes that turn with the pointer are given
    unrotated, pointing up from the origin. */
struct KnobGeometry
{
    double radius = 0.0;     // r
    double thickness = 0.0;  // the line unit t = 0.04 r
    double centreX = 0.0;
    double centreY = 0.0;    // 6 px below the middle of the area
    float angle = 0.0f;      // the pointer's angle
    float tickLength = 0.0f;

    juce::Rectangle<float> ring;
    float ringStrokeWidth = 0.0f;
    int ringShadowRadius = 1;
    juce::Point<int> ringShadowOffset;

    juce::Rectangle<float> bodyShadow;
    int bodyShadowRadius = 1;
    juce::Point<int> bodyShadowOffset;

    juce::Rectangle<float> whiteRim, blackRim, body;
    juce::Point<float> gradientFrom, gradientTo;

    juce::Rectangle<float> pointer;
    int pointerShadowRadius = 1;
    juce::Point<int> pointerShadowOffset;

    /** Turns a shape built around the origin to the given angle and moves it to the centre. */
    juce::AffineTransform placement (float shapeAngle) const;

    static KnobGeometry compute (int x, int y, int width, int height,
                                 float sliderPosProportional, float rotaryStartAngle, float rotaryEndAngle);
};

/** One pass of tick marks: the step between ticks as a proportion of the sweep, and
    the unrotated tick with its glow. */
struct TickGeometry
{
    float step = 0.1f;
    float width = 0.0f;
    juce::Rectangle<float> tick;
    int glowRadius = 1;
    juce::Point<int> glowOffset;

    /** The step of a slider's stop positions, or 0.1 when they would be too dense or
        too sparse to mark (this covers continuous sliders and empty ranges). */
    static float stepFor (double minimum, double maximum, double interval);

    static TickGeometry compute (double minimum, double maximum, double interval, double radius,
                                 double thickness, double tickLength, bool withShadow);

    /** Calls fn (s) for every tick position s = 0, step, 2 step, ... (summed in single
        precision) up to 1.01, so that rounding cannot drop the tick at the end. */
    template <typename Fn>
    void forEachPosition (Fn&& fn) const
    {
        for (float s = 0.0f; (double) s <= 1.01; s += step)
            fn (s);
    }

    int countPositions() const;
};

} // namespace vizeva
