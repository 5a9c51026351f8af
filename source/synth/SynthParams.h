#pragma once

#include <cstdint>

/** A value that follows its target by one step per sample. Mode 3 is a
    second-order follower; every other mode is a linear ramp that lands on the
    target exactly. All arithmetic is single precision. */
struct ParameterSmoother
{
    int32_t mode = 0;
    float target = 0.0f;
    float current = 0.0f;
    float step = 0.0001f;
    float k1 = 0.0f;
    float k2 = 0.0f;

    /** One step towards the target; returns the new current value. */
    float advance() noexcept
    {
        if (mode == 3)
        {
            // velocity += k1 * (target - current - k2 * velocity), in this order
            step = (target - (step * k2 + current)) * k1 + step;
            current = current + step;
        }
        else if (target > current)
        {
            current = current + step;
            if (current > target)
                current = target;
        }
        else if (current > target)
        {
            current = current - step;
            if (current < target)
                current = target;
        }
        // Equal, or either one NaN: no move.
        return current;
    }

    void snapToTarget() noexcept { current = target; }
};

/** The synthesis settings the processor fills once per block and every voice
    reads; the three smoothers are shared by all voices. */
struct SynthParams
{
    ParameterSmoother volumeSmoother;
    float decaySeconds = 0.0f;
    float resonanceQ = 0.0f;
    float cutoffNorm = 0.0f;
    float lengthSeconds = 0.0f;
    float filterEnvAmount = 0.0f;
    float decayNorm = 0.0f;
    int32_t chordIndex = 0;
    int32_t waveformIndex = 0;
    ParameterSmoother pulseWidthSmoother;
    ParameterSmoother shapeSmoother;
    float tuningSemitones = 0.0f;
};
