#include "editor/KnobGeometry.h"
#include "editor/ZudidudLookAndFeel.h"
#include "editor/RecordingContext.h"

#include <gtest/gtest.h>

using vizeva::KnobGeometry;
using vizeva::TickGeometry;
using vizeva::test::RecordingContext;

namespace
{
constexpr float startAngle = juce::MathConstants<float>::pi * 1.2f;
constexpr float endAngle = juce::MathConstants<float>::pi * 2.8f;

void expectRect (juce::Rectangle<float> actual, float x, float y, float w, float h)
{
    EXPECT_NEAR (actual.getX(), x, 1e-4);
    EXPECT_NEAR (actual.getY(), y, 1e-4);
    EXPECT_NEAR (actual.getWidth(), w, 1e-4);
    EXPECT_NEAR (actual.getHeight(), h, 1e-4);
}

// An editor knob: 110 x 110 with its value box below leaves the rotary area (0, 0, 110, 90).
KnobGeometry editorKnob (float position = 0.5f)
{
    return KnobGeometry::compute (0, 0, 110, 90, position, startAngle, endAngle);
}
} // namespace

TEST (KnobGeometry, WorkedExampleOfAnEditorKnob)
{
    const auto k = editorKnob();
    EXPECT_DOUBLE_EQ (k.radius, 36.0);
    EXPECT_DOUBLE_EQ (k.thickness, 1.44);
    EXPECT_DOUBLE_EQ (k.centreX, 55.0);
    EXPECT_DOUBLE_EQ (k.centreY, 51.0);
    EXPECT_EQ (k.tickLength, 3.5999999f);

    expectRect (k.ring, 18.28f, 14.28f, 73.44f, 73.44f);
    EXPECT_FLOAT_EQ (k.ringStrokeWidth, 0.72f);
    expectRect (k.bodyShadow, 26.2f, 22.2f, 57.6f, 57.6f);
    expectRect (k.body, 26.2f, 22.2f, 57.6f, 57.6f);
    expectRect (k.whiteRim, 26.2f, 21.2f, 57.6f, 57.6f);
    expectRect (k.blackRim, 26.2f, 23.2f, 57.6f, 57.6f);
    EXPECT_FLOAT_EQ (k.gradientFrom.x, 55.0f);
    EXPECT_FLOAT_EQ (k.gradientFrom.y, 29.4f);
    EXPECT_FLOAT_EQ (k.gradientTo.x, 55.0f);
    EXPECT_FLOAT_EQ (k.gradientTo.y, 87.1f);
    expectRect (k.pointer, -2.16f, -25.92f, 4.32f, 14.4f);

    // Every shadow radius is 1 at this size.
    EXPECT_EQ (k.ringShadowRadius, 1);
    EXPECT_EQ (k.bodyShadowRadius, 1);
    EXPECT_EQ (k.pointerShadowRadius, 1);
    EXPECT_EQ (k.ringShadowOffset, juce::Point<int> (0, -1));
    EXPECT_EQ (k.bodyShadowOffset, juce::Point<int> (0, 1));
    EXPECT_EQ (k.pointerShadowOffset, juce::Point<int> (0, 1));
}

TEST (KnobGeometry, TicksOfTheWorkedExample)
{
    const auto k = editorKnob();
    const auto glow = TickGeometry::compute (0.0, 1.0, 0.0, k.radius, k.thickness, k.tickLength, true);
    const auto plain = TickGeometry::compute (0.0, 1.0, 0.0, k.radius, k.thickness, k.tickLength, false);

    expectRect (glow.tick, -1.01808f, -34.56f, 1.01808f, 3.6f);
    EXPECT_NEAR (glow.tick.getBottom(), -30.96f, 1e-4);
    expectRect (plain.tick, -0.576f, -34.56f, 0.576f, 3.6f);
    EXPECT_EQ (glow.glowRadius, 1);
    EXPECT_EQ (glow.glowOffset, juce::Point<int> (0, 0));
}

