#include "synth/VoiceFixture.h"

#include <gtest/gtest.h>

#include <cmath>

using vizeva::test::VoiceFixture;

namespace
{
constexpr double twoPi = 6.283185307179586;

double frequencyOf (const juce::SineWaveVoice& voice, int k)
{
    return voice.oscIncrement[k] * voice.noteSampleRate / twoPi;
}
} // namespace

TEST (VoicePitch, ChordRowsSetOscillatorFrequencies)
{
    // 0 means the oscillator is off for that row.
    struct Case { int chord; float tuning; double hz[4]; };
    const Case cases[] = {
        { 0, 0.0f, { 440.0, 0, 0, 0 } },
        { 1, 0.0f, { 440.0, 0, 0, 0 } },
        { 9, 0.0f, { 440.0, 554.36526, 659.25511, 830.60940 } },
        { 7, 0.0f, { 440.0, 587.32954, 739.98885, 440.0 } },
        { 8, 0.0f, { 440.0, 587.32954, 783.99087, 466.16376 } },
        { 12, 0.0f, { 437.46579, 440.0, 442.54889, 882.54521 } },
        { 17, 0.0f, { 440.0, 440.0, 0, 0 } },
        { 19, 0.0f, { 440.0, 440.0, 0, 0 } },
        { 1, 0.5f, { 452.89298, 0, 0, 0 } },
        { 1, -0.5f, { 427.47405, 0, 0, 0 } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.chord);
        VoiceFixture f;
        f.params.chordIndex = c.chord;
        f.params.tuningSemitones = c.tuning;
        f.start (69);
        for (int k = 0; k < 4; ++k)
        {
            if (c.hz[k] == 0)
                EXPECT_EQ (f.voice.oscIncrement[k], 0.0) << "osc " << k;
            else
                EXPECT_NEAR (frequencyOf (f.voice, k), c.hz[k], 2e-4 * c.hz[k] / 440.0) << "osc " << k;
        }
    }
}

TEST (VoicePitch, Note69IsExactly440InSinglePrecision)
{
    EXPECT_EQ (vizeva::oscillatorFrequency (69, 0.0f, 0.0f), 440.0f);
    EXPECT_EQ (vizeva::oscillatorIncrement (69, 0.0f, 0.0f, 384000.0), (440.0 / 384000.0) * 2.0 * 3.141592653589793);
    EXPECT_EQ (vizeva::oscillatorIncrement (69, -100.0f, 0.0f, 384000.0), 0.0);
    EXPECT_EQ (vizeva::oscillatorIncrement (69, -99.0f, 0.0f, 384000.0), 0.0);
}

TEST (VoicePitch, PitchWheelAndModWheelFormulas)
{
    struct Wheel { int position; double bend; };
    for (const auto& w : { Wheel { 0, 0.8908987181403393 }, Wheel { 8192, 1.0 }, Wheel { 16383, 1.1224462193315 } })
    {
        SCOPED_TRACE (w.position);
        EXPECT_NEAR (vizeva::pitchBendFactor (w.position), w.bend, 1e-12);
    }

    struct Mod { int value; double depth; double radiansPerSecond; };
    for (const auto& m : { Mod { 0, 0.0, 0.5 }, Mod { 64, 0.2015748031496063, 8.118575237150473 }, Mod { 127, 0.4, 30.5 } })
    {
        SCOPED_TRACE (m.value);
        EXPECT_NEAR (vizeva::lfoDepthFor (m.value), m.depth, 1e-15);
        EXPECT_NEAR (vizeva::lfoIncrementFor (m.value, 384000.0) * 384000.0, m.radiansPerSecond, 1e-12);
    }
}

