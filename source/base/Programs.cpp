#include "base/AudioProcessorZudidud.h"

namespace juce
{

void AudioProcessorZudidud::ensureDefaultProgram()
{
    if (programs.empty())
        programs.emplace_back ("Default", "");
}

int AudioProcessorZudidud::getNumPrograms()
{
    ensureDefaultProgram();
    return jmax (1, (int) programs.size());
}

int AudioProcessorZudidud::getCurrentProgram()
{
    return currentProgram;
}

void AudioProcessorZudidud::setCurrentProgram (int index)
{
    currentProgram = index;

    if (parametersChanged.load (std::memory_order_relaxed) || getNumPrograms() <= 1
        || currentProgram == lastLoadedProgram)
        return;

    // An index outside the list loads nothing.
    if (! isPositiveAndBelow (currentProgram, (int) programs.size()))
        return;

    lastLoadedProgram = currentProgram;

    const String text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?> <settings "
                        + programs[(size_t) currentProgram].second + " />";
    const auto element = XmlDocument (text).getDocumentElement();

    // A program text that does not parse loads nothing.
    if (element == nullptr)
        return;

    copyXmlToBinary (*element, programStateBlock);
    setStateInformation (programStateBlock.getData(), (int) programStateBlock.getSize());
}

const String AudioProcessorZudidud::getProgramName (int index)
{
    ensureDefaultProgram();
    if (! isPositiveAndBelow (index, (int) programs.size()))
        return {};
    return programs[(size_t) index].first;
}

void AudioProcessorZudidud::changeProgramName (int, const String&)
{
    ensureDefaultProgram();
}

} // namespace juce
