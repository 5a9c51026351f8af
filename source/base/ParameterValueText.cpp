#include "base/AudioParameterFloatZudidud.h"
#include "base/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace juce
{

namespace
{

// The unit text holds at most 19 bytes, the display text at most 49.
constexpr size_t unitTextSize = 20;
constexpr size_t displayTextSize = 50;

bool isContinuationByte (char c)
{
    return (static_cast<unsigned char> (c) & 0xC0) == 0x80;
}

/** The length of text cut to at most maxBytes without splitting a UTF-8 sequence. */
size_t utf8CutLength (const char* text, size_t length, size_t maxBytes)
{
    if (length <= maxBytes)
        return length;

    size_t cut = maxBytes;
    while (cut > 0 && isContinuationByte (text[cut]))
        --cut;
    return cut;
}

/** The length of text without a last UTF-8 sequence that bounded printing left incomplete. */
size_t completeUtf8Length (const char* text, size_t length)
{
    size_t lead = length;
    while (lead > 0 && isContinuationByte (text[lead - 1]))
        --lead;
    if (lead == 0)
        return length;

    --lead;
    const auto first = static_cast<unsigned char> (text[lead]);
    const size_t needed = first < 0x80 ? 1 : first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    return lead + needed > length ? lead : length;
}

/** A number converted to int32 with NaN read as 0 and values beyond 32 bits clamped. */
int32 clampToInt32 (double x)
{
    if (std::isnan (x))
        return 0;
    if (x >= (double) std::numeric_limits<int32>::max())
        return std::numeric_limits<int32>::max();
    if (x <= (double) std::numeric_limits<int32>::min())
        return std::numeric_limits<int32>::min();
    return (int32) x;
}

/** The display text: number, separator and unit printed into the fixed buffer. An
    over-long text is cut at a whole character, never written past the buffer. */
std::string display (const std::string& number, const char* between = "", const char* unit = "")
{
    char text[displayTextSize];
    const int written = std::snprintf (text, sizeof (text), "%s%s%s", number.c_str(), between, unit);
    if (written < 0)
        return {};
    if ((size_t) written < sizeof (text))
        return std::string (text, (size_t) written);
    return std::string (text, completeUtf8Length (text, sizeof (text) - 1));
}

std::string signedInteger (int32 n)
{
    return (n > 0 ? "+" : "") + std::to_string (n);
}

struct DurationUnit
{
    double seconds;
    const char* singular;
    const char* plural;
};

// Tried in this order; the two smallest rows divide by their value as written.
constexpr DurationUnit durationUnits[] = {
    { 31536000.0, " year", " years" },  // 365 days
    { 2592000.0, " month", " months" }, // 30 days
    { 86400.0, " day", " days" },
    { 3600.0, " hour", " hours" },
    { 60.0, " minute", " minutes" },
    { 1.0, " sec", " sec" },
    { 0.001, " ms", " ms" },
    { 0.000001, " micros", " micros" },
};

} // namespace

std::string AudioParameterFloatZudidud::formatDuration (double seconds) const
{
    for (const auto& row : durationUnits)
    {
        // A double division, not a multiplication by the reciprocal: 0.7 s reads 699 ms.
        const double count = std::floor (seconds / row.seconds);
        if (std::isnan (count) || count == 0.0)
            continue;

        const int32 n = clampToInt32 (count);
        return std::to_string (n) + (n == 1 ? row.singular : row.plural);
    }

    // Shorter than one microsecond: no unit has a whole count.
    return "0 micros";
}

std::string AudioParameterFloatZudidud::formatValue (float v) const
{
    const std::string labelBytes = unitLabel.toStdString();
    const std::string unitText = labelBytes.substr (0, utf8CutLength (labelBytes.c_str(), labelBytes.size(),
                                                                      unitTextSize - 1));
    const char* unit = unitText.c_str();
    const double vd = v;

    // Logarithmic interpolation from minValue to maxValue, in single precision.
    const auto logarithmicValue = [this, v]
    {
        const float a = std::log (minValue);
        const float b = std::log (maxValue);
        return std::exp ((b - a) * v + a);
    };
    const float linearValue = (maxValue - minValue) * v + minValue;

    switch (unitKind)
    {
        case UnitKind::percent:
            return display (std::to_string (clampToInt32 (std::round (100.0 * vd))), " ", unit);

        case UnitKind::cubic:
        {
            if (vd <= 0.0)
                return "OFF";
            const double x = vd * vd * vd * (double) (maxValue - minValue) + (double) minValue;
            return display (zudidud::fixedText (x, 1, true), " ", unit);
        }

        case UnitKind::decibels10:
        case UnitKind::decibels18:
        {
            if (vd <= 0.0)
                return "OFF";
            const double gain = unitKind == UnitKind::decibels10 ? 3.162278 : 8.0;
            const double x = 20.0 * std::log10 (vd * vd * vd * gain);
            return display (zudidud::fixedText (x, 1, true), " ", unit);
        }

        case UnitKind::frequency:
        {
            const double f = logarithmicValue();
            if (f == 0.0)
                return display ("0", " ", unit);
            if (f < 0.3)
                return display (formatDuration (1.0 / f)); // the period of a slow frequency
            if (f < 3.0)
                return display (zudidud::fixedText (f, 2), " ", unit);
            if (f < 30.0)
                return display (zudidud::fixedText (f, 1), " ", unit);
            if (f <= 1000.0)
                return display (zudidud::fixedText (f, 0), " ", unit);
            if (f <= 19000.0)
                return display (zudidud::fixedText (f / 1000.0, 1), " k", unit);
            return display (zudidud::fixedText (f / 1000.0, 0), " k", unit);
        }

        case UnitKind::seconds:
        {
            const double t = logarithmicValue();
            if (t == 0.0)
                return display ("0", " ", unit);
            return display (zudidud::fixedText (t, t < 3.0 ? 2 : t < 30.0 ? 1 : 0), " ", unit);
        }

        case UnitKind::signed15:
            return display (zudidud::fixedText (15.0 * vd, 1, true), " ", unit);

        case UnitKind::octaves:
            return display (zudidud::fixedText ((double) (v * v) * 4.9 + 0.1, 1), " ", unit);

        case UnitKind::choice:
        {
            if (choiceNames.empty())
                return "Modes not set!";
            const int32 i = numChoices > 1 ? clampToInt32 (std::round ((float) (numChoices - 1) * v)) : 0;
            if (i < 0 || (size_t) i >= choiceNames.size())
                return {};
            return display (choiceNames[(size_t) i]);
        }

        case UnitKind::bipolar:
        {
            const float x = linearValue;
            if (maxValue - minValue < 11.0f)
            {
                if (std::fabs (x) < 0.1f)
                    return display ("  0.0", " ", unit);
                return display (zudidud::fixedText (x, 1, true), " ", unit);
            }
            const int32 n = clampToInt32 (std::round (x));
            if (n == 0)
                return display ("  0", " ", unit);
            return display (signedInteger (n), " ", unit);
        }

        case UnitKind::ratio:
        {
            // Interpolates between the reciprocals of the bounds along the square root of v.
            const double a = minValue == 0.0f ? 0.0 : 1.0 / (double) minValue;
            const double b = maxValue == 0.0f ? 0.0 : 1.0 / (double) maxValue;
            const double g = (double) std::sqrt (v) * (b - a) + a;
            const double x = g == 0.0 ? 0.0 : 1.0 / g;
            return display (zudidud::fixedText (x, x >= 10.0 ? 0 : 1), "", unit);
        }

        case UnitKind::duration:
        {
            const double d = logarithmicValue();
            if (d <= 0.0)
                return display ("0", " ", unit);
            return display (formatDuration (d));
        }

        default:
            break;
    }

    // Generic rule: kind 1 and every kind without a rule of its own.
    if (minValue == 0.0f && maxValue == 1.0f)
        return display (zudidud::fixedText (getNormalisableRange().convertFrom0to1 (v), 1), " ", unit);

    // 29 and 2.9 are single-precision constants: a maxValue of 2.9 takes two decimals.
    const int decimals = (unitKind == UnitKind::linear || maxValue > 29.0f) ? 0 : maxValue > 2.9f ? 1 : 2;
    return display (zudidud::fixedText (linearValue, decimals, minValue < 0.0f), " ", unit);
}

} // namespace juce