TEST (KnobGeometry, LargeKnobScalesShadows)
{
    const auto k = KnobGeometry::compute (0, 0, 300, 300, 0.5f, startAngle, endAngle);
    EXPECT_DOUBLE_EQ (k.radius, 120.0);
    EXPECT_NEAR (k.thickness, 4.8, 1e-12);
    EXPECT_DOUBLE_EQ (k.centreX, 150.0);
    EXPECT_DOUBLE_EQ (k.centreY, 156.0);
    EXPECT_EQ (k.ringShadowRadius, 2);
    EXPECT_EQ (k.ringShadowOffset, juce::Point<int> (0, -4));
    EXPECT_EQ (k.bodyShadowRadius, 4);
    EXPECT_EQ (k.bodyShadowOffset, juce::Point<int> (0, 4));
    EXPECT_EQ (k.pointerShadowRadius, 2);
    EXPECT_EQ (k.pointerShadowOffset, juce::Point<int> (0, 4));

    const auto glow = TickGeometry::compute (0.0, 1.0, 0.0, k.radius, k.thickness, k.tickLength, true);
    EXPECT_EQ (glow.glowRadius, 1);
    EXPECT_EQ (glow.glowOffset, juce::Point<int> (0, 1));
}

TEST (KnobGeometry, RadiusComesFromTheShorterSideAndAreaOffsetMovesTheCentre)
{
    const auto wide = KnobGeometry::compute (10, 20, 200, 100, 0.0f, startAngle, endAngle);
    EXPECT_DOUBLE_EQ (wide.radius, 40.0);
    EXPECT_DOUBLE_EQ (wide.centreX, 110.0);
    EXPECT_DOUBLE_EQ (wide.centreY, 76.0);

    const auto tall = KnobGeometry::compute (0, 0, 100, 200, 0.0f, startAngle, endAngle);
    EXPECT_DOUBLE_EQ (tall.radius, 40.0);
}

TEST (KnobGeometry, PointerAngleFollowsPosition)
{
    struct Case { float position; float degrees; };
    const Case cases[] = { { 0.0f, 216.0f }, { 0.5f, 360.0f }, { 1.0f, 504.0f } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.position);
        EXPECT_NEAR (juce::radiansToDegrees (editorKnob (c.position).angle), c.degrees, 1e-3);
    }

    // The rotation turns the upward-pointing pointer clockwise on the screen: at
    // position 0 its tip lies left of and below the centre (about 7 o'clock).
    const auto k = editorKnob (0.0f);
    const auto tip = juce::Point<float> (0.0f, -25.92f).transformedBy (k.placement (k.angle));
    EXPECT_LT (tip.x, 55.0f);
    EXPECT_GT (tip.y, 51.0f);
}

