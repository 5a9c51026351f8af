#include "base/UserName.h"
#include "synth/VizevaAudioProcessor.h"
#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <regex>
#include <string>
#include <vector>

namespace
{

const std::vector<std::string> parameterIds = { "volume", "cutoff", "reso", "decay", "length",
                                                "pwidth", "waveform", "chord", "tuning" };

juce::MemoryBlock stateBlock (const std::string& text, juce::int64 lengthField = -1, bool trailingZero = true)
{
    const auto length = (juce::uint32) (lengthField < 0 ? (juce::int64) text.size() : lengthField);
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    out.write ("VC2!", 4);
    out.writeInt ((int) length); // little-endian
    out.write (text.data(), text.size());
    if (trailingZero)
        out.writeByte (0);
    out.flush();
    return block;
}

std::string settingsText (const std::string& attributes, const std::string& tag = "settings")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?> <" + tag + " " + attributes + "/>";
}

/** The XML text of a saved block, checked for the block's frame. */
std::string textOf (const juce::MemoryBlock& block)
{
    const auto* bytes = static_cast<const char*> (block.getData());
    if (block.getSize() < 9 || std::memcmp (bytes, "VC2!", 4) != 0)
        return {};
    juce::uint32 length = 0;
    std::memcpy (&length, bytes + 4, 4);
    if (length != block.getSize() - 9 || bytes[block.getSize() - 1] != 0)
        return {};
    return std::string (bytes + 8, length);
}

struct Attribute { std::string name; std::string value; };

std::vector<Attribute> attributesOf (const juce::MemoryBlock& block)
{
    std::vector<Attribute> result;
    if (auto xml = juce::parseXML (juce::String::fromUTF8 (textOf (block).c_str())))
        for (int i = 0; i < xml->getNumAttributes(); ++i)
            result.push_back ({ xml->getAttributeName (i).toStdString(), xml->getAttributeValue (i).toStdString() });
    return result;
}

std::vector<std::string> namesOf (const std::vector<Attribute>& attributes)
{
    std::vector<std::string> names;
    for (const auto& a : attributes)
        names.push_back (a.name);
    return names;
}

std::string valueOf (const std::vector<Attribute>& attributes, const std::string& name)
{
    for (const auto& a : attributes)
        if (a.name == name)
            return a.value;
    return "<missing>";
}

std::vector<std::string> withDescriptiveKeys (std::vector<std::string> names)
{
    for (const char* key : { "date_modified", "daw", "plugin", "pluginversion", "samplerate", "username" })
        names.push_back (key);
    return names;
}

class SavedState : public ::testing::Test
{
protected:
    juce::MemoryBlock save()
    {
        juce::MemoryBlock block;
        processor.getStateInformation (block);
        return block;
    }

    void restore (const juce::MemoryBlock& block)
    {
        processor.setStateInformation (block.getData(), (int) block.getSize());
    }

    juce::AudioProcessorParameter& param (int index) { return *processor.getParameters()[index]; }

    std::vector<float> values()
    {
        std::vector<float> result;
        for (int i = 0; i < 9; ++i)
            result.push_back (processor.getParameters()[i]->getValue());
        return result;
    }

    VizevaAudioProcessor processor;
};

} // namespace

