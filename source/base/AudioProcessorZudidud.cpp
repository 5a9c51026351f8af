#include "base/AudioProcessorZudidud.h"

#include <cmath>

namespace juce
{

AudioProcessorZudidud::AudioProcessorZudidud (const BusesProperties& ioLayouts)
    : AudioProcessor (ioLayouts),
      programStateBlock (65536, false)
{
}

AudioProcessorZudidud::~AudioProcessorZudidud() = default;

void AudioProcessorZudidud::prepareToPlay (double, int maximumExpectedSamplesPerBlock)
{
    oversamplerBlockSize = (int64) maximumExpectedSamplesPerBlock;
    parametersChanged = true;
}

void AudioProcessorZudidud::preProcessBlock (AudioBuffer<float>&, int) {}

void AudioProcessorZudidud::updateOversampling (int numChannels)
{
    if (oversamplingFactor == (int) builtOversamplingFactor
        && (oversampler == nullptr || numChannels <= oversamplerChannels))
        return;

    builtOversamplingFactor = (float) oversamplingFactor;
    oversampler.reset();

    int stages = 0;
    for (int factor = oversamplingFactor; factor > 1; factor /= 2)
        ++stages;

    // The framework's oversampler needs at least one channel.
    oversamplerChannels = jmax (1, numChannels);
    oversampler = std::make_unique<dsp::Oversampling<float>> ((size_t) oversamplerChannels,
                                                               (size_t) stages,
                                                               dsp::Oversampling<float>::filterHalfBandFIREquiripple,
                                                               true,
                                                               false);
    oversampler->reset();
    oversamplerPreparedBlockSize = jmax ((int64) 1, oversamplerBlockSize);
    oversampler->initProcessing ((size_t) oversamplerPreparedBlockSize);
    setLatencySamples ((int) oversampler->getLatencyInSamples());
}

void AudioProcessorZudidud::processBlock (AudioBuffer<float>& buffer, MidiBuffer&)
{
    ScopedNoDenormals noDenormals;

    updateOversampling (buffer.getNumChannels());

    const int numSamples = buffer.getNumSamples();
    const int numOversampled = jmin ((int) std::roundf ((float) oversamplingFactor * (float) numSamples),
                                     maxOversampledSamples);

    for (int c = getTotalNumInputChannels(); c < jmin (getTotalNumOutputChannels(), buffer.getNumChannels()); ++c)
        buffer.clear (c, 0, numSamples);

    preProcessBlock (buffer, numOversampled);

    // A block longer than the present oversampler was prepared for is processed
    // in consecutive slices.
    const int sliceLength = maxSliceLength();
    for (int start = 0; start < numSamples; start += sliceLength)
        processSlice (buffer, start, jmin (sliceLength, numSamples - start));
}

void AudioProcessorZudidud::processSlice (AudioBuffer<float>& buffer, int start, int numSamples)
{
    if (buffer.getNumChannels() == 0)
        return;

    const int numOversampled = jmin ((int) std::roundf ((float) oversamplingFactor * (float) numSamples),
                                     maxOversampledSamples);
    const bool stereo = getTotalNumOutputChannels() >= 2 && buffer.getNumChannels() >= 2;
    const bool oversampled = numOversampled != numSamples && oversampler != nullptr;

    dsp::AudioBlock<float> hostBlock (buffer);
    auto slice = hostBlock.getSubBlock ((size_t) start, (size_t) numSamples);

    float* left;
    float* right;
    int loopLength;

    if (oversampled)
    {
        auto up = oversampler->processSamplesUp (slice);
        loopLength = (int) up.getNumSamples();
        left = up.getChannelPointer (0);
        right = stereo ? up.getChannelPointer (1) : left;
    }
    else
    {
        loopLength = numSamples;
        left = buffer.getWritePointer (0, start);
        right = stereo ? buffer.getWritePointer (1, start) : left;
    }

    for (int i = 0; i < loopLength; ++i)
    {
        // The lower bound of the left channel is -30, not -20; a NaN passes.
        float l = left[i];
        if (l < -30.0f) l = -30.0f;
        if (l > 20.0f) l = 20.0f;
        float r = l;
        if (stereo)
        {
            r = right[i];
            if (r < -20.0f) r = -20.0f;
            if (r > 20.0f) r = 20.0f;
        }

        periodicUpdateCounter = (periodicUpdateCounter + 1) & 0x3FFFF;
        if (parametersChanged.load (std::memory_order_relaxed) || periodicUpdateCounter == 0)
        {
            periodicUpdateCounter = 1;
            parametersChanged.store (false, std::memory_order_relaxed);
            periodicUpdate();
        }

        const auto result = processStereoSample ({ l, r });
        left[i] = result.first;
        if (stereo)
            right[i] = result.second;
    }

    if (oversampled)
        oversampler->processSamplesDown (slice);
}

} // namespace juce