TEST (KnobGeometry, TickCountsFollowTheStep)
{
    struct Case { const char* what; double maximum; double interval; float step; int ticks; };
    const Case cases[] = {
        { "continuous", 1.0, 0.0, 0.1f, 11 },
        { "step 0.2", 1.0, 0.2, 0.2f, 6 },
        { "step 1/16", 1.0, 1.0 / 16.0, 0.0625f, 17 },
        { "step 0.5", 1.0, 0.5, 0.5f, 3 },
        { "step 1 falls back", 1.0, 1.0, 0.1f, 11 },
        { "step 0.79 kept", 1.0, 0.79, 0.79f, 2 },
        { "step 0.019 kept", 1.0, (double) 0.019f, 0.019f, 54 },
        { "step 0.0189 falls back", 1.0, 0.0189, 0.1f, 11 },
        { "Waveform knob", 5.0 / 9.0, (5.0 / 9.0) / 5.0, 0.2f, 6 },
        { "Chord knob", 16.0 / 19.0, (16.0 / 19.0) / 16.0, 0.0625f, 17 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        const auto g = TickGeometry::compute (0.0, c.maximum, c.interval, 36.0, 1.44, 3.6, true);
        EXPECT_FLOAT_EQ (g.step, c.step);
        EXPECT_EQ (g.countPositions(), c.ticks);
    }
}

TEST (KnobGeometry, EmptyRangeDrawsOneTick)
{
    const auto g = TickGeometry::compute (0.5, 0.5, 0.0, 36.0, 1.44, 3.6, true);
    EXPECT_EQ (g.countPositions(), 1);
}

TEST (KnobGeometry, LastContinuousTickMarksTheEndOfTheSweep)
{
    const auto g = TickGeometry::compute (0.0, 1.0, 0.0, 36.0, 1.44, 3.6, true);
    float last = 0.0f;
    g.forEachPosition ([&last] (float s) { last = s; });
    EXPECT_NEAR (last, 1.0f, 1e-6);
    EXPECT_GT (last, 1.0f); // sums in single precision overshoot, and 1.01 admits it
}

namespace
{
// Draws one knob of the given range into a recording context.
RecordingContext recordKnob (double maximum, double interval, float position)
{
    ZudidudLookAndFeel lookAndFeel;
    juce::Slider slider;
    slider.setRange (0.0, maximum, interval);
    RecordingContext context;
    juce::Graphics g (context);
    lookAndFeel.drawRotarySlider (g, 0, 0, 110, 90, position, startAngle, endAngle, slider);
    return context;
}
} // namespace

TEST (KnobDrawing, DrawsTwoTickPassesRingBodyAndPointerInOrder)
{
    struct Case { const char* what; double maximum; double interval; int ticks; };
    const Case cases[] = { { "continuous", 1.0, 0.0, 11 },
                           { "Waveform", 5.0 / 9.0, 1.0 / 9.0, 6 },
                           { "Chord", 16.0 / 19.0, 1.0 / 19.0, 17 } };
    using Call = RecordingContext::Call;

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        const auto rec = recordKnob (c.maximum, c.interval, 0.5f);
        const auto& calls = rec.calls;
        // First pass: glow image then opaque black tick; second pass: translucent ticks;
        // then ring stroke, ring shadow, body shadow, two rims, body, pointer shadow, pointer.
        ASSERT_EQ ((int) calls.size(), 3 * c.ticks + 8);

        for (int i = 0; i < c.ticks; ++i)
        {
            EXPECT_EQ (calls[(size_t) (2 * i)].kind, Call::image);
            EXPECT_EQ (calls[(size_t) (2 * i + 1)].kind, Call::path);
            EXPECT_EQ (calls[(size_t) (2 * i + 1)].colour, juce::Colour (0xff000000));
            const auto& plain = calls[(size_t) (2 * c.ticks + i)];
            EXPECT_EQ (plain.kind, Call::path);
            EXPECT_EQ (plain.colour, juce::Colour (0x50000000));
        }

        const auto* rest = &calls[(size_t) (3 * c.ticks)];
        EXPECT_EQ (rest[0].kind, Call::path); // the ring's stroke
        EXPECT_EQ (rest[0].colour, juce::Colour (0xff000000));
        EXPECT_NEAR (rest[0].bounds.getX(), 18.28f - 0.36f, 0.01f);
        EXPECT_NEAR (rest[0].bounds.getWidth(), 73.44f + 0.72f, 0.01f);
        EXPECT_EQ (rest[1].kind, Call::image);
        EXPECT_EQ (rest[1].colour, juce::Colour (0x50000000));
        EXPECT_EQ (rest[2].kind, Call::image);
        EXPECT_EQ (rest[2].colour, juce::Colour (0xff000000));
        EXPECT_EQ (rest[3].colour, juce::Colour (0xffffffff));
        EXPECT_NEAR (rest[3].bounds.getY(), 21.2f, 0.01f);
        EXPECT_EQ (rest[4].colour, juce::Colour (0xff000000));
        EXPECT_NEAR (rest[4].bounds.getY(), 23.2f, 0.01f);
        EXPECT_TRUE (rest[5].gradient);
        EXPECT_NEAR (rest[5].bounds.getY(), 22.2f, 0.01f);
        // The body's gradient is radial, centred 0.6r above the knob's centre, light to dark.
        const auto& body = rest[5].gradientFill;
        EXPECT_TRUE (body.isRadial);
        EXPECT_FLOAT_EQ (body.point1.x, 55.0f);
        EXPECT_FLOAT_EQ (body.point1.y, 29.4f);
        EXPECT_FLOAT_EQ (body.point2.x, 55.0f);
        EXPECT_FLOAT_EQ (body.point2.y, 87.1f);
        ASSERT_EQ (body.getNumColours(), 2);
        EXPECT_EQ (body.getColour (0), juce::Colour (0xffa0a0a0));
        EXPECT_EQ (body.getColour (1), juce::Colour (0xff707070));
        EXPECT_EQ (rest[6].kind, Call::image);
        EXPECT_EQ (rest[7].kind, Call::path);
        EXPECT_EQ (rest[7].colour, juce::Colour (0xfff0f0f0));
        // Straight up at position 0.5: x 52.84..57.16, y 25.08..39.48.
        EXPECT_NEAR (rest[7].bounds.getX(), 52.84f, 0.01f);
        EXPECT_NEAR (rest[7].bounds.getY(), 25.08f, 0.01f);
        EXPECT_NEAR (rest[7].bounds.getBottom(), 39.48f, 0.01f);
    }
}

