#include "synth/VizevaAudioProcessor.h"

#include "editor/VizevaAudioProcessorEditor.h"

using juce::AudioParameterFloatZudidud;
namespace UnitKind = juce::UnitKind;

juce::AudioProcessor::BusesProperties VizevaAudioProcessor::makeBuses()
{
    return juce::AudioProcessor::BusesProperties().withOutput ("Output", juce::AudioChannelSet::stereo(), true);
}

VizevaAudioProcessor::VizevaAudioProcessor()
    : AudioProcessorZudidud (makeBuses())
{
    chordNames = { "Mono", "Poly", "Major4-7", "Minor3-7", "Minor4-8", "Major3-8", "Minor5-8", "Major5-9", "Min 5-10",
                   "Ma4-7-11", "Mi3-7-10", "Min3-7-9", "Fat Tolv", "Tolv 5th", "Kesto Ps1", "Kesto Ps2", "Quorblin" };
    waveformNames = { "Saw1", "Saw2", "Square", "Tri", "Sine1", "Sine2" };

    auto add = [this] (AudioParameterFloatZudidud*& member, AudioParameterFloatZudidud* parameter)
    {
        member = parameter;
        addParameter (parameter);
    };

    add (volumeParam, new AudioParameterFloatZudidud ("volume", "Volume", 0.0f, 1.0f, 0.5f, UnitKind::decibels18, "dB"));
    add (cutoffParam, new AudioParameterFloatZudidud ("cutoff", "Cutoff", 20.0f, 20000.0f, 0.3333f, UnitKind::frequency, "Hz"));
    add (resonanceParam, new AudioParameterFloatZudidud ("reso", "Resonance", 0.0f, 1.0f, 0.2f, UnitKind::percent, "%"));
    add (decayParam, new AudioParameterFloatZudidud ("decay", "Decay", 0.03f, 1.0f, 0.3333f, UnitKind::seconds, "s"));
    add (lengthParam, new AudioParameterFloatZudidud ("length", "Length", 0.03f, 5.0f, 1.0f, UnitKind::seconds, "s"));
    add (pulseWidthParam, new AudioParameterFloatZudidud ("pwidth", "Pulsewidth", 0.0f, 1.0f, 0.5f, UnitKind::percent, "%"));
    add (waveformParam, new AudioParameterFloatZudidud ("waveform", "Waveform", 0.0f, 1.0f, 0, waveformNames, 10));
    add (chordParam, new AudioParameterFloatZudidud ("chord", "Chord", 0.0f, 1.0f, 1, chordNames, 20));
    add (tuningParam, new AudioParameterFloatZudidud ("tuning", "Tuning", -100.0f, 100.0f, 0.5f, UnitKind::bipolar, "%"));

    parametersChanged = true;
}

VizevaAudioProcessor::~VizevaAudioProcessor() = default;

const juce::String VizevaAudioProcessor::getName() const { return "Vizeva"; }

void VizevaAudioProcessor::prepareToPlay (double, int) {}

void VizevaAudioProcessor::releaseResources() {}

void VizevaAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;
    buffer.clear();
}

double VizevaAudioProcessor::getTailLengthSeconds() const { return 0.0; }
bool VizevaAudioProcessor::acceptsMidi() const { return true; }
bool VizevaAudioProcessor::producesMidi() const { return false; }
bool VizevaAudioProcessor::isMidiEffect() const { return false; }
bool VizevaAudioProcessor::hasEditor() const { return true; }

juce::AudioProcessorEditor* VizevaAudioProcessor::createEditor()
{
    return new VizevaAudioProcessorEditor (*this);
}

bool VizevaAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto output = layouts.getMainOutputChannelSet();
    return output == juce::AudioChannelSet::mono() || output == juce::AudioChannelSet::stereo();
}

void VizevaAudioProcessor::periodicUpdate() {}

std::pair<float, float> VizevaAudioProcessor::processStereoSample (std::pair<float, float> sample)
{
    return sample;
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new VizevaAudioProcessor();
}
