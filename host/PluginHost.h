#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

namespace vizeva
{

/** Loads a VST3 module with JUCE's own VST3 hosting, as a host does, and drives it:
    preparation, block rendering with MIDI, parameters and state. */
class PluginHost
{
public:
    PluginHost();
    ~PluginHost();

    /** Loads the first plug-in of the bundle (a Vizeva.vst3 folder, or the inner
        module file). Returns an error text, empty on success. */
    juce::String load (const juce::File& bundle, double sampleRate = 48000.0, int blockSize = 512);

    juce::AudioPluginInstance& plugin() { return *instance; }
    const juce::PluginDescription& description() const { return pluginDescription; }

    /** Releases the instance if prepared, sets the output layout (1 or 2 channels),
        then prepares it for the given rate and block size. */
    bool prepare (double sampleRate, int blockSize, int numOutputChannels = 2);

    /** Renders numSamples samples in blocks of at most the prepared block size;
        each MIDI event goes to the block that holds its sample position. */
    juce::AudioBuffer<float> render (const juce::MidiBuffer& midi, int numSamples);
    /** As render, but with every block exactly blockSize long (the last may be shorter). */
    juce::AudioBuffer<float> render (const juce::MidiBuffer& midi, int numSamples, int blockSize);

    /** The plug-in's own parameter with this index (0 to 8 for Vizeva). */
    juce::AudioProcessorParameter& parameter (int index);

    double sampleRate() const { return preparedRate; }
    int blockSize() const { return preparedBlockSize; }

private:
    juce::AudioPluginFormatManager formats;
    juce::PluginDescription pluginDescription;
    std::unique_ptr<juce::AudioPluginInstance> instance;
    double preparedRate = 0.0;
    int preparedBlockSize = 0;
    bool prepared = false;
};

/** The bundle a test should load: $VIZEVA_VST3 when set, else the built one. */
juce::File defaultPluginBundle();

} // namespace vizeva