TEST_F (SavedState, FreshSaveWritesTheBlockByteForByte)
{
    const auto block = save();
    const auto* bytes = static_cast<const unsigned char*> (block.getData());
    ASSERT_GT (block.getSize(), 9u);
    EXPECT_EQ (std::string (reinterpret_cast<const char*> (bytes), 4), "VC2!");
    const juce::uint32 length = bytes[4] | (bytes[5] << 8) | (bytes[6] << 16) | ((juce::uint32) bytes[7] << 24);
    EXPECT_EQ (length, block.getSize() - 9);
    EXPECT_EQ (bytes[block.getSize() - 1], 0);

    const auto text = textOf (block);
    EXPECT_EQ (text.find ('\n'), std::string::npos);
    EXPECT_EQ (text.rfind ("<?xml version=\"1.0\" encoding=\"UTF-8\"?> <settings volume=\"0.5000\" cutoff=\"0.3333\" "
                           "reso=\"0.2000\" decay=\"0.3333\" length=\"1.0000\" pwidth=\"0.5000\" waveform=\"0.0000\" "
                           "chord=\"0.0526\" tuning=\"0.5000\" date_modified=\"", 0), 0u);
    EXPECT_EQ (text.substr (text.size() - 3), "\"/>");

    const auto attributes = attributesOf (block);
    EXPECT_EQ (namesOf (attributes), withDescriptiveKeys (parameterIds));
    EXPECT_EQ (valueOf (attributes, "plugin"), "Vizeva");
    EXPECT_EQ (valueOf (attributes, "pluginversion"), "279");
    EXPECT_EQ (valueOf (attributes, "samplerate"), "0");
    EXPECT_EQ (valueOf (attributes, "username"), zudidud::processUserName().toStdString());

    const auto host = juce::File::getSpecialLocation (juce::File::hostApplicationPath).getFullPathName();
    EXPECT_EQ (valueOf (attributes, "daw"), juce::AudioProcessorZudidud::hostPathTail (host).toStdString());
    EXPECT_FALSE (valueOf (attributes, "daw").empty());

    const auto date = valueOf (attributes, "date_modified");
    ASSERT_EQ (date.size(), 20u);
    EXPECT_TRUE (std::regex_match (date, std::regex (R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)"))) << date;
    char year[8];
    const std::time_t now = std::time (nullptr);
    std::strftime (year, sizeof (year), "%Y", std::gmtime (&now));
    EXPECT_EQ (date.substr (0, 4), year);
}

TEST_F (SavedState, SavingTwiceGivesTheSameAttributesAndReplacesTheBlock)
{
    const auto first = attributesOf (save());

    juce::MemoryBlock reused (100000, true);
    processor.getStateInformation (reused);
    const auto second = attributesOf (reused);
    EXPECT_EQ (reused.getSize(), save().getSize());

    ASSERT_EQ (namesOf (first), namesOf (second));
    for (size_t i = 0; i < first.size(); ++i)
    {
        if (first[i].name != "date_modified")
        {
            EXPECT_EQ (first[i].value, second[i].value) << first[i].name;
        }
    }
}

TEST_F (SavedState, SaveChangesNeitherParametersNorTheFlag)
{
    processor.parametersChanged = false;
    const auto before = values();
    save();
    EXPECT_EQ (values(), before);
    EXPECT_FALSE (processor.parametersChanged.load());
}

TEST_F (SavedState, AttributeValuesAreReadAndLimitedByTheRules)
{
    struct Case { const char* attributes; float expected; };
    const Case cases[] = {
        { "volume=\"0.25\"", 0.25f },
        { "volume=\"2\"", 1.0f },
        { "volume=\"-1\"", 0.0f },
        { "volume=\"abc\"", 0.0f },
        { "volume=\"\"", 0.0f },
        { "volume=\"nan\"", 0.0f },
        { "volume=\"NaN\"", 0.0f },
        { "volume=\"inf\"", 1.0f },
        { "volume=\"-inf\"", 0.0f },
        { "volume=\"1e999\"", 1.0f },
        { "volume=\"-1e999\"", 0.0f },
        { "volume=\" 0.5x\"", 0.5f },
        { "volume=\"-0\"", 0.0f },
        { "volume=\"1e-60\"", 0.0f },
        { "Volume=\"0.3\"", 0.7f }, // names are compared case-sensitively
        { "other=\"0.3\"", 0.7f },  // a missing attribute leaves the value
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.attributes);
        param (0).setValue (0.7f);
        processor.parametersChanged = false;
        restore (stateBlock (settingsText (c.attributes)));
        EXPECT_EQ (param (0).getValue(), c.expected);
        EXPECT_FALSE (std::signbit (param (0).getValue()));
        EXPECT_NEAR (param (1).getValue(), 0.3333f, 1e-7f);
        EXPECT_TRUE (processor.parametersChanged.load());
    }
}

TEST_F (SavedState, ExtraAttributesAreKeptAndWrittenAfterTheParameters)
{
    restore (stateBlock (settingsText ("alpha=\"1\" Volume=\"0.3\" empty=\"\" volume=\"0.8\"")));
    EXPECT_EQ (param (0).getValue(), 0.8f);
    EXPECT_EQ (processor.properties.size(), 3u); // alpha, Volume and the ID; not the empty one
    EXPECT_EQ (processor.properties["alpha"], juce::String ("1"));
    EXPECT_EQ (processor.properties["Volume"], juce::String ("0.3"));

    const auto attributes = attributesOf (save());
    auto expected = parameterIds;
    expected.push_back ("Volume"); // upper case sorts first, alpha before date_modified
    expected.push_back ("alpha");
    EXPECT_EQ (namesOf (attributes), withDescriptiveKeys (expected));
    EXPECT_EQ (valueOf (attributes, "volume"), "0.8000");
    EXPECT_EQ (processor.properties.count ("volume"), 0u);
}

TEST_F (SavedState, DescriptiveEntriesAreWrittenFreshAfterARestore)
{
    restore (stateBlock (settingsText ("daw=\"Old/Host\" plugin=\"Other\" pluginversion=\"1\" samplerate=\"7\" "
                                       "username=\"nobody-here\" date_modified=\"1999-01-01T00:00:00Z\"")));
    const auto attributes = attributesOf (save());
    const auto host = juce::File::getSpecialLocation (juce::File::hostApplicationPath).getFullPathName();
    EXPECT_EQ (valueOf (attributes, "daw"), juce::AudioProcessorZudidud::hostPathTail (host).toStdString());
    EXPECT_EQ (valueOf (attributes, "plugin"), "Vizeva");
    EXPECT_EQ (valueOf (attributes, "pluginversion"), "279");
    EXPECT_EQ (valueOf (attributes, "samplerate"), "0");
    EXPECT_EQ (valueOf (attributes, "username"), zudidud::processUserName().toStdString());
    EXPECT_NE (valueOf (attributes, "date_modified"), "1999-01-01T00:00:00Z");
}

TEST_F (SavedState, SampleRateIsTheTruncatedHostRate)
{
    processor.setRateAndBufferSizeDetails (44100.9, 512);
    EXPECT_EQ (valueOf (attributesOf (save()), "samplerate"), "44100");
}

TEST_F (SavedState, RootTagIsComparedWithoutRegardToCase)
{
    struct Case { const char* tag; bool accepted; };
    const Case cases[] = { { "settings", true }, { "SETTINGS", true }, { "Settings", true },
                           { "preset", false }, { "settingsx", false } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.tag);
        param (0).setValue (0.7f);
        processor.properties = { { "marker", "kept" } };
        processor.parametersChanged = false;
        restore (stateBlock (settingsText ("volume=\"0.1\"", c.tag)));
        EXPECT_EQ (param (0).getValue(), c.accepted ? 0.1f : 0.7f);
        EXPECT_EQ (processor.properties.count ("marker"), c.accepted ? 0u : 1u);
        EXPECT_TRUE (processor.parametersChanged.load());
    }
}

