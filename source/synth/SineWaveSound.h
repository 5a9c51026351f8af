#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace juce
{

/** The instrument's one sound: it applies to every note on every channel. */
struct SineWaveSound : public SynthesiserSound
{
    bool appliesToNote (int) override { return true; }
    bool appliesToChannel (int) override { return true; }
};

} // namespace juce
