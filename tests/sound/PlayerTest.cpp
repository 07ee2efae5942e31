// The player's own thread: what it reports when the SoundFont or the audio output is missing, and
// that no call waits for it.

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
        {"no SoundFont", {"", {"alsa"}, 44100.0}, SoundStatus::NoSoundFont},
        {"SoundFont file missing", {strNotAFont, {"alsa"}, 44100.0}, SoundStatus::NoSoundFont},
        {"no audio driver to try", {strFont, {}, 44100.0}, SoundStatus::NoAudioOutput},
        {"unknown audio driver",
         {strFont, {"no-such-driver"}, 44100.0},
         SoundStatus::NoAudioOutput},
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
    SoundPlayer player({strFont, {}, 44100.0}, nullptr, nullptr);
    player.prepare();
    player.play({}, 100, 0);
}

} // namespace
