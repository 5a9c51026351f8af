#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_dsp/juce_dsp.h>

#include <atomic>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace juce
{

/** A processor base with an oversampling frame around a per-sample block callback,
    a flag that tells the plug-in's parts that parameters may have changed, a
    property map saved with the state, and a one-entry program list. */
class AudioProcessorZudidud : public AudioProcessor
{
public:
    explicit AudioProcessorZudidud (const BusesProperties& ioLayouts);
    ~AudioProcessorZudidud() override;

    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override {}
    void processBlock (AudioBuffer<float>& buffer, MidiBuffer& midiMessages) override;
    using AudioProcessor::processBlock;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const String getProgramName (int index) override;
    void changeProgramName (int index, const String& newName) override;
    void getStateInformation (MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    /** Called on the first processed sample after parametersChanged was raised, and
        otherwise every 262143 processed samples. */
    virtual void periodicUpdate() = 0;
    /** Called once per processed sample with the clamped (left, right) pair. */
    virtual std::pair<float, float> processStereoSample (std::pair<float, float> sample) = 0;
    /** Called once per block before upsampling, with the oversampled length. */
    virtual void preProcessBlock (AudioBuffer<float>& buffer, int numOversampledSamples);

    /** Rebuilds the oversampler when the requested factor has changed, or when a
        block brings more channels than the present one was built for. */
    void updateOversampling (int numChannels);

    /** The longest stretch of a host block that one pass through the oversampler may
        take: block callbacks process longer blocks in consecutive slices of this length.
        It is the block size the present oversampler was prepared with (a later
        prepareToPlay takes effect only at the next rebuild), and short enough that a
        slice's oversampled length stays within maxOversampledSamples. Before any
        oversampler exists nothing is oversampled and the stored block size serves. */
    int maxSliceLength() const noexcept
    {
        const int64 prepared = oversampler != nullptr ? oversamplerPreparedBlockSize : oversamplerBlockSize;
        const int64 longest = maxOversampledSamples / jmax (1, oversamplingFactor);
        return (int) jlimit ((int64) 1, longest, prepared);
    }

    void setProperty (String key, String value);
    static std::vector<std::string> splitPath (const std::string& text);
    /** The upper half (rounded up) of the pieces of a host executable's path, joined by '/'. */
    static String hostPathTail (const String& path);
    void ensureDefaultProgram();

    static constexpr int buildNumber = 279;
    static constexpr int maxOversampledSamples = 0x80000;

    double workingSampleRate = 96000.0;
    int32 periodicUpdateCounter = 0;
    // Written on the message thread and the host's threads, read on the audio
    // thread: atomic so that no access is a data race.
    std::atomic<bool> parametersChanged { true };
    std::map<String, String> properties;
    std::vector<std::pair<String, String>> programs;
    int32 currentProgram = 0;
    int32 lastLoadedProgram = -1;
    MemoryBlock programStateBlock;
    float builtOversamplingFactor = 1.0f;
    int64 oversamplerBlockSize = 32768;
    std::unique_ptr<dsp::Oversampling<float>> oversampler;
    int32 oversamplingFactor = 1;
    /** The channel count the present oversampler was built for. */
    int oversamplerChannels = 0;
    /** The block size the present oversampler was prepared with. */
    int64 oversamplerPreparedBlockSize = 0;

private:
    void processSlice (AudioBuffer<float>& buffer, int start, int numSamples);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AudioProcessorZudidud)
};

} // namespace juce
