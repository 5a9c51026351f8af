#include "synth/VizevaAudioProcessor.h"

#include "editor/VizevaAudioProcessorEditor.h"

#include <cmath>
#include <iterator>

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

namespace
{
// Host rates outside this range are not taken as the working rate.
bool isAcceptedRate (double rate)
{
    return rate > 999.0 && rate < 10000000001.0;
}

// MIDI storage reserved at preparation, so that ordinary blocks never allocate.
constexpr size_t reservedMidiBytes = 16384;

// A channel message shorter than its status needs, or with a data byte that has
// its top bit set, would make the synthesiser read bytes that are not there.
bool isMalformedChannelMessage (const juce::uint8* data, int numBytes)
{
    const int length = juce::MidiMessage::getMessageLengthFromFirstByte (data[0]);
    if (numBytes < length)
        return true;
    for (int i = 1; i < length; ++i)
        if (data[i] >= 0x80)
            return true;
    return false;
}
} // namespace

void VizevaAudioProcessor::prepareToPlay (double, int maximumExpectedSamplesPerBlock)
{
    oversamplingFactor = 8; // the next block builds the oversampler

    const double hostRate = getSampleRate();
    if (isAcceptedRate (hostRate))
        workingSampleRate = hostRate;

    const double synthRate = workingSampleRate * 8.0;
    const float synthRateSingle = (float) synthRate;
    synthParams.volumeSmoother.mode = 0;
    synthParams.volumeSmoother.step = 8.0f / synthRateSingle;
    synthParams.pulseWidthSmoother.mode = 0;
    synthParams.pulseWidthSmoother.step = 4.0f / synthRateSingle;
    synthParams.shapeSmoother.mode = 0;
    synthParams.shapeSmoother.step = 40.0f / synthRateSingle;

    prepareOutputFilter (getTotalNumInputChannels() > 0 ? getTotalNumInputChannels() : 2);
    synthSource.prepareToPlay (maximumExpectedSamplesPerBlock, synthRate);

    budgetMidi.ensureSize (reservedMidiBytes);
    synthSource.blockMidi.ensureSize (reservedMidiBytes);
}

void VizevaAudioProcessor::prepareOutputFilter (int numChannels)
{
    // A rate the working rate refuses would give the filter meaningless
    // coefficients; the working rate stands in for it.
    const double hostRate = getSampleRate();
    const double rate = isAcceptedRate (hostRate) ? hostRate : workingSampleRate;
    const int channels = juce::jmax (1, numChannels, outputFilterChannels);

    // Prepared again (state cleared) whenever the rate changes, so the corner stays at 20 Hz.
    if (outputFilterPrepared && rate == outputFilterRate && channels == outputFilterChannels)
        return;

    outputFilterPrepared = true;
    outputFilterRate = rate;
    outputFilterChannels = channels;
    outputFilter.setType (juce::dsp::LinkwitzRileyFilterType::highpass);
    outputFilter.prepare ({ rate, (juce::uint32) maxSliceLength(), (juce::uint32) channels });
    outputFilter.setCutoffFrequency (20.0);
}

// A host may hand a parameter any float, NaN included; the framework stores it
// unchecked. Every value is read once and limited to 0..1 (NaN to 0), so that a
// bad value can neither index past the chord table nor reach the filters.
static float readNormalised (const juce::AudioParameterFloatZudidud& parameter)
{
    const float v = parameter.get();
    return v >= 0.0f ? (v <= 1.0f ? v : 1.0f) : 0.0f;
}

void VizevaAudioProcessor::refillSynthParams()
{
    auto& params = synthParams;

    const float volume = readNormalised (*volumeParam);
    const float cutoff = readNormalised (*cutoffParam);
    const float resonance = readNormalised (*resonanceParam);
    const float decay = readNormalised (*decayParam);
    const float length = readNormalised (*lengthParam);
    const float pulseWidth = readNormalised (*pulseWidthParam);
    const float waveform = readNormalised (*waveformParam);
    const float chord = readNormalised (*chordParam);
    const float tuning = readNormalised (*tuningParam);

    params.volumeSmoother.target = std::pow (volume, 3.0f) * 1.41f;
    params.cutoffNorm = cutoff;
    params.resonanceQ = std::pow (resonance, 3.0f) * 9.5f + 0.5f;
    params.decaySeconds = decayParam->convertToReal (decay);
    params.decayNorm = decay;
    params.filterEnvAmount = 3.0f * std::sqrt (decay) - 2.5f * decay;
    params.lengthSeconds = lengthParam->convertToReal (length);
    params.pulseWidthSmoother.target = pulseWidth;
    params.shapeSmoother.target = std::exp (3.5f - 7.0f * pulseWidth);
    params.waveformIndex = waveformParam->getChoiceIndexFor (waveform);
    params.chordIndex = chordParam->getChoiceIndexFor (chord);
    params.tuningSemitones = tuning - 0.5f;
}

