#include "editor/RecordingContext.h"
#include "editor/ZudidudLookAndFeel.h"

#include <gtest/gtest.h>

TEST (ZudidudLookAndFeel, LabelsDrawAtFourFifthsOfTheBaseHeightKeepingTheirStyle)
{
    ZudidudLookAndFeel lookAndFeel;
    for (float ownHeight : { 16.0f, 9.0f, 30.0f })
    {
        SCOPED_TRACE (ownHeight);
        juce::Label label;
        label.setFont (juce::Font (ownHeight, juce::Font::bold));
        const auto font = lookAndFeel.getLabelFont (label);
        EXPECT_EQ (font.getHeight(), 18.0f * 0.8f);
        EXPECT_EQ (font.getHeight(), 14.400001f);
        EXPECT_TRUE (font.isBold());
    }
}

TEST (ZudidudLookAndFeel, TextButtonFontIsEighteenWhateverTheHeight)
{
    ZudidudLookAndFeel lookAndFeel;
    juce::TextButton button;
    for (int height : { 10, 30, 100 })
    {
        const auto font = lookAndFeel.getTextButtonFont (button, height);
        EXPECT_EQ (font.getHeight(), 18.0f);
        EXPECT_EQ (font.getTypefaceName(), juce::Font::getDefaultSansSerifFontName());
    }
}

TEST (ZudidudLookAndFeel, KeepsTheDarkSchemeAndSetsTheValueBoxColour)
{
    ZudidudLookAndFeel lookAndFeel;
    EXPECT_EQ (lookAndFeel.findColour (juce::Slider::textBoxTextColourId), juce::Colour (0xffa0a0a0));
    EXPECT_EQ (lookAndFeel.findColour (juce::ResizableWindow::backgroundColourId), juce::Colour (0xff323e44));
}

TEST (ZudidudLookAndFeel, NamesTheDefaultSansSerifFaceOnTheFrameworkDefault)
{
    const ZudidudLookAndFeel first;
    // Fonts that name no typeface resolve through the framework's default look-and-feel.
    auto& fallback = juce::LookAndFeel::getDefaultLookAndFeel();
    EXPECT_NE (&fallback, static_cast<const juce::LookAndFeel*> (&first));
    const auto resolved = fallback.getTypefaceForFont (juce::Font (12.0f));
    ASSERT_NE (resolved, nullptr);

    // Whichever face stands for it, it draws text.
    EXPECT_GT (resolved->getStringWidth ("Vizeva"), 0.0f);
    if (juce::Font::findAllTypefaceNames().contains (ZudidudLookAndFeel::defaultSansSerifName))
    {
        EXPECT_EQ (resolved->getName(), juce::String (ZudidudLookAndFeel::defaultSansSerifName));
    }

    // The name is set: naming it again is no change, so the resolved face stays.
    fallback.setDefaultSansSerifTypefaceName (ZudidudLookAndFeel::defaultSansSerifName);
    EXPECT_EQ (fallback.getTypefaceForFont (juce::Font (12.0f)), resolved);

    // A second instance leaves the default face unchanged.
    const ZudidudLookAndFeel second;
    EXPECT_EQ (fallback.getTypefaceForFont (juce::Font (12.0f)), resolved);
}

namespace
{
juce::Image drawButton (int w, int h, bool down)
{
    ZudidudLookAndFeel lookAndFeel;
    juce::TextButton button;
    button.setSize (w, h);
    juce::Image image (juce::Image::ARGB, juce::jmax (1, w), juce::jmax (1, h), true);
    juce::Graphics g (image);
    lookAndFeel.drawButtonBackground (g, button, juce::Colours::red, false, down);
    return image;
}

bool isEmpty (const juce::Image& image)
{
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt (x, y).getAlpha() != 0)
                return false;
    return true;
}
} // namespace

TEST (ZudidudLookAndFeel, FlatButtonFaceWithBlackEdgeRightAndBelow)
{
    const juce::Colour face (0xff505050), edge (0xff000000);
    struct Case { bool down; int x, y; juce::Colour expected; };
    const Case cases[] = {
        { false, 0, 0, face },   { false, 97, 27, face }, { false, 99, 29, edge }, { false, 99, 5, edge },
        { false, 5, 29, edge },  { false, 99, 1, {} },    { false, 1, 29, {} },
        { true, 0, 0, {} },      { true, 1, 1, face },    { true, 98, 28, face },  { true, 99, 29, edge },
    };
    const auto up = drawButton (100, 30, false);
    const auto pressed = drawButton (100, 30, true);
    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.down ? "down " : "up ") + juce::String (c.x) + "," + juce::String (c.y));
        EXPECT_EQ ((c.down ? pressed : up).getPixelAt (c.x, c.y).getARGB(), c.expected.getARGB());
    }
}

TEST (ZudidudLookAndFeel, TinyButtonsGetNoBackground)
{
    for (auto [w, h] : { std::pair (2, 30), std::pair (30, 2), std::pair (1, 1) })
    {
        SCOPED_TRACE (juce::String (w) + "x" + juce::String (h));
        EXPECT_TRUE (isEmpty (drawButton (w, h, false)));
    }
}

TEST (ZudidudLookAndFeel, ButtonTextColourAndPlace)
{
    using vizeva::test::RecordingContext;
    struct Drawn { juce::Colour colour; juce::Point<float> firstGlyph; int glyphs; };
    auto draw = [] (bool enabled, bool down)
    {
        ZudidudLookAndFeel lookAndFeel;
        juce::TextButton button ("OK");
        button.setSize (100, 30);
        button.setEnabled (enabled);
        RecordingContext context;
        juce::Graphics g (context);
        lookAndFeel.drawButtonText (g, button, false, down);
        const auto glyphs = context.count (RecordingContext::Call::glyph);
        if (glyphs == 0)
            return Drawn { {}, {}, 0 };
        return Drawn { context.calls.front().colour, context.calls.front().bounds.getPosition(), glyphs };
    };

    const auto up = draw (true, false);
    ASSERT_EQ (up.glyphs, 2) << "no glyphs drawn: no usable font";
    const auto down = draw (true, true);
    const auto disabled = draw (false, false);

    EXPECT_EQ (up.colour, juce::Colour (0xffa0a0a0));
    EXPECT_EQ (disabled.colour, juce::Colour (0xffffffff));

    // Centred in (10, 5, 82, 18); drawn as down, the same text moves to (12, 7, 82, 18).
    EXPECT_GT (up.firstGlyph.x, 10.0f + 20.0f);
    EXPECT_LT (up.firstGlyph.x, 10.0f + 41.0f);
    EXPECT_GT (up.firstGlyph.y, 5.0f);
    EXPECT_LT (up.firstGlyph.y, 5.0f + 18.0f);
    EXPECT_FLOAT_EQ (down.firstGlyph.x - up.firstGlyph.x, 2.0f);
    EXPECT_FLOAT_EQ (down.firstGlyph.y - up.firstGlyph.y, 2.0f);
}
