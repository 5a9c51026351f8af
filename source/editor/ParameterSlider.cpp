#include "editor/ParameterSlider.h"

#include "editor/EditorFonts.h"

ParameterSlider::ParameterSlider()
    : nameLabel ({}, {})
{
    setSliderStyle (juce::Slider::RotaryVerticalDrag);
}

ParameterSlider::~ParameterSlider()
{
    if (boundParameter != nullptr)
        boundParameter->removeListener (&valueChangeListener);
}

ParameterSlider::Range ParameterSlider::rangeFor (const juce::AudioParameterFloatZudidud& parameter)
{
    Range range;

    if (parameter.unitKind == juce::UnitKind::choice)
    {
        const auto names = (double) parameter.choiceNames.size();
        const auto positions = (double) parameter.numChoices;

        // Fewer than two names or positions leave nothing to step between: such a
        // knob gets the whole range, continuous.
        if (names >= 2.0 && positions >= 2.0)
        {
            range.maximum = (names - 1.0) / (positions - 1.0);
            range.interval = range.maximum / (names - 1.0);
        }
    }
    else if (parameter.numChoices > 1)
    {
        range.interval = 1.0 / (parameter.numChoices - 1.0);
    }
    return range;
}

void ParameterSlider::attachToParameter (juce::AudioParameterFloatZudidud& parameter)
{
    boundParameter = &parameter;
    setSliderStyle (juce::Slider::RotaryVerticalDrag);

    textFromValueFunction = [this] (double v)
    {
        const auto text = boundParameter->formatValue ((float) v);
        return juce::String::fromUTF8 (text.data(), (int) text.size());
    };

    const auto range = rangeFor (parameter);
    setRange (0.0, range.maximum, range.interval);

    setTextBoxStyle (juce::Slider::TextBoxBelow, true, 100, 20);
    setColour (juce::Slider::textBoxOutlineColourId, juce::Colour (0x00000000));
    setColour (juce::Slider::textBoxTextColourId, juce::Colour (0xff909090));

    // Every drag is linear, whatever keys are held.
    setVelocityModeParameters (1.0, 1, 0.0, false, juce::ModifierKeys::ctrlAltCommandModifiers);
    setVelocityBasedMode (false);

    // Alt held when a drag starts makes the whole of that drag ten times finer.
    onDragStart = [this]
    {
        setMouseDragSensitivity (juce::ModifierKeys::currentModifiers.isAltDown() ? fineDragDistance : dragDistance);
    };

    setDoubleClickReturnValue (true, (double) parameter.normalisedDefault, juce::ModifierKeys::ctrlModifier);
    parameter.addListener (&valueChangeListener);
}

void ParameterSlider::showNameLabel()
{
    if (boundParameter == nullptr)
        return;

    hasNameLabel = true;
    nameLabel.setText (boundParameter->getName (40), juce::dontSendNotification);
    nameLabel.setFont (vizeva::makeFont (16.0f));
    nameLabel.setColour (juce::Label::textColourId, juce::Colour (0xffffffff));
    nameLabel.setJustificationType (juce::Justification::centred);
    addAndMakeVisible (nameLabel);
}

void ParameterSlider::resized()
{
    juce::Slider::resized();

    // Reaches past the knob on both sides and above it; the knob clips it, so the
    // name shows centred over the knob in its top 16 px.
    if (hasNameLabel)
        nameLabel.setBounds (-10, -4, getWidth() + 20, 20);
}
