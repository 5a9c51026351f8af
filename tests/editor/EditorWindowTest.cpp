#include "editor/EditorTestSupport.h"
#include "editor/VizevaAudioProcessorEditor.h"
#include "synth/VizevaAudioProcessor.h"

#include <gtest/gtest.h>

#include <memory>

using juce::AudioParameterFloatZudidud;
using vizeva::test::ListenerCount;
using vizeva::test::mouseEventOn;
using vizeva::test::valueBoxText;

namespace
{
class EditorWindow : public ::testing::Test
{
protected:
    AudioParameterFloatZudidud& parameter (int i) { return *parameters[i]; }
    ParameterSlider& knob (int i) { return editor->sliders[(size_t) i]; }
    // The framework's value, through the parameter's host-facing interface.
    static float valueOf (juce::AudioProcessorParameter& p) { return p.getValue(); }
    static void hostSets (juce::AudioProcessorParameter& p, float v) { p.setValue (v); }

    VizevaAudioProcessor processor;
    std::unique_ptr<VizevaAudioProcessorEditor> editor { new VizevaAudioProcessorEditor (processor) };
    AudioParameterFloatZudidud* const parameters[9] = {
        processor.volumeParam, processor.cutoffParam, processor.resonanceParam,
        processor.decayParam,  processor.lengthParam, processor.pulseWidthParam,
        processor.waveformParam, processor.chordParam, processor.tuningParam
    };
};
} // namespace

TEST_F (EditorWindow, IsAFixed358By474Window)
{
    EXPECT_EQ (editor->getWidth(), 358);
    EXPECT_EQ (editor->getHeight(), 474);
    EXPECT_FALSE (editor->isResizable());
    EXPECT_EQ (&editor->getLookAndFeel(), &knob (0).getLookAndFeel());
    EXPECT_NE (dynamic_cast<ZudidudLookAndFeel*> (&editor->getLookAndFeel()), nullptr);

    std::unique_ptr<juce::AudioProcessorEditor> created (processor.createEditor());
    ASSERT_NE (dynamic_cast<VizevaAudioProcessorEditor*> (created.get()), nullptr);
    EXPECT_EQ (created->getWidth(), 358);
    EXPECT_EQ (created->getHeight(), 474);
}

TEST_F (EditorWindow, NineKnobsInAGridEachBoundToItsParameter)
{
    struct Row { const char* name; int x, y; };
    const Row rows[] = { { "Volume", 12, 52 },    { "Cutoff", 124, 52 },    { "Resonance", 236, 52 },
                         { "Decay", 12, 202 },    { "Length", 124, 202 },   { "Pulsewidth", 236, 202 },
                         { "Waveform", 12, 352 }, { "Chord", 124, 352 },    { "Tuning", 236, 352 } };
    for (int i = 0; i < 9; ++i)
    {
        SCOPED_TRACE (rows[i].name);
        EXPECT_EQ (knob (i).getBounds(), juce::Rectangle<int> (rows[i].x, rows[i].y, 110, 110));
        EXPECT_EQ (knob (i).getParentComponent(), editor.get());
        EXPECT_TRUE (knob (i).isVisible());
        EXPECT_EQ (knob (i).boundParameter, &parameter (i));
        EXPECT_EQ (knob (i).nameLabel.getText(), juce::String (rows[i].name));
        EXPECT_TRUE (knob (i).hasNameLabel);
    }
}

TEST_F (EditorWindow, KnobsStandAtZeroUntilTheFirstTickThenShowTheParameters)
{
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ (knob (i).getValue(), 0.0) << i;

    editor->timerCallback();

    for (int i = 0; i < 9; ++i)
    {
        SCOPED_TRACE (parameter (i).getName (40));
        EXPECT_NEAR (knob (i).getValue(), parameter (i).normalisedDefault, 1e-7);
        EXPECT_EQ (valueBoxText (knob (i)), juce::String (parameter (i).formatValue ((float) knob (i).getValue())));
    }
}

// Needs the real value texts; while they are a placeholder the test is skipped.
TEST_F (EditorWindow, ValueBoxesReadTheDefaultsTexts)
{
    if (parameter (0).formatValue (0.5f) == "0.500")
        GTEST_SKIP() << "value texts not in place yet";

    editor->timerCallback();
    const char* texts[] = { "+0.0 dB", "200 Hz", "20 %", "0.10 s", "5.0 s", "50 %", "Saw1", "Poly", "  0 %" };
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ (valueBoxText (knob (i)), juce::String (texts[i])) << parameter (i).getName (40);
}

