#pragma once

#include <cmath>
#include <cstdint>

namespace vizeva
{

/** 2 pi rounded to single precision, then widened: the wave shapes divide the
    phase by this, not by the exact double value. */
constexpr double shapeCycle = 6.2831854820251465;
constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;

/** Position within the cycle, 0..1, of an oscillator phase in radians. */
inline float cyclePosition (double phase) noexcept
{
    const float cycles = (float) (phase / shapeCycle);
    return cycles - std::floor (cycles);
}

/** One oscillator sample of the wave shape selected by waveformIndex.
    pw is the modulated pulse width, w = pw - 0.5, shape the modulated
    shape amount. The phase reaches the shapes only through single-precision
    conversions; every other step is single precision unless noted. */
inline float waveShape (int32_t waveformIndex, double phase, float pw, float w, float shape) noexcept
{
    switch (waveformIndex)
    {
        case 0: // Saw1: a ramp, or above shape 1 a steepening clipped sine
        {
            const float f = cyclePosition (phase);
            if (shape > 1.0f)
            {
                const float e = shape - 1.0f;
                float a = (float) ((double) (f - 0.5f) * pi) * e;
                if (a < -1.5707964f) a = -1.5707964f;
                if (a > 1.5707964f) a = 1.5707964f;
                return std::sin (a) / (e < 1.0f ? e : 1.0f) * 0.667f;
            }
            // 0.6666667 + 0.3333333 is exactly 1 in single precision, so shape 1 is 2f - 1.
            const float d = shape * 0.6666667f + 0.3333333f;
            const float q = f / d;
            return 2.0f * (q - std::floor (q)) - 1.0f;
        }
        case 1: // Saw2
        {
            const float f = cyclePosition (phase);
            float r = (f - pw) * 8.01f;
            if (r < -0.5f) r = -0.5f;
            if (r > 0.5f) r = 0.5f;
            const float twoW = w + w;
            const float square = twoW * twoW;
            return r * (3.0f * (square * square) + 1.0f);
        }
        case 2: // Square: levels -0.4 and 0.6, not centred
            return pw > cyclePosition (phase) ? -0.4f : 0.6f;
        case 3: // Tri: 0 to 1.5, not centred
        {
            float t = 3.0f * cyclePosition (phase);
            if (t > 3.0f * pw)
                t = 6.0f * pw - t;
            if (t < 0.0f) t = 0.0f;
            if (t > 1.5f) t = 1.5f;
            return t;
        }
        case 4: // Sine1: phase-modulated by its own sine
        {
            const float b = (float) ((double) (std::sin ((float) phase) * w * 6.2831855f) + phase);
            return std::sin (b);
        }
        case 5: // Sine2: phase-modulated by the cosine of twice the phase
        {
            const float b = (float) ((double) (std::cos ((float) (2.0 * phase)) * w * 6.2831855f) + phase);
            return std::sin (b);
        }
        default: // unnamed positions: a soft-clipped sine peaking near 1.5608
        {
            const float c = std::sin ((float) phase) * 10.0f;
            return std::atan (c * std::abs (c));
        }
    }
}

/** Advances an oscillator phase and keeps it within one cycle, so the shapes
    keep their full resolution however long a voice plays. */
inline double advancePhase (double phase, double increment) noexcept
{
    phase += increment;
    if (phase >= twoPi)
    {
        phase -= twoPi;
        // Only an increment above a whole cycle (very high notes at very low rates) needs more.
        if (phase >= twoPi)
            phase = std::fmod (phase, twoPi);
    }
    return phase;
}

} // namespace vizeva
