#include "editor/EditorTestSupport.h"
#include "editor/ParameterSlider.h"
#include "editor/ZudidudLookAndFeel.h"
#include "synth/VizevaAudioProcessor.h"

#include <gtest/gtest.h>

using juce::AudioParameterFloatZudidud;
using vizeva::test::valueBoxOf;
using vizeva::test::valueBoxText;

namespace
{
// A knob bound to one of the processor's parameters and sized as in the editor.
struct BoundKnob
{
    explicit BoundKnob (AudioParameterFloatZudidud& p)
        : parameter (p)
    {
        knob.attachToParameter (p);
        knob.showNameLabel();
        knob.setLookAndFeel (&lookAndFeel);
        knob.setBounds (0, 0, 110, 110);
    }
    ~BoundKnob() { knob.setLookAndFeel (nullptr); }

    ZudidudLookAndFeel lookAndFeel;
    AudioParameterFloatZudidud& parameter;
    ParameterSlider knob;
};
} // namespace

TEST (ParameterSlider, RangeRuleForTheProcessorsParameters)
{
    VizevaAudioProcessor processor;
    struct Case { AudioParameterFloatZudidud* parameter; double maximum; double interval; };
    const Case cases[] = {
        { processor.volumeParam, 1.0, 0.0 },
        { processor.cutoffParam, 1.0, 0.0 },
        { processor.tuningParam, 1.0, 0.0 },
        { processor.waveformParam, 5.0 / 9.0, 0.11111111111111112 },
        { processor.chordParam, 16.0 / 19.0, 0.05263157894736842 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.parameter->getName (40));
        BoundKnob bound (*c.parameter);
        EXPECT_EQ (bound.knob.getMinimum(), 0.0);
        EXPECT_DOUBLE_EQ (bound.knob.getMaximum(), c.maximum);
        EXPECT_DOUBLE_EQ (bound.knob.getInterval(), c.interval);
    }
}

TEST (ParameterSlider, ChoiceWithoutTwoNamesOrPositionsGetsTheWholeContinuousRange)
{
    struct Case { std::vector<std::string> names; int positions; };
    const Case cases[] = { { {}, 10 }, { { "Only" }, 10 }, { { "a", "b", "c" }, 1 }, { { "a", "b", "c" }, 0 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String ((int) c.names.size()) + " names, " + juce::String (c.positions) + " positions");
        AudioParameterFloatZudidud parameter ("p", "P", 0.0f, 1.0f, 0, c.names, 10);
        parameter.numChoices = c.positions;
        const auto range = ParameterSlider::rangeFor (parameter);
        EXPECT_EQ (range.maximum, 1.0);
        EXPECT_EQ (range.interval, 0.0);

        ParameterSlider knob;
        knob.attachToParameter (parameter);
        EXPECT_EQ (knob.getMaximum(), 1.0);
        EXPECT_EQ (knob.getInterval(), 0.0);
    }
}

TEST (ParameterSlider, ValueParameterWithPositionsStepsThroughThem)
{
    AudioParameterFloatZudidud parameter ("p", "P", 0.0f, 1.0f, 0.5f, juce::UnitKind::percent, "%");
    parameter.numChoices = 5;
    const auto range = ParameterSlider::rangeFor (parameter);
    EXPECT_EQ (range.maximum, 1.0);
    EXPECT_EQ (range.interval, 0.25);
}

TEST (ParameterSlider, SnapsAndClampsToItsStops)
{
    VizevaAudioProcessor processor;
    struct Case { AudioParameterFloatZudidud* parameter; double in; double shown; };
    const Case cases[] = {
        { processor.volumeParam, 0.3337, 0.3337 },             // continuous: unsnapped
        { processor.waveformParam, 0.3, 3.0 / 9.0 },
        { processor.waveformParam, 1.0, 5.0 / 9.0 },           // the last named position
        { processor.chordParam, 0.5, 10.0 / 19.0 },
        { processor.chordParam, 0.95, 16.0 / 19.0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.parameter->getName (40) + " " + juce::String (c.in));
        BoundKnob bound (*c.parameter);
        bound.knob.setValue (c.in, juce::dontSendNotification);
        EXPECT_NEAR (bound.knob.getValue(), c.shown, 1e-12);
        EXPECT_EQ (valueBoxText (bound.knob),
                   juce::String (c.parameter->formatValue ((float) bound.knob.getValue())));
    }
}

