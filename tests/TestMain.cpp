#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// JUCE's message manager and GUI subsystems are set up once for the whole run;
// the test thread is the message thread.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
