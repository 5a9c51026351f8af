#include "base/AudioProcessorZudidud.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{

// A minimal subclass (with an input bus, so that the base keeps the samples) that records what the base block callback hands its hooks.
class RecordingProcessor : public juce::AudioProcessorZudidud
{
public:
    explicit RecordingProcessor (juce::AudioChannelSet output = juce::AudioChannelSet::stereo())
        : RecordingProcessor (output, output)
    {
    }

    // An empty input set gives a processor without an input bus.
    RecordingProcessor (juce::AudioChannelSet output, juce::AudioChannelSet input)
        : AudioProcessorZudidud (input.size() > 0 ? BusesProperties().withInput ("Input", input, true).withOutput ("Output", output, true)
                                                  : BusesProperties().withOutput ("Output", output, true))
    {
    }

    const juce::String getName() const override { return "Recording"; }
    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return false; }
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
    bool hasEditor() const override { return false; }

    void periodicUpdate() override { updateSamples.push_back (samplesSeen); }

    std::pair<float, float> processStereoSample (std::pair<float, float> sample) override
    {
        if (recordSamples)
            received.push_back (sample);
        ++samplesSeen;
        return { sample.first * 0.5f, sample.second * 0.25f };
    }

    void preProcessBlock (juce::AudioBuffer<float>&, int numOversampled) override
    {
        preProcessLengths.push_back (numOversampled);
    }

    bool recordSamples = true;
    std::vector<std::pair<float, float>> received;
    std::vector<long> updateSamples;
    std::vector<int> preProcessLengths;
    long samplesSeen = 0;
};

juce::AudioBuffer<float> filledBuffer (int channels, int samples, float value)
{
    juce::AudioBuffer<float> buffer (channels, samples);
    for (int c = 0; c < channels; ++c)
        juce::FloatVectorOperations::fill (buffer.getWritePointer (c), value, samples);
    return buffer;
}

// A signal that makes the oversampler's filters work: a sine on the left, a
// slower one on the right.
juce::AudioBuffer<float> sineBuffer (int samples)
{
    juce::AudioBuffer<float> buffer (2, samples);
    for (int i = 0; i < samples; ++i)
    {
        buffer.setSample (0, i, 0.8f * std::sin (0.05f * (float) i));
        buffer.setSample (1, i, 0.5f * std::sin (0.013f * (float) i));
    }
    return buffer;
}

// Feeds `count` samples of `source` from `start` on to the processor in blocks of
// at most `blockLength`, writing the processed samples back into `source`.
void processInBlocks (RecordingProcessor& p, juce::AudioBuffer<float>& source, int start, int count, int blockLength)
{
    juce::MidiBuffer midi;
    const int end = start + count;
    for (int pos = start; pos < end; pos += blockLength)
    {
        const int length = juce::jmin (blockLength, end - pos);
        juce::AudioBuffer<float> block (2, length);
        for (int c = 0; c < 2; ++c)
            block.copyFrom (c, 0, source, c, pos, length);
        p.processBlock (block, midi);
        for (int c = 0; c < 2; ++c)
            source.copyFrom (c, pos, block, c, 0, length);
    }
}

} // namespace

TEST (ProcessorBase, FactorOneProcessesInPlaceAndUpdatesOnFirstSample)
{
    RecordingProcessor p;
    auto buffer = filledBuffer (2, 16, 1.0f);
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);

    EXPECT_EQ (p.oversampler, nullptr);
    ASSERT_EQ (p.received.size(), 16u);
    EXPECT_EQ (p.updateSamples, std::vector<long> { 0 });
    EXPECT_FALSE (p.parametersChanged.load());
    EXPECT_FLOAT_EQ (buffer.getSample (0, 3), 0.5f);
    EXPECT_FLOAT_EQ (buffer.getSample (1, 3), 0.25f);
    EXPECT_EQ (p.preProcessLengths, std::vector<int> { 16 });
}

TEST (ProcessorBase, PeriodicUpdateEvery262143SamplesAndOnRaisedFlag)
{
    RecordingProcessor p;
    juce::MidiBuffer midi;
    auto buffer = filledBuffer (2, 4096, 0.0f);
    for (int i = 0; i < 70; ++i) // 286720 samples
        p.processBlock (buffer, midi);
    ASSERT_EQ (p.updateSamples.size(), 2u);
    EXPECT_EQ (p.updateSamples[1] - p.updateSamples[0], 262143);

    p.parametersChanged = true;
    const long before = p.samplesSeen;
    p.processBlock (buffer, midi);
    ASSERT_EQ (p.updateSamples.size(), 3u);
    EXPECT_EQ (p.updateSamples[2], before);
}

