// libFuzzer target: a restore from arbitrary bytes followed by a save. Besides the
// sanitizer's checks it stops on a save that is not a well-formed block, on a
// parameter outside 0..1 and on a saved block that does not restore to itself.
//
// The first input byte picks the form: odd hands the rest over as the whole block;
// even wraps the rest as the XML text in a correct frame, so that the fuzzer spends
// its time in the XML reader rather than on the frame.

#include "synth/VizevaAudioProcessor.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

void check (bool condition)
{
    if (! condition)
        std::abort();
}

std::vector<uint8_t> framed (const uint8_t* text, size_t size)
{
    std::vector<uint8_t> block { 'V', 'C', '2', '!' };
    const auto length = (uint32_t) size;
    for (int shift = 0; shift < 32; shift += 8)
        block.push_back ((uint8_t) (length >> shift));
    block.insert (block.end(), text, text + size);
    block.push_back (0);
    return block;
}

void checkSavedBlock (const juce::MemoryBlock& block)
{
    const auto* bytes = static_cast<const uint8_t*> (block.getData());
    check (block.getSize() > 9);
    check (std::memcmp (bytes, "VC2!", 4) == 0);
    const uint32_t length = (uint32_t) bytes[4] | ((uint32_t) bytes[5] << 8) | ((uint32_t) bytes[6] << 16)
                            | ((uint32_t) bytes[7] << 24);
    check (length == block.getSize() - 9);
    check (bytes[block.getSize() - 1] == 0);
    check (std::memchr (bytes + 8, 0, length) == nullptr);
    check (juce::CharPointer_UTF8::isValidString (reinterpret_cast<const char*> (bytes + 8), (int) length));
}

} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    static juce::ScopedJuceInitialiser_GUI juce;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size == 0 || size > (size_t) 1 << 20)
        return 0;

    // A copy of exactly the block's size, so that any read past it is caught.
    std::vector<uint8_t> block = (data[0] & 1) != 0 ? std::vector<uint8_t> (data + 1, data + size)
                                                     : framed (data + 1, size - 1);

    VizevaAudioProcessor processor;
    processor.parametersChanged = false;
    processor.setStateInformation (block.empty() ? nullptr : block.data(), (int) block.size());
    check (processor.parametersChanged.load());

    std::vector<float> restored;
    for (auto* parameter : processor.getParameters())
    {
        const float v = parameter->getValue();
        check (v >= 0.0f && v <= 1.0f);
        restored.push_back (v);
    }

    juce::MemoryBlock saved;
    processor.getStateInformation (saved);
    checkSavedBlock (saved);

    // Four decimals come back within half a step, plus one float step of the value.
    VizevaAudioProcessor again;
    again.setStateInformation (saved.getData(), (int) saved.getSize());
    for (int i = 0; i < 9; ++i)
        check (std::abs (again.getParameters()[i]->getValue() - restored[(size_t) i]) <= 0.00005f + 1.2e-7f);

    return 0;
}