TEST (VoicePitch, NoteStartsBentByLastWheelAndWithoutLfo)
{
    VoiceFixture f;
    f.start (69, 1.0f, 0);
    EXPECT_NEAR (f.voice.pitchBend, 0.8908987181403393, 1e-12);
    EXPECT_EQ (f.voice.lfoDepth, 0.0);
    EXPECT_EQ (f.voice.lfoIncrement, 0.5 / VoiceFixture::rate);

    // The wheel while sounding; a new note starts without LFO again.
    f.voice.controllerMoved (1, 127);
    EXPECT_EQ (f.voice.lfoDepth, 0.4);
    f.voice.controllerMoved (7, 0);
    EXPECT_EQ (f.voice.lfoDepth, 0.4);
    f.voice.pitchWheelMoved (16383);
    EXPECT_NEAR (f.voice.pitchBend, 1.1224462193315, 1e-12);
    f.render (100);
    EXPECT_NE (f.voice.lfoPhase, 0.0);

    f.start (60, 1.0f, 8192);
    EXPECT_EQ (f.voice.lfoDepth, 0.0);
    EXPECT_EQ (f.voice.lfoPhase, 0.0);
    EXPECT_EQ (f.voice.pitchBend, 1.0);
}

TEST (VoiceNotes, EnvelopeSetUpFromVelocityAndSettings)
{
    struct Case { float velocity; float ampPeak; float filterPeak; };
    const Case cases[] = {
        { 1.0f, 1.0f, 1.0f - 0.3333f * 0.1f },
        { 1.0f / 127.0f, 0.503937f, 0.0f },
        { 0.5f, 0.75f, 0.5f - 0.3333f * 0.1f },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.velocity);
        VoiceFixture f;
        f.start (60, c.velocity);
        const auto& amp = f.voice.ampEnvelope;
        const auto& flt = f.voice.filterEnvelope;
        const float r = (float) VoiceFixture::rate;
        EXPECT_NEAR (amp.peak, c.ampPeak, 1e-6);
        EXPECT_EQ (amp.sustain, 0.0f);
        EXPECT_NEAR (amp.attackStep * 0.003f * r, amp.peak, 1e-5);
        EXPECT_NEAR ((1.0f - amp.decayMul) * r, 1.0f / 5.0f, 0.012); // one float step near 1 is 0.0114 here
        EXPECT_NEAR ((1.0f - amp.releaseMul) * r, 33.333336f, 0.012);
        EXPECT_NEAR (flt.peak, c.filterPeak, 1e-6);
        EXPECT_NEAR (flt.sustain, c.velocity * 0.5f * c.filterPeak, 1e-6);
        EXPECT_NEAR (flt.attackStep * 0.007f * r, flt.peak, 1e-5); // a 7 ms rise
        EXPECT_NEAR ((1.0f - flt.decayMul) * r, 1.0f / 0.1f, 0.012);
        EXPECT_EQ (flt.releaseMul, flt.decayMul);
        EXPECT_TRUE (amp.active && amp.keyHeld && ! amp.attackDone);
        EXPECT_TRUE (flt.active && flt.keyHeld && ! flt.attackDone);
    }
}

TEST (VoiceNotes, LowVelocityKeepsFilterEnvelopeAtZero)
{
    VoiceFixture f;
    f.start (60, 0.03f); // below 0.1 x decayNorm
    for (int block = 0; block < 20; ++block)
    {
        f.render (512);
        ASSERT_EQ (f.voice.filterEnvelope.value, 0.0f);
    }
}

TEST (VoiceNotes, PhasesCarryOverToTheNextNote)
{
    VoiceFixture f;
    f.params.chordIndex = 9;
    f.start (60);
    f.render (1000);
    f.voice.stopNote (0.0f, false);
    EXPECT_FALSE (f.voice.playing);

    double phases[4];
    std::copy (std::begin (f.voice.oscPhase), std::end (f.voice.oscPhase), phases);
    for (double p : phases)
        EXPECT_NE (p, 0.0);

    // A one-oscillator chord: the other three keep their phases.
    f.params.chordIndex = 0;
    f.start (64);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ (f.voice.oscPhase[k], phases[k]);
    f.render (1);
    EXPECT_EQ (f.voice.oscPhase[0], phases[0] + f.voice.oscIncrement[0]);
    for (int k = 1; k < 4; ++k)
        EXPECT_EQ (f.voice.oscPhase[k], phases[k]) << "osc " << k;
}