TEST (ProcessorBase, ClampsLeftToMinus30AndRightToMinus20)
{
    struct Case { float in; float left; float right; };
    const Case cases[] = { { -50.0f, -30.0f, -20.0f }, { 50.0f, 20.0f, 20.0f }, { -25.0f, -25.0f, -20.0f }, { 0.5f, 0.5f, 0.5f } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.in);
        RecordingProcessor p;
        auto buffer = filledBuffer (2, 1, c.in);
        juce::MidiBuffer midi;
        p.processBlock (buffer, midi);
        ASSERT_EQ (p.received.size(), 1u);
        EXPECT_FLOAT_EQ (p.received[0].first, c.left);
        EXPECT_FLOAT_EQ (p.received[0].second, c.right);
    }

    RecordingProcessor p;
    auto buffer = filledBuffer (2, 1, std::nanf (""));
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);
    EXPECT_TRUE (std::isnan (p.received[0].first));
}

TEST (ProcessorBase, MonoOutputGetsLeftOnBothSidesAndKeepsFirstResult)
{
    RecordingProcessor p (juce::AudioChannelSet::mono());
    auto buffer = filledBuffer (1, 2, -25.0f);
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);
    ASSERT_EQ (p.received.size(), 2u);
    EXPECT_FLOAT_EQ (p.received[0].first, -25.0f);
    EXPECT_FLOAT_EQ (p.received[0].second, -25.0f);
    EXPECT_FLOAT_EQ (buffer.getSample (0, 0), -12.5f);
}

TEST (ProcessorBase, FactorEightBuildsThreeStagesAndLoopsOverEightTimesTheBlock)
{
    RecordingProcessor p;
    p.oversamplingFactor = 8;
    auto buffer = filledBuffer (2, 512, 0.0f);
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);

    ASSERT_NE (p.oversampler, nullptr);
    EXPECT_EQ (p.oversampler->getOversamplingFactor(), 8u);
    EXPECT_EQ (p.received.size(), 4096u);
    EXPECT_EQ (p.preProcessLengths, std::vector<int> { 4096 });
    EXPECT_EQ (p.getLatencySamples(), (int) p.oversampler->getLatencyInSamples());
    EXPECT_GT (p.getLatencySamples(), 0);
}

TEST (ProcessorBase, StageCountRule)
{
    struct Case { int factor; size_t expected; };
    const Case cases[] = { { 2, 2 }, { 4, 4 }, { 6, 4 }, { 8, 8 }, { 16, 16 }, { 0, 1 }, { -3, 1 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.factor);
        RecordingProcessor p;
        p.oversamplingFactor = c.factor;
        p.updateOversampling (2);
        ASSERT_NE (p.oversampler, nullptr);
        EXPECT_EQ (p.oversampler->getOversamplingFactor(), c.expected);
    }
}

TEST (ProcessorBase, BackToFactorOneBuildsPassThroughAndReportsItsLatency)
{
    RecordingProcessor p;
    p.oversamplingFactor = 8;
    p.updateOversampling (2);
    EXPECT_GT (p.getLatencySamples(), 0);
    p.oversamplingFactor = 1;
    p.updateOversampling (2);
    ASSERT_NE (p.oversampler, nullptr);
    EXPECT_EQ (p.oversampler->getOversamplingFactor(), 1u);
    EXPECT_EQ (p.getLatencySamples(), 0);
}

TEST (ProcessorBase, EmptyBlockStillRunsFrameAndPreProcess)
{
    RecordingProcessor p;
    p.oversamplingFactor = 8;
    juce::AudioBuffer<float> buffer (2, 0);
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);
    EXPECT_NE (p.oversampler, nullptr);
    EXPECT_EQ (p.preProcessLengths, std::vector<int> { 0 });
    EXPECT_TRUE (p.received.empty());
}

TEST (ProcessorBase, PrepareStoresBlockSizeButDoesNotRebuild)
{
    RecordingProcessor p;
    p.oversamplingFactor = 8;
    p.updateOversampling (2);
    auto* before = p.oversampler.get();
    p.parametersChanged = false;
    p.prepareToPlay (48000.0, 1024);
    EXPECT_EQ (p.oversamplerBlockSize, 1024);
    EXPECT_TRUE (p.parametersChanged.load());
    p.updateOversampling (2);
    EXPECT_EQ (p.oversampler.get(), before);
}

TEST (ProcessorBase, BlockLongerThanOversamplerPreparationIsSliced)
{
    RecordingProcessor p;
    p.prepareToPlay (48000.0, 64);
    p.oversamplingFactor = 8;
    auto buffer = filledBuffer (2, 1000, 0.0f);
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.received.size(), 8000u);
    EXPECT_EQ (p.preProcessLengths, std::vector<int> { 8000 });
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE (std::isfinite (buffer.getSample (0, i)));
}

