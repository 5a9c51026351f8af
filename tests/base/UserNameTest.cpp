#include "base/UserName.h"

#include <gtest/gtest.h>

#if ! JUCE_WINDOWS
 #include <pwd.h>
 #include <unistd.h>
#endif

TEST (UserName, IsTheEffectiveUsersName)
{
    const auto name = zudidud::processUserName();
   #if ! JUCE_WINDOWS
    const auto* entry = getpwuid (geteuid());
    ASSERT_NE (entry, nullptr);
    EXPECT_EQ (name, juce::String::fromUTF8 (entry->pw_name));
   #endif
    EXPECT_TRUE (name.isNotEmpty());
}

TEST (UserName, CutKeepsWholeCharactersWithin255CodeUnits)
{
    const juce::String emoji = juce::String::charToString ((juce::juce_wchar) 0x1F3B9); // two UTF-16 units
    struct Case { juce::String text; int maxUnits; juce::String expected; };
    const Case cases[] = {
        { "abc", 2, "ab" },
        { "abc", 3, "abc" },
        { "", 255, "" },
        { juce::String::repeatedString ("x", 300), 255, juce::String::repeatedString ("x", 255) },
        { juce::String::repeatedString ("x", 254) + emoji, 255, juce::String::repeatedString ("x", 254) },
        { juce::String::repeatedString ("x", 253) + emoji, 255, juce::String::repeatedString ("x", 253) + emoji },
        { juce::String::fromUTF8 ("J\xc3\xb6rg"), 255, juce::String::fromUTF8 ("J\xc3\xb6rg") },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.text.length());
        EXPECT_EQ (zudidud::cutToUtf16Units (c.text, c.maxUnits), c.expected);
    }
}
