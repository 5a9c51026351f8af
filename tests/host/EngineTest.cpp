#include "host/LoadedModule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

namespace
{
constexpr int volume = 0, cutoff = 1, decay = 3, length = 4, chord = 7;
constexpr double pi = 3.141592653589793;

class Engine : public vizeva::test::LoadedModule
{
protected:
    static juce::MidiBuffer note (int number, int onAt = 0, int offAt = -1, juce::uint8 velocity = 127)
    {
        juce::MidiBuffer midi;
        midi.addEvent (juce::MidiMessage::noteOn (1, number, velocity), onAt);
        if (offAt >= 0)
            midi.addEvent (juce::MidiMessage::noteOff (1, number), offAt);
        return midi;
    }

    static bool allFinite (const juce::AudioBuffer<float>& buffer)
    {
        for (int c = 0; c < buffer.getNumChannels(); ++c)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                if (! std::isfinite (buffer.getSample (c, i)))
                    return false;
        return true;
    }
};

/** Hann-windowed magnitude of one frequency over a stretch of a channel. */
double magnitudeAt (const juce::AudioBuffer<float>& buffer, int channel, int start, int count, double hz, double rate)
{
    const auto* x = buffer.getReadPointer (channel, start);
    const std::complex<double> rotate = std::polar (1.0, -2.0 * pi * hz / rate);
    std::complex<double> phasor (1.0, 0.0), sum;
    for (int i = 0; i < count; ++i)
    {
        const double window = 0.5 - 0.5 * std::cos (2.0 * pi * i / (count - 1));
        sum += (double) x[i] * window * phasor;
        phasor *= rotate;
    }
    return std::abs (sum);
}

/** The frequency of the strongest partial: a coarse scan, then a fine one around it. */
double strongestFrequency (const juce::AudioBuffer<float>& buffer, int channel, int start, int count, double rate)
{
    double best = 0.0, bestMagnitude = -1.0;
    for (double hz = 50.0; hz <= 3000.0; hz += 5.0)
        if (const double m = magnitudeAt (buffer, channel, start, count, hz, rate); m > bestMagnitude)
            bestMagnitude = m, best = hz;
    const double coarse = best;
    for (double hz = coarse - 3.0; hz <= coarse + 3.0; hz += 0.02)
        if (const double m = magnitudeAt (buffer, channel, start, count, hz, rate); m > bestMagnitude)
            bestMagnitude = m, best = hz;
    return best;
}
} // namespace

TEST_F (Engine, Note69AtDefaultsSoundsAt440HzOnBothChannelsAlike)
{
    ASSERT_TRUE (host.prepare (48000.0, 512));
    const auto out = host.render (note (69), 48000 + 24000);
    ASSERT_EQ (out.getNumChannels(), 2);

    // One second after the attack.
    const int start = 12000, count = 48000;
    EXPECT_GT (out.getRMSLevel (0, start, count), 0.01f);
    EXPECT_NEAR (strongestFrequency (out, 0, start, count, 48000.0), 440.0, 0.1);
    for (int i = 0; i < out.getNumSamples(); ++i)
        ASSERT_EQ (out.getSample (0, i), out.getSample (1, i)) << i;
}

TEST_F (Engine, ShortLengthEndsAHeldNote)
{
    struct Case { float lengthValue; bool soundsAfterOneSecond; };
    for (const auto& c : { Case { 0.0f, false }, Case { 1.0f, true } })
    {
        SCOPED_TRACE (c.lengthValue);
        ASSERT_TRUE (host.prepare (48000.0, 512));
        host.parameter (length).setValue (c.lengthValue);
        const auto out = host.render (note (57), 60000); // key held throughout
        EXPECT_GT (out.getMagnitude (0, 0, 4800), 0.05f);
        const float late = out.getMagnitude (0, 48000, 12000);
        if (c.soundsAfterOneSecond)
            EXPECT_GT (late, 0.05f);
        else
            EXPECT_LT (late, 1e-5f);
    }
}

TEST_F (Engine, OutputIsFiniteForEveryBlockSize)
{
    ASSERT_TRUE (host.prepare (48000.0, 32768));
    host.parameter (chord).setValue (9.0f / 19.0f);
    host.parameter (cutoff).setValue (1.0f);

    struct Case { int blockSize; int numSamples; };
    const Case cases[] = { { 1, 3000 }, { 2, 3000 }, { 3, 3000 }, { 31, 6000 }, { 32, 6000 }, { 33, 6000 },
                           { 100, 9600 }, { 512, 9600 }, { 1000, 12000 }, { 4096, 16384 }, { 8191, 24573 },
                           { 32767, 65534 }, { 32768, 65536 } };
    // Every case spans at least two blocks: a block's events all take effect at
    // its start, so a note-off in the first block would end the notes at once.
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.blockSize);
        juce::MidiBuffer midi = note (45, 0, c.numSamples / 2);
        midi.addEvent (juce::MidiMessage::noteOn (1, 52, (juce::uint8) 100), 0);
        midi.addEvent (juce::MidiMessage::pitchWheel (1, 16383), c.numSamples / 4);
        midi.addEvent (juce::MidiMessage::controllerEvent (1, 1, 127), c.numSamples / 4);
        midi.addEvent (juce::MidiMessage::noteOff (1, 52), c.numSamples / 2);
        midi.addEvent (juce::MidiMessage::pitchWheel (1, 8192), c.numSamples - 1);
        const auto out = host.render (midi, c.numSamples, c.blockSize);
        EXPECT_TRUE (allFinite (out));
        EXPECT_GT (out.getMagnitude (0, 0, c.numSamples), 0.01f);
    }
}

TEST_F (Engine, StaysFiniteAfterPreparingAgainAtHigherRate)
{
    // Hosts and validators prepare at 44.1 kHz, play, then prepare again at 96 kHz.
    for (const float decayValue : { 1.0f, 0.36f })
    {
        SCOPED_TRACE (decayValue);
        ASSERT_TRUE (host.prepare (44100.0, 512));
        host.parameter (cutoff).setValue (1.0f);
        host.parameter (decay).setValue (decayValue);
        host.parameter (volume).setValue (1.0f);
        EXPECT_TRUE (allFinite (host.render (note (60, 0, 11025), 22050)));

        ASSERT_TRUE (host.prepare (96000.0, 512));
        juce::MidiBuffer chordNotes = note (48);
        chordNotes.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 127), 0);
        chordNotes.addEvent (juce::MidiMessage::noteOn (1, 72, (juce::uint8) 127), 0);
        const auto out = host.render (chordNotes, 48000);
        EXPECT_TRUE (allFinite (out));
        EXPECT_GT (out.getMagnitude (0, 0, 48000), 0.05f);
        EXPECT_LT (out.getMagnitude (0, 0, 48000), 20.0f);
    }
}

TEST_F (Engine, MonoKeepsPlayingAfterAHeldNoteFadedOut)
{
    ASSERT_TRUE (host.prepare (48000.0, 512));
    host.parameter (chord).setValue (0.0f);
    host.parameter (length).setValue (0.0f);
    // The first key stays down after its note faded; the second must still sound.
    juce::MidiBuffer midi = note (57);
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 127), 48000);
    const auto out = host.render (midi, 52800);
    // The second note starts with the block that holds its event (from 47616 on).
    EXPECT_LT (out.getMagnitude (0, 40000, 7000), 1e-5f);
    EXPECT_GT (out.getMagnitude (0, 48000, 4800), 0.05f);
}
