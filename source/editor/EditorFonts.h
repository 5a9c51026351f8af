#pragma once

#include <juce_graphics/juce_graphics.h>

namespace vizeva
{

/** A plain font of the given height that names no typeface, so it resolves to the
    default sans-serif face; built with the height-only constructor, which uses the
    framework's legacy typeface metrics. Every font of the editor is made here. */
inline juce::Font makeFont (float height)
{
    return juce::Font (height, juce::Font::plain);
}

} // namespace vizeva