TEST (ParameterSlider, NameLabelAndValueBoxLayout)
{
    VizevaAudioProcessor processor;
    BoundKnob bound (*processor.cutoffParam);
    auto& knob = bound.knob;

    EXPECT_EQ (knob.getSliderStyle(), juce::Slider::RotaryVerticalDrag);
    EXPECT_EQ (knob.nameLabel.getText(), juce::String ("Cutoff"));
    EXPECT_EQ (knob.nameLabel.getFont().getHeight(), 16.0f);
    EXPECT_EQ (knob.nameLabel.findColour (juce::Label::textColourId), juce::Colour (0xffffffff));
    EXPECT_EQ (knob.nameLabel.getJustificationType(), juce::Justification (juce::Justification::centred));
    EXPECT_EQ (knob.nameLabel.getParentComponent(), &knob);
    EXPECT_EQ (knob.nameLabel.getBounds(), juce::Rectangle<int> (-10, -4, 130, 20));

    auto* box = valueBoxOf (knob);
    ASSERT_NE (box, nullptr);
    EXPECT_EQ (box->getBounds(), juce::Rectangle<int> (5, 90, 100, 20));
    EXPECT_FALSE (knob.isTextBoxEditable());
    EXPECT_EQ (knob.getTextBoxPosition(), juce::Slider::TextBoxBelow);
    EXPECT_EQ (knob.findColour (juce::Slider::textBoxTextColourId), juce::Colour (0xff909090));
    EXPECT_EQ (knob.findColour (juce::Slider::textBoxOutlineColourId), juce::Colour (0x00000000));
    EXPECT_EQ (box->findColour (juce::Label::textColourId), juce::Colour (0xff909090));
}

TEST (ParameterSlider, UnboundKnobShowsNoNameAndRemovesNoListener)
{
    ParameterSlider knob;
    knob.showNameLabel();
    EXPECT_FALSE (knob.hasNameLabel);
    EXPECT_EQ (knob.nameLabel.getParentComponent(), nullptr);
    EXPECT_EQ (knob.getSliderStyle(), juce::Slider::RotaryVerticalDrag);
}

TEST (ParameterSlider, DragIsLinearAndDoubleClickReturnsToTheDefault)
{
    VizevaAudioProcessor processor;
    BoundKnob bound (*processor.chordParam);
    auto& knob = bound.knob;

    EXPECT_FALSE (knob.getVelocityBasedMode());
    EXPECT_FALSE (knob.getVelocityModeIsSwappable());
    EXPECT_TRUE (knob.isDoubleClickReturnEnabled());
    EXPECT_EQ (knob.getDoubleClickReturnValue(), (double) (1.0f / 19.0f));
    EXPECT_TRUE (knob.isScrollWheelEnabled());
    const auto angles = knob.getRotaryParameters();
    EXPECT_FLOAT_EQ (angles.startAngleRadians, juce::MathConstants<float>::pi * 1.2f);
    EXPECT_FLOAT_EQ (angles.endAngleRadians, juce::MathConstants<float>::pi * 2.8f);
    EXPECT_TRUE (angles.stopAtEnd);
}

TEST (ParameterSlider, AltAtDragStartMakesTheDragTenTimesFiner)
{
    VizevaAudioProcessor processor;
    BoundKnob bound (*processor.volumeParam);
    auto& knob = bound.knob;
    const auto saved = juce::ModifierKeys::currentModifiers;

    struct Case { juce::ModifierKeys mods; int distance; };
    const Case cases[] = { { juce::ModifierKeys (juce::ModifierKeys::altModifier), 2500 },
                           { juce::ModifierKeys(), 250 },
                           { juce::ModifierKeys (juce::ModifierKeys::ctrlModifier), 250 },
                           { juce::ModifierKeys (juce::ModifierKeys::altModifier | juce::ModifierKeys::shiftModifier), 2500 } };
    for (const auto& c : cases)
    {
        juce::ModifierKeys::currentModifiers = c.mods;
        knob.onDragStart();
        EXPECT_EQ (knob.getMouseDragSensitivity(), c.distance);
    }
    juce::ModifierKeys::currentModifiers = saved;
}

TEST (ParameterSlider, ValueBoxShowsTheParameterTextBeforeAnyCopy)
{
    VizevaAudioProcessor processor;
    BoundKnob bound (*processor.tuningParam);
    EXPECT_EQ (bound.knob.getValue(), 0.0);
    EXPECT_EQ (valueBoxText (bound.knob), juce::String (processor.tuningParam->formatValue (0.0f)));
}
