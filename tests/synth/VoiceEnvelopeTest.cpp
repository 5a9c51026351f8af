#include "synth/VoiceEnvelope.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
VoiceEnvelope envelope (float value, float peak, float sustain, bool attackDone, bool keyHeld,
                        float attackStep, float decayMul, float releaseMul)
{
    VoiceEnvelope e;
    e.active = true;
    e.value = value;
    e.peak = peak;
    e.sustain = sustain;
    e.attackDone = attackDone;
    e.keyHeld = keyHeld;
    e.attackStep = attackStep;
    e.decayMul = decayMul;
    e.releaseMul = releaseMul;
    return e;
}
} // namespace

TEST (VoiceEnvelope, StepRule)
{
    struct Case
    {
        const char* name;
        VoiceEnvelope start;
        std::vector<float> levels; // after each step
        bool attackDoneAfter;
        bool activeAfter;
    };
    const Case cases[] = {
        { "attack rises by its step and lands on the peak",
          envelope (0.0f, 1.0f, 0.0f, false, true, 0.3f, 0.5f, 0.25f),
          { 0.3f, 0.6f, 0.90000004f, 1.0f }, true, true },
        { "after the attack a zero sustain decays by decayMul while the key is held",
          envelope (1.0f, 1.0f, 0.0f, true, true, 0.3f, 0.5f, 0.25f),
          { 0.5f, 0.25f, 0.125f }, true, true },
        { "after release it falls by releaseMul",
          envelope (1.0f, 0.0f, 0.0f, true, false, 0.3f, 0.5f, 0.25f),
          { 0.25f, 0.0625f }, true, true },
        { "a non-zero sustain holds: alternates between sustain and sustain x decayMul",
          envelope (0.5f, 1.0f, 0.5f, true, true, 0.2f, 0.9f, 0.25f),
          { 0.45f, 0.5f, 0.45f, 0.5f }, true, true },
        { "release during the attack falls at once from where it is",
          envelope (0.4f, 0.0f, 0.0f, false, false, 0.3f, 0.9f, 0.5f),
          { 0.2f, 0.1f }, false, true },
        { "falling to 0.0001 clears active, and the level keeps falling",
          envelope (0.0002f, 0.0f, 0.0f, true, false, 0.3f, 0.9f, 0.5f),
          { 0.0001f, 0.00005f }, true, false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto e = c.start;
        for (size_t i = 0; i < c.levels.size(); ++i)
            EXPECT_FLOAT_EQ (e.advance(), c.levels[i]) << "step " << i;
        EXPECT_EQ (e.attackDone, c.attackDoneAfter);
        EXPECT_EQ (e.active, c.activeAfter);
    }
}

TEST (VoiceEnvelope, AttackDoneOnlyWhenTargetReached)
{
    auto e = envelope (0.0f, 1.0f, 0.0f, false, true, 0.25f, 0.5f, 0.5f);
    for (int i = 0; i < 3; ++i)
    {
        e.advance();
        EXPECT_FALSE (e.attackDone);
    }
    EXPECT_EQ (e.advance(), 1.0f);
    EXPECT_TRUE (e.attackDone);
    EXPECT_EQ (e.advance(), 0.5f); // target is now the zero sustain
}
