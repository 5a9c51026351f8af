#include "editor/VizevaAudioProcessorEditor.h"
#include "synth/VizevaAudioProcessor.h"

#include <gtest/gtest.h>

namespace
{
juce::File artefactDirectory()
{
    const auto fromEnvironment = juce::SystemStats::getEnvironmentVariable ("VIZEVA_ARTEFACTS", {});
    if (fromEnvironment.isNotEmpty())
        return juce::File (fromEnvironment);
   #ifdef VIZEVA_ARTEFACTS_DIR
    return juce::File (VIZEVA_ARTEFACTS_DIR);
   #else
    return juce::File::getCurrentWorkingDirectory().getChildFile ("artefacts");
   #endif
}

int countPixels (const juce::Image& image, juce::Rectangle<int> area, std::function<bool (juce::Colour)> matches)
{
    int n = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            n += matches (image.getPixelAt (x, y)) ? 1 : 0;
    return n;
}
} // namespace

TEST (EditorScreenshot, RendersTheWholeWindowIntoAPng)
{
    VizevaAudioProcessor processor;
    VizevaAudioProcessorEditor editor (processor);
    editor.timerCallback();

    const auto image = editor.createComponentSnapshot (editor.getLocalBounds());
    ASSERT_EQ (image.getWidth(), 358);
    ASSERT_EQ (image.getHeight(), 474);

    const auto file = artefactDirectory().getChildFile ("editor.png");
    ASSERT_TRUE (file.getParentDirectory().createDirectory());
    file.deleteFile();
    {
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk()) << file.getFullPathName();
        juce::PNGImageFormat png;
        ASSERT_TRUE (png.writeImageToStream (image, out));
    }
    std::cout << "editor screenshot: " << file.getFullPathName() << std::endl;

    // The window background between the knobs.
    EXPECT_EQ (image.getPixelAt (5, 200), juce::Colour (0xff323e44));

    // White title on the left of the band, grey lines on its right.
    const auto white = [] (juce::Colour c) { return c.getRed() > 0xe0 && c.getGreen() > 0xe0 && c.getBlue() > 0xe0; };
    // Small grey text blends with the background (red 0x32) at its edges.
    const auto grey = [] (juce::Colour c) { return c.getRed() > 0x60 && c.getRed() < 0xa0; };
    EXPECT_GT (countPixels (image, { 20, 0, 120, 40 }, white), 50);
    EXPECT_GT (countPixels (image, { 200, 5, 158, 30 }, grey), 30);

    for (int i = 0; i < 9; ++i)
    {
        SCOPED_TRACE (i);
        const auto knob = editor.sliders[(size_t) i].getBounds();
        // A white name in the knob's top strip, grey value text in its box.
        EXPECT_GT (countPixels (image, knob.withHeight (16), white), 10);
        EXPECT_GT (countPixels (image, { knob.getX() + 5, knob.getY() + 90, 100, 20 },
                               grey), 10);
        // The opaque grey body at the knob's centre (6 px below the rotary area's middle).
        const auto body = image.getPixelAt (knob.getX() + 55, knob.getY() + 51 + 15);
        EXPECT_GT (body.getRed(), 0x60);
        EXPECT_EQ (body.getRed(), body.getBlue());
    }
}
