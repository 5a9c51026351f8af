#pragma once

#include "synth/VizevaAudioProcessor.h"
#include "synth/VoiceFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace vizeva::test
{

/** A processor prepared at 48 kHz with blocks of 512, as a host prepares it. */
class PreparedProcessor : public ::testing::Test
{
protected:
    void SetUp() override { prepare (48000.0); }

    void prepare (double rate, int blockSize = 512)
    {
        p.setRateAndBufferSizeDetails (rate, blockSize);
        p.prepareToPlay (rate, blockSize);
    }

    void set (juce::AudioParameterFloatZudidud* param, float normalised)
    {
        param->setValueNotifyingHost (normalised);
    }

    /** One host block; midi is replaced by what the voice budget let through. */
    juce::AudioBuffer<float> block (juce::MidiBuffer& midi, int numSamples, int numChannels = 2)
    {
        juce::AudioBuffer<float> buffer (numChannels, numSamples);
        buffer.clear();
        p.processBlock (buffer, midi);
        return buffer;
    }

    juce::AudioBuffer<float> block (int numSamples, int numChannels = 2)
    {
        juce::MidiBuffer none;
        return block (none, numSamples, numChannels);
    }

    /** Renders numSamples in blocks of blockSize; events of midi go to the first block. */
    juce::AudioBuffer<float> play (juce::MidiBuffer midi, int numSamples, int blockSize = 512)
    {
        juce::AudioBuffer<float> out (2, numSamples);
        for (int start = 0; start < numSamples; start += blockSize)
        {
            const int length = juce::jmin (blockSize, numSamples - start);
            auto b = start == 0 ? block (midi, length) : block (length);
            for (int c = 0; c < 2; ++c)
                out.copyFrom (c, start, b, c, 0, length);
        }
        return out;
    }

    int activeVoices()
    {
        int n = 0;
        for (int i = 0; i < p.synthSource.synth.getNumVoices(); ++i)
            n += p.synthSource.synth.getVoice (i)->isVoiceActive() ? 1 : 0;
        return n;
    }

    VizevaAudioProcessor p;
};

inline juce::MidiBuffer notesOn (std::initializer_list<int> notes, int channel = 1, juce::uint8 velocity = 100)
{
    juce::MidiBuffer midi;
    int position = 0;
    for (int n : notes)
        midi.addEvent (juce::MidiMessage::noteOn (channel, n, velocity), position++);
    return midi;
}

} // namespace vizeva::test
