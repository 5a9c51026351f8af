#include "synth/VizevaAudioProcessor.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

class Programs : public ::testing::Test
{
protected:
    juce::AudioProcessorParameter& volume() { return *processor.getParameters()[0]; }

    VizevaAudioProcessor processor;
};

} // namespace

TEST_F (Programs, FreshProcessorHasOneProgramNamedDefault)
{
    EXPECT_TRUE (processor.programs.empty());
    EXPECT_EQ (processor.getNumPrograms(), 1);
    EXPECT_EQ (processor.getProgramName (0), juce::String ("Default"));
    ASSERT_EQ (processor.programs.size(), 1u);
    EXPECT_EQ (processor.programs[0].second, juce::String());

    processor.changeProgramName (0, "Renamed");
    EXPECT_EQ (processor.getProgramName (0), juce::String ("Default"));
    EXPECT_EQ (processor.getNumPrograms(), 1);
}

TEST_F (Programs, SelectingTheOnlyProgramStoresTheIndexAndLoadsNothing)
{
    volume().setValue (0.3f);
    processor.setCurrentProgram (0);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (volume().getValue(), 0.3f);
    EXPECT_EQ (processor.lastLoadedProgram, -1);

    // Even with the flag lowered a single program never loads.
    processor.parametersChanged = false;
    processor.setCurrentProgram (0);
    EXPECT_EQ (volume().getValue(), 0.3f);
    EXPECT_FALSE (processor.parametersChanged.load());
}

TEST_F (Programs, IndexesOutsideTheListGiveNoNameAndLoadNothing)
{
    for (int index : { -1, 1, 100, std::numeric_limits<int>::min(), std::numeric_limits<int>::max() })
    {
        SCOPED_TRACE (index);
        EXPECT_EQ (processor.getProgramName (index), juce::String());
        processor.setCurrentProgram (index);
        EXPECT_EQ (processor.getCurrentProgram(), index);
    }

    // With two programs and the flag lowered, a bad index still loads nothing.
    processor.programs.emplace_back ("Second", "volume=\"0.9\"");
    processor.parametersChanged = false;
    volume().setValue (0.3f);
    processor.setCurrentProgram (5);
    processor.setCurrentProgram (-2);
    EXPECT_EQ (volume().getValue(), 0.3f);
    EXPECT_EQ (processor.lastLoadedProgram, -1);
}

TEST_F (Programs, ASecondProgramLoadsOnlyWhileTheFlagIsLowered)
{
    processor.getNumPrograms();
    processor.programs.emplace_back ("Second", "volume=\"0.9\" alpha=\"1\"");
    volume().setValue (0.3f);

    processor.setCurrentProgram (1); // flag raised since construction
    EXPECT_EQ (volume().getValue(), 0.3f);

    processor.parametersChanged = false;
    processor.setCurrentProgram (1);
    EXPECT_EQ (volume().getValue(), 0.9f);
    EXPECT_EQ (processor.lastLoadedProgram, 1);
    EXPECT_TRUE (processor.parametersChanged.load());
    EXPECT_EQ (processor.properties.size(), 2u);
    EXPECT_EQ (processor.properties["alpha"], juce::String ("1"));

    // The same program again does not reload.
    volume().setValue (0.3f);
    processor.parametersChanged = false;
    processor.setCurrentProgram (1);
    EXPECT_EQ (volume().getValue(), 0.3f);
}

TEST_F (Programs, AProgramTextThatDoesNotParseLoadsNothing)
{
    processor.getNumPrograms();
    for (const char* text : { "volume=\"0.9", "<", "volume=\"0.9\" b", "volume=\"0.9\"><x>" })
        processor.programs.emplace_back ("Broken", text);
    volume().setValue (0.3f);

    for (int index = 1; index < (int) processor.programs.size(); ++index)
    {
        SCOPED_TRACE (processor.programs[(size_t) index].second);
        processor.properties = { { "marker", "kept" } };
        processor.parametersChanged = false;
        processor.setCurrentProgram (index);
        EXPECT_EQ (volume().getValue(), 0.3f);
        EXPECT_EQ (processor.properties.count ("marker"), 1u);
        EXPECT_EQ (processor.getCurrentProgram(), index);
    }
}