TEST (ProcessorBase, MoreChannelsThanBuiltForRebuildsOversampler)
{
    RecordingProcessor p;
    p.oversamplingFactor = 8;
    auto mono = filledBuffer (1, 64, 0.0f);
    juce::MidiBuffer midi;
    p.processBlock (mono, midi);
    EXPECT_EQ (p.oversamplerChannels, 1);

    auto stereo = filledBuffer (2, 64, 0.0f);
    p.processBlock (stereo, midi);
    EXPECT_EQ (p.oversamplerChannels, 2);
    EXPECT_EQ (p.received.size(), 2u * 512u);
}

// prepareToPlay with a larger block size takes effect only at the next rebuild:
// until then the present oversampler, prepared for 64 samples, must never get
// more than 64 in one pass (a longer one writes past its buffers).
TEST (ProcessorBase, LargerPreparationSlicesByTheBlockSizeTheOversamplerWasPreparedWith)
{
    for (const int laterBlock : { 1024, 65 })
    {
        SCOPED_TRACE (laterBlock);
        const int total = 64 + laterBlock;

        RecordingProcessor p;
        p.recordSamples = false;
        p.prepareToPlay (48000.0, 64);
        p.oversamplingFactor = 8;
        auto output = sineBuffer (total);
        processInBlocks (p, output, 0, 64, 64);
        p.prepareToPlay (48000.0, laterBlock);
        processInBlocks (p, output, 64, laterBlock, laterBlock);
        EXPECT_EQ (p.maxSliceLength(), 64);
        EXPECT_EQ (p.samplesSeen, 8L * total);

        RecordingProcessor reference;
        reference.recordSamples = false;
        reference.prepareToPlay (48000.0, 64);
        reference.oversamplingFactor = 8;
        auto expected = sineBuffer (total);
        processInBlocks (reference, expected, 0, total, 64);

        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < total; ++i)
            {
                ASSERT_TRUE (std::isfinite (output.getSample (c, i))) << "channel " << c << " sample " << i;
                ASSERT_EQ (output.getSample (c, i), expected.getSample (c, i)) << "channel " << c << " sample " << i;
            }

        // The next change of the factor rebuilds the oversampler for the new size.
        p.oversamplingFactor = 4;
        p.updateOversampling (2);
        EXPECT_EQ (p.maxSliceLength(), laterBlock);
    }
}

// A slice is also kept short enough that its oversampled length stays within
// 524288 samples: at factor 2 and a preparation for 524288, a block of 524288 is
// still oversampled (in two slices), not run in place at the host's rate.
TEST (ProcessorBase, SliceStaysWithinTheOversampledLimit)
{
    RecordingProcessor p;
    p.recordSamples = false;
    p.prepareToPlay (48000.0, 524288);
    p.oversamplingFactor = 2;
    auto buffer = filledBuffer (2, 524288, 0.0f);
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.maxSliceLength(), 262144);
    EXPECT_EQ (p.samplesSeen, 2L * 524288);
}

// The length handed to preProcessBlock is the whole block's oversampled length,
// limited to 524288.
TEST (ProcessorBase, PreProcessLengthIsLimitedTo524288)
{
    struct Case { int factor; int samples; int expected; };
    const Case cases[] = { { 8, 65535, 524280 }, { 8, 65536, 524288 }, { 8, 65537, 524288 }, { 1, 524289, 524288 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.samples);
        RecordingProcessor p;
        p.recordSamples = false;
        p.oversamplingFactor = c.factor;
        auto buffer = filledBuffer (2, c.samples, 0.0f);
        juce::MidiBuffer midi;
        p.processBlock (buffer, midi);
        EXPECT_EQ (p.preProcessLengths, std::vector<int> { c.expected });
    }
}

// Output channels without an input channel behind them start each block silent.
TEST (ProcessorBase, OutputChannelsBeyondTheInputsAreCleared)
{
    struct Case { const char* what; juce::AudioChannelSet input; float left; float right; };
    const Case cases[] = {
        { "mono input, stereo output", juce::AudioChannelSet::mono(), 1.0f, 0.0f },
        { "no input, stereo output", juce::AudioChannelSet(), 0.0f, 0.0f },
        { "stereo input, stereo output", juce::AudioChannelSet::stereo(), 1.0f, 1.0f },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        RecordingProcessor p (juce::AudioChannelSet::stereo(), c.input);
        auto buffer = filledBuffer (2, 8, 1.0f);
        juce::MidiBuffer midi;
        p.processBlock (buffer, midi);
        ASSERT_EQ (p.received.size(), 8u);
        EXPECT_EQ (p.received[7].first, c.left);
        EXPECT_EQ (p.received[7].second, c.right);
        EXPECT_EQ (buffer.getSample (1, 7), c.right * 0.25f);
    }
}
