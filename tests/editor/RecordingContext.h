#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace vizeva::test
{

/** A graphics context that draws nothing and records what reaches it: every filled
    path with its colour or gradient and its bounds, and every image drawn (which is how drop
    shadows arrive). */
class RecordingContext : public juce::LowLevelGraphicsContext
{
public:
    struct Call
    {
        enum Kind { path, image, rect, glyph } kind;
        juce::Colour colour;
        bool gradient = false;
        juce::Rectangle<float> bounds;
        juce::ColourGradient gradientFill; // the gradient in use, when gradient is set
    };

    std::vector<Call> calls;

    int count (Call::Kind kind) const
    {
        int n = 0;
        for (const auto& c : calls)
            n += c.kind == kind ? 1 : 0;
        return n;
    }

    bool isVectorDevice() const override { return false; }
    void setOrigin (juce::Point<int> o) override { transform = transform.translated (o); }
    void addTransform (const juce::AffineTransform& t) override { transform = t.followedBy (transform); }
    float getPhysicalPixelScaleFactor() override { return 1.0f; }
    bool clipToRectangle (const juce::Rectangle<int>&) override { return true; }
    bool clipToRectangleList (const juce::RectangleList<int>&) override { return true; }
    void excludeClipRectangle (const juce::Rectangle<int>&) override {}
    void clipToPath (const juce::Path&, const juce::AffineTransform&) override {}
    // A drop shadow arrives as a fill clipped to its blurred image.
    void clipToImageAlpha (const juce::Image& image, const juce::AffineTransform& t) override
    {
        record (Call::image, image.getBounds().toFloat().transformedBy (t));
        insideImageClip = true;
    }
    bool clipRegionIntersects (const juce::Rectangle<int>&) override { return true; }
    juce::Rectangle<int> getClipBounds() const override { return { 0, 0, 10000, 10000 }; }
    bool isClipEmpty() const override { return false; }
    void saveState() override { saved.push_back ({ transform, fill, insideImageClip }); }
    void restoreState() override
    {
        if (! saved.empty())
        {
            transform = saved.back().transform;
            fill = saved.back().fill;
            insideImageClip = saved.back().insideImageClip;
            saved.pop_back();
        }
    }
    void beginTransparencyLayer (float) override {}
    void endTransparencyLayer() override {}
    void setFill (const juce::FillType& f) override { fill = f; }
    void setOpacity (float) override {}
    void setInterpolationQuality (juce::Graphics::ResamplingQuality) override {}
    void fillRect (const juce::Rectangle<int>& r, bool) override { fillRect (r.toFloat()); }
    void fillRect (const juce::Rectangle<float>& r) override
    {
        if (! insideImageClip)
            record (Call::rect, r);
    }
    void fillRectList (const juce::RectangleList<float>& list) override
    {
        for (const auto& r : list)
            record (Call::rect, r);
    }
    void fillPath (const juce::Path& p, const juce::AffineTransform& t) override
    {
        record (Call::path, p.getBoundsTransformed (t));
    }
    void drawImage (const juce::Image& image, const juce::AffineTransform& t) override
    {
        record (Call::image, image.getBounds().toFloat().transformedBy (t));
    }
    void drawLine (const juce::Line<float>&) override {}
    void setFont (const juce::Font& f) override { font = f; }
    const juce::Font& getFont() override { return font; }
    /** A glyph is recorded at its origin on the baseline. */
    void drawGlyph (int, const juce::AffineTransform& t) override
    {
        record (Call::glyph, { t.getTranslationX(), t.getTranslationY(), 0.0f, 0.0f });
    }

private:
    void record (Call::Kind kind, juce::Rectangle<float> r)
    {
        juce::ColourGradient g;
        if (fill.isGradient())
        {
            g = *fill.gradient;
            const auto toDevice = fill.transform.followedBy (transform);
            g.point1 = g.point1.transformedBy (toDevice);
            g.point2 = g.point2.transformedBy (toDevice);
        }
        calls.push_back ({ kind, fill.colour, fill.isGradient(), r.transformedBy (transform), g });
    }

    struct State
    {
        juce::AffineTransform transform;
        juce::FillType fill;
        bool insideImageClip;
    };
    juce::AffineTransform transform;
    juce::FillType fill;
    juce::Font font;
    bool insideImageClip = false;
    std::vector<State> saved;
};

} // namespace vizeva::test
