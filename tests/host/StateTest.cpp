#include "host/LoadedModule.h"

#include <gtest/gtest.h>

#if defined(__GNUC__)
 #pragma GCC diagnostic push
 #pragma GCC diagnostic ignored "-Wpedantic"
 #pragma GCC diagnostic ignored "-Wshadow"
 #pragma GCC diagnostic ignored "-Wconversion"
 #pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
 #pragma GCC diagnostic ignored "-Wunused-parameter"
 #pragma GCC diagnostic ignored "-Woverloaded-virtual"
#endif
#include <pluginterfaces/base/ipluginbase.h>
#include <pluginterfaces/vst/ivstaudioprocessor.h>
#include <pluginterfaces/vst/ivstcomponent.h>
#include <pluginterfaces/vst/ivsteditcontroller.h>
#include <pluginterfaces/vst/ivstmessage.h>
#include <pluginterfaces/vst/ivstunits.h>
#if defined(__GNUC__)
 #pragma GCC diagnostic pop
#endif

#include <array>
#include <cstring>

namespace
{

class HostedState : public vizeva::test::LoadedModule
{
protected:
    juce::MemoryBlock save()
    {
        juce::MemoryBlock block;
        host.plugin().getStateInformation (block);
        return block;
    }
};

} // namespace

TEST_F (HostedState, EveryDefaultReadsAsTheHostShowsIt)
{
    const char* expected[] = { "+0.0 dB", "200 Hz", "20 %", "0.10 s", "5.0 s", "50 %", "Saw1", "Poly", "  0 %" };
    for (int i = 0; i < 9; ++i)
    {
        SCOPED_TRACE (i);
        auto& parameter = host.parameter (i);
        EXPECT_EQ (parameter.getText (parameter.getValue(), 1024), juce::String (expected[i]));
        EXPECT_EQ (parameter.getCurrentValueAsText(), juce::String (expected[i]));
    }
}

TEST_F (HostedState, SavedStateComesBackAfterTheParametersChanged)
{
    ASSERT_TRUE (host.prepare (48000.0, 256));
    std::array<float, 9> saved {};
    std::array<float, 9> changed {};
    for (int i = 0; i < 9; ++i)
    {
        saved[(size_t) i] = 0.05f + 0.1f * (float) i + 0.012345f;
        changed[(size_t) i] = 1.0f - saved[(size_t) i];
        host.parameter (i).setValue (saved[(size_t) i]);
    }
    host.render ({}, 512);
    const auto first = save();

    for (int i = 0; i < 9; ++i)
        host.parameter (i).setValue (changed[(size_t) i]);
    host.render ({}, 512);
    const auto second = save();

    host.plugin().setStateInformation (first.getData(), (int) first.getSize());
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR (host.parameter (i).getValue(), saved[(size_t) i], 0.00005f) << i;

    // And back again: the changed values were really in the plug-in.
    host.plugin().setStateInformation (second.getData(), (int) second.getSize());
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR (host.parameter (i).getValue(), changed[(size_t) i], 0.00005f) << i;
    host.render ({}, 512);
}

TEST_F (HostedState, DamagedPlugInStateLeavesTheParameters)
{
    host.parameter (0).setValue (0.25f);
    const auto good = save();
    host.parameter (0).setValue (0.75f);
    save(); // hands the change to the module

    // The host keeps the module's component state as base64 inside its own XML; the
    // plug-in's block comes first in it, the framework's private trailer after it.
    struct Damage { const char* what; size_t offset; juce::uint8 byte; };
    const Damage damages[] = { { "magic", 0, 'X' }, { "length sign", 7, 0x80 }, { "length zero", 4, 0 } };
    for (const auto& d : damages)
    {
        SCOPED_TRACE (d.what);
        auto xml = juce::AudioProcessor::getXmlFromBinary (good.getData(), (int) good.getSize());
        ASSERT_NE (xml, nullptr);
        auto* componentState = xml->getChildByName ("IComponent");
        ASSERT_NE (componentState, nullptr);
        juce::MemoryBlock plugInState;
        ASSERT_TRUE (plugInState.fromBase64Encoding (componentState->getAllSubText()));
        ASSERT_GT (plugInState.getSize(), 8u);
        ASSERT_EQ (std::memcmp (plugInState.getData(), "VC2!", 4), 0);
        if (d.offset == 4)
            std::memset (static_cast<char*> (plugInState.getData()) + 4, 0, 4);
        else
            plugInState[d.offset] = (char) d.byte;
        componentState->deleteAllTextElements();
        componentState->addTextElement (plugInState.toBase64Encoding());

        juce::MemoryBlock damaged;
        juce::AudioProcessor::copyXmlToBinary (*xml, damaged);
        host.plugin().setStateInformation (damaged.getData(), (int) damaged.getSize());
        EXPECT_NEAR (host.parameter (0).getValue(), 0.75f, 1e-6f);
    }

    host.plugin().setStateInformation (good.getData(), (int) good.getSize());
    EXPECT_NEAR (host.parameter (0).getValue(), 0.25f, 0.00005f);
}

