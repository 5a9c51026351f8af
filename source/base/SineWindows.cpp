// The MinGW build links sin with -Wl,--wrap=sin, so every call from the plug-in
// lands here. Arguments of moderate size (an LFO phase that grows over a long
// note) are reduced by pi/2 here and handed to the C library as small ones: Wine's
// msvcrt switches the SSE rounding mode around its own reduction, which costs far
// more than the sine itself. Accuracy stays that of the library, within an ulp.

#include <juce_core/juce_core.h>

#if JUCE_WINDOWS && defined(__MINGW32__)

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" double __real_sin (double);

namespace
{
// pi/2 in three parts of 33 bits and their tails (the classic Cody-Waite split).
constexpr double invPio2 = 6.36619772367581382433e-01;
constexpr double pio2_1 = 1.57079632673412561417e+00;
constexpr double pio2_1t = 6.07710050650619224932e-11;
constexpr double pio2_2 = 6.07710050630396597660e-11;
constexpr double pio2_2t = 2.02226624879595063154e-21;
constexpr double pio2_3 = 2.02226624871116645580e-21;
constexpr double pio2_3t = 8.47842766036889956997e-32;
constexpr double toInteger = 6755399441055744.0; // 1.5 * 2^52: adding it rounds to an integer

// The reduction is exact to double-double precision below this.
constexpr double largestReduced = 1.0e6;
// Below this the library's own reduction is cheap.
constexpr double smallestReduced = 7.0;

int exponentOf (double x) noexcept
{
    std::uint64_t bits;
    std::memcpy (&bits, &x, sizeof (bits));
    return (int) ((bits >> 52) & 0x7ff);
}

// x = n * pi/2 + y0 + y1 with |y0| <= about pi/4 and |y1| below half an ulp of y0.
int reduce (double x, double& y0, double& y1) noexcept
{
    const double fn = (x * invPio2 + toInteger) - toInteger;
    const int n = (int) fn;
    double r = x - fn * pio2_1;
    double w = fn * pio2_1t;
    y0 = r - w;

    const int ex = exponentOf (x);
    if (ex - exponentOf (y0) > 16)
    {
        // Cancellation: take the next 33 bits of pi/2.
        double t = r;
        w = fn * pio2_2;
        r = t - w;
        w = fn * pio2_2t - ((t - r) - w);
        y0 = r - w;
        if (ex - exponentOf (y0) > 49)
        {
            t = r;
            w = fn * pio2_3;
            r = t - w;
            w = fn * pio2_3t - ((t - r) - w);
            y0 = r - w;
        }
    }
    y1 = (r - y0) - w;
    return n;
}
} // namespace

extern "C" double __wrap_sin (double x)
{
    const double magnitude = std::fabs (x);
    if (! (magnitude > smallestReduced && magnitude < largestReduced))
        return __real_sin (x); // small, huge, infinite or not a number

    double y0, y1;
    const int n = reduce (x, y0, y1);
    const double y0Squared = y0 * y0;

    // sin (y0 + y1) = sin y0 + y1 cos y0 and cos (y0 + y1) = cos y0 - y1 sin y0;
    // y1 is below half an ulp, so short series are ample for the correction terms.
    switch (n & 3)
    {
        case 0:  return __real_sin (y0) + y1 * (1.0 - 0.5 * y0Squared);
        case 1:  return std::cos (y0) - y1 * y0 * (1.0 - y0Squared / 6.0);
        case 2:  return -(__real_sin (y0) + y1 * (1.0 - 0.5 * y0Squared));
        default: return -(std::cos (y0) - y1 * y0 * (1.0 - y0Squared / 6.0));
    }
}

#endif
