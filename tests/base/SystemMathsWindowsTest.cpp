#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

#if JUCE_WINDOWS && defined(__MINGW32__)

#include "base/WindowsApi.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

namespace
{
// Distance in units in the last place between two finite numbers of one sign.
template <typename Float, typename Bits>
Bits ulpDistance (Float a, Float b)
{
    Bits ia, ib;
    std::memcpy (&ia, &a, sizeof (a));
    std::memcpy (&ib, &b, sizeof (b));
    if ((ia ^ ib) >> (8 * sizeof (Bits) - 1))
        return a == b ? 0 : std::numeric_limits<Bits>::max();
    return ia > ib ? ia - ib : ib - ia;
}

template <typename Function>
Function crtFunction (const char* name)
{
    return reinterpret_cast<Function> (reinterpret_cast<void*> (GetProcAddress (GetModuleHandleW (L"msvcrt.dll"), name)));
}
} // namespace

// The plug-in's double sine reduces moderate arguments itself before calling
// the C library; it must agree with the library's own full computation.
TEST (SystemMaths, SineAgreesWithTheCrtWithinOneUlp)
{
    const auto crtSin = crtFunction<double (*) (double)> ("sin");
    ASSERT_NE (crtSin, nullptr);

    std::mt19937_64 random (279);
    std::uniform_real_distribution<double> moderate (-2.0e6, 2.0e6);
    std::uniform_real_distribution<double> lfo (0.0, 2000.0);
    std::vector<double> arguments { 0.0, -0.0, 1.0e-300, 0.5, 3.0, 6.99, 7.0, 7.0000001, 100.0 * 3.141592653589793,
                                    1.5707963267948966 * 1001.0, 355.0, 103993.0, 999999.0, 1.0e6, 1.0e7, 1.0e300 };
    for (int i = 0; i < 100000; ++i)
    {
        arguments.push_back (moderate (random));
        arguments.push_back (lfo (random));
    }

    std::uint64_t worst = 0;
    for (const double x : arguments)
    {
        const volatile double argument = x; // keep the compiler from folding the call
        const double ours = std::sin (argument);
        const double reference = crtSin (x);
        const auto distance = ulpDistance<double, std::uint64_t> (ours, reference);
        worst = std::max (worst, distance);
        if (distance > 1)
            ADD_FAILURE() << "sin(" << x << ") = " << ours << ", the C library gives " << reference;
    }
    EXPECT_LE (worst, 1u);

    EXPECT_TRUE (std::isnan (std::sin (std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE (std::isnan (std::sin (std::numeric_limits<double>::infinity())));
}

// The single-precision functions the engine calls per sample, against the
// double-precision result rounded to float.
TEST (SystemMaths, FloatFunctionsAreWithinOneUlp)
{
    struct Case
    {
        const char* name;
        float (*function) (float);
        double (*reference) (double);
        float low, high;
    };
    const Case cases[] = {
        { "sinf", [] (float x) { return std::sin (x); }, [] (double x) { return std::sin (x); }, -7.0f, 7.0f },
        { "cosf", [] (float x) { return std::cos (x); }, [] (double x) { return std::cos (x); }, -13.0f, 13.0f },
        { "expf", [] (float x) { return std::exp (x); }, [] (double x) { return std::exp (x); }, -20.0f, 12.0f },
        { "atanf", [] (float x) { return std::atan (x); }, [] (double x) { return std::atan (x); }, -100.0f, 100.0f },
        { "tanf", [] (float x) { return std::tan (x); }, [] (double x) { return std::tan (x); }, -1.5f, 1.5f },
        { "powf 2^x", [] (float x) { return std::pow (2.0f, x); }, [] (double x) { return std::pow (2.0, x); }, -10.0f, 10.0f },
    };

    std::mt19937 random (12);
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        std::uniform_real_distribution<float> range (c.low, c.high);
        std::uint32_t worst = 0;
        for (int i = 0; i < 20000; ++i)
        {
            const volatile float x = range (random);
            const float ours = c.function (x);
            const auto reference = (float) c.reference ((double) x);
            worst = std::max (worst, ulpDistance<float, std::uint32_t> (ours, reference));
        }
        EXPECT_LE (worst, 1u);
    }
}

#endif
