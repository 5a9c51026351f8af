// vizeva-render <path to Vizeva.vst3> <out.wav>
// Loads the plug-in as a host does and renders a short phrase into a WAV file:
// a few bass notes, a chord and a pitch-wheel bend.

#include "PluginHost.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <iostream>

namespace
{
constexpr double rate = 48000.0;
constexpr int blockSize = 512;
constexpr int beat = 12000; // 0.25 s: 120 beats per minute in eighth notes
constexpr int chordParameter = 7, waveformParameter = 6, cutoffParameter = 1;

void addNote (juce::MidiBuffer& midi, int note, int start, int duration, juce::uint8 velocity = 110)
{
    midi.addEvent (juce::MidiMessage::noteOn (1, note, velocity), start);
    midi.addEvent (juce::MidiMessage::noteOff (1, note), start + duration);
}

void append (juce::AudioBuffer<float>& out, int& written, const juce::AudioBuffer<float>& part)
{
    for (int c = 0; c < out.getNumChannels(); ++c)
        out.copyFrom (c, written, part, juce::jmin (c, part.getNumChannels() - 1), 0, part.getNumSamples());
    written += part.getNumSamples();
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 3)
    {
        std::cerr << "usage: vizeva-render <path to Vizeva.vst3> <out.wav>\n";
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    const juce::File bundle = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    const juce::File output = juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]);

    vizeva::PluginHost host;
    if (const auto error = host.load (bundle, rate, blockSize); error.isNotEmpty())
    {
        std::cerr << "vizeva-render: " << error << "\n";
        return 1;
    }
    if (! host.prepare (rate, blockSize))
    {
        std::cerr << "vizeva-render: the plug-in refused a stereo output\n";
        return 1;
    }

    juce::AudioBuffer<float> out (2, 16 * beat + 3 * 4 * beat);
    out.clear();
    int written = 0;

    // 1. A bass line, single notes ("Poly", "Saw1").
    {
        juce::MidiBuffer midi;
        const int line[] = { 36, 36, 48, 36, 43, 36, 46, 48 };
        for (int i = 0; i < 8; ++i)
            addNote (midi, line[i], i * beat, beat * 3 / 4);
        append (out, written, host.render (midi, 8 * beat));
    }

    // 2. Chord "Minor3-7" stabs, square wave, a brighter filter.
    {
        host.parameter (chordParameter).setValue (3.0f / 19.0f);
        host.parameter (waveformParameter).setValue (2.0f / 9.0f);
        host.parameter (cutoffParameter).setValue (0.45f);
        juce::MidiBuffer midi;
        const int roots[] = { 45, 45, 41, 43 };
        for (int i = 0; i < 4; ++i)
            addNote (midi, roots[i], i * 2 * beat, beat);
        append (out, written, host.render (midi, 8 * beat));
    }

    // 3. One long note bent up two semitones and back with the pitch wheel.
    {
        host.parameter (chordParameter).setValue (1.0f / 19.0f);
        host.parameter (waveformParameter).setValue (0.0f);
        juce::MidiBuffer midi;
        addNote (midi, 40, 0, 10 * beat);
        const int steps = 48;
        for (int i = 0; i <= steps; ++i)
        {
            const double t = (double) i / steps;
            const int wheel = 8192 + (int) std::lround (8191.0 * std::sin (juce::MathConstants<double>::pi * t));
            midi.addEvent (juce::MidiMessage::pitchWheel (1, wheel), 2 * beat + i * (6 * beat) / steps);
        }
        append (out, written, host.render (midi, 12 * beat));
    }

    output.deleteFile();
    auto stream = output.createOutputStream();
    if (stream == nullptr)
    {
        std::cerr << "vizeva-render: cannot write " << output.getFullPathName() << "\n";
        return 1;
    }

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), rate, 2, 24, {}, 0));
    if (writer == nullptr)
    {
        std::cerr << "vizeva-render: cannot create a WAV writer\n";
        return 1;
    }
    stream.release(); // the writer owns it now
    writer->writeFromAudioSampleBuffer (out, 0, written);
    writer.reset();

    std::cout << "Rendered " << juce::String (written / rate, 1) << " s through " << bundle.getFullPathName()
              << " into " << output.getFullPathName() << "\n";
    return 0;
}
