#pragma once

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace zudidud
{

/** x in fixed notation with the given number of decimals, the same digits as the C
    library's "%.*f" (or "%+.*f" when forceSign is set) writes in the "C" locale.
    The decimal point is always '.', whatever C locale the host process has set, so
    a value text or a saved number never depends on the host's language. */
inline std::string fixedText (double x, int decimals, bool forceSign = false)
{
    // The largest double has 309 integer digits; with a sign, the point and at most
    // 60 decimals the text always fits.
    char digits[400];
    decimals = decimals < 0 ? 0 : (decimals > 60 ? 60 : decimals);
    const auto result = std::to_chars (digits, digits + sizeof (digits), x, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return {};

    std::string text (digits, result.ptr);
    if (forceSign && ! std::signbit (x))
        text.insert (text.begin(), '+');
    return text;
}

} // namespace zudidud
