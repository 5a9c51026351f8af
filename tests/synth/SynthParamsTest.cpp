#include "synth/VoiceFixture.h"

#include <gtest/gtest.h>

#include <limits>

TEST (ParameterSmoother, LinearRampLandsExactlyOnTarget)
{
    struct Case { const char* name; float current, target, step; int stepsToLand; };
    const Case cases[] = {
        { "rising, step larger than the rest", 0.0f, 1.0f, 0.3f, 4 },
        { "falling, step larger than the rest", 1.0f, 0.0f, 0.3f, 4 },
        { "rising, one big step", 0.2f, 0.25f, 1.0f, 1 },
        { "falling to a negative target", 0.5f, -0.5f, 0.25f, 4 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ParameterSmoother s;
        s.current = c.current;
        s.target = c.target;
        s.step = c.step;
        for (int i = 1; i < c.stepsToLand; ++i)
        {
            s.advance();
            EXPECT_NE (s.current, c.target) << "step " << i;
            EXPECT_EQ (c.target > c.current, s.current < c.target) << "passed the target at step " << i;
        }
        EXPECT_EQ (s.advance(), c.target);
        EXPECT_EQ (s.advance(), c.target);
        EXPECT_EQ (s.step, c.step);
    }
}

TEST (ParameterSmoother, StandsStillWhenEqualOrNotANumber)
{
    ParameterSmoother s;
    s.current = s.target = 0.7f;
    EXPECT_EQ (s.advance(), 0.7f);

    s.target = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ (s.advance(), 0.7f);
}

TEST (ParameterSmoother, NewTargetMidRampContinuesFromCurrentAtSameSpeed)
{
    ParameterSmoother s;
    s.step = 0.125f;
    s.target = 1.0f;
    s.advance();
    s.advance();
    ASSERT_EQ (s.current, 0.25f);
    s.target = 0.0f;
    EXPECT_EQ (s.advance(), 0.125f);
    EXPECT_EQ (s.advance(), 0.0f);
}

TEST (ParameterSmoother, ConstructionValuesAndSecondOrderFollower)
{
    ParameterSmoother s;
    EXPECT_EQ (s.mode, 0);
    EXPECT_EQ (s.current, 0.0f);
    EXPECT_EQ (s.target, 0.0f);
    EXPECT_EQ (s.step, 0.0001f);

    // velocity += k1 * (target - current - k2 * velocity); current += velocity
    s.mode = 3;
    s.k1 = 0.5f;
    s.k2 = 2.0f;
    s.step = 0.1f;
    s.target = 1.0f;
    s.advance();
    const float velocity = (1.0f - (0.1f * 2.0f + 0.0f)) * 0.5f + 0.1f;
    EXPECT_EQ (s.step, velocity);
    EXPECT_EQ (s.current, velocity);
}

TEST (ParameterSmoother, SnapJumpsToTargetKeepingSpeed)
{
    ParameterSmoother s;
    s.step = 0.01f;
    s.target = 0.8f;
    s.snapToTarget();
    EXPECT_EQ (s.current, 0.8f);
    EXPECT_EQ (s.step, 0.01f);
}

namespace
{
// Number of samples two voices (or one) need until the shared volume reaches a new target.
int samplesUntilVolumeLands (int numVoices)
{
    const double rate = 384000.0;
    SynthParams params = vizeva::test::defaultSettings (rate);
    juce::SynthesiserSound::Ptr sound (new juce::SineWaveSound());
    juce::SineWaveVoice voices[2];
    params.volumeSmoother.target = 0.0f;
    for (int v = 0; v < numVoices; ++v)
    {
        voices[v].synthParams = &params;
        voices[v].setCurrentPlaybackSampleRate (rate);
        voices[v].startNote (60 + v, 1.0f, sound.get(), 8192);
    }
    params.volumeSmoother.target = 1.0f;

    juce::AudioBuffer<float> buffer (1, 1);
    for (int n = 1; n < 1000000; ++n)
    {
        for (int v = 0; v < numVoices; ++v)
            voices[v].renderNextBlock (buffer, 0, 1);
        if (params.volumeSmoother.current == 1.0f)
            return n;
    }
    return -1;
}
} // namespace

TEST (SharedSmoothers, TwoSoundingVoicesRampTwiceAsFast)
{
    const int one = samplesUntilVolumeLands (1);
    const int two = samplesUntilVolumeLands (2);
    // About 1 / (8 / 384000) = 48000 steps (single-precision sums drift a little),
    // shared by the voices: the same steps in half the samples.
    EXPECT_NEAR (one, 48000, 200);
    EXPECT_EQ (two, (one + 1) / 2);
}

TEST (SharedSmoothers, NoteStartSnapsAllThreeForEveryVoice)
{
    vizeva::test::VoiceFixture f;
    f.start();
    f.params.volumeSmoother.target = 0.9f;
    f.params.pulseWidthSmoother.target = 0.1f;
    f.params.shapeSmoother.target = 20.0f;
    f.render (4);
    EXPECT_NE (f.params.volumeSmoother.current, 0.9f);

    juce::SineWaveVoice other;
    other.synthParams = &f.params;
    other.setCurrentPlaybackSampleRate (f.rate);
    other.startNote (72, 1.0f, f.sound.get(), 8192);
    EXPECT_EQ (f.params.volumeSmoother.current, 0.9f);
    EXPECT_EQ (f.params.pulseWidthSmoother.current, 0.1f);
    EXPECT_EQ (f.params.shapeSmoother.current, 20.0f);
}

TEST (SharedSmoothers, IdleVoiceDoesNotMoveThem)
{
    vizeva::test::VoiceFixture f;
    f.params.volumeSmoother.target = 1.0f;
    auto buffer = f.render (64);
    EXPECT_EQ (f.params.volumeSmoother.current, 0.0f);
    EXPECT_EQ (buffer.getMagnitude (0, 0, 64), 0.0f);
}
