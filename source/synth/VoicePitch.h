#pragma once

#include "synth/WaveShapes.h"

#include <cmath>
#include <cstdint>

namespace vizeva
{

constexpr int numChordRows = 20;
constexpr int numOscillators = 4;

/** Semitone offsets of the four oscillators per chord position; -100 switches
    an oscillator off. Column 0 is never off. */
constexpr float chordOffsetTable[numChordRows][numOscillators] = {
    { 0.0f, -100.0f, -100.0f, -100.0f },
    { 0.0f, -100.0f, -100.0f, -100.0f },
    { 0.0f, 4.0f, 7.0f, -100.0f },
    { 0.0f, 3.0f, 7.0f, -100.0f },
    { 0.0f, 4.0f, 8.0f, -100.0f },
    { 0.0f, 3.0f, 8.0f, -100.0f },
    { 0.0f, 5.0f, 8.0f, -100.0f },
    { 0.0f, 5.0f, 9.0f, 0.0f },
    { 0.0f, 5.0f, 10.0f, 1.0f },
    { 0.0f, 4.0f, 7.0f, 11.0f },
    { 0.0f, 3.0f, 7.0f, 10.0f },
    { 0.0f, 3.0f, 7.0f, 9.0f },
    { -0.1f, 0.0f, 0.1f, 12.05f },
    { -0.1f, 0.0f, 7.04f, 0.1f },
    { -0.11f, -0.05f, 0.05f, 0.11f },
    { -0.33f, -0.15f, 0.15f, 0.33f },
    { 0.1f, 0.1f, 12.02f, 16.07f },
    { 0.0f, 0.0f, -100.0f, -100.0f },
    { 0.0f, 0.0f, -100.0f, -100.0f },
    { 0.0f, 0.0f, -100.0f, -100.0f },
};

/** An oscillator's frequency in Hz, single precision: note 69 at offset 0 and
    tuning 0 is 440 Hz. */
inline float oscillatorFrequency (int midiNoteNumber, float offset, float tuningSemitones) noexcept
{
    const float exponent = (((float) midiNoteNumber + offset) + tuningSemitones - 69.0f) / 12.0f;
    return 440.0f * std::pow (2.0f, exponent);
}

/** Phase advance per sample in radians for a chord offset; 0 (off) for -99 and below. */
inline double oscillatorIncrement (int midiNoteNumber, float offset, float tuningSemitones, double sampleRate) noexcept
{
    if (! (offset > -99.0f))
        return 0.0;
    const float frequency = oscillatorFrequency (midiNoteNumber, offset, tuningSemitones);
    return ((double) frequency / sampleRate) * 2.0 * pi;
}

/** Frequency factor of a pitch-wheel position: plus or minus 2 semitones. */
inline double pitchBendFactor (int wheelPosition) noexcept
{
    return std::pow (2.0, ((double) (wheelPosition - 8192) * (1.0 / 4096.0)) / 12.0);
}

/** LFO depth for a modulation-wheel value. */
inline double lfoDepthFor (int wheelValue) noexcept
{
    const double u = wheelValue / 127.0;
    return u * 0.4;
}

/** LFO advance per sample for a modulation-wheel value: 30 u^2 + 0.5 radians per second. */
inline double lfoIncrementFor (int wheelValue, double sampleRate) noexcept
{
    const double u = wheelValue / 127.0;
    return (u * u * 30.0 + 0.5) / sampleRate;
}

/** Mix gain: the single-oscillator chords at full level, every other at half. */
inline float chordGain (int32_t chordIndex) noexcept
{
    return (chordIndex == 0 || chordIndex == 1) ? 1.0f : 0.5f;
}

/** Low-pass cutoff in Hz, 20 x 1000^u with u = envelope x amount + cutoffNorm, held at the cap. */
inline float sweptCutoff (float envelope, float amount, float cutoffNorm, float cap) noexcept
{
    const float u = envelope * amount + cutoffNorm;
    const float cutoff = std::exp (u * 6.907755f + 2.9957323f);
    return cutoff > cap ? cap : cutoff;
}

} // namespace vizeva