TEST_F (SavedState, FourDecimalsComeBackWithinHalfAStep)
{
    juce::Random random (42);
    for (int round = 0; round < 50; ++round)
    {
        std::vector<float> set;
        for (int i = 0; i < 9; ++i)
        {
            set.push_back (random.nextFloat());
            processor.getParameters()[i]->setValue (set.back());
        }
        const auto block = save();

        VizevaAudioProcessor other;
        other.setStateInformation (block.getData(), (int) block.getSize());
        // Half a step of the fourth decimal, plus the float step of a value near 1.
        for (int i = 0; i < 9; ++i)
            EXPECT_NEAR (other.getParameters()[i]->getValue(), set[(size_t) i], 0.00005 + 1.2e-7) << i;
    }

    for (int position = 0; position < 20; ++position)
    {
        param (7).setValue ((float) position / 19.0f);
        VizevaAudioProcessor other;
        const auto block = save();
        other.setStateInformation (block.getData(), (int) block.getSize());
        EXPECT_EQ (other.chordParam->getChoiceIndex(), position);
    }
}

TEST_F (SavedState, NonAsciiTextIsWrittenAsCharacterReferencesAndReadBack)
{
    const auto name = juce::String::fromUTF8 ("J\xc3\xb6rg \xe2\x82\xac \xf0\x9f\x8e\xb9 \"&<>^`");
    processor.setProperty ("owner", name);
    const auto block = save();
    const auto text = textOf (block);
    EXPECT_NE (text.find ("owner=\"J&#246;rg &#8364; &#127929; &quot;&amp;&lt;&gt;&#94;&#96;\""), std::string::npos) << text;

    VizevaAudioProcessor other;
    other.setStateInformation (block.getData(), (int) block.getSize());
    EXPECT_EQ (other.properties["owner"], name);
}

