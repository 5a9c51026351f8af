#pragma once

#include <juce_core/juce_core.h>

namespace vizeva
{

/** The name of the user that runs the process, as the operating system gives it. */
juce::String currentUserName();

} // namespace vizeva
