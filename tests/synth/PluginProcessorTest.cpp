#include "synth/VizevaAudioProcessor.h"

#include <gtest/gtest.h>

namespace
{
struct ParameterRow
{
    const char* id;
    const char* name;
    float min, max, normalisedDefault;
    int kind;
    const char* unit;
    int positions;
};

const ParameterRow parameterRows[] = {
    { "volume", "Volume", 0.0f, 1.0f, 0.5f, juce::UnitKind::decibels18, "dB", 0 },
    { "cutoff", "Cutoff", 20.0f, 20000.0f, 0.3333f, juce::UnitKind::frequency, "Hz", 0 },
    { "reso", "Resonance", 0.0f, 1.0f, 0.2f, juce::UnitKind::percent, "%", 0 },
    { "decay", "Decay", 0.03f, 1.0f, 0.3333f, juce::UnitKind::seconds, "s", 0 },
    { "length", "Length", 0.03f, 5.0f, 1.0f, juce::UnitKind::seconds, "s", 0 },
    { "pwidth", "Pulsewidth", 0.0f, 1.0f, 0.5f, juce::UnitKind::percent, "%", 0 },
    { "waveform", "Waveform", 0.0f, 1.0f, 0.0f, juce::UnitKind::choice, "", 10 },
    { "chord", "Chord", 0.0f, 1.0f, 1.0f / 19.0f, juce::UnitKind::choice, "", 20 },
    { "tuning", "Tuning", -100.0f, 100.0f, 0.5f, juce::UnitKind::bipolar, "%", 0 },
};
} // namespace

TEST (PluginProcessor, ListsNineParametersInOrderWithRangesAndDefaults)
{
    VizevaAudioProcessor p;
    const auto& params = p.getParameters();
    ASSERT_EQ (params.size(), 9);

    juce::AudioParameterFloatZudidud* members[] = { p.volumeParam, p.cutoffParam, p.resonanceParam,
                                                    p.decayParam, p.lengthParam, p.pulseWidthParam,
                                                    p.waveformParam, p.chordParam, p.tuningParam };
    for (int i = 0; i < 9; ++i)
    {
        const auto& row = parameterRows[i];
        SCOPED_TRACE (row.id);
        auto* param = dynamic_cast<juce::AudioParameterFloatZudidud*> (params[i]);
        juce::AudioProcessorParameter* asBase = params[i];
        ASSERT_NE (param, nullptr);
        EXPECT_EQ (param, members[i]);
        EXPECT_EQ (param->getParameterIndex(), i);
        EXPECT_EQ (param->paramID, juce::String (row.id));
        EXPECT_EQ (param->getName (100), juce::String (row.name));
        EXPECT_EQ (param->minValue, row.min);
        EXPECT_EQ (param->maxValue, row.max);
        EXPECT_EQ (asBase->getValue(), row.normalisedDefault);
        EXPECT_EQ (asBase->getDefaultValue(), row.normalisedDefault);
        EXPECT_EQ (param->unitKind, row.kind);
        EXPECT_EQ (param->unitLabel, juce::String (row.unit));
        EXPECT_EQ (param->numChoices, row.positions);
        EXPECT_TRUE (param->isAutomatable());
    }
    EXPECT_EQ (p.waveformParam->choiceNames,
               (std::vector<std::string> { "Saw1", "Saw2", "Square", "Tri", "Sine1", "Sine2" }));
    ASSERT_EQ (p.chordParam->choiceNames.size(), 17u);
    EXPECT_EQ (p.chordParam->choiceNames.front(), "Mono");
    EXPECT_EQ (p.chordParam->choiceNames[9], "Ma4-7-11");
    EXPECT_EQ (p.chordParam->choiceNames.back(), "Quorblin");
}

TEST (PluginProcessor, SmallOverridesAndBuses)
{
    VizevaAudioProcessor p;
    EXPECT_EQ (p.getName(), juce::String ("Vizeva"));
    EXPECT_EQ (p.getTailLengthSeconds(), 0.0);
    EXPECT_TRUE (p.acceptsMidi());
    EXPECT_FALSE (p.producesMidi());
    EXPECT_FALSE (p.isMidiEffect());
    EXPECT_TRUE (p.hasEditor());
    EXPECT_TRUE (p.parametersChanged.load());
    EXPECT_EQ (p.getTotalNumInputChannels(), 0);
    EXPECT_EQ (p.getTotalNumOutputChannels(), 2);
    EXPECT_EQ (p.getBus (false, 0)->getName(), juce::String ("Output"));
    EXPECT_EQ (p.getNumPrograms(), 1);
    EXPECT_EQ (p.getProgramName (0), juce::String ("Default"));
}

TEST (PluginProcessor, AcceptsMonoAndStereoOutputOnly)
{
    VizevaAudioProcessor p;
    struct Case { juce::AudioChannelSet set; bool supported; };
    const Case cases[] = {
        { juce::AudioChannelSet::mono(), true },
        { juce::AudioChannelSet::stereo(), true },
        { juce::AudioChannelSet::createLCR(), false },
        { juce::AudioChannelSet::quadraphonic(), false },
        { juce::AudioChannelSet::create5point1(), false },
        { juce::AudioChannelSet::disabled(), false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.set.getDescription().toStdString());
        juce::AudioProcessor::BusesLayout layout;
        layout.outputBuses.add (c.set);
        layout.inputBuses.add (juce::AudioChannelSet::stereo());
        EXPECT_EQ (p.isBusesLayoutSupported (layout), c.supported);
    }
    EXPECT_FALSE (p.isBusesLayoutSupported (juce::AudioProcessor::BusesLayout {}));
}

TEST (PluginProcessor, ProcessStereoSampleIsIdentity)
{
    VizevaAudioProcessor p;
    const auto out = p.processStereoSample ({ 0.25f, -0.5f });
    EXPECT_EQ (out.first, 0.25f);
    EXPECT_EQ (out.second, -0.5f);
}
