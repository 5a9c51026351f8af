#include "synth/WaveShapes.h"

#include <gtest/gtest.h>

#include <cmath>

using vizeva::waveShape;

namespace
{
constexpr double pi = 3.141592653589793;
} // namespace

TEST (WaveShapes, CyclePositionIsPhaseOverSingleTwoPi)
{
    struct Case { double phase; float expected; };
    // 0.09 is not a float: the quotient must be taken in double and then rounded.
    const Case cases[] = { { 0.0, 0.0f },        { pi / 2, 0.25f }, { pi, 0.5f },
                           { 3 * pi / 2, 0.75f }, { 3 * pi, 0.5f },  { 0.09, 0.0143239442f } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.phase);
        EXPECT_EQ (vizeva::cyclePosition (c.phase), c.expected);
    }

    // A single-precision division lands one step off at 0.09, so the row above tells the two apart.
    EXPECT_NE ((float) 0.09 / (float) vizeva::shapeCycle, 0.0143239442f);
}

TEST (WaveShapes, EveryShapeAtChosenPhases)
{
    struct Case { const char* name; int index; double phase; float pw; float shape; float expected; float tolerance; };
    const Case cases[] = {
        { "Saw1 ramp at shape 1, start", 0, 0.0, 0.5f, 1.0f, -1.0f, 0.0f },
        { "Saw1 ramp at shape 1, quarter", 0, pi / 2, 0.5f, 1.0f, -0.5f, 0.0f },
        { "Saw1 ramp at shape 1, three quarters", 0, 3 * pi / 2, 0.5f, 1.0f, 0.5f, 0.0f },
        { "Saw1 at shape 0 runs three times as fast", 0, pi / 2, 1.0f, 0.0f, 0.5f, 1e-5f },
        { "Saw1 at shape 0 restarts each third", 0, pi, 1.0f, 0.0f, 0.0f, 1e-5f },
        { "Saw1 shape 2: sine of (f - 0.5) pi", 0, pi / 2, 0.0f, 2.0f, -0.70710678f * 0.667f, 1e-6f },
        { "Saw1 shape 1.5: divided by E below 1", 0, pi / 2, 0.0f, 1.5f, -0.38268343f / 0.5f * 0.667f, 1e-6f },
        { "Saw1 shape 3: clipped to a square", 0, pi / 2, 0.0f, 3.0f, -0.667f, 1e-6f },
        { "Saw1 shape 3: clipped, upper half", 0, 3 * pi / 2, 0.0f, 3.0f, 0.667f, 1e-6f },
        { "Saw2 centre pw clipped low", 1, pi / 2, 0.5f, 1.0f, -0.5f, 0.0f },
        { "Saw2 centre pw on the slope", 1, 0.52 * 2 * pi, 0.5f, 1.0f, 0.02f * 8.01f, 1e-5f },
        { "Saw2 off-centre pw scales by 3(2w)^4 + 1", 1, pi / 2, 0.75f, 1.0f, -0.5f * 1.1875f, 1e-6f },
        { "Square below pw", 2, pi / 2, 0.5f, 1.0f, -0.4f, 0.0f },
        { "Square above pw", 2, 3 * pi / 2, 0.5f, 1.0f, 0.6f, 0.0f },
        { "Square pw 1 is constant -0.4", 2, 1.999 * pi, 1.0f, 1.0f, -0.4f, 0.0f },
        { "Square pw 0 is constant 0.6", 2, 0.0, 0.0f, 1.0f, 0.6f, 0.0f },
        { "Tri rising", 3, pi / 2, 0.5f, 1.0f, 0.75f, 1e-6f },
        { "Tri top", 3, pi, 0.5f, 1.0f, 1.5f, 0.0f },
        { "Tri folded back", 3, 3 * pi / 2, 0.5f, 1.0f, 0.75f, 1e-6f },
        { "Tri folded below zero is 0", 3, 3 * pi / 2, 0.25f, 1.0f, 0.0f, 0.0f },
        { "Sine1 plain at w 0", 4, pi / 2, 0.5f, 1.0f, 1.0f, 1e-6f },
        { "Sine1 modulated", 4, pi / 6, 0.75f, 1.0f, 0.96592583f, 1e-5f },
        { "Sine1 modulated to pi", 4, pi / 2, 0.75f, 1.0f, 0.0f, 1e-5f },
        { "Sine2 plain at w 0", 5, pi / 6, 0.5f, 1.0f, 0.5f, 1e-6f },
        { "Sine2 modulated at 0", 5, 0.0, 0.75f, 1.0f, 1.0f, 1e-6f },
        { "Sine2 modulated at pi/2", 5, pi / 2, 0.75f, 1.0f, 0.0f, 1e-5f },
        { "position 6 peaks near 1.5608", 6, pi / 2, 0.5f, 1.0f, 1.5607964f, 1e-6f },
        { "position 9 troughs near -1.5608", 9, 3 * pi / 2, 0.5f, 1.0f, -1.5607964f, 1e-6f },
        { "position 7 near zero is soft", 7, 0.01, 0.5f, 1.0f, 0.0099997f, 1e-5f },
        { "any other index: the same soft-clipped sine", 42, pi / 2, 0.5f, 1.0f, 1.5607964f, 1e-6f },
        { "negative index: the same", -1, pi / 2, 0.5f, 1.0f, 1.5607964f, 1e-6f },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_NEAR (waveShape (c.index, c.phase, c.pw, c.pw - 0.5f, c.shape), c.expected, c.tolerance);
    }
}

TEST (WaveShapes, Saw1AtShapeOneIsExactlyTwoFMinusOne)
{
    for (int i = 0; i < 1000; ++i)
    {
        const double phase = i * 0.00628318 + 0.001;
        const float f = vizeva::cyclePosition (phase);
        ASSERT_EQ (waveShape (0, phase, 0.5f, 0.0f, 1.0f), 2.0f * f - 1.0f) << phase;
    }
}

TEST (WaveShapes, UnnamedPositionsAllAlike)
{
    for (double phase = 0.0; phase < 2 * pi; phase += 0.1)
        for (int index = 7; index <= 9; ++index)
            ASSERT_EQ (waveShape (index, phase, 0.3f, -0.2f, 2.0f), waveShape (6, phase, 0.9f, 0.4f, 0.1f));
}

TEST (WaveShapes, PhaseStaysWithinOneCycle)
{
    struct Case { double phase, increment, expected; };
    const Case cases[] = {
        { 1.0, 0.5, 1.5 },
        { 2 * pi - 0.1, 0.2, (2 * pi - 0.1 + 0.2) - vizeva::twoPi },
        { 0.0, vizeva::twoPi, 0.0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.phase);
        EXPECT_EQ (vizeva::advancePhase (c.phase, c.increment), c.expected);
    }

    // An increment above a whole cycle still lands within one.
    const double p = vizeva::advancePhase (0.5, 20.0);
    EXPECT_GE (p, 0.0);
    EXPECT_LT (p, vizeva::twoPi);
    EXPECT_NEAR (p, std::fmod (20.5, vizeva::twoPi), 1e-12);
}
