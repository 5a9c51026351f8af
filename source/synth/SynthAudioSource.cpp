#include "synth/SynthAudioSource.h"

namespace juce
{

SynthAudioSource::SynthAudioSource (MidiKeyboardState& keyState, SynthParams* params)
    : keyboardState (keyState)
{
    for (int i = 0; i < numVoices; ++i)
    {
        auto* voice = new SineWaveVoice();
        voice->synthParams = params;
        synth.addVoice (voice);
    }
    synth.addSound (new SineWaveSound());
    synth.setNoteStealingEnabled (false);
}

SynthAudioSource::~SynthAudioSource() = default;

void SynthAudioSource::prepareToPlay (int, double sampleRate)
{
    // A new rate stops every voice at once; the same rate changes nothing.
    synth.setCurrentPlaybackSampleRate (sampleRate);
}

void SynthAudioSource::releaseResources() {}

void SynthAudioSource::getNextAudioBlock (const AudioSourceChannelInfo& info)
{
    info.clearActiveBufferRegion();
    keyboardState.processNextMidiBuffer (blockMidi, info.startSample, info.numSamples, true);
    synth.renderNextBlock (*info.buffer, blockMidi, info.startSample, info.numSamples);
}

} // namespace juce
