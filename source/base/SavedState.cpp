#include "base/AudioProcessorZudidud.h"
#include "base/NumberText.h"
#include "base/UserName.h"

#include <cmath>
#include <cstring>
#include <ctime>

namespace juce
{

namespace
{

constexpr uint32 stateMagic = 0x21324356; // "VC2!" read little-endian
constexpr const char* pluginName = "Vizeva";

// Limits of what a restore hands to the framework's XML parser, which recurses once
// per nesting level and can be made to work in quadratic time. A saved state has
// two markup characters and no entity without its semicolon.
constexpr int maxMarkupCharacters = 128;
constexpr int maxUnterminatedEntities = 256;

uint32 readLittleEndian32 (const uint8* bytes)
{
    return (uint32) bytes[0] | ((uint32) bytes[1] << 8) | ((uint32) bytes[2] << 16) | ((uint32) bytes[3] << 24);
}

/** The bytes as UTF-8, with every ill-formed sequence (stray or missing continuation
    bytes, overlong forms, surrogates, code points past U+10FFFF) replaced by U+FFFD. */
std::string wellFormedUtf8 (const uint8* bytes, size_t length)
{
    std::string out;
    out.reserve (length);

    for (size_t i = 0; i < length;)
    {
        const uint8 lead = bytes[i];
        if (lead < 0x80)
        {
            out.push_back ((char) lead);
            ++i;
            continue;
        }

        size_t extra = 0;
        uint32 minimum = 0;
        uint32 codePoint = 0;
        if (lead >= 0xC2 && lead <= 0xDF)      { extra = 1; minimum = 0x80;    codePoint = lead & 0x1Fu; }
        else if (lead >= 0xE0 && lead <= 0xEF) { extra = 2; minimum = 0x800;   codePoint = lead & 0x0Fu; }
        else if (lead >= 0xF0 && lead <= 0xF4) { extra = 3; minimum = 0x10000; codePoint = lead & 0x07u; }

        size_t taken = 1;
        while (taken <= extra && i + taken < length && (bytes[i + taken] & 0xC0) == 0x80)
            codePoint = (codePoint << 6) | (bytes[i + taken++] & 0x3Fu);

        const bool complete = extra > 0 && taken == extra + 1;
        if (complete && codePoint >= minimum && codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF))
            out.append (reinterpret_cast<const char*> (bytes + i), taken);
        else
            out.append ("\xEF\xBF\xBD");
        i += taken;
    }
    return out;
}

/** Whether the framework's parser can be given this text without risk to the host:
    no document type (its entities can expand without bound), no "&<" (which makes the
    parser read an entity name as markup, past the end of that name), no processing
    instruction after the start, a nesting that cannot exhaust a small stack, and a
    bounded number of entities without an end. */
bool isSafeForXmlParser (const std::string& text)
{
    if (text.find ("<!DOCTYPE") != std::string::npos || text.find ("&<") != std::string::npos)
        return false;

    // A processing instruction followed by text inside an element sends the parser
    // round in a loop for ever; a saved state has one only at the start.
    auto instruction = text.find ("<?");
    if (instruction != std::string::npos && instruction == text.find_first_not_of (" \t\r\n"))
        instruction = text.find ("<?", instruction + 2);
    if (instruction != std::string::npos)
        return false;

    int markup = 0;
    for (const char c : text)
        if (c == '<' && ++markup > maxMarkupCharacters)
            return false;

    const auto lastSemicolon = text.rfind (';');
    int unterminated = 0;
    for (size_t i = lastSemicolon == std::string::npos ? 0 : lastSemicolon; i < text.size(); ++i)
        if (text[i] == '&' && ++unterminated > maxUnterminatedEntities)
            return false;

    return true;
}

/** The root element of a saved-state block, or null. The block is accepted only if it
    is longer than 8 bytes, starts with the magic number and has a positive signed
    length; its text is the first min (length, size - 8) bytes up to the first zero. */
std::unique_ptr<XmlElement> readStateXml (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 8)
        return {};

    const auto* bytes = static_cast<const uint8*> (data);
    if (readLittleEndian32 (bytes) != stateMagic)
        return {};

    const auto length = (int32) readLittleEndian32 (bytes + 4);
    if (length <= 0)
        return {};