TEST_F (SavedState, SetPropertyInsertsOrReplaces)
{
    processor.setProperty ("key", "one");
    processor.setProperty ("key", "two");
    processor.setProperty ("another", "three");
    EXPECT_EQ (processor.properties.size(), 2u);
    EXPECT_EQ (processor.properties["key"], juce::String ("two"));
}

TEST_F (SavedState, NumbersUseADecimalPointUnderACommaLocale)
{
    testing_support::ScopedCommaLocale locale;
    if (! locale.ok())
        GTEST_SKIP() << "no locale with a decimal comma could be set on this machine";

    param (2).setValue (0.25f);
    const auto attributes = attributesOf (save());
    EXPECT_EQ (valueOf (attributes, "volume"), "0.5000");
    EXPECT_EQ (valueOf (attributes, "reso"), "0.2500");

    restore (stateBlock (settingsText ("volume=\"0.125\"")));
    EXPECT_EQ (param (0).getValue(), 0.125f);
}

// Whatever a host or a damaged project hands over: no crash, no read outside the
// block, and the parameters either unchanged or set exactly by the rules.
class BadBlocks : public SavedState
{
protected:
    void SetUp() override { reset(); }

    void reset()
    {
        for (int i = 0; i < 9; ++i)
            processor.getParameters()[i]->setValue (0.7f);
        processor.properties = { { "marker", "kept" } };
        processor.parametersChanged = false;
    }

    /** Restores a copy of exactly the bytes given, in a block of their own size, so
        that the sanitizer catches any read past them. */
    void restoreExactly (const void* data, size_t size)
    {
        std::vector<char> copy (static_cast<const char*> (data), static_cast<const char*> (data) + size);
        processor.setStateInformation (size == 0 ? nullptr : copy.data(), (int) size);
    }

    bool unchanged()
    {
        for (int i = 0; i < 9; ++i)
            if (processor.getParameters()[i]->getValue() != 0.7f)
                return false;
        return processor.properties.size() == 1 && processor.properties.count ("marker") == 1;
    }
};