TEST (VoiceNotes, StopWithoutTailOffFreesAtOnceAndRestartsNormally)
{
    VoiceFixture f;
    f.start (60);
    f.voice.stopNote (0.0f, false);
    EXPECT_FALSE (f.voice.playing);
    EXPECT_EQ (f.render (64).getMagnitude (0, 0, 64), 0.0f);

    f.start (62);
    EXPECT_TRUE (f.voice.playing);
    EXPECT_GT (f.render (2000).getMagnitude (0, 0, 2000), 0.0f);
}

TEST (VoiceRendering, IdleVoiceAddsNothingAndPreparesNothing)
{
    VoiceFixture f;
    juce::AudioBuffer<float> buffer (2, 64);
    buffer.clear();
    for (int i = 0; i < 64; ++i)
        buffer.setSample (0, i, 0.25f);
    f.voice.renderNextBlock (buffer, 0, 64);
    EXPECT_EQ (buffer.getMagnitude (0, 0, 64), 0.25f);
    EXPECT_EQ (buffer.getMagnitude (1, 0, 64), 0.0f);
    EXPECT_FALSE (f.voice.filterPrepared);
}

TEST (VoiceRendering, EmptyCallOnlyPreparesTheFilter)
{
    VoiceFixture f;
    f.start (60);
    f.params.volumeSmoother.target = 1.0f;
    const float volume = f.params.volumeSmoother.current;
    auto buffer = f.render (0);
    EXPECT_TRUE (f.voice.filterPrepared);
    EXPECT_EQ (f.voice.oscPhase[0], 0.0);
    EXPECT_EQ (f.voice.ampEnvelope.value, 0.0f);
    EXPECT_EQ (f.params.volumeSmoother.current, volume);
}

TEST (VoiceRendering, FirstSamplesReadThePhaseBeforeItsAdvance)
{
    // A fresh voice starts at phase 0, where Saw1 at shape 1 is exactly -1. Each sample
    // must use the shape where the oscillator stood, not one increment on. The rest of the
    // chain is played alongside with the framework's filter and copies of the envelopes.
    VoiceFixture f;
    f.start (69);
    auto amp = f.voice.ampEnvelope;
    auto flt = f.voice.filterEnvelope;
    const float rate = (float) VoiceFixture::rate;
    juce::dsp::StateVariableTPTFilter<float> filter;
    filter.setType (juce::dsp::StateVariableTPTFilterType::lowpass);
    filter.prepare ({ (double) rate, 16, 1 });
    filter.setResonance (f.params.resonanceQ);
    const float volume = f.params.volumeSmoother.target;

    const auto buffer = f.render (16, 1);

    double phase = 0.0;
    ASSERT_EQ (vizeva::waveShape (0, phase, 0.5f, 0.0f, 1.0f), -1.0f);
    for (int i = 0; i < 16; ++i)
    {
        const float s = vizeva::waveShape (0, phase, 0.5f, 0.0f, 1.0f);
        phase += f.voice.oscIncrement[0];
        filter.setCutoffFrequency (
            vizeva::sweptCutoff (flt.advance(), f.params.filterEnvAmount, f.params.cutoffNorm, rate * 0.49f));
        const float y = filter.processSample (0, (volume * s) * 1.0f); // chord row 1: gain 1
        EXPECT_EQ (buffer.getSample (0, i), amp.advance() * y) << "sample " << i;
    }
    EXPECT_EQ (f.voice.oscPhase[0], phase);
}

TEST (VoiceRendering, EveryChannelGetsTheSameSamples)
{
    VoiceFixture f;
    f.start (45);
    auto buffer = f.render (4096, 3);
    EXPECT_GT (buffer.getMagnitude (0, 0, 4096), 0.01f);
    for (int c = 1; c < 3; ++c)
        for (int i = 0; i < 4096; ++i)
            ASSERT_EQ (buffer.getSample (c, i), buffer.getSample (0, i));
}

