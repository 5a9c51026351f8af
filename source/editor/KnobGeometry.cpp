#include "editor/KnobGeometry.h"

namespace vizeva
{

juce::AffineTransform KnobGeometry::placement (float shapeAngle) const
{
    return juce::AffineTransform::rotation (shapeAngle).translated ((float) centreX, (float) centreY);
}

KnobGeometry KnobGeometry::compute (int x, int y, int width, int height,
                                    float sliderPosProportional, float rotaryStartAngle, float rotaryEndAngle)
{
    KnobGeometry k;
    const double r = juce::jmin (0.4 * height, 0.4 * width);
    const double t = 0.04 * r;
    const double cx = 0.5 * width + x;
    const double cy = (0.5 * height + y) + 6.0;

    k.radius = r;
    k.thickness = t;
    k.centreX = cx;
    k.centreY = cy;
    k.angle = (rotaryEndAngle - rotaryStartAngle) * sliderPosProportional + rotaryStartAngle;
    k.tickLength = (float) (0.1 * r);

    auto rect = [] (double rx, double ry, double rw, double rh)
    {
        return juce::Rectangle<float> ((float) rx, (float) ry, (float) rw, (float) rh);
    };

    k.ring = rect (cx - 1.02 * r, cy - 1.02 * r, 2.04 * r, 2.04 * r);
    k.ringStrokeWidth = (float) (0.5 * t);
    k.ringShadowRadius = juce::jmax (1, (int) (0.5 * t));
    k.ringShadowOffset = { 0, -(int) t };

    k.bodyShadow = rect (cx - 0.8 * r, cy - 0.8 * r, 1.6 * r, 1.6 * r);
    k.bodyShadowRadius = juce::jmax (1, (int) t);
    k.bodyShadowOffset = { 0, (int) t };

    const double left = (cx - r) + 0.2 * r;
    const double top = (cy - r) + 0.2 * r;
    const double size = 2.0 * r - (0.2 * r + 0.2 * r);
    k.whiteRim = rect (left, top - 1.0, size, size);
    k.blackRim = rect (left, top + 1.0, size, size);
    k.body = rect (left, top, size, size);
    k.gradientFrom = { (float) cx, (float) (cy - 0.6 * r) };
    k.gradientTo = { (float) cx, (float) ((cy + r) + 0.1) };

    k.pointer = rect (-1.5 * t, 2.0 * t - (r - 0.2 * r), 3.0 * t, 0.4 * r);
    k.pointerShadowRadius = juce::jmax (1, (int) (0.5 * t));
    k.pointerShadowOffset = { 0, (int) t };
    return k;
}

float TickGeometry::stepFor (double minimum, double maximum, double interval)
{
    // A slider with an empty range and no interval gives NaN here: no comparison
    // holds, and the tick loop ends after its first tick.
    auto step = (float) (interval / (maximum - minimum));
    if (step < 0.019f || step > 0.79f)
        step = 0.1f;
    return step;
}

TickGeometry TickGeometry::compute (double minimum, double maximum, double interval, double radius,
                                    double thickness, double tickLength, bool withShadow)
{
    TickGeometry g;
    g.step = stepFor (minimum, maximum, interval);
    const float k = withShadow ? 0.707f : 0.4f;
    g.width = (float) ((double) k * thickness);
    // One long edge lies on the radial line; the tick sits on its anticlockwise side.
    g.tick = { -g.width, -(float) (radius - thickness), g.width, (float) tickLength };
    g.glowRadius = juce::jmax (1, (int) (thickness * (double) 0.1f));
    g.glowOffset = { 0, (int) (thickness * 0.25) };
    return g;
}

int TickGeometry::countPositions() const
{
    int n = 0;
    forEachPosition ([&n] (float) { ++n; });
    return n;
}

} // namespace vizeva