TEST_F (BadBlocks, RejectedBlocksChangeNothingButTheFlag)
{
    const auto valid = settingsText ("volume=\"0.1\"");
    auto wrongMagic = stateBlock (valid);
    static_cast<char*> (wrongMagic.getData())[3] = '?';

    struct Case { const char* what; juce::MemoryBlock block; };
    const Case cases[] = {
        { "wrong magic", wrongMagic },
        { "length 0", stateBlock (valid, 0) },
        { "negative length", stateBlock (valid, 0x80000000LL) },
        { "length -1", stateBlock (valid, 0xFFFFFFFFLL) },
        { "not XML", stateBlock ("this is no XML at all") },
        { "empty text", stateBlock ("") },
        { "only a zero", stateBlock (std::string (1, '\0')) },
        { "cut inside a value", stateBlock ("<settings volume=\"0.1") },
        { "cut inside the children", stateBlock ("<settings volume=\"0.1\"><child>text") },
        { "unmatched quote", stateBlock ("<settings volume=\"0.1/>") },
        { "no tag name", stateBlock ("< >") },
        { "cut inside a character reference", stateBlock ("<settings volume=\"0.1\" a=\"&#x") },
        { "character reference cut in the text", stateBlock ("<settings volume=\"0.1\">&#x41") },
        { "entity name read as markup", stateBlock ("<settings volume=\"0.1\">&<a>&#x;</settings>") },
        { "document type with entities",
          stateBlock ("<!DOCTYPE s [<!ENTITY a \"&a;&a;\">]><settings volume=\"0.1\">&a;</settings>") },
        { "processing instruction before text in an element",
          stateBlock ("<settings volume=\"0.1\"><?pi?>text</settings>") },
        { "processing instruction after the root", stateBlock (valid + "<?pi?>") },
        { "zero byte before the element", stateBlock (std::string ("<?xml version=\"1.0\"?>") + '\0' + valid) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        reset();
        restoreExactly (c.block.getData(), c.block.getSize());
        EXPECT_TRUE (unchanged());
        EXPECT_TRUE (processor.parametersChanged.load());
    }
}

TEST_F (BadBlocks, EveryShortPrefixOfAValidBlockIsRejected)
{
    const auto block = stateBlock (settingsText ("volume=\"0.1\""));
    restoreExactly (nullptr, 0);
    EXPECT_TRUE (unchanged());
    EXPECT_TRUE (processor.parametersChanged.load());

    for (size_t size = 0; size <= 9; ++size)
    {
        SCOPED_TRACE (size);
        reset();
        restoreExactly (block.getData(), size);
        EXPECT_TRUE (unchanged());
        EXPECT_TRUE (processor.parametersChanged.load());
    }
}

TEST_F (BadBlocks, EveryCutOfARealStateIsUnchangedOrExact)
{
    // The framework's parser accepts a text cut between two attributes of the root; a
    // cut anywhere else gives no element.
    for (int i = 0; i < 9; ++i)
        processor.getParameters()[i]->setValue (0.125f * (float) (i % 8));
    const auto block = save();
    const auto* bytes = static_cast<const char*> (block.getData());
    const auto length = block.getSize() - 9;

    for (size_t cut = 0; cut <= length; ++cut)
    {
        SCOPED_TRACE (cut);
        reset();
        // The length field still claims the whole text: the text ends with the data.
        std::vector<char> partial (bytes, bytes + 8 + cut);
        processor.setStateInformation (partial.data(), (int) partial.size());

        for (int i = 0; i < 9; ++i)
        {
            const float v = processor.getParameters()[i]->getValue();
            EXPECT_TRUE (v == 0.7f || v == 0.125f * (float) (i % 8)) << i << " " << v;
        }
    }

    reset();
    processor.setStateInformation (bytes, (int) block.getSize());
    EXPECT_EQ (processor.getParameters()[5]->getValue(), 0.625f);
}

TEST_F (BadBlocks, AcceptedOddBlocksFollowTheRules)
{
    const auto withAlpha = settingsText ("volume=\"0.1\" alpha=\"1\"");
    std::string many;
    for (int i = 0; i < 10000; ++i)
        many += "a" + std::to_string (i) + "=\"" + std::to_string (i) + "\" ";

    struct Case { const char* what; juce::MemoryBlock block; float volume; size_t numProperties; };
    const Case cases[] = {
        { "length larger than the data", stateBlock (settingsText ("volume=\"0.1\""), 100000), 0.1f, 1 },
        { "length larger, no zero byte", stateBlock (settingsText ("volume=\"0.1\""), 100000, false), 0.1f, 1 },
        { "length shorter than the text", stateBlock (withAlpha, (juce::int64) withAlpha.find (" alpha")), 0.1f, 1 },
        { "cut between attributes", stateBlock ("<settings volume=\"0.1\" alpha=\"1\""), 0.1f, 2 },
        { "root with children and text",
          stateBlock ("<settings volume=\"0.1\">text<child cutoff=\"0.9\">more</child><![CDATA[x]]></settings>"), 0.1f, 1 },
        { "ten thousand attributes", stateBlock (settingsText ("volume=\"0.1\" " + many)), 0.1f, 10001 },
        { "single quotes and blanks", stateBlock ("  <settings volume = '0.1' />  trailing"), 0.1f, 1 },
        { "declaration and comment before the root",
          stateBlock ("<?xml version=\"1.0\"?><!-- c --><settings volume=\"0.1\"/>"), 0.1f, 1 },
        { "comment before text in an element",
          stateBlock ("<settings volume=\"0.1\"><!-- c -->text<!-- d --></settings>"), 0.1f, 1 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        reset();
        restoreExactly (c.block.getData(), c.block.getSize());
        EXPECT_EQ (param (0).getValue(), c.volume);
        EXPECT_EQ (param (1).getValue(), 0.7f);
        EXPECT_EQ (processor.properties.size(), c.numProperties);
        EXPECT_TRUE (processor.parametersChanged.load());
    }

}

TEST_F (BadBlocks, IllFormedUtf8ReadsAsReplacementCharacters)
{
    const auto block = stateBlock ("<settings volume=\"0.1\" x=\"\xff\xfe\xc0\x80\xed\xa0\x80\xf4\x90\"/>");
    restoreExactly (block.getData(), block.getSize());
    EXPECT_EQ (param (0).getValue(), 0.1f);

    // The next save is valid UTF-8 again.
    const auto text = textOf (save());
    EXPECT_TRUE (juce::CharPointer_UTF8::isValidString (text.c_str(), (int) text.size()));
    // One replacement each for ff, fe, c0 and 80, the encoded surrogate and the cut sequence.
    EXPECT_EQ (processor.properties["x"], juce::String::repeatedString (juce::String::charToString (0xFFFD), 6));
}

TEST_F (BadBlocks, DeepNestingIsRejectedWithoutExhaustingTheStack)
{
    std::string deep = "<settings volume=\"0.1\">";
    for (int i = 0; i < 200000; ++i)
        deep += "<a>";
    restoreExactly (stateBlock (deep).getData(), stateBlock (deep).getSize());
    EXPECT_TRUE (unchanged());

    std::string shallow = "<settings volume=\"0.1\">";
    for (int i = 0; i < 60; ++i)
        shallow += "<a>";
    for (int i = 0; i < 60; ++i)
        shallow += "</a>";
    shallow += "</settings>";
    reset();
    restoreExactly (stateBlock (shallow).getData(), stateBlock (shallow).getSize());
    EXPECT_EQ (param (0).getValue(), 0.1f);
}

TEST_F (BadBlocks, DeepestReadableNestingFitsASmallThreadStack)
{
    // The most markup the reader hands to the parser, nested as deep as it goes, on a
    // thread with the 512 KiB stack that some hosts give their secondary threads.
    std::string deep = "<settings volume=\"0.1\">";
    for (int i = 1; i < 128; ++i)
        deep += "<a>";
    const auto block = stateBlock (deep);

    struct Restorer : juce::Thread
    {
        Restorer (juce::AudioProcessor& p, const juce::MemoryBlock& b)
            : juce::Thread ("restore", 512 * 1024), processor (p), data (b) {}
        void run() override { processor.setStateInformation (data.getData(), (int) data.getSize()); }
        juce::AudioProcessor& processor;
        const juce::MemoryBlock& data;
    };

    Restorer restorer (processor, block);
    ASSERT_TRUE (restorer.startThread());
    EXPECT_TRUE (restorer.waitForThreadToExit (60000));
    EXPECT_TRUE (unchanged()); // unmatched tags: no element
    EXPECT_TRUE (processor.parametersChanged.load());
}

TEST (HostPath, SplitKeepsEmptyPiecesButNotTheOneAfterAClosingSlash)
{
    struct Case { const char* text; std::vector<std::string> pieces; };
    const Case cases[] = {
        { "", {} },
        { "Host.exe", { "Host.exe" } },
        { "/", { "" } },
        { "a/", { "a" } },
        { "/a", { "", "a" } },
        { "a//b", { "a", "", "b" } },
        { "//server/share/Host.exe", { "", "", "server", "share", "Host.exe" } },
        { "C:/Pr\xc3\xb6gram/H.exe", { "C:", "Pr\xc3\xb6gram", "H.exe" } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.text);
        EXPECT_EQ (juce::AudioProcessorZudidud::splitPath (c.text), c.pieces);
    }
}

TEST (HostPath, TailKeepsTheUpperHalfOfThePieces)
{
    struct Case { const char* path; const char* tail; };
    const Case cases[] = {
        { "C:\\Program Files\\Studio\\Studio.exe", "Studio/Studio.exe" },
        { "C:/Program Files/Studio/Studio.exe", "Studio/Studio.exe" },
        { "C:/Host.exe", "Host.exe" },
        { "C:/Apps/Host.exe", "Apps/Host.exe" },
        { "D:/a/b/c/Host.exe", "b/c/Host.exe" },
        { "D:/a/b/c/d/Host.exe", "c/d/Host.exe" },
        { "//server/share/Host.exe", "server/share/Host.exe" },
        { "\\\\server\\share\\Host.exe", "server/share/Host.exe" },
        { "Host.exe", "" },
        { "", "" },
        { "/usr/bin/host", "bin/host" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.path);
        EXPECT_EQ (juce::AudioProcessorZudidud::hostPathTail (c.path), juce::String (c.tail));
    }
    EXPECT_EQ (juce::AudioProcessorZudidud::hostPathTail (juce::String::fromUTF8 ("C:/\xc3\xa9t\xc3\xa9/H\xc3\xb4st.exe")),
               juce::String::fromUTF8 ("\xc3\xa9t\xc3\xa9/H\xc3\xb4st.exe"));
}
