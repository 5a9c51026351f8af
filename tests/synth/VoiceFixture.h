#pragma once

#include "synth/SineWaveVoice.h"
#include "synth/SynthParams.h"

#include <cmath>

namespace vizeva::test
{

/** Settings as the processor derives them from its parameter defaults. */
inline SynthParams defaultSettings (double synthRate)
{
    SynthParams params;
    const auto rate = (float) synthRate;
    params.volumeSmoother.step = 8.0f / rate;
    params.pulseWidthSmoother.step = 4.0f / rate;
    params.shapeSmoother.step = 40.0f / rate;
    params.volumeSmoother.target = 0.5f * 0.5f * 0.5f * 1.41f;
    params.pulseWidthSmoother.target = 0.5f;
    params.shapeSmoother.target = 1.0f;
    params.cutoffNorm = 0.3333f;
    params.resonanceQ = 0.2f * 0.2f * 0.2f * 9.5f + 0.5f;
    params.decaySeconds = 0.1f;
    params.decayNorm = 0.3333f;
    params.filterEnvAmount = 0.9f;
    params.lengthSeconds = 5.0f;
    params.chordIndex = 1;
    params.waveformIndex = 0;
    params.tuningSemitones = 0.0f;
    return params;
}

/** One voice at eight times 48 kHz, reading its own settings block. */
struct VoiceFixture
{
    static constexpr double rate = 384000.0;

    VoiceFixture()
    {
        voice.synthParams = &params;
        voice.setCurrentPlaybackSampleRate (rate);
    }

    void start (int note = 69, float velocity = 1.0f, int wheel = 8192)
    {
        voice.startNote (note, velocity, sound.get(), wheel);
    }

    /** Renders numSamples into a fresh buffer and returns it. */
    juce::AudioBuffer<float> render (int numSamples, int numChannels = 2)
    {
        juce::AudioBuffer<float> buffer (numChannels, numSamples);
        buffer.clear();
        voice.renderNextBlock (buffer, 0, numSamples);
        return buffer;
    }

    SynthParams params = defaultSettings (rate);
    juce::SynthesiserSound::Ptr sound { new juce::SineWaveSound() };
    juce::SineWaveVoice voice;
};

inline bool allFinite (const juce::AudioBuffer<float>& buffer)
{
    for (int c = 0; c < buffer.getNumChannels(); ++c)
        for (int i = 0; i < buffer.getNumSamples(); ++i)
            if (! std::isfinite (buffer.getSample (c, i)))
                return false;
    return true;
}

} // namespace vizeva::test
