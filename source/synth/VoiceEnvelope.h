#pragma once

/** A voice's envelope: rises by attackStep to its peak, then heads for its
    sustain, falling by decayMul per sample while the key is held and by
    releaseMul after release. Single precision throughout. */
struct VoiceEnvelope
{
    bool active = false;
    bool keyHeld = false;
    bool attackDone = false;
    float value = 0.0f;
    float peak = 0.0f;
    float sustain = 0.0f;
    float attackStep = 0.1f;
    float decayMul = 0.99f;
    float releaseMul = 0.99f;

    /** One step of the envelope; returns the new level. Once the level has
        fallen to 0.0001 the envelope counts as inactive, but it keeps stepping. */
    float advance() noexcept
    {
        const float target = attackDone ? sustain : peak;

        if (target > value)
        {
            value += attackStep;
            if (value >= target)
            {
                value = target;
                attackDone = true;
            }
        }
        else
        {
            value *= keyHeld ? decayMul : releaseMul;
            if (value <= 0.0001f)
                active = false;
        }
        return value;
    }
};
