// The player's own thread: what it reports when the SoundFont or the audio output is missing, and
// that no call waits for it.

#include "PullingOutput.h"
#include "SoundCases.h"
#include "SoundFontLocator.h"
#include "SoundPlayer.h"

#include <QTemporaryDir>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace {

using namespace std::chrono_literals;

SoundPlayerOptions options(std::string strFont, std::vector<std::string> collDrivers) {
    SoundPlayerOptions result;
    result.strSoundFont = std::move(strFont);
    result.collAudioDrivers = std::move(collDrivers);
    return result;
}

class StatusWaiter {
  public:
    SoundPlayer::StatusListener listener() {
        return [this](SoundStatus status) {
            std::lock_guard lock(mutex);
            collStatus.push_back(status);
            changed.notify_all();
        };
    }
    std::vector<SoundStatus> waitFor(std::size_t intCount) {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, 10s, [&] { return collStatus.size() >= intCount; });
        return collStatus;
    }

  private:
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<SoundStatus> collStatus;
};

TEST(Player, ReportsWhatIsMissing) {
    const std::string strFont = findSoundFont("");
    if (strFont.empty()) {
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    }
    QTemporaryDir dir;
    const std::string strNotAFont = (dir.path() + "/empty.sf2").toStdString();
    struct Row {
        const char* strName;
        SoundPlayerOptions options;
        SoundStatus expected;
    };
    const std::vector<Row> collRows{
        {"no SoundFont", options("", {"alsa"}), SoundStatus::NoSoundFont},
        {"SoundFont file missing", options(strNotAFont, {"alsa"}), SoundStatus::NoSoundFont},
        {"no audio driver to try", options(strFont, {}), SoundStatus::NoAudioOutput},
        {"unknown audio driver", options(strFont, {"no-such-driver"}), SoundStatus::NoAudioOutput},
    };
    for (const Row& row : collRows) {
        StatusWaiter waiter;
        SoundPlayer player(row.options, waiter.listener(), nullptr);
        const auto start = std::chrono::steady_clock::now();
        // Neither call waits for the loading; playing without output is a quiet no-op.
        player.play(buildSchedule(SoundCases::scale("1,3,5", 0), SoundCases::keyboard(1), false),
                    100, 0);
        player.stop();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 20ms) << row.strName;
        // Loading once reports once, however often it is asked.
        player.prepare();
        EXPECT_EQ(waiter.waitFor(1), std::vector<SoundStatus>{row.expected}) << row.strName;
    }
}

TEST(Player, EndsWhileStillLoading) {
    const std::string strFont = findSoundFont("");
    if (strFont.empty()) {
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    }
    SoundPlayer player(options(strFont, {}), nullptr, nullptr);
    player.prepare();
    player.play({}, 100, 0);
}

TEST(Player, PlaysThroughItsOutputAndStops) {
    const std::string strFont = findSoundFont("");
    if (strFont.empty()) {
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    }
    SoundPlayerOptions withOutput = options(strFont, {});
    withOutput.openOutput = openPullingOutput;
    StatusWaiter waiter;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::pair<int, bool>> collHeard;
    SoundPlayer player(withOutput, waiter.listener(), [&](int intIndex, bool boolOn) {
        std::lock_guard lock(mutex);
        collHeard.emplace_back(intIndex, boolOn);
        changed.notify_all();
    });
    const auto waitHeard = [&](std::size_t intCount) {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, 10s, [&] { return collHeard.size() >= intCount; });
        return collHeard;
    };
    // C and its octave at 240 beats a minute: C, C', C.
    player.play(buildSchedule(SoundCases::scale("1", 0), SoundCases::keyboard(1), false), 240, 0);
    EXPECT_EQ(waiter.waitFor(1), std::vector<SoundStatus>{SoundStatus::Ready});
    EXPECT_EQ(waitHeard(6),
              (std::vector<std::pair<int, bool>>{
                  {0, true}, {0, false}, {1, true}, {1, false}, {2, true}, {2, false}}));
    // Stop ends the note sounding.
    player.play(buildSchedule(SoundCases::scale("1", 0), SoundCases::keyboard(1), false), 40, 0);
    EXPECT_EQ(waitHeard(7).back(), std::make_pair(0, true));
    player.stop();
    EXPECT_EQ(waitHeard(8).back(), std::make_pair(0, false));
}

} // namespace