namespace
{
// Stands in for the window's buffered image, which the framework invalidates on every
// repaint: all of it for a whole-window repaint, only the knob's area when a knob repaints.
// The editor owns it and may still repaint while it is deleted, after the test body, so
// the count is shared rather than a reference to the test's stack.
struct WholeRepaintCounter : juce::CachedComponentImage
{
    explicit WholeRepaintCounter (std::shared_ptr<int> counter) : count (std::move (counter)) {}
    void paint (juce::Graphics&) override {}
    bool invalidateAll() override { ++*count; return true; }
    bool invalidate (const juce::Rectangle<int>&) override { return true; }
    void releaseResources() override {}
    std::shared_ptr<int> count;
};
} // namespace

TEST_F (EditorWindow, WholeWindowRepaintsOnTheFirstTickAndEvery2048th)
{
    auto counter = std::make_shared<int> (0);
    editor->setVisible (true);
    editor->setCachedComponentImage (new WholeRepaintCounter (counter));
    int& wholeRepaints = *counter;
    wholeRepaints = 0;

    struct Case { int tick; int repaintsSoFar; };
    const Case cases[] = { { 1, 1 }, { 2, 1 }, { 3, 1 }, { 2048, 1 }, { 2049, 2 }, { 2050, 2 } };
    int tick = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.tick);
        while (tick < c.tick)
        {
            editor->timerCallback();
            ++tick;
        }
        EXPECT_EQ (wholeRepaints, c.repaintsSoFar);
    }
}

TEST_F (EditorWindow, HostChangeShowsAfterOneTickWithoutBeingWrittenBack)
{
    editor->timerCallback();
    ListenerCount heard;
    parameter (1).addListener (&heard);

    hostSets (parameter (1), 0.75f);
    EXPECT_NEAR (knob (1).getValue(), 0.3333, 1e-6);
    editor->timerCallback();

    EXPECT_NEAR (knob (1).getValue(), 0.75, 1e-7);
    EXPECT_EQ (valueBoxText (knob (1)), juce::String (parameter (1).formatValue (0.75f)));
    EXPECT_EQ (heard.values, 0);
    EXPECT_EQ (valueOf (parameter (1)), 0.75f);
    parameter (1).removeListener (&heard);
}

TEST_F (EditorWindow, ChoiceValueAboveTheLastNameShowsClampedAndStaysInTheParameter)
{
    struct Case { int index; float hostValue; double shown; const char* lastName; };
    const Case cases[] = { { 6, 1.0f, 5.0 / 9.0, "Sine2" }, { 7, 18.0f / 19.0f, 16.0 / 19.0, "Quorblin" } };
    const bool realTexts = parameter (0).formatValue (0.5f) != "0.500";

    for (const auto& c : cases)
    {
        SCOPED_TRACE (parameter (c.index).getName (40));
        ListenerCount heard;
        parameter (c.index).addListener (&heard);
        hostSets (parameter (c.index), c.hostValue);
        editor->timerCallback();

        EXPECT_NEAR (knob (c.index).getValue(), c.shown, 1e-12);
        EXPECT_EQ (valueBoxText (knob (c.index)), juce::String (parameter (c.index).formatValue ((float) c.shown)));
        if (realTexts)
        {
            EXPECT_EQ (valueBoxText (knob (c.index)), juce::String (c.lastName));
        }
        EXPECT_EQ (valueOf (parameter (c.index)), c.hostValue);
        EXPECT_EQ (heard.values, 0);

        // A second tick does not write it back either.
        editor->timerCallback();
        EXPECT_EQ (valueOf (parameter (c.index)), c.hostValue);
        parameter (c.index).removeListener (&heard);
    }
}

TEST_F (EditorWindow, TickCopiesNothingWhileTheFlagIsLowered)
{
    editor->timerCallback();
    processor.parametersChanged = false;
    hostSets (parameter (2), 0.9f);
    editor->timerCallback();
    EXPECT_NEAR (knob (2).getValue(), 0.2, 1e-7);
    EXPECT_FALSE (processor.parametersChanged);

    processor.parametersChanged = true;
    editor->timerCallback();
    EXPECT_NEAR (knob (2).getValue(), 0.9, 1e-7);
}