TEST (VoiceRendering, HalfGainForEveryChordButTheSingleOscillatorRows)
{
    EXPECT_EQ (vizeva::chordGain (0), 1.0f);
    EXPECT_EQ (vizeva::chordGain (1), 1.0f);
    for (int chord = 2; chord < 20; ++chord)
        EXPECT_EQ (vizeva::chordGain (chord), 0.5f) << chord;

    // Row 17 sounds two oscillators on the root: at half gain it matches row 1 exactly.
    VoiceFixture single, doubled;
    single.params.chordIndex = 1;
    doubled.params.chordIndex = 17;
    single.start (50);
    doubled.start (50);
    auto a = single.render (3000, 1);
    auto b = doubled.render (3000, 1);
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ (a.getSample (0, i), b.getSample (0, i)) << i;
}

TEST (VoiceRendering, NoteEndsAtEndOfCallInWhichAmplitudeFades)
{
    VoiceFixture f;
    f.params.lengthSeconds = 0.03f;
    f.start (60);

    int calls = 0;
    juce::AudioBuffer<float> last;
    while (f.voice.playing && calls < 1000)
    {
        last = f.render (512, 1);
        ++calls;
    }
    ASSERT_FALSE (f.voice.playing);
    EXPECT_LE (f.voice.ampEnvelope.value, 0.0001f);
    EXPECT_FALSE (f.voice.ampEnvelope.active);
    // About 0.28 s at 384 kHz: ln(10^4) time constants of 0.03 s.
    EXPECT_NEAR (calls * 512 / VoiceFixture::rate, 0.28, 0.02);
    // The rest of the last call was still added, ever smaller.
    EXPECT_NE (last.getSample (0, 511), 0.0f);
    EXPECT_LT (std::abs (last.getSample (0, 511)), 1e-3f);
}

TEST (VoiceRendering, CutoffFollowsEnvelopeAndStopsAtTheCap)
{
    struct Case { float envelope, amount, cutoffNorm; double expected; };
    const Case cases[] = {
        { 0.0f, 0.9f, 0.0f, 20.0 },
        { 0.0f, 0.9f, 1.0f, 20000.0 },
        { 0.5f, 0.9f, 0.3333f, 20.0 * std::pow (1000.0, 0.7833) },
        { 1.0f, 0.9f, 1.0f, 0.49 * 384000.0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.expected);
        EXPECT_NEAR (vizeva::sweptCutoff (c.envelope, c.amount, c.cutoffNorm, 384000.0f * 0.49f), c.expected,
                     c.expected * 1e-5);
    }
}

TEST (VoiceRendering, PhaseStaysWithinOneCycleOverALongNote)
{
    VoiceFixture f;
    f.params.chordIndex = 16;
    f.start (100);
    for (int block = 0; block < 200; ++block)
    {
        f.render (4096, 1);
        for (int k = 0; k < 4; ++k)
        {
            ASSERT_GE (f.voice.oscPhase[k], 0.0);
            ASSERT_LT (f.voice.oscPhase[k], twoPi);
        }
    }
}

TEST (VoiceRendering, NewRatePreparesTheFilterAgain)
{
    // 44.1 kHz then 96 kHz hosts, eight times oversampled: with the filter left at
    // the first rate the cap would lie above its Nyquist frequency.
    VoiceFixture f;
    f.voice.setCurrentPlaybackSampleRate (352800.0);
    f.params.cutoffNorm = 1.0f;
    f.params.filterEnvAmount = 0.9f;
    f.params.resonanceQ = 10.0f;
    f.start (60);
    ASSERT_TRUE (vizeva::test::allFinite (f.render (4096)));

    f.voice.setCurrentPlaybackSampleRate (768000.0);
    f.start (60);
    for (int block = 0; block < 10; ++block)
    {
        auto buffer = f.render (4096);
        ASSERT_TRUE (vizeva::test::allFinite (buffer)) << block;
        ASSERT_LT (buffer.getMagnitude (0, 0, 4096), 20.0f) << block;
    }
    EXPECT_EQ (f.voice.filterSampleRate, 768000.0f);
}