// JUCE's VST3 hosting lists no programs for a plug-in with a single one, so the
// program list is read the way a VST3 host reads it: through the unit interface of
// the module's own edit controller, connected to its component.
namespace
{

using namespace Steinberg;

template <typename Interface>
struct Releaser
{
    void operator() (Interface* p) const
    {
        if (p != nullptr)
            p->release();
    }
};

template <typename Interface>
using ComPtr = std::unique_ptr<Interface, Releaser<Interface>>;

template <typename Interface, typename From>
ComPtr<Interface> query (From* object)
{
    void* result = nullptr;
    if (object == nullptr || object->queryInterface (Interface::iid, &result) != kResultOk)
        return {};
    return ComPtr<Interface> (static_cast<Interface*> (result));
}

juce::String fromString128 (const Vst::String128 text)
{
    return juce::String (juce::CharPointer_UTF16 (reinterpret_cast<const juce::CharPointer_UTF16::CharType*> (text)));
}

class ModuleClasses : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The bundle's binary for this platform, or the module file itself when
        // that is what the harness was given (as on Windows).
        const auto bundle = vizeva::defaultPluginBundle();
       #if JUCE_WINDOWS
        const auto module = bundle.existsAsFile() ? bundle : bundle.getChildFile ("Contents/x86_64-win/Vizeva.vst3");
       #else
        const auto module = bundle.existsAsFile() ? bundle : bundle.getChildFile ("Contents/x86_64-linux/Vizeva.so");
       #endif
        ASSERT_TRUE (module.existsAsFile()) << module.getFullPathName();
        ASSERT_TRUE (library.open (module.getFullPathName()));

        using EntryFunction = bool (*) (void*);
        using FactoryFunction = IPluginFactory* (*)();
        if (auto entry = reinterpret_cast<EntryFunction> (library.getFunction ("ModuleEntry")))
            entered = entry (library.getNativeHandle());
        auto getFactory = reinterpret_cast<FactoryFunction> (library.getFunction ("GetPluginFactory"));
        ASSERT_NE (getFactory, nullptr);
        factory.reset (getFactory());
        ASSERT_NE (factory, nullptr);

        for (int32 i = 0; i < factory->countClasses(); ++i)
        {
            PClassInfo info {};
            ASSERT_EQ (factory->getClassInfo (i, &info), kResultOk);
            if (std::strcmp (info.category, kVstAudioEffectClass) == 0)
                createInto (info.cid, component);
            else if (std::strcmp (info.category, kVstComponentControllerClass) == 0)
                createInto (info.cid, controller);
        }
        ASSERT_NE (component, nullptr);
        ASSERT_NE (controller, nullptr);
        ASSERT_EQ (component->initialize (nullptr), kResultOk);
        ASSERT_EQ (controller->initialize (nullptr), kResultOk);

        componentPoint = query<Vst::IConnectionPoint> (component.get());
        controllerPoint = query<Vst::IConnectionPoint> (controller.get());
        ASSERT_NE (componentPoint, nullptr);
        ASSERT_NE (controllerPoint, nullptr);
        componentPoint->connect (controllerPoint.get());
        controllerPoint->connect (componentPoint.get());
    }

    void TearDown() override
    {
        if (componentPoint != nullptr && controllerPoint != nullptr)
        {
            componentPoint->disconnect (controllerPoint.get());
            controllerPoint->disconnect (componentPoint.get());
        }
        componentPoint.reset();
        controllerPoint.reset();
        if (controller != nullptr)
            controller->terminate();
        if (component != nullptr)
            component->terminate();
        controller.reset();
        component.reset();
        factory.reset();

        using ExitFunction = bool (*)();
        if (entered)
            if (auto exitModule = reinterpret_cast<ExitFunction> (library.getFunction ("ModuleExit")))
                exitModule();
    }

    template <typename Interface>
    void createInto (const TUID cid, ComPtr<Interface>& target)
    {
        void* object = nullptr;
        if (factory->createInstance (cid, Interface::iid, &object) == kResultOk)
            target.reset (static_cast<Interface*> (object));
    }

    juce::DynamicLibrary library;
    bool entered = false;
    ComPtr<IPluginFactory> factory;
    ComPtr<Vst::IComponent> component;
    ComPtr<Vst::IEditController> controller;
    ComPtr<Vst::IConnectionPoint> componentPoint;
    ComPtr<Vst::IConnectionPoint> controllerPoint;
};

} // namespace

TEST_F (ModuleClasses, ControllerListsOneProgramNamedDefault)
{
    // Hosts read it from the controller; the component answers the same.
    for (auto* object : { static_cast<FUnknown*> (controller.get()), static_cast<FUnknown*> (component.get()) })
    {
        const auto unitInfo = query<Vst::IUnitInfo> (object);
        ASSERT_NE (unitInfo, nullptr);
        ASSERT_EQ (unitInfo->getProgramListCount(), 1);

        Vst::ProgramListInfo list {};
        ASSERT_EQ (unitInfo->getProgramListInfo (0, list), kResultOk);
        EXPECT_EQ (list.programCount, 1);

        Vst::String128 name {};
        ASSERT_EQ (unitInfo->getProgramName (list.id, 0, name), kResultOk);
        EXPECT_EQ (fromString128 (name), juce::String ("Default"));
    }
}
