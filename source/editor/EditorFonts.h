#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace vizeva
{

/** A plain font of the given height that names no typeface, so it resolves to the
    default sans-serif face; built with the height-only constructor, which uses the
    framework's legacy typeface metrics. Every font of the editor is made here. */
inline juce::Font makeFont (float height)
{
    return juce::Font (height, juce::Font::plain);
}

/** Names the face that every font naming no typeface resolves to, on the framework's
    default look-and-feel. Where no face of that name is installed, this framework
    version resolves such fonts to an empty face and draws no text at all (on Linux),
    so the platform's own default sans-serif face is set to stand in for it. Setting
    the same name again changes nothing. */
inline void setDefaultSansSerifFace (const juce::String& name)
{
    auto& fallback = juce::LookAndFeel::getDefaultLookAndFeel();
    fallback.setDefaultSansSerifTypefaceName (name);

    if (juce::Font::findAllTypefaceNames().contains (name))
        return;

    const auto unnamed = makeFont (12.0f);
    const auto platformFace = juce::Font::getDefaultTypefaceForFont (unnamed);
    const auto current = fallback.getTypefaceForFont (unnamed);
    if (platformFace != nullptr && (current == nullptr || current->getName() != platformFace->getName()))
        fallback.setDefaultSansSerifTypeface (platformFace);
}

} // namespace vizeva
