// The synthesizer is reached through a module loaded on first use; without the module, sound
// reports a missing output instead of failing.

#include "SoundEngineLoader.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>

namespace {

// The first status an engine reports after prepare(), or Unknown after five seconds.
SoundStatus firstStatus(const std::vector<std::string>& collPaths) {
    auto reported = std::make_shared<std::promise<SoundStatus>>();
    std::future<SoundStatus> status = reported->get_future();
    SoundPlayerOptions options;
    options.collAudioDrivers.clear();
    std::unique_ptr<SoundEngine> engine = loadSoundEngine(
        collPaths, options, [reported](SoundStatus s) { reported->set_value(s); }, nullptr);
    engine->prepare();
    if (status.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        return SoundStatus::Unknown;
    }
    return status.get();
}

TEST(SoundEngineLoader, LoadsTheFirstModuleThatOpens) {
    // Only the real synthesizer can tell that the SoundFont is missing.
    EXPECT_EQ(firstStatus(soundModulePaths()), SoundStatus::NoSoundFont);
    EXPECT_EQ(firstStatus({"/nonexistent/gamutrix-sound.so", soundModulePaths().back()}),
              SoundStatus::NoSoundFont);
}

TEST(SoundEngineLoader, WithoutTheModuleReportsNoAudioOutput) {
    // A missing file, and a library that is not the module.
    EXPECT_EQ(firstStatus({"/nonexistent/gamutrix-sound.so", "libm.so.6"}),
              SoundStatus::NoAudioOutput);
}

} // namespace
