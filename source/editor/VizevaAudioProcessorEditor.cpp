#include "editor/VizevaAudioProcessorEditor.h"

#include "editor/EditorFonts.h"
#include "synth/VizevaAudioProcessor.h"

namespace
{
juce::AudioParameterFloatZudidud& parameterAt (VizevaAudioProcessor& p, int index)
{
    juce::AudioParameterFloatZudidud* const parameters[] = {
        p.volumeParam,   p.cutoffParam, p.resonanceParam,
        p.decayParam,    p.lengthParam, p.pulseWidthParam,
        p.waveformParam, p.chordParam,  p.tuningParam
    };
    return *parameters[index];
}
} // namespace

VizevaAudioProcessorEditor::VizevaAudioProcessorEditor (VizevaAudioProcessor& p)
    : juce::AudioProcessorEditor (p),
      processorRef (p)
{
    // No knob value is set here: the knobs show the parameters from the first tick on.
    for (int i = 0; i < numKnobs; ++i)
    {
        auto& knob = sliders[(size_t) i];
        knob.attachToParameter (parameterAt (processorRef, i));
        knob.addListener (this);
        knob.showNameLabel();
        addAndMakeVisible (knob);
    }

    setLookAndFeel (&editorLookAndFeel);
    setSize ((numColumns - 1) * gapX + numColumns * knobSize + 2 * marginX,
             (numRows - 1) * gapY + numRows * knobSize + 2 * marginY + headerHeight);
    startTimer (timerIntervalMs);
}

VizevaAudioProcessorEditor::~VizevaAudioProcessorEditor()
{
    stopTimer();
    // No component may refer to the look-and-feel member when it goes.
    if (&getLookAndFeel() == &editorLookAndFeel)
        setLookAndFeel (nullptr);
}

void VizevaAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId));

    const int width = getWidth();
    g.setColour (juce::Colour (0xffffffff));
    g.setFont (vizeva::makeFont (25.0f));
    g.drawFittedText ("Vizeva", 20, 0, width - 40, headerHeight, juce::Justification::centredLeft, 1, 0.0f);

    const juce::Rectangle<int> textArea (20, 7, width - 40, headerHeight - 14);
    g.setColour (juce::Colour (0xff808080));
    g.setFont (vizeva::makeFont (10.5f));
    const auto version = "v" + juce::String (majorVersion) + "." + juce::String (juce::AudioProcessorZudidud::buildNumber)
                       + " by Zudidud";
    g.drawFittedText (version, textArea, juce::Justification::topRight, 1, 0.0f);
    g.drawFittedText ("Based on Ostrander Hollin for Vosk", textArea, juce::Justification::bottomRight, 1, 0.0f);
}

void VizevaAudioProcessorEditor::resized()
{
    for (int i = 0; i < numKnobs; ++i)
    {
        const int column = i % numColumns;
        const int row = i / numColumns;
        sliders[(size_t) i].setBounds (column * (knobSize + gapX) + marginX,
                                       row * (knobSize + gapY) + marginY + headerHeight, knobSize, knobSize);
    }
}

void VizevaAudioProcessorEditor::sliderValueChanged (juce::Slider* slider)
{
    if (auto* knob = dynamic_cast<ParameterSlider*> (slider); knob != nullptr && knob->boundParameter != nullptr)
    {
        // The two halves of setValueNotifyingHost, without gesture brackets.
        juce::AudioProcessorParameter& parameter = *knob->boundParameter;
        const auto v = (float) knob->getValue();
        parameter.setValue (v);
        parameter.sendValueChangedMessageToListeners (v);
    }
    processorRef.parametersChanged = true;
}

void VizevaAudioProcessorEditor::timerCallback()
{
    updateSlidersFromParameters();

    // A full repaint on the first tick and every 2048th after it.
    timerTicks = (timerTicks + 1) % 2048;
    if (timerTicks == 1)
        repaint();
}

void VizevaAudioProcessorEditor::updateSlidersFromParameters()
{
    // Nothing here lowers the flag: only the base class's own block callback does.
    if (! processorRef.parametersChanged)
        return;

    for (int i = 0; i < numKnobs; ++i)
    {
        const juce::AudioProcessorParameter& parameter = parameterAt (processorRef, i);
        sliders[(size_t) i].setValue ((double) parameter.getValue(), juce::dontSendNotification);
    }
}
