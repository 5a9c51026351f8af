#include "host/LoadedModule.h"

#include <gtest/gtest.h>

namespace
{
class Module : public vizeva::test::LoadedModule
{
};
} // namespace

TEST_F (Module, PublishesIdentity)
{
    const auto& d = host.description();
    EXPECT_EQ (d.name, juce::String ("Vizeva"));
    EXPECT_EQ (d.manufacturerName, juce::String ("Zudidud"));
    EXPECT_EQ (d.version, juce::String ("1.0.0"));
    EXPECT_EQ (d.pluginFormatName, juce::String ("VST3"));
    EXPECT_TRUE (d.isInstrument);
    EXPECT_EQ (d.category, juce::String ("Instrument|Synth"));
    EXPECT_EQ (d.numInputChannels, 0);
    EXPECT_EQ (d.numOutputChannels, 2);
    EXPECT_EQ (host.plugin().getName(), juce::String ("Vizeva"));
    EXPECT_TRUE (host.plugin().acceptsMidi());
    EXPECT_FALSE (host.plugin().producesMidi());
}

TEST_F (Module, ListsNineParametersFirstWithDefaults)
{
    struct Row { const char* name; float normalisedDefault; };
    const Row rows[] = { { "Volume", 0.5f }, { "Cutoff", 0.3333f }, { "Resonance", 0.2f },
                         { "Decay", 0.3333f }, { "Length", 1.0f }, { "Pulsewidth", 0.5f },
                         { "Waveform", 0.0f }, { "Chord", 1.0f / 19.0f }, { "Tuning", 0.5f } };

    const auto& params = host.plugin().getParameters();
    ASSERT_GE (params.size(), 9);
    for (int i = 0; i < 9; ++i)
    {
        SCOPED_TRACE (rows[i].name);
        EXPECT_EQ (params[i]->getName (100), juce::String (rows[i].name));
        EXPECT_NEAR (params[i]->getValue(), rows[i].normalisedDefault, 1e-6);
        EXPECT_NEAR (params[i]->getDefaultValue(), rows[i].normalisedDefault, 1e-6);
        EXPECT_TRUE (params[i]->isAutomatable());
    }
}

TEST_F (Module, AcceptsMonoAndStereoRefusesFivePointOne)
{
    auto& plugin = host.plugin();
    auto layout = plugin.getBusesLayout();
    ASSERT_EQ (layout.outputBuses.size(), 1);
    EXPECT_TRUE (layout.inputBuses.isEmpty());

    for (const auto& set : { juce::AudioChannelSet::mono(), juce::AudioChannelSet::stereo() })
    {
        layout.outputBuses.getReference (0) = set;
        EXPECT_TRUE (plugin.setBusesLayout (layout)) << set.getDescription();
    }
    layout.outputBuses.getReference (0) = juce::AudioChannelSet::create5point1();
    EXPECT_FALSE (plugin.setBusesLayout (layout));
}

TEST_F (Module, IsSilentBeforeAnyNote)
{
    ASSERT_TRUE (host.prepare (48000.0, 512));
    const auto out = host.render ({}, 4800);
    ASSERT_EQ (out.getNumChannels(), 2);
    for (int c = 0; c < 2; ++c)
        EXPECT_EQ (out.getMagnitude (c, 0, out.getNumSamples()), 0.0f);
}
