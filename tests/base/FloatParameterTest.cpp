#include "base/AudioParameterFloatZudidud.h"

#include <gtest/gtest.h>

using juce::AudioParameterFloatZudidud;
namespace UnitKind = juce::UnitKind;

namespace
{
AudioParameterFloatZudidud valueParameter (int32_t kind, std::string unit, float min = 0.0f, float max = 1.0f,
                                           float def = 0.5f)
{
    return AudioParameterFloatZudidud ("p", "P", min, max, def, kind, std::move (unit));
}

// The framework keeps these public only on the parameter base class.
juce::AudioProcessorParameter& base (AudioParameterFloatZudidud& p) { return p; }
} // namespace

TEST (FloatParameter, UnitRuleFillsEmptyUnitByKind)
{
    struct Case { int32_t kind; std::string unit; const char* expected; };
    const Case cases[] = {
        { UnitKind::frequency, "", "Hz" }, { UnitKind::seconds, "s", "s" }, { UnitKind::seconds, "", "" },
        { UnitKind::percent, "", "%" },    { UnitKind::decibels10, "", "dB" }, { UnitKind::decibels18, "", "dB" },
        { UnitKind::octaves, "", "oct" },  { UnitKind::ratio, "", ":1" },     { UnitKind::linear, "", "" },
        { 0, "", "" },                     { 42, "", "" },                   { UnitKind::percent, "pc", "pc" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.kind);
        auto p = AudioParameterFloatZudidud ("p", "P", 1.0f, 2.0f, 0.5f, c.kind, c.unit);
        EXPECT_EQ (p.unitLabel, juce::String (c.expected));
    }
}

TEST (FloatParameter, ValueAndFrameworkDefaultAreTheNormalisedDefault)
{
    auto p = valueParameter (UnitKind::frequency, "", 20.0f, 20000.0f, 0.3333f);
    EXPECT_FLOAT_EQ (base (p).getValue(), 0.3333f);
    EXPECT_FLOAT_EQ (base (p).getDefaultValue(), 0.3333f);
    EXPECT_FLOAT_EQ (p.normalisedDefault, 0.3333f);
    EXPECT_EQ (p.numChoices, 0);
    EXPECT_TRUE (p.choiceNames.empty());
}

TEST (FloatParameter, RealValueFollowsKindCurve)
{
    auto frequency = valueParameter (UnitKind::frequency, "", 20.0f, 20000.0f, 0.3333f);
    EXPECT_NEAR (frequency.getRealValue(), 199.95f, 0.01f);
    EXPECT_FLOAT_EQ (frequency.convertToReal (0.0f), 20.0f);

    auto bipolar = valueParameter (UnitKind::bipolar, "", -100.0f, 100.0f, 0.5f);
    EXPECT_FLOAT_EQ (bipolar.getRealValue(), 0.0f);

    auto duration = valueParameter (UnitKind::duration, "", 1.0f, 11.0f, 0.5f);
    EXPECT_FLOAT_EQ (duration.getRealValue(), 6.0f);

    auto seconds = valueParameter (UnitKind::seconds, "s", 0.03f, 1.0f, 1.0f);
    EXPECT_NEAR (seconds.getRealValue(), 1.0f, 1e-6f);
}

TEST (FloatParameter, ChoiceConstructorDefaultsAndIndexRule)
{
    AudioParameterFloatZudidud chord ("chord", "Chord", 0.0f, 1.0f, 1, { "a", "b", "c" }, 20);
    EXPECT_EQ (chord.unitKind, UnitKind::choice);
    EXPECT_FLOAT_EQ (chord.normalisedDefault, 1.0f / 19.0f);
    EXPECT_FLOAT_EQ (base (chord).getValue(), 1.0f / 19.0f);
    EXPECT_EQ (chord.unitLabel, juce::String());
    EXPECT_EQ (chord.getChoiceIndex(), 1);

    struct Case { int positions; float v; int expected; };
    const Case cases[] = { { 6, 0.5f, 3 }, { 20, 0.5f, 10 }, { 10, 1.0f, 9 }, { 10, 0.0f, 0 }, { 2, 0.49f, 0 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.positions);
        AudioParameterFloatZudidud p ("c", "C", 0.0f, 1.0f, 0, { "x", "y", "z", "w", "u", "v" }, c.positions);
        EXPECT_EQ (p.getChoiceIndexFor (c.v), c.expected);
    }

    AudioParameterFloatZudidud tenOfSix ("w", "W", 0.0f, 1.0f, 0, { "1", "2", "3", "4", "5", "6" }, 10);
    EXPECT_FLOAT_EQ (tenOfSix.normalisedDefault, 0.0f);
    EXPECT_EQ (tenOfSix.getChoiceIndexFor (1.0f), 9);

    // Not a choice kind, or fewer than two positions: always position 0.
    auto continuous = valueParameter (UnitKind::percent, "");
    EXPECT_EQ (continuous.getChoiceIndexFor (1.0f), 0);
    tenOfSix.numChoices = 1;
    EXPECT_EQ (tenOfSix.getChoiceIndexFor (1.0f), 0);
}

TEST (FloatParameter, HostTextComesFromFormatValue)
{
    auto p = valueParameter (UnitKind::percent, "%");
    EXPECT_EQ (base (p).getText (0.25f, 2), juce::String (p.formatValue (0.25f)));
    EXPECT_EQ (base (p).getText (2.0f, 100), juce::String (p.formatValue (1.0f)));
}
