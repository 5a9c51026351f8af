#include "synth/ProcessorFixture.h"

#include <string>
#include <vector>

using vizeva::test::PreparedProcessor;

namespace
{
struct Event
{
    std::vector<juce::uint8> bytes;
    int position;
};

Event on (int note, int position = 0, int channel = 1)
{
    return { { (juce::uint8) (0x90 + channel - 1), (juce::uint8) note, 100 }, position };
}
Event off (int note, int position = 0) { return { { 0x80, (juce::uint8) note, 0 }, position }; }
Event onVelocityZero (int note, int position = 0) { return { { 0x90, (juce::uint8) note, 0 }, position }; }
Event modWheel (int position) { return { { 0xb0, 1, 64 }, position }; }

juce::MidiBuffer toBuffer (const std::vector<Event>& events)
{
    juce::MidiBuffer midi;
    for (const auto& e : events)
        midi.addEvent (e.bytes.data(), (int) e.bytes.size(), e.position);
    return midi;
}

class VoiceBudget : public PreparedProcessor
{
protected:
    /** Starts these keys (chord "Poly") and leaves them down. */
    void holdKeys (const std::vector<int>& notes)
    {
        set (p.chordParam, 1.0f / 19.0f);
        juce::MidiBuffer midi;
        for (size_t i = 0; i < notes.size(); ++i)
            midi.addEvent (juce::MidiMessage::noteOn (1, notes[i], (juce::uint8) 100), (int) i);
        block (midi, 64);
    }
};
} // namespace

TEST_F (VoiceBudget, KeepsOrDropsNoteOnsAndPacksPositions)
{
    struct Case
    {
        const char* name;
        int limit;
        std::vector<int> held;
        std::vector<Event> events;
        std::vector<size_t> kept; // indices into events, in order
    };
    const std::vector<int> eight { 60, 61, 62, 63, 64, 65, 66, 67 };
    const Case cases[] = {
        { "empty block", 1, {}, {}, {} },
        { "Mono: second note-on of a block dropped", 1, {}, { on (60, 5), on (62, 9) }, { 0 } },
        { "Mono: every note-on dropped while a key is held", 1, { 50 }, { on (60), on (62, 3) }, {} },
        { "Mono: note-off of the held key lets the next note-on pass", 1, { 50 }, { off (50, 4), on (62, 8) }, { 0, 1 } },
        { "note-off of a dropped note lowers the count", 1, {}, { on (60), on (62, 1), off (62, 2), on (64, 3) }, { 0, 2, 3 } },
        { "velocity-0 note-on counts as note-off", 1, { 50 }, { onVelocityZero (50), on (62, 1) }, { 0, 1 } },
        { "held never below 0", 1, {}, { off (1), off (2, 1), off (3, 2), on (60, 3), on (61, 4) }, { 0, 1, 2, 3 } },
        { "keys on all channels count together", 1, {}, { on (60, 0, 1), on (60, 1, 2) }, { 0 } },
        { "eight held: ninth dropped, one released then passes", 8, eight, { on (70), off (60, 1), on (71, 2) }, { 1, 2 } },
        { "other events pass and positions become 0, 1, 2", 8, {}, { modWheel (10), on (60, 100), off (60, 300) }, { 0, 1, 2 } },
        { "malformed note message dropped", 8, {}, { { { 0x90, 60 }, 0 }, { { 0x90, 0xbc, 100 }, 1 }, on (60, 2) }, { 2 } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        // Release everything from the previous case, then hold this case's keys.
        p.synthSource.synth.allNotesOff (0, false);
        juce::MidiBuffer releaseAll;
        for (int n = 0; n < 128; ++n)
            releaseAll.addEvent (juce::MidiMessage::noteOff (1, n), 0);
        block (releaseAll, 16);
        holdKeys (c.held);

        const auto result = p.limitMidiVoices (toBuffer (c.events), c.limit);
        ASSERT_EQ ((size_t) result.getNumEvents(), c.kept.size());
        int position = 0;
        auto kept = c.kept.begin();
        for (const auto metadata : result)
        {
            const auto& expected = c.events[*kept++];
            EXPECT_EQ (metadata.samplePosition, position++);
            EXPECT_EQ (std::vector<juce::uint8> (metadata.data, metadata.data + metadata.numBytes), expected.bytes);
        }
    }
}

TEST_F (VoiceBudget, MonoHeldNoteKeepsSoundingUnchanged)
{
    set (p.chordParam, 0.0f);
    auto first = vizeva::test::notesOn ({ 60 });
    block (first, 512);
    auto* voice = dynamic_cast<juce::SineWaveVoice*> (p.synthSource.synth.getVoice (0));
    ASSERT_NE (voice, nullptr);
    const float level = voice->ampEnvelope.value;

    auto second = vizeva::test::notesOn ({ 64, 67 });
    block (second, 512);
    EXPECT_TRUE (second.isEmpty());
    EXPECT_EQ (activeVoices(), 1);
    EXPECT_EQ (voice->getCurrentlyPlayingNote(), 60);
    EXPECT_TRUE (voice->ampEnvelope.attackDone);
    EXPECT_LT (voice->ampEnvelope.value, level); // still falling, not restarted
}

TEST_F (VoiceBudget, MonoPlaysAgainAfterHeldNoteDiedAway)
{
    // The key stays down while its note fades out by itself; the next note must still play.
    set (p.chordParam, 0.0f);
    set (p.lengthParam, 0.0f);
    auto first = vizeva::test::notesOn ({ 60 });
    play (first, 48000);
    ASSERT_EQ (activeVoices(), 0);
    ASSERT_TRUE (p.synthSource.synth.getVoice (0)->isKeyDown());

    auto second = vizeva::test::notesOn ({ 62 });
    block (second, 512);
    EXPECT_EQ (second.getNumEvents(), 1);
    EXPECT_EQ (activeVoices(), 1);
    EXPECT_GT (play ({}, 4800).getMagnitude (0, 0, 4800), 0.01f);
}
