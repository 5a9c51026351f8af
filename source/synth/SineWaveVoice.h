#pragma once

#include "synth/SineWaveSound.h"
#include "synth/SynthParams.h"
#include "synth/VoiceEnvelope.h"
#include "synth/VoicePitch.h"

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_dsp/juce_dsp.h>

namespace juce
{

/** One voice: up to four chord oscillators in one of the wave shapes, a
    low-pass swept by the filter envelope, and the amplitude envelope. It reads
    the processor's shared SynthParams and moves only its three smoothers. */
struct SineWaveVoice : public SynthesiserVoice
{
    SineWaveVoice();
    ~SineWaveVoice() override;

    bool canPlaySound (SynthesiserSound* sound) override;
    void startNote (int midiNoteNumber, float velocity, SynthesiserSound* sound, int currentPitchWheelPosition) override;
    void stopNote (float velocity, bool allowTailOff) override;
    void pitchWheelMoved (int newPitchWheelValue) override;
    void controllerMoved (int controllerNumber, int newControllerValue) override;
    void renderNextBlock (AudioBuffer<float>& outputBuffer, int startSample, int numSamples) override;
    using SynthesiserVoice::renderNextBlock;

    /** Ends the note at once and frees the voice. */
    void finishNote();

    SynthParams* synthParams = nullptr;
    CriticalSection voiceLock;
    bool filterPrepared = false;
    double noteSampleRate = 96000.0;
    double oscPhase[vizeva::numOscillators] = { 0.0, 0.0, 0.0, 0.0 };
    double oscIncrement[vizeva::numOscillators] = { 0.0, 0.0, 0.0, 0.0 };
    double pitchBend = 1.0;
    double lfoDepth = 1.0;
    double lfoIncrement = 0.0;
    double lfoPhase = 0.0;
    float chordOffsets[vizeva::numChordRows][vizeva::numOscillators];
    VoiceEnvelope ampEnvelope;
    VoiceEnvelope filterEnvelope;
    bool playing = false;
    dsp::StateVariableTPTFilter<float> voiceFilter;
    /** The rate voiceFilter was last prepared at: a new rate prepares it again,
        so its cutoff stays true and the cap stays below its Nyquist frequency. */
    float filterSampleRate = 0.0f;

    JUCE_LEAK_DETECTOR (SineWaveVoice)
};

} // namespace juce
