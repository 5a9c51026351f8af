#include "PluginHost.h"

namespace vizeva
{

PluginHost::PluginHost()
{
    formats.addFormat (new juce::VST3PluginFormat());
}

PluginHost::~PluginHost()
{
    if (instance != nullptr)
    {
        if (prepared)
            instance->releaseResources();
        instance.reset();
    }
}

juce::String PluginHost::load (const juce::File& bundle, double sampleRate, int blockSize)
{
    juce::OwnedArray<juce::PluginDescription> found;
    juce::VST3PluginFormat vst3;
    vst3.findAllTypesForFile (found, bundle.getFullPathName());

    if (found.isEmpty())
        return "no VST3 plug-in found in " + bundle.getFullPathName();

    pluginDescription = *found.getFirst();
    juce::String error;
    instance = formats.createPluginInstance (pluginDescription, sampleRate, blockSize, error);
    if (instance == nullptr)
        return error.isEmpty() ? juce::String ("could not create the instance") : error;
    return {};
}

bool PluginHost::prepare (double sampleRate, int blockSize, int numOutputChannels)
{
    if (prepared)
        instance->releaseResources();
    prepared = false;

    auto layout = instance->getBusesLayout();
    if (layout.outputBuses.isEmpty())
        return false;
    layout.outputBuses.getReference (0) = juce::AudioChannelSet::canonicalChannelSet (numOutputChannels);
    if (! instance->setBusesLayout (layout))
        return false;

    instance->setRateAndBufferSizeDetails (sampleRate, blockSize);
    instance->prepareToPlay (sampleRate, blockSize);
    preparedRate = sampleRate;
    preparedBlockSize = blockSize;
    prepared = true;
    return true;
}

juce::AudioBuffer<float> PluginHost::render (const juce::MidiBuffer& midi, int numSamples)
{
    return render (midi, numSamples, preparedBlockSize);
}

juce::AudioBuffer<float> PluginHost::render (const juce::MidiBuffer& midi, int numSamples, int blockSize)
{
    // Never hand the module a block larger than it was prepared for.
    blockSize = juce::jlimit (1, juce::jmax (1, preparedBlockSize), blockSize);

    const int channels = juce::jmax (instance->getTotalNumOutputChannels(), instance->getTotalNumInputChannels());
    juce::AudioBuffer<float> out (juce::jmax (1, instance->getTotalNumOutputChannels()), numSamples);
    out.clear();
    juce::AudioBuffer<float> block (juce::jmax (1, channels), blockSize);
    juce::MidiBuffer blockMidi;

    for (int start = 0; start < numSamples; start += blockSize)
    {
        const int length = juce::jmin (blockSize, numSamples - start);
        block.setSize (block.getNumChannels(), length, false, false, true);
        block.clear();
        blockMidi.clear();
        for (const auto metadata : midi)
            if (metadata.samplePosition >= start && metadata.samplePosition < start + length)
                blockMidi.addEvent (metadata.getMessage(), metadata.samplePosition - start);

        instance->processBlock (block, blockMidi);

        for (int c = 0; c < out.getNumChannels(); ++c)
            out.copyFrom (c, start, block, juce::jmin (c, block.getNumChannels() - 1), 0, length);
    }
    return out;
}

juce::AudioProcessorParameter& PluginHost::parameter (int index)
{
    return *instance->getParameters()[index];
}

juce::File defaultPluginBundle()
{
    const auto fromEnvironment = juce::SystemStats::getEnvironmentVariable ("VIZEVA_VST3", {});
    if (fromEnvironment.isNotEmpty())
        return juce::File (fromEnvironment);
   #ifdef VIZEVA_BUILT_VST3
    return juce::File (VIZEVA_BUILT_VST3);
   #else
    return {};
   #endif
}

} // namespace vizeva
