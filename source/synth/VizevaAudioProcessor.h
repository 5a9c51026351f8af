#pragma once

#include "base/AudioParameterFloatZudidud.h"
#include "base/AudioProcessorZudidud.h"
#include "synth/SynthAudioSource.h"
#include "synth/SynthParams.h"

#include <string>
#include <vector>

/** The instrument's processor: buses, the nine parameters and everything that
    makes the sound. */
class VizevaAudioProcessor : public juce::AudioProcessorZudidud
{
public:
    VizevaAudioProcessor();
    ~VizevaAudioProcessor() override;

    const juce::String getName() const override;
    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midiMessages) override;
    using juce::AudioProcessorZudidud::processBlock;
    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    bool isMidiEffect() const override;
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;
    void periodicUpdate() override;
    std::pair<float, float> processStereoSample (std::pair<float, float> sample) override;

    /** Drops every note-on that would raise the number of held keys above limit
        and moves the events that pass to positions 0, 1, 2, ... in order. */
    juce::MidiBuffer limitMidiVoices (juce::MidiBuffer midi, int limit);
    /** The same, writing into result (cleared first) without allocating while
        its storage suffices: the form the block callback uses. */
    void limitMidiVoices (const juce::MidiBuffer& midi, int limit, juce::MidiBuffer& result);
    /** Prepares the 20 Hz output high-pass for numChannels at the processor's
        rate; again (state cleared) only when that rate changes. */
    void prepareOutputFilter (int numChannels);

    juce::AudioParameterFloatZudidud* volumeParam = nullptr;
    juce::AudioParameterFloatZudidud* cutoffParam = nullptr;
    juce::AudioParameterFloatZudidud* resonanceParam = nullptr;
    juce::AudioParameterFloatZudidud* decayParam = nullptr;
    juce::AudioParameterFloatZudidud* lengthParam = nullptr;
    juce::AudioParameterFloatZudidud* pulseWidthParam = nullptr;
    juce::AudioParameterFloatZudidud* waveformParam = nullptr;
    juce::AudioParameterFloatZudidud* chordParam = nullptr;
    juce::AudioParameterFloatZudidud* tuningParam = nullptr;

    juce::MidiKeyboardState keyboardState;
    // Receives the address of synthParams, declared later; it only stores it.
    juce::SynthAudioSource synthSource { keyboardState, &synthParams };

    std::vector<std::string> chordNames;
    std::vector<std::string> waveformNames;

    SynthParams synthParams;
    bool outputFilterPrepared = false;
    juce::dsp::LinkwitzRileyFilter<double> outputFilter;
    /** Rate and channel count the output filter was last prepared for. */
    double outputFilterRate = 0.0;
    int outputFilterChannels = 0;

private:
    static BusesProperties makeBuses();
    void refillSynthParams();
    void renderSlice (juce::AudioBuffer<float>& buffer, int start, int numSamples, bool withMidi);

    /** The events that passed the voice budget, kept between blocks so that
        filtering a block's MIDI does not allocate. */
    juce::MidiBuffer budgetMidi;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VizevaAudioProcessor)
};
