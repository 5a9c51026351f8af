#include "synth/ProcessorFixture.h"

#include <cmath>
#include <functional>
#include <limits>

using vizeva::test::allFinite;
using vizeva::test::notesOn;
using vizeva::test::PreparedProcessor;

TEST (BlockProcessing, BeforePreparationSilenceAndMidiUntouched)
{
    VizevaAudioProcessor p;
    juce::AudioBuffer<float> buffer (2, 256);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 256; ++i)
            buffer.setSample (c, i, 0.5f);
    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::controllerEvent (1, 1, 64), 5);
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 100);

    p.processBlock (buffer, midi);

    EXPECT_EQ (buffer.getMagnitude (0, 256), 0.0f);
    ASSERT_EQ (midi.getNumEvents(), 2);
    auto it = midi.begin();
    EXPECT_EQ ((*it).samplePosition, 5);
    EXPECT_EQ ((*++it).samplePosition, 100);
    EXPECT_EQ (p.oversampler, nullptr);
    for (int i = 0; i < p.synthSource.synth.getNumVoices(); ++i)
        EXPECT_FALSE (p.synthSource.synth.getVoice (i)->isVoiceActive());
}

TEST_F (PreparedProcessor, EmptyBlockLeavesMidiAlone)
{
    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 7);
    block (midi, 0);
    ASSERT_EQ (midi.getNumEvents(), 1);
    EXPECT_EQ ((*midi.begin()).samplePosition, 7);
    EXPECT_EQ (activeVoices(), 0);
}

TEST_F (PreparedProcessor, PreparationSetsRatesAndSmoothingSpeeds)
{
    EXPECT_EQ (p.oversamplingFactor, 8);
    EXPECT_EQ (p.workingSampleRate, 48000.0);
    EXPECT_EQ (p.synthSource.synth.getSampleRate(), 384000.0);
    EXPECT_EQ (p.synthParams.volumeSmoother.step, 8.0f / 384000.0f);
    EXPECT_EQ (p.synthParams.pulseWidthSmoother.step, 4.0f / 384000.0f);
    EXPECT_EQ (p.synthParams.shapeSmoother.step, 40.0f / 384000.0f);

    // A rate outside 999 .. 10000000001 Hz keeps the working rate.
    prepare (500.0);
    EXPECT_EQ (p.workingSampleRate, 48000.0);
    EXPECT_EQ (p.synthSource.synth.getSampleRate(), 384000.0);
}

