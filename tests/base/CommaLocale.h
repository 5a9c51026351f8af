#pragma once

#include <juce_core/juce_core.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace testing_support
{

/** Sets the process's C numeric locale to one that writes a decimal comma, as a host
    running under a German locale does, and restores "C" afterwards. When the machine
    has no such locale installed, one is compiled with localedef into a private
    temporary folder for this process only. ok() tells whether a comma locale is set. */
class ScopedCommaLocale
{
public:
    ScopedCommaLocale()
    {
        for (const char* name : { "de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8",
                                  "German_Germany.1252", "de-DE" })
            if (setNumericLocale (name))
                return;

       #if ! JUCE_WINDOWS

        folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                     .getChildFile ("vizeva-locale-" + juce::String (juce::Random::getSystemRandom().nextInt64()));
        if (! folder.createDirectory())
            return;
        const auto target = folder.getChildFile ("de_DE.UTF-8").getFullPathName();
        const auto command = "localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1";
        if (std::system (command.toRawUTF8()) != 0)
            return;
        setenv ("LOCPATH", folder.getFullPathName().toRawUTF8(), 1);
        setNumericLocale ("de_DE.UTF-8");
       #endif
    }

    ~ScopedCommaLocale()
    {
        std::setlocale (LC_NUMERIC, "C");
       #if ! JUCE_WINDOWS
        if (folder != juce::File())
        {
            unsetenv ("LOCPATH");
            folder.deleteRecursively();
        }
       #endif
    }

    bool ok() const { return active; }

private:
    bool setNumericLocale (const char* name)
    {
        if (std::setlocale (LC_NUMERIC, name) == nullptr)
            return false;
        char text[16];
        std::snprintf (text, sizeof (text), "%.1f", 0.5);
        active = std::string (text) == "0,5";
        if (! active)
            std::setlocale (LC_NUMERIC, "C");
        return active;
    }

    juce::File folder;
    bool active = false;

    JUCE_DECLARE_NON_COPYABLE (ScopedCommaLocale)
};

} // namespace testing_support