    const auto available = (size_t) jmin (length, sizeInBytes - 8);
    const auto* text = bytes + 8;
    const auto* zero = static_cast<const uint8*> (std::memchr (text, 0, available));
    const auto textLength = zero != nullptr ? (size_t) (zero - text) : available;

    auto utf8 = wellFormedUtf8 (text, textLength);
    if (! isSafeForXmlParser (utf8))
        return {};

    // A trailing blank, which the parser skips after the root element, keeps its
    // character-reference reader from stepping past the end of a cut text.
    utf8.push_back (' ');
    return XmlDocument (String::fromUTF8 (utf8.data(), (int) utf8.size())).getDocumentElement();
}

String currentUtcTime()
{
    const std::time_t now = std::time (nullptr);
    std::tm utc {};
   #if JUCE_WINDOWS
    const bool converted = gmtime_s (&utc, &now) == 0;
   #else
    const bool converted = gmtime_r (&now, &utc) != nullptr;
   #endif
    if (! converted)
        utc = std::tm {};

    // "%Y-%m-%dT%H:%M:%SZ" is "%FT%TZ" spelled out for C libraries without %F and %T.
    char text[30] = {};
    std::strftime (text, sizeof (text), "%Y-%m-%dT%H:%M:%SZ", &utc);
    return String (text);
}

String truncatedRate (double rate)
{
    if (! (std::abs (rate) < 9.0e18)) // also false for NaN
        return "0";
    return String ((int64) rate);
}

} // namespace

void AudioProcessorZudidud::setProperty (String key, String value)
{
    properties[key] = value;
}

std::vector<std::string> AudioProcessorZudidud::splitPath (const std::string& text)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '/')
        {
            pieces.push_back (text.substr (start, i - start));
            start = i + 1;
        }
    }
    // The run after a closing '/' is no piece; an empty text has none.
    if (start < text.size())
        pieces.push_back (text.substr (start));
    return pieces;
}

String AudioProcessorZudidud::hostPathTail (const String& path)
{
    const auto pieces = splitPath (path.replaceCharacter ('\\', '/').toStdString());
    const auto n = (int) pieces.size();
    const int start = jmax (1, jmin (n / 2, n - 1));

    std::string tail;
    for (int i = start; i < n; ++i)
    {
        if (i > start)
            tail += '/';
        tail += pieces[(size_t) i];
    }
    return String::fromUTF8 (tail.c_str(), (int) tail.size());
}

void AudioProcessorZudidud::getStateInformation (MemoryBlock& destData)
{
    XmlElement element ("settings");

    setProperty ("plugin", pluginName);
    setProperty ("pluginversion", String (buildNumber));
    setProperty ("date_modified", currentUtcTime());
    setProperty ("daw", hostPathTail (File::getSpecialLocation (File::hostApplicationPath).getFullPathName()));
    setProperty ("samplerate", truncatedRate (getSampleRate()));
    setProperty ("username", zudidud::processUserName());

    for (auto* parameter : getParameters())
    {
        if (auto* withId = dynamic_cast<AudioProcessorParameterWithID*> (parameter))
        {
            element.setAttribute (withId->paramID, String (zudidud::fixedText (withId->getValue(), 4)));
            properties.erase (withId->paramID);
        }
    }

    for (const auto& [key, value] : properties)
        element.setAttribute (key, value);

    copyXmlToBinary (element, destData);
}

void AudioProcessorZudidud::setStateInformation (const void* data, int sizeInBytes)
{
    const auto element = readStateXml (data, sizeInBytes);

    if (element != nullptr && element->getTagName().equalsIgnoreCase ("settings"))
    {
        for (auto* parameter : getParameters())
        {
            if (auto* withId = dynamic_cast<AudioProcessorParameterWithID*> (parameter))
            {
                const double x = element->getDoubleAttribute (withId->paramID, withId->getValue());
                // Limited to 0..1 before narrowing, so that no out-of-range double is
                // converted; NaN and -0 both give +0.
                const double limited = std::fmin (1.0, std::fmax (0.0, x));
                withId->setValue (limited > 0.0 ? (float) limited : 0.0f);
            }
        }

        properties.clear();
        const int numAttributes = element->getNumAttributes();
        for (int i = 0; i < numAttributes; ++i)
        {
            const auto name = element->getAttributeName (i);
            const auto value = element->getAttributeValue (i);
            if (name.isNotEmpty() && value.isNotEmpty())
                setProperty (name, value);
        }
    }

    parametersChanged = true;
}

} // namespace juce
