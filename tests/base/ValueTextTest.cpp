#include "base/AudioParameterFloatZudidud.h"
#include "synth/VizevaAudioProcessor.h"
#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using juce::AudioParameterFloatZudidud;
namespace UnitKind = juce::UnitKind;

namespace
{

std::unique_ptr<AudioParameterFloatZudidud> valueParameter (float minimum, float maximum, int kind, std::string unit)
{
    return std::make_unique<AudioParameterFloatZudidud> ("p", "P", minimum, maximum, 0.5f, kind, std::move (unit));
}

std::unique_ptr<AudioParameterFloatZudidud> choiceParameter (std::vector<std::string> names, int positions)
{
    return std::make_unique<AudioParameterFloatZudidud> ("c", "C", 0.0f, 1.0f, 0, std::move (names), positions);
}

// The host's view of a value: the framework's text, which comes from formatValue.
std::string hostText (juce::AudioProcessorParameter& p, float v)
{
    return p.getText (v, 1024).toStdString();
}

class PluginParameterText : public ::testing::Test
{
protected:
    VizevaAudioProcessor processor;
};

} // namespace

TEST_F (PluginParameterText, EveryParameterReadsItsTextAtTheTableValues)
{
    struct Case { AudioParameterFloatZudidud* parameter; float value; const char* expected; };
    auto& p = processor;
    const Case cases[] = {
        { p.volumeParam, 0.0f, "OFF" },
        { p.volumeParam, 0.5f, "+0.0 dB" },
        { p.volumeParam, 1.0f, "+18.1 dB" },
        { p.cutoffParam, 0.0f, "20.0 Hz" },
        { p.cutoffParam, 0.3333f, "200 Hz" },
        { p.cutoffParam, 0.9f, "10.0 kHz" },
        { p.cutoffParam, 1.0f, "20 kHz" },
        { p.resonanceParam, 0.2f, "20 %" },
        { p.resonanceParam, 0.125f, "13 %" },
        { p.decayParam, 0.0f, "0.03 s" },
        { p.decayParam, 1.0f, "1.00 s" },
        { p.lengthParam, 1.0f, "5.0 s" },
        { p.tuningParam, 0.0f, "-100 %" },
        { p.tuningParam, 0.5f, "  0 %" },
        { p.tuningParam, 1.0f, "+100 %" },
        { p.waveformParam, 5.0f / 9.0f, "Sine2" },
        { p.waveformParam, 6.0f / 9.0f, "" },
        { p.waveformParam, 1.0f, "" },
        { p.chordParam, 1.0f / 19.0f, "Poly" },
        { p.chordParam, 16.0f / 19.0f, "Quorblin" },
        { p.chordParam, 1.0f, "" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.parameter->paramID + " at " + juce::String (c.value));
        EXPECT_EQ (c.parameter->formatValue (c.value), c.expected);
        EXPECT_EQ (hostText (*c.parameter, c.value), c.expected);
    }
}

TEST_F (PluginParameterText, DefaultsReadAsTheHostShowsThem)
{
    const char* expected[] = { "+0.0 dB", "200 Hz", "20 %", "0.10 s", "5.0 s", "50 %", "Saw1", "Poly", "  0 %" };
    const auto& parameters = processor.getParameters();
    ASSERT_GE (parameters.size(), 9);
    for (int i = 0; i < 9; ++i)
    {
        SCOPED_TRACE (i);
        EXPECT_EQ (parameters[i]->getCurrentValueAsText().toStdString(), expected[i]);
    }
}

