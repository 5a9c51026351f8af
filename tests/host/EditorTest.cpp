#include "PluginHost.h"

#include <gtest/gtest.h>

TEST (ModuleEditor, OpensAtItsFixedSizeAndClosesBeforeTheInstanceGoes)
{
    // Without a display there is no window to open (under Wine the graphics
    // set-up fails outright), so the check needs one.
    if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "no display";

    vizeva::PluginHost host;
    const auto error = host.load (vizeva::defaultPluginBundle());
    ASSERT_TRUE (error.isEmpty()) << error;
    ASSERT_TRUE (host.plugin().hasEditor());

    std::unique_ptr<juce::AudioProcessorEditor> editor (host.plugin().createEditorIfNeeded());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getWidth(), 358);
    EXPECT_EQ (editor->getHeight(), 474);

    // The host-side window must go before the instance it shows.
    editor.reset();
    EXPECT_EQ (host.plugin().getActiveEditor(), nullptr);
}