TEST (KnobDrawing, TicksStandOnTheStopPositions)
{
    // The Waveform knob's six ticks: the first at 216 degrees, the last at 144 (504).
    const auto rec = recordKnob (5.0 / 9.0, 1.0 / 9.0, 0.0f);
    const auto k = editorKnob();
    const auto tickAt = [&k] (float degrees)
    {
        const auto outer = juce::Point<float> (0.0f, -34.56f)
                               .transformedBy (k.placement (juce::degreesToRadians (degrees)));
        return outer;
    };
    const auto& firstTick = rec.calls[1].bounds;
    const auto& lastTick = rec.calls[11].bounds;
    EXPECT_TRUE (firstTick.expanded (0.01f).contains (tickAt (216.0f)));
    EXPECT_TRUE (lastTick.expanded (0.01f).contains (tickAt (504.0f)));
}

namespace
{
juce::Image renderKnob (float position)
{
    ZudidudLookAndFeel lookAndFeel;
    juce::Slider slider;
    slider.setRange (0.0, 1.0, 0.0);
    juce::Image image (juce::Image::ARGB, 110, 110, true);
    juce::Graphics g (image);
    lookAndFeel.drawRotarySlider (g, 0, 0, 110, 90, position, startAngle, endAngle, slider);
    return image;
}
} // namespace

TEST (KnobDrawing, RenderedKnobPixels)
{
    const auto up = renderKnob (0.5f);

    // The pointer, straight up, is light and opaque.
    const auto pointer = up.getPixelAt (55, 32);
    EXPECT_EQ (pointer.getAlpha(), 255);
    EXPECT_GE (pointer.getRed(), 0xe8);

    // The body below the centre: an opaque grey between the gradient's two colours.
    const auto body = up.getPixelAt (55, 62);
    EXPECT_EQ (body.getAlpha(), 255);
    EXPECT_EQ (body.getRed(), body.getGreen());
    EXPECT_EQ (body.getGreen(), body.getBlue());
    EXPECT_GT (body.getRed(), 0x70);
    EXPECT_LT (body.getRed(), 0xa0);
    // Lighter above the middle than at the lower edge.
    EXPECT_GT (up.getPixelAt (40, 40).getRed(), up.getPixelAt (55, 76).getRed());

    // The tick straight up (position 0.5 of the continuous knob) is black and opaque.
    const auto tick = up.getPixelAt (54, 18);
    EXPECT_GE (tick.getAlpha(), 0xf0);
    EXPECT_LE (tick.getRed(), 0x10);

    // Between two ticks, inside the ring: only the ring's translucent shadow.
    const auto between = up.getPixelAt (63, 19);
    EXPECT_GT (between.getAlpha(), 0x30);
    EXPECT_LT (between.getAlpha(), 0x70);
    EXPECT_LE (between.getRed(), 0x20);

    // Outside the ring nothing is drawn; nor in the value box's strip.
    EXPECT_EQ (up.getPixelAt (2, 2).getAlpha(), 0);
    EXPECT_EQ (up.getPixelAt (55, 100).getAlpha(), 0);

    // At position 0 the pointer stands at about 7 o'clock instead.
    const auto low = renderKnob (0.0f);
    EXPECT_GE (low.getPixelAt (43, 67).getRed(), 0xe8);
    EXPECT_LT (up.getPixelAt (43, 67).getRed(), 0xb0);
    EXPECT_LT (low.getPixelAt (55, 32).getRed(), 0xb0);
}