TEST (ValueText, GeneralKindsFollowTheirRules)
{
    struct Case { const char* what; float minimum; float maximum; int kind; const char* unit; float value; const char* expected; };
    const Case cases[] = {
        { "bipolar near zero", -1.0f, 1.0f, UnitKind::bipolar, "dB", 0.52f, "  0.0 dB" },
        { "bipolar 0.06 is still near zero", -1.0f, 1.0f, UnitKind::bipolar, "dB", 0.53f, "  0.0 dB" },
        { "bipolar -0.06 is still near zero", -1.0f, 1.0f, UnitKind::bipolar, "dB", 0.47f, "  0.0 dB" },
        { "bipolar just past 0.1", -1.0f, 1.0f, UnitKind::bipolar, "dB", 0.55f, "+0.1 dB" },
        { "bipolar negative", -1.0f, 1.0f, UnitKind::bipolar, "dB", 0.25f, "-0.5 dB" },
        { "ratio bottom", 1.0f, 20.0f, UnitKind::ratio, ":1", 0.0f, "1.0:1" },
        { "ratio quarter", 1.0f, 20.0f, UnitKind::ratio, ":1", 0.25f, "1.9:1" },
        { "ratio top", 1.0f, 20.0f, UnitKind::ratio, ":1", 1.0f, "20:1" },
        { "ratio with a zero bound", 0.0f, 20.0f, UnitKind::ratio, "", 0.0f, "0.0:1" },
        { "0.15 Hz shows its period", 0.15f, 10.0f, UnitKind::frequency, "", 0.0f, "6 sec" },
        { "0.01 Hz shows its period", 0.01f, 10.0f, UnitKind::frequency, "", 0.0f, "1 minute" },
        { "0.25 Hz shows its period", 0.25f, 10.0f, UnitKind::frequency, "", 0.0f, "4 sec" },
        { "0.31 Hz shows the frequency", 0.31f, 10.0f, UnitKind::frequency, "", 0.0f, "0.31 Hz" },
        { "frequency below 3 Hz", 0.5f, 10.0f, UnitKind::frequency, "", 0.0f, "0.50 Hz" },
        { "999.9 Hz in whole hertz", 999.9f, 2000.0f, UnitKind::frequency, "Hz", 0.0f, "1000 Hz" },
        { "1000.1 Hz in kilohertz", 1000.1f, 2000.0f, UnitKind::frequency, "Hz", 0.0f, "1.0 kHz" },
        { "octaves bottom", 0.0f, 1.0f, UnitKind::octaves, "", 0.0f, "0.1 oct" },
        { "octaves top", 0.0f, 1.0f, UnitKind::octaves, "", 1.0f, "5.0 oct" },
        { "signed15 with an empty unit", 0.0f, 1.0f, UnitKind::signed15, "", 1.0f, "+15.0 " },
        { "signed15 zero keeps its sign", 0.0f, 1.0f, UnitKind::signed15, "", 0.0f, "+0.0 " },
        { "cubic off", 0.0f, 100.0f, UnitKind::cubic, "x", 0.0f, "OFF" },
        { "cubic half", 0.0f, 100.0f, UnitKind::cubic, "x", 0.5f, "+12.5 x" },
        { "decibels10 off", 0.0f, 1.0f, UnitKind::decibels10, "", 0.0f, "OFF" },
        { "decibels10 top", 0.0f, 1.0f, UnitKind::decibels10, "", 1.0f, "+10.0 dB" },
        { "seconds of 30 and more", 1.0f, 100.0f, UnitKind::seconds, "s", 1.0f, "100 s" },
        { "seconds from 3 to 30", 1.0f, 100.0f, UnitKind::seconds, "s", 0.5f, "10.0 s" },
        { "duration in days", 1.0f, 1.0e6f, UnitKind::duration, "", 1.0f, "11 days" },
        { "duration under a microsecond", 1.0e-7f, 1.0f, UnitKind::duration, "", 0.0f, "0 micros" },
        { "percent rounds halves away from zero", 0.0f, 1.0f, UnitKind::percent, "", 0.625f, "63 %" },
        { "generic kind 1 whole numbers", 0.0f, 10.0f, UnitKind::linear, "dB", 0.5f, "5 dB" },
        { "generic kind 0 one decimal", 0.0f, 10.0f, 0, "dB", 0.5f, "5.0 dB" },
        { "generic kind 0 signed two decimals", -1.0f, 1.0f, 0, "dB", 0.75f, "+0.50 dB" },
        { "generic kind 0 signed whole", -50.0f, 50.0f, 0, "dB", 0.75f, "+25 dB" },
        { "generic maximum 2.9 takes two decimals", 0.0f, 2.9f, 0, "", 1.0f, "2.90 " },
        { "generic unit range limits v", 0.0f, 1.0f, 14, "", 1.5f, "1.0 " },
        { "generic kind 1 unit range", 0.0f, 1.0f, UnitKind::linear, "", 0.25f, "0.2 " },
        { "negative kind is generic", 0.0f, 100.0f, -3, "", 0.5f, "50 " },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        const auto p = valueParameter (c.minimum, c.maximum, c.kind, c.unit);
        EXPECT_EQ (p->formatValue (c.value), c.expected);
    }
}