TEST_F (EditorWindow, KnobMovementWritesTheParameterAndRaisesTheFlag)
{
    editor->timerCallback();
    struct Case { int index; double moveTo; float written; };
    const Case cases[] = { { 0, 0.25, 0.25f }, { 6, 0.3, 3.0f / 9.0f }, { 7, 0.99, 16.0f / 19.0f } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (parameter (c.index).getName (40));
        ListenerCount heard;
        parameter (c.index).addListener (&heard);
        processor.parametersChanged = false;

        knob (c.index).setValue (c.moveTo, juce::sendNotificationSync);

        EXPECT_FLOAT_EQ (valueOf (parameter (c.index)), c.written);
        EXPECT_EQ (heard.values, 1);
        EXPECT_EQ (heard.gestures, 0);
        EXPECT_TRUE (processor.parametersChanged);
        parameter (c.index).removeListener (&heard);
    }
}

TEST_F (EditorWindow, NullOrUnboundSliderWritesNothingButRaisesTheFlag)
{
    processor.parametersChanged = false;
    editor->sliderValueChanged (nullptr);
    EXPECT_TRUE (processor.parametersChanged);

    ParameterSlider unbound;
    unbound.setValue (0.7, juce::dontSendNotification);
    processor.parametersChanged = false;
    editor->sliderValueChanged (&unbound);
    EXPECT_TRUE (processor.parametersChanged);
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR (valueOf (parameter (i)), parameter (i).normalisedDefault, 1e-7);
}

TEST_F (EditorWindow, DoubleClickAndCtrlClickWriteTheDefault)
{
    const juce::Point<float> centre (55.0f, 45.0f);
    struct Case { const char* what; bool ctrlClick; };
    const Case cases[] = { { "double-click", false }, { "ctrl+click", true } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        hostSets (parameter (7), 0.5f);
        editor->timerCallback();
        ASSERT_NEAR (knob (7).getValue(), 10.0 / 19.0, 1e-12);
        processor.parametersChanged = false;

        if (c.ctrlClick)
        {
            const juce::ModifierKeys mods (juce::ModifierKeys::ctrlModifier | juce::ModifierKeys::leftButtonModifier);
            knob (7).mouseDown (mouseEventOn (knob (7), centre, mods, centre));
            knob (7).mouseUp (mouseEventOn (knob (7), centre, juce::ModifierKeys::ctrlModifier, centre));
        }
        else
        {
            knob (7).mouseDoubleClick (mouseEventOn (knob (7), centre, juce::ModifierKeys::leftButtonModifier, centre, 2));
        }

        EXPECT_FLOAT_EQ (valueOf (parameter (7)), 1.0f / 19.0f);
        EXPECT_TRUE (processor.parametersChanged);
    }
}

TEST_F (EditorWindow, VerticalDragWritesEachStepWithoutGestures)
{
    struct Case { const char* what; juce::ModifierKeys held; float afterHalfDrag; };
    const Case cases[] = { { "plain", juce::ModifierKeys(), 0.5f },
                           { "alt held at mouse-down", juce::ModifierKeys (juce::ModifierKeys::altModifier), 0.05f },
                           // Ctrl, Alt or Command never switch to velocity dragging.
                           { "ctrl held", juce::ModifierKeys (juce::ModifierKeys::ctrlModifier), 0.5f } };
    const auto saved = juce::ModifierKeys::currentModifiers;

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        hostSets (parameter (0), 0.0f);
        editor->timerCallback();
        ListenerCount heard;
        parameter (0).addListener (&heard);

        const juce::Point<float> down (55.0f, 60.0f);
        const auto button = c.held.withFlags (juce::ModifierKeys::leftButtonModifier);
        juce::ModifierKeys::currentModifiers = button;
        auto& k = knob (0);
        // Ctrl is the reset modifier of a single click, so drag with ctrl only after the press.
        k.mouseDown (mouseEventOn (k, down, c.held.isCtrlDown() ? juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier) : button, down));
        for (int step = 1; step <= 5; ++step)
            k.mouseDrag (mouseEventOn (k, down.translated (0.0f, -25.0f * (float) step), button, down));
        k.mouseUp (mouseEventOn (k, down.translated (0.0f, -125.0f), c.held, down));
        juce::ModifierKeys::currentModifiers = saved;

        EXPECT_NEAR (valueOf (parameter (0)), c.afterHalfDrag, 1e-6);
        EXPECT_EQ (heard.values, 5);
        EXPECT_EQ (heard.gestures, 0);
        parameter (0).removeListener (&heard);
    }
}

TEST_F (EditorWindow, ClosingTheEditorUnregistersItsKnobs)
{
    editor.reset();
    // With a knob's listener still registered this would reach freed memory.
    for (int i = 0; i < 9; ++i)
        parameter (i).setValueNotifyingHost (0.4f);
    SUCCEED();
}