juce::MidiBuffer VizevaAudioProcessor::limitMidiVoices (juce::MidiBuffer midi, int limit)
{
    juce::MidiBuffer result;
    limitMidiVoices (midi, limit, result);
    return result;
}

void VizevaAudioProcessor::limitMidiVoices (const juce::MidiBuffer& midi, int limit, juce::MidiBuffer& result)
{
    // A voice counts as a held key only while its key is down and it still plays
    // a note: one whose note died away by itself would otherwise block every
    // later note-on of chord "Mono".
    int held = 0;
    for (int i = 0; i < synthSource.synth.getNumVoices(); ++i)
        if (auto* voice = synthSource.synth.getVoice (i))
            if (voice->isKeyDown() && voice->isVoiceActive())
                ++held;

    result.clear();
    int kept = 0;

    for (const auto metadata : midi)
    {
        const auto* data = metadata.data;
        const int numBytes = metadata.numBytes;
        if (numBytes <= 0)
            continue;

        const int status = data[0];
        if (status >= 0x80 && status < 0xf0 && isMalformedChannelMessage (data, numBytes))
            continue;

        const int kind = status >> 4;
        const bool noteOff = kind == 8 || (kind == 9 && data[2] == 0);
        const bool noteOn = kind == 9 && data[2] != 0;

        if (noteOn && held >= limit)
            continue;

        result.addEvent (data, numBytes, kept++);

        if (noteOff)
            held = juce::jmax (0, held - 1);
        else if (noteOn)
            ++held;
    }
}

void VizevaAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midiMessages)
{
    juce::ScopedNoDenormals noDenormals;

    const int numSamples = buffer.getNumSamples();
    const int numChannels = buffer.getNumChannels();

    for (int c = getTotalNumInputChannels(); c < juce::jmin (getTotalNumOutputChannels(), numChannels); ++c)
        buffer.clear (c, 0, numSamples);

    updateOversampling (numChannels);

    // Until the first preparation the factor is 1 and nothing is played; an
    // empty block has nothing to render either.
    const int firstSlice = juce::jmin (numSamples, maxSliceLength());
    const int oversampledLength = juce::jmin ((int) std::round ((float) oversamplingFactor * (float) firstSlice),
                                              maxOversampledSamples);
    if (oversampledLength == firstSlice || oversampler == nullptr || numChannels == 0)
        return;

    if (numChannels > outputFilterChannels)
        prepareOutputFilter (numChannels);

    refillSynthParams();

    // The budget runs once for the whole block; its events go to the first slice.
    const int limit = synthParams.chordIndex == 0 ? 1 : 8;
    limitMidiVoices (midiMessages, limit, budgetMidi);
    midiMessages.clear();
    midiMessages.addEvents (budgetMidi, 0, -1, 0);

    // Host blocks longer than the oversampler was prepared for are rendered in
    // consecutive slices.
    const int sliceLength = maxSliceLength();
    for (int start = 0; start < numSamples; start += sliceLength)
        renderSlice (buffer, start, juce::jmin (sliceLength, numSamples - start), start == 0);
}

void VizevaAudioProcessor::renderSlice (juce::AudioBuffer<float>& buffer, int start, int numSamples, bool withMidi)
{
    juce::dsp::AudioBlock<float> hostBlock (buffer);
    auto slice = hostBlock.getSubBlock ((size_t) start, (size_t) numSamples);
    auto up = oversampler->processSamplesUp (slice);

    auto& blockMidi = synthSource.blockMidi;
    blockMidi.clear();
    if (withMidi)
        blockMidi.addEvents (budgetMidi, 0, -1, 0);

    // A buffer over the upsampled data, no copy; the render clears it before the
    // voices add into it, so the upsampled input never reaches the output.
    float* channels[32] = {};
    const int numUpChannels = juce::jmin ((int) up.getNumChannels(), (int) std::size (channels));
    for (int c = 0; c < numUpChannels; ++c)
        channels[c] = up.getChannelPointer ((size_t) c);
    juce::AudioBuffer<float> render (channels, numUpChannels, (int) up.getNumSamples());
    synthSource.getNextAudioBlock (juce::AudioSourceChannelInfo (&render, 0, render.getNumSamples()));

    oversampler->processSamplesDown (slice);

    // The 20 Hz high-pass in double precision, one state per channel.
    for (int c = 0; c < buffer.getNumChannels(); ++c)
    {
        auto* x = buffer.getWritePointer (c, start);
        for (int i = 0; i < numSamples; ++i)
            x[i] = (float) outputFilter.processSample (c, (double) x[i]);
    }
}

void VizevaAudioProcessor::releaseResources()
{
    synthSource.releaseResources();
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
