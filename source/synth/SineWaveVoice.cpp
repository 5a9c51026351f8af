#include "synth/SineWaveVoice.h"

#include <algorithm>
#include <cmath>

namespace juce
{

SineWaveVoice::SineWaveVoice()
{
    std::copy (&vizeva::chordOffsetTable[0][0],
               &vizeva::chordOffsetTable[0][0] + vizeva::numChordRows * vizeva::numOscillators,
               &chordOffsets[0][0]);
}

SineWaveVoice::~SineWaveVoice() = default;

bool SineWaveVoice::canPlaySound (SynthesiserSound* sound)
{
    return dynamic_cast<SineWaveSound*> (sound) != nullptr;
}

void SineWaveVoice::startNote (int midiNoteNumber, float velocity, SynthesiserSound*, int currentPitchWheelPosition)
{
    if (synthParams == nullptr)
        return;

    auto& params = *synthParams;
    playing = true;

    // Every note start makes the shared gain, pulse width and shape jump to their targets.
    params.volumeSmoother.snapToTarget();
    params.pulseWidthSmoother.snapToTarget();
    params.shapeSmoother.snapToTarget();

    noteSampleRate = getSampleRate();
    const float rate = (float) noteSampleRate;
    const float v = velocity;

    // Single precision, the divisions one after the other.
    ampEnvelope.peak = v * 0.5f + 0.5f;
    ampEnvelope.active = true;
    ampEnvelope.keyHeld = true;
    ampEnvelope.attackDone = false;
    ampEnvelope.value = 0.0f;
    ampEnvelope.sustain = 0.0f;
    ampEnvelope.attackStep = ampEnvelope.peak / 0.003f / rate;               // 3 ms rise
    ampEnvelope.decayMul = 1.0f - (1.0f / params.lengthSeconds) / rate;
    ampEnvelope.releaseMul = 1.0f - 33.333336f / rate;                        // 0.03 s time constant

    filterEnvelope.peak = std::max (v - params.decayNorm * 0.1f, 0.0f);
    filterEnvelope.active = true;
    filterEnvelope.keyHeld = true;
    filterEnvelope.attackDone = false;
    filterEnvelope.value = 0.0f;
    filterEnvelope.sustain = (v * 0.5f) * filterEnvelope.peak;
    filterEnvelope.attackStep = filterEnvelope.peak / 0.007f / rate;         // 7 ms rise
    filterEnvelope.decayMul = 1.0f - (1.0f / params.decaySeconds) / rate;
    filterEnvelope.releaseMul = filterEnvelope.decayMul;

    // The phases carry on from the previous note; an oscillator that is off keeps its phase.
    const auto& row = chordOffsets[params.chordIndex];
    for (int k = 0; k < vizeva::numOscillators; ++k)
        oscIncrement[k] = vizeva::oscillatorIncrement (midiNoteNumber, row[k], params.tuningSemitones, noteSampleRate);

    lfoPhase = 0.0;
    pitchWheelMoved (currentPitchWheelPosition);
    controllerMoved (1, 0); // every note starts without LFO, whatever the wheel's position
}

void SineWaveVoice::stopNote (float, bool allowTailOff)
{
    ampEnvelope.keyHeld = false;
    ampEnvelope.peak = 0.0f;
    ampEnvelope.sustain = 0.0f;
    filterEnvelope.keyHeld = false;
    filterEnvelope.peak = 0.0f;
    filterEnvelope.sustain = 0.0f;

    if (! allowTailOff)
        finishNote();
}

void SineWaveVoice::pitchWheelMoved (int newPitchWheelValue)
{
    const ScopedLock sl (voiceLock);
    pitchBend = vizeva::pitchBendFactor (newPitchWheelValue);
}

void SineWaveVoice::controllerMoved (int controllerNumber, int newControllerValue)
{
    const ScopedLock sl (voiceLock);
    if (controllerNumber == 1)
    {
        lfoDepth = vizeva::lfoDepthFor (newControllerValue);
        lfoIncrement = vizeva::lfoIncrementFor (newControllerValue, noteSampleRate);
    }
}

void SineWaveVoice::finishNote()
{
    if (playing)
    {
        playing = false;
        clearCurrentNote();
    }
}

void SineWaveVoice::renderNextBlock (AudioBuffer<float>& outputBuffer, int startSample, int numSamples)
{
    if (! playing)
        return;

    auto& params = *synthParams;
    const float rate = (float) getSampleRate();

    if (! filterPrepared || filterSampleRate != rate)
    {
        // Prepared again (state cleared) whenever the voice's rate changes.
        filterPrepared = true;
        filterSampleRate = rate;
        voiceFilter.setType (dsp::StateVariableTPTFilterType::lowpass);
        voiceFilter.prepare ({ (double) rate, (uint32) std::max (1, numSamples),
                               (uint32) std::max (1, outputBuffer.getNumChannels()) });
    }

    voiceFilter.setResonance (params.resonanceQ);
    const float gain = vizeva::chordGain (params.chordIndex);
    const float cap = rate * 0.49f;
    const int numChannels = outputBuffer.getNumChannels();

    // Each chunk runs in two passes: first everything that does not depend on the
    // filter's state, then the filter itself. Every value is computed exactly as
    // in one pass; only independent steps change places, which lets the processor
    // overlap the costly coefficient updates of neighbouring samples.
    constexpr int chunkLength = 64;
    float cutoffs[chunkLength];
    float inputs[chunkLength];
    float levels[chunkLength];

    for (int chunkStart = 0; chunkStart < numSamples; chunkStart += chunkLength)
    {
        const int length = std::min (chunkLength, numSamples - chunkStart);

        for (int i = 0; i < length; ++i)
        {
            lfoPhase += lfoIncrement;
            // Without depth the product is zero whatever the sine: skip the call.
            const double m = lfoDepth != 0.0 ? std::sin (lfoPhase) * lfoDepth : 0.0;

            params.pulseWidthSmoother.advance();
            const float pw = (float) ((double) params.pulseWidthSmoother.current + m);
            params.shapeSmoother.advance();
            const float shape = (float) ((double) params.shapeSmoother.current + m);
            const float w = pw - 0.5f;

            const int32_t waveform = params.waveformIndex;
            float sum = 0.0f;
            for (int k = 0; k < vizeva::numOscillators; ++k)
            {
                if (oscIncrement[k] == 0.0)
                    continue;
                // The shape sees the phase before this sample's advance.
                const double p = oscPhase[k];
                const float s = vizeva::waveShape (waveform, p, pw, w, shape);
                oscPhase[k] = vizeva::advancePhase (p, oscIncrement[k] * pitchBend);
                sum += s;
            }

            const float e = filterEnvelope.advance();
            cutoffs[i] = vizeva::sweptCutoff (e, params.filterEnvAmount, params.cutoffNorm, cap);

            params.volumeSmoother.advance();
            inputs[i] = (params.volumeSmoother.current * sum) * gain;
            levels[i] = ampEnvelope.advance();
        }

        for (int i = 0; i < length; ++i)
        {
            voiceFilter.setCutoffFrequency (cutoffs[i]);
            const float y = voiceFilter.processSample (0, inputs[i]);
            const float out = levels[i] * y;

            for (int c = 0; c < numChannels; ++c)
                outputBuffer.addSample (c, startSample + chunkStart + i, out);
        }
    }

    // A note ends only when its amplitude envelope has faded.
    if (! ampEnvelope.active && playing)
        finishNote();
}

} // namespace juce
