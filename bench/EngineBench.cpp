// Renders host blocks of 512 samples at 48 kHz through the plug-in's processor and
// reports the realtime factor: seconds of audio rendered per second of CPU time.

#include "synth/VizevaAudioProcessor.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
constexpr double rate = 48000.0;
constexpr int blockSize = 512;
// Notes are struck again this often, so that they never fade out during a run.
constexpr int blocksPerPhrase = 2000;

struct Setup
{
    std::vector<int> notes;
    float waveform;   // normalised
    float chord;      // normalised
    float pulseWidth; // normalised
    bool modWheel;
};

void renderBlocks (benchmark::State& state, const Setup& setup)
{
    juce::ScopedJuceInitialiser_GUI juce;
    VizevaAudioProcessor processor;
    processor.setRateAndBufferSizeDetails (rate, blockSize);
    processor.prepareToPlay (rate, blockSize);
    processor.waveformParam->setValueNotifyingHost (setup.waveform);
    processor.chordParam->setValueNotifyingHost (setup.chord);
    processor.pulseWidthParam->setValueNotifyingHost (setup.pulseWidth);

    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    midi.ensureSize (4096);
    int block = 0;

    for (auto _ : state)
    {
        midi.clear();
        const int phraseBlock = block % blocksPerPhrase;
        if (phraseBlock == 0)
        {
            // A fresh phrase: free every voice and strike the notes again.
            state.PauseTiming();
            processor.synthSource.synth.allNotesOff (0, false);
            state.ResumeTiming();
            for (int n : setup.notes)
                midi.addEvent (juce::MidiMessage::noteOn (1, n, (juce::uint8) 100), 0);
        }
        else if (phraseBlock == 1 && setup.modWheel)
        {
            // After the notes start: a note start resets each voice's LFO.
            midi.addEvent (juce::MidiMessage::controllerEvent (1, 1, 127), 0);
        }

        buffer.clear();
        processor.processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
        ++block;
    }

    state.counters["realtime"] = benchmark::Counter ((double) state.iterations() * blockSize / rate,
                                                     benchmark::Counter::kIsRate);
}

void Idle (benchmark::State& state)
{
    renderBlocks (state, { {}, 0.0f, 1.0f / 19.0f, 0.5f, false });
}

void OneVoice (benchmark::State& state)
{
    renderBlocks (state, { { 45 }, 0.0f, 1.0f / 19.0f, 0.5f, false });
}

void EightVoicesFourOscillatorChord (benchmark::State& state)
{
    // Chord "Ma4-7-11" (position 9, four oscillators), waveform "Saw1", pulse
    // width 0 (shape above 1), mod wheel at 127.
    renderBlocks (state, { { 36, 40, 43, 47, 48, 52, 55, 59 }, 0.0f, 9.0f / 19.0f, 0.0f, true });
}
} // namespace

BENCHMARK (Idle)->Unit (benchmark::kMillisecond);
BENCHMARK (OneVoice)->Unit (benchmark::kMillisecond);
BENCHMARK (EightVoicesFourOscillatorChord)->Unit (benchmark::kMillisecond);

BENCHMARK_MAIN();
