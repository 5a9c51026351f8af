#pragma once

#include "synth/SineWaveVoice.h"
#include "synth/SynthParams.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace juce
{

/** The instrument's synthesiser: eight voices playing one sound, note
    stealing off, rendered from the block's MIDI. */
class SynthAudioSource : public AudioSource
{
public:
    static constexpr int numVoices = 8;

    SynthAudioSource (MidiKeyboardState& keyState, SynthParams* params);
    ~SynthAudioSource() override;

    void prepareToPlay (int samplesPerBlockExpected, double sampleRate) override;
    void releaseResources() override;
    void getNextAudioBlock (const AudioSourceChannelInfo& info) override;

    /** The events of the block being rendered. */
    MidiBuffer blockMidi;
    MidiKeyboardState& keyboardState;
    Synthesiser synth;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SynthAudioSource)
};

} // namespace juce