TEST_F (PreparedProcessor, MapsParametersToSettingsEveryBlock)
{
    struct Case
    {
        const char* name;
        juce::AudioParameterFloatZudidud* VizevaAudioProcessor::*param;
        float value;
        std::function<double (const SynthParams&)> field;
        double expected;
        double tolerance;
    };
    using P = VizevaAudioProcessor;
    const Case cases[] = {
        { "volume 1 gives gain 1.41", &P::volumeParam, 1.0f, [] (auto& s) { return s.volumeSmoother.target; }, 1.41, 1e-6 },
        { "volume 0 gives gain 0", &P::volumeParam, 0.0f, [] (auto& s) { return s.volumeSmoother.target; }, 0.0, 0.0 },
        { "volume 0.5 gives 0.125 x 1.41", &P::volumeParam, 0.5f, [] (auto& s) { return s.volumeSmoother.target; }, 0.17625, 1e-6 },
        { "cutoff is its normalised value", &P::cutoffParam, 0.7f, [] (auto& s) { return s.cutoffNorm; }, 0.7, 1e-7 },
        { "resonance 0 gives Q 0.5", &P::resonanceParam, 0.0f, [] (auto& s) { return s.resonanceQ; }, 0.5, 0.0 },
        { "resonance 1 gives Q 10", &P::resonanceParam, 1.0f, [] (auto& s) { return s.resonanceQ; }, 10.0, 1e-6 },
        { "resonance 0.5 gives Q 0.125 x 9.5 + 0.5", &P::resonanceParam, 0.5f, [] (auto& s) { return s.resonanceQ; }, 1.6875, 1e-6 },
        { "decay 1 lasts 1 s", &P::decayParam, 1.0f, [] (auto& s) { return s.decaySeconds; }, 1.0, 1e-5 },
        { "decay 0 lasts 0.03 s", &P::decayParam, 0.0f, [] (auto& s) { return s.decaySeconds; }, 0.03, 1e-6 },
        { "decay 0.36 gives the largest envelope amount 0.9", &P::decayParam, 0.36f, [] (auto& s) { return s.filterEnvAmount; }, 0.9, 1e-6 },
        { "decay 1 gives amount 0.5", &P::decayParam, 1.0f, [] (auto& s) { return s.filterEnvAmount; }, 0.5, 1e-6 },
        { "decay normalised", &P::decayParam, 0.25f, [] (auto& s) { return s.decayNorm; }, 0.25, 0.0 },
        { "length 1 lasts 5 s", &P::lengthParam, 1.0f, [] (auto& s) { return s.lengthSeconds; }, 5.0, 1e-5 },
        { "length 0 lasts 0.03 s", &P::lengthParam, 0.0f, [] (auto& s) { return s.lengthSeconds; }, 0.03, 1e-6 },
        { "pulse width target", &P::pulseWidthParam, 0.25f, [] (auto& s) { return s.pulseWidthSmoother.target; }, 0.25, 0.0 },
        { "pulse width 0 gives shape e^3.5", &P::pulseWidthParam, 0.0f, [] (auto& s) { return s.shapeSmoother.target; }, std::exp (3.5), 1e-4 },
        { "pulse width 1 gives shape e^-3.5", &P::pulseWidthParam, 1.0f, [] (auto& s) { return s.shapeSmoother.target; }, std::exp (-3.5), 1e-7 },
        { "pulse width 0.5 gives shape 1", &P::pulseWidthParam, 0.5f, [] (auto& s) { return s.shapeSmoother.target; }, 1.0, 0.0 },
        { "waveform 7/9 is position 7", &P::waveformParam, 7.0f / 9.0f, [] (auto& s) { return s.waveformIndex; }, 7, 0 },
        { "waveform 1 is position 9", &P::waveformParam, 1.0f, [] (auto& s) { return s.waveformIndex; }, 9, 0 },
        { "chord 0.5 is position 10 (9.5 rounds away from zero)", &P::chordParam, 0.5f, [] (auto& s) { return s.chordIndex; }, 10, 0 },
        { "chord 1 is position 19", &P::chordParam, 1.0f, [] (auto& s) { return s.chordIndex; }, 19, 0 },
        { "tuning 0 is -0.5 semitones", &P::tuningParam, 0.0f, [] (auto& s) { return s.tuningSemitones; }, -0.5, 0.0 },
        { "tuning 1 is +0.5 semitones", &P::tuningParam, 1.0f, [] (auto& s) { return s.tuningSemitones; }, 0.5, 0.0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        set (p.*c.param, c.value);
        block (16);
        EXPECT_NEAR (c.field (p.synthParams), c.expected, c.tolerance);
    }
}

TEST_F (PreparedProcessor, ChordMonoLimitsToOneKeyOthersToEight)
{
    struct Case { float chord; int expectedVoices; };
    for (const auto& c : { Case { 0.0f, 1 }, Case { 1.0f / 19.0f, 8 }, Case { 17.0f / 19.0f, 8 }, Case { 1.0f, 8 } })
    {
        SCOPED_TRACE (c.chord);
        p.synthSource.synth.allNotesOff (0, false);
        set (p.chordParam, c.chord);
        auto midi = notesOn ({ 40, 41, 42, 43, 44, 45, 46, 47, 48, 49 });
        block (midi, 64);
        EXPECT_EQ (activeVoices(), c.expectedVoices);
        EXPECT_EQ (midi.getNumEvents(), c.expectedVoices);
        juce::MidiBuffer offs;
        for (int n = 40; n < 50; ++n)
            offs.addEvent (juce::MidiMessage::noteOff (1, n), 0);
        block (offs, 16);
    }
}

TEST_F (PreparedProcessor, OneSampleBlocksSoundLikeLongBlocks)
{
    // A block of one sample renders eight at the synthesiser's rate and gives one back.
    const auto reference = play (notesOn ({ 57 }), 4800, 480);

    VizevaAudioProcessor other;
    other.setRateAndBufferSizeDetails (48000.0, 1);
    other.prepareToPlay (48000.0, 1);
    auto midi = notesOn ({ 57 });
    juce::AudioBuffer<float> one (2, 1);
    for (int i = 0; i < 4800; ++i)
    {
        one.clear();
        other.processBlock (one, midi);
        midi.clear();
        ASSERT_NEAR (one.getSample (0, 0), reference.getSample (0, i), 1e-5f) << i;
        ASSERT_EQ (one.getSample (1, 0), one.getSample (0, 0)) << i;
    }
    EXPECT_GT (reference.getMagnitude (0, 0, 4800), 0.01f);
}

TEST_F (PreparedProcessor, StereoChannelsCarryTheSameSignal)
{
    const auto out = play (notesOn ({ 45, 52, 57 }), 9600);
    EXPECT_GT (out.getMagnitude (0, 0, 9600), 0.01f);
    for (int i = 0; i < 9600; ++i)
        ASSERT_EQ (out.getSample (0, i), out.getSample (1, i)) << i;
}

TEST_F (PreparedProcessor, HighPassStaysAt20HzAfterPreparingAtHigherRate)
{
    // A 20 Hz tone through a fourth-order Linkwitz-Riley high-pass at 20 Hz is
    // halved; with coefficients left at 48 kHz the corner would sit at 40 Hz.
    prepare (96000.0);
    double peak = 0.0;
    for (int i = 0; i < 4 * 96000; ++i)
    {
        const double x = std::sin (2.0 * 3.141592653589793 * 20.0 * i / 96000.0);
        const double y = p.outputFilter.processSample (0, x);
        if (i > 2 * 96000)
            peak = std::max (peak, std::abs (y));
    }
    EXPECT_NEAR (peak, 0.5, 0.01);
}

TEST_F (PreparedProcessor, BlocksLongerThanTheOversamplerAreRenderedInSlices)
{
    const int length = 70000; // 32768 + 32768 + 4464
    auto longMidi = notesOn ({ 45 });
    const auto longBlock = block (longMidi, length);
    ASSERT_EQ (longMidi.getNumEvents(), 1);

    VizevaAudioProcessor other;
    other.setRateAndBufferSizeDetails (48000.0, 32768);
    other.prepareToPlay (48000.0, 32768);
    auto midi = notesOn ({ 45 });
    int start = 0;
    for (int slice : { 32768, 32768, 4464 })
    {
        juce::AudioBuffer<float> b (2, slice);
        b.clear();
        other.processBlock (b, midi);
        midi.clear();
        for (int i = 0; i < slice; ++i)
            ASSERT_EQ (b.getSample (0, i), longBlock.getSample (0, start + i)) << start + i;
        start += slice;
    }
    EXPECT_TRUE (allFinite (longBlock));
    EXPECT_GT (longBlock.getMagnitude (0, 65536, 4464), 0.01f);
}

TEST_F (PreparedProcessor, GrowingChannelCountRebuildsTheOversampler)
{
    block (512, 1);
    ASSERT_EQ (p.oversamplerChannels, 1);
    auto midi = notesOn ({ 50 });
    auto out = block (midi, 4096, 2);
    EXPECT_EQ (p.oversamplerChannels, 2);
    EXPECT_TRUE (allFinite (out));
    EXPECT_GT (out.getMagnitude (1, 0, 4096), 0.01f);
    for (int i = 0; i < 4096; ++i)
        ASSERT_EQ (out.getSample (0, i), out.getSample (1, i)) << i;
}

TEST_F (PreparedProcessor, BadMidiNeverCrashesNorLeavesAVoiceOn)
{
    using Bytes = std::vector<juce::uint8>;
    struct Case { const char* name; std::function<void (juce::MidiBuffer&)> fill; };
    auto raw = [] (juce::MidiBuffer& m, Bytes b, int pos) { m.addEvent (b.data(), (int) b.size(), pos); };
    const Case cases[] = {
        { "unknown and real-time status bytes",
          [&] (auto& m) { for (int s : { 0xf4, 0xf5, 0xf9, 0xfd, 0xf8, 0xfe, 0xff }) raw (m, { (juce::uint8) s }, 0); } },
        { "sysex and a lone end of sysex",
          [&] (auto& m) { const Bytes d { 1, 2, 3, 4 }; m.addEvent (juce::MidiMessage::createSysExMessage (d.data(), 4), 0); raw (m, { 0xf7 }, 1); } },
        { "notes on every channel, then off",
          [&] (auto& m) { for (int ch = 1; ch <= 16; ++ch) { m.addEvent (juce::MidiMessage::noteOn (ch, 40 + ch, (juce::uint8) 127), 0);
                                                             m.addEvent (juce::MidiMessage::noteOff (ch, 40 + ch), 200); } } },
        { "twenty note-ons, then all off",
          [&] (auto& m) { for (int n = 0; n < 20; ++n) { m.addEvent (juce::MidiMessage::noteOn (1, 30 + n, (juce::uint8) 90), n);
                                                          m.addEvent (juce::MidiMessage::noteOff (1, 30 + n), 300); } } },
        { "note-offs without note-ons", [&] (auto& m) { for (int n = 0; n < 128; ++n) m.addEvent (juce::MidiMessage::noteOff (3, n), n); } },
        { "all-notes-off releases held notes",
          [&] (auto& m) { for (int n = 60; n < 64; ++n) m.addEvent (juce::MidiMessage::noteOn (1, n, (juce::uint8) 100), 0);
                          m.addEvent (juce::MidiMessage::allNotesOff (1), 10); } },
        { "all-sound-off releases held notes",
          [&] (auto& m) { m.addEvent (juce::MidiMessage::noteOn (2, 60, (juce::uint8) 100), 0); m.addEvent (juce::MidiMessage::allSoundOff (2), 10); } },
        { "same key struck twice, released once",
          [&] (auto& m) { m.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 0); m.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 1);
                          m.addEvent (juce::MidiMessage::noteOff (1, 60), 2); } },
        { "malformed note messages",
          [&] (auto& m) { raw (m, { 0x90, 60 }, 0); raw (m, { 0x90, 0xbc, 0x7f }, 1); raw (m, { 0x91, 60, 0xff }, 2); raw (m, { 0xe0, 0x7f }, 3); raw (m, { 0xb0 }, 4); } },
        { "extreme notes, wheels and the widest chord",
          [&] (auto& m) { m.addEvent (juce::MidiMessage::pitchWheel (1, 16383), 0); m.addEvent (juce::MidiMessage::controllerEvent (1, 1, 127), 0);
                          m.addEvent (juce::MidiMessage::noteOn (1, 127, (juce::uint8) 127), 1); m.addEvent (juce::MidiMessage::noteOn (1, 0, (juce::uint8) 1), 2);
                          m.addEvent (juce::MidiMessage::pitchWheel (1, 0), 3); m.addEvent (juce::MidiMessage::noteOff (1, 127), 400); m.addEvent (juce::MidiMessage::noteOff (1, 0), 401); } },
        { "sustain pedal down through the notes, then up",
          [&] (auto& m) { m.addEvent (juce::MidiMessage::controllerEvent (1, 64, 127), 0); m.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 1);
                          m.addEvent (juce::MidiMessage::noteOff (1, 60), 2); m.addEvent (juce::MidiMessage::controllerEvent (1, 64, 0), 300); } },
    };

    set (p.chordParam, 16.0f / 19.0f);
    set (p.cutoffParam, 1.0f);
    set (p.resonanceParam, 1.0f);
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        juce::MidiBuffer midi;
        c.fill (midi);
        // The events spread over blocks as a host sends them, then 1.5 s to let releases fade.
        juce::MidiBuffer late;
        for (const auto metadata : midi)
            if (metadata.samplePosition >= 256)
                late.addEvent (metadata.getMessage(), metadata.samplePosition - 256);
        midi.clear (256, 1 << 20);
        ASSERT_TRUE (allFinite (block (midi, 256)));
        ASSERT_TRUE (allFinite (block (late, 256)));
        ASSERT_TRUE (allFinite (play ({}, 72000)));
        EXPECT_EQ (activeVoices(), 0);
    }
}

TEST_F (PreparedProcessor, NonFiniteParameterValuesFromTheHostStayInRange)
{
    // The framework stores whatever float a host sends; the block reads it as 0..1.
    struct Case { float value; int chordIndex; int waveformIndex; float cutoffNorm; };
    const Case cases[] = { { std::nanf (""), 0, 0, 0.0f },
                           { std::numeric_limits<float>::infinity(), 19, 9, 1.0f },
                           { -std::numeric_limits<float>::infinity(), 0, 0, 0.0f },
                           { 7.5f, 19, 9, 1.0f } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.value);
        for (auto* param : p.getParameters())
            param->setValue (c.value);
        auto midi = notesOn ({ 60, 64 });
        const auto out = block (midi, 512);
        EXPECT_EQ (p.synthParams.chordIndex, c.chordIndex);
        EXPECT_EQ (p.synthParams.waveformIndex, c.waveformIndex);
        EXPECT_EQ (p.synthParams.cutoffNorm, c.cutoffNorm);
        for (int i = 0; i < out.getNumSamples(); ++i)
            ASSERT_TRUE (std::isfinite (out.getSample (0, i))) << i;
        p.synthSource.synth.allNotesOff (0, false);
    }
}
