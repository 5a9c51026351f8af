#include "PluginHost.h"

#include <gtest/gtest.h>

#if JUCE_WINDOWS

#include "base/WindowsApi.h"

#include <vector>

namespace
{
// Reads the module's version resource back as Windows itself does.
class VersionResource : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = vizeva::defaultPluginBundle().getFullPathName();
        ASSERT_TRUE (juce::File (path).existsAsFile()) << path;
        DWORD handle = 0;
        const auto size = GetFileVersionInfoSizeW (path.toWideCharPointer(), &handle);
        ASSERT_GT (size, 0u) << "no version resource in " << path;
        data.resize (size);
        ASSERT_TRUE (GetFileVersionInfoW (path.toWideCharPointer(), 0, size, data.data()));
    }

    juce::String text (const juce::String& block)
    {
        void* value = nullptr;
        UINT length = 0;
        if (! VerQueryValueW (data.data(), block.toWideCharPointer(), &value, &length) || value == nullptr)
            return "<missing " + block + ">";
        return juce::String (static_cast<const wchar_t*> (value));
    }

    juce::String path;
    std::vector<unsigned char> data;
};
} // namespace

TEST_F (VersionResource, FixedVersionIsZeroZeroTwelve279)
{
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE (VerQueryValueW (data.data(), L"\\", reinterpret_cast<void**> (&info), &length));
    ASSERT_GE (length, sizeof (VS_FIXEDFILEINFO));
    EXPECT_EQ (info->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ (info->dwFileVersionMS, 0x00000000u);
    EXPECT_EQ (info->dwFileVersionLS, (12u << 16) | 279u);
    EXPECT_EQ (info->dwProductVersionMS, 0x00000000u);
    EXPECT_EQ (info->dwProductVersionLS, (12u << 16) | 279u);
    EXPECT_EQ (info->dwFileType, static_cast<DWORD> (VFT_DLL));
}

TEST_F (VersionResource, IsUsEnglishCodePage1252)
{
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE (VerQueryValueW (data.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**> (&translation), &length));
    ASSERT_EQ (length, 4u);
    EXPECT_EQ (translation[0], 0x0409);
    EXPECT_EQ (translation[1], 1252);
}

TEST_F (VersionResource, NamesCompanyProductAndVersion)
{
    struct Case { const char* key; const char* expected; };
    const Case cases[] = { { "CompanyName", "Zudidud" },
                           { "FileDescription", "Vizeva" },
                           { "ProductName", "Vizeva" },
                           { "FileVersion", "12.279" },
                           { "ProductVersion", "12.279" } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.key);
        EXPECT_EQ (text ("\\StringFileInfo\\040904E4\\" + juce::String (c.key)), juce::String (c.expected));
    }
}

#endif