TEST (ValueText, ChoiceWithoutNamesOrWithOnePosition)
{
    const auto unnamed = choiceParameter ({}, 4);
    for (float v : { 0.0f, 0.5f, 1.0f })
        EXPECT_EQ (unnamed->formatValue (v), "Modes not set!");

    auto single = choiceParameter ({ "Only", "Other" }, 2);
    single->numChoices = 1;
    for (float v : { 0.0f, 0.9f, 1.0f })
        EXPECT_EQ (single->formatValue (v), "Only");
}

TEST (ValueText, OverlongUnitsAndNamesAreCutAtWholeCharacters)
{
    // 19 bytes of unit at most, 49 bytes of text at most; é takes two bytes.
    const auto ascii = valueParameter (0.0f, 1.0f, UnitKind::percent, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ (ascii->formatValue (0.5f), "50 abcdefghijklmnopqrs");

    std::string accents;
    for (int i = 0; i < 10; ++i)
        accents += "\xc3\xa9";
    const auto wide = valueParameter (0.0f, 1.0f, UnitKind::percent, accents);
    EXPECT_EQ (wide->formatValue (0.5f), "50 " + accents.substr (0, 18));

    std::string longName (60, 'n');
    std::string accentName;
    for (int i = 0; i < 30; ++i)
        accentName += "\xc3\xa9";
    const auto names = choiceParameter ({ longName, accentName }, 2);
    EXPECT_EQ (names->formatValue (0.0f), std::string (49, 'n'));
    EXPECT_EQ (names->formatValue (1.0f), accentName.substr (0, 48));
    EXPECT_TRUE (juce::CharPointer_UTF8::isValidString (names->formatValue (1.0f).c_str(), 100));
}

TEST (ValueText, DurationTakesTheLargestUnitWithAWholeCount)
{
    struct Case { double seconds; const char* expected; };
    const Case cases[] = {
        { 4.0, "4 sec" },
        { 1.0, "1 sec" },
        { 60.0, "1 minute" },
        { 90.0, "1 minute" },
        { 150.0, "2 minutes" },
        { 7200.0, "2 hours" },
        { 90000.0, "1 day" },
        { 0.5, "500 ms" },
        { 0.0005, "500 micros" },
        { 364.0 * 86400.0, "12 months" },
        { 365.0 * 86400.0, "1 year" },
        { 0.7, "699 ms" }, // 0.7 / 0.001 in double lies just below 700
        { 0.000001, "1 micros" },
        { 0.0000005, "0 micros" },
        { 1.0e300, "2147483647 years" },
    };

    const auto p = valueParameter (0.0f, 1.0f, UnitKind::duration, "");
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.seconds);
        EXPECT_EQ (p->formatDuration (c.seconds), c.expected);
    }
}

TEST (ValueText, TextsUseADecimalPointUnderACommaLocale)
{
    testing_support::ScopedCommaLocale locale;
    if (! locale.ok())
        GTEST_SKIP() << "no locale with a decimal comma could be set on this machine";

    VizevaAudioProcessor processor;
    EXPECT_EQ (processor.volumeParam->formatValue (1.0f), "+18.1 dB");
    EXPECT_EQ (processor.cutoffParam->formatValue (0.9f), "10.0 kHz");
    EXPECT_EQ (processor.decayParam->formatValue (processor.decayParam->getDefault()), "0.10 s");
    EXPECT_EQ (processor.lengthParam->getCurrentValueAsText(), juce::String ("5.0 s"));
    EXPECT_EQ (valueParameter (-1.0f, 1.0f, 0, "dB")->formatValue (0.75f), "+0.50 dB");
}
