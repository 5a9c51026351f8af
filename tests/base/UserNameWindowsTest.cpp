#include "base/UserName.h"

#include <gtest/gtest.h>

#if JUCE_WINDOWS

// The user name comes from the system's account service: the same name that
// JUCE's own logon query reports, never empty and without embedded zeros.
TEST (UserNameWindows, IsTheLogonNameOfTheProcess)
{
    const auto name = zudidud::processUserName();
    EXPECT_TRUE (name.isNotEmpty());
    EXPECT_EQ (name, juce::SystemStats::getLogonName());
    EXPECT_FALSE (name.containsChar (0));
    EXPECT_LE (name.length(), 255);
}

#endif
