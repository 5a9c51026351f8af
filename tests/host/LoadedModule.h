#pragma once

#include "PluginHost.h"

#include <gtest/gtest.h>

namespace vizeva::test
{

/** Loads the built module afresh for every test, as a host would. */
class LoadedModule : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto error = host.load (vizeva::defaultPluginBundle());
        ASSERT_TRUE (error.isEmpty()) << error;
    }

    vizeva::PluginHost host;
};

} // namespace vizeva::test
