#pragma once

#include "base/AudioParameterFloatZudidud.h"
#include "base/AudioProcessorZudidud.h"

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

    juce::AudioParameterFloatZudidud* volumeParam = nullptr;
    juce::AudioParameterFloatZudidud* cutoffParam = nullptr;
    juce::AudioParameterFloatZudidud* resonanceParam = nullptr;
    juce::AudioParameterFloatZudidud* decayParam = nullptr;
    juce::AudioParameterFloatZudidud* lengthParam = nullptr;
    juce::AudioParameterFloatZudidud* pulseWidthParam = nullptr;
    juce::AudioParameterFloatZudidud* waveformParam = nullptr;
    juce::AudioParameterFloatZudidud* chordParam = nullptr;
    juce::AudioParameterFloatZudidud* tuningParam = nullptr;

    std::vector<std::string> chordNames;
    std::vector<std::string> waveformNames;

private:
    static BusesProperties makeBuses();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VizevaAudioProcessor)
};
