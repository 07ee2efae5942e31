#include "SoundPlayer.h"

#include "ScheduleRenderer.h"
#include "SoundSynth.h"

namespace {

int renderForDriver(void* data, int intFrames, int /*nfx*/, float* /*fx*/[], int intOut,
                    float* out[]) {
    if (intOut < 2) {
        return FLUID_FAILED;
    }
    static_cast<ScheduleRenderer*>(data)->render(intFrames, out[0], out[1]);
    return FLUID_OK;
}

} // namespace

SoundPlayer::SoundPlayer(SoundPlayerOptions options, StatusListener statusListener,
                         NoteListener noteListener)
    : options(std::move(options)), statusListener(std::move(statusListener)),
      noteListener(std::move(noteListener)) {}

SoundPlayer::~SoundPlayer() {
    {
        std::lock_guard lock(mutex);
        boolQuit = true;
    }
    wake.notify_all();
    if (worker.joinable()) {
        worker.join();
    }
    // The output's thread renders through the renderer: it goes first.
    output.reset();
}

void SoundPlayer::post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex);
        collTasks.push_back(std::move(task));
        if (!worker.joinable()) {
            worker = std::thread(&SoundPlayer::run, this);
        }
    }
    wake.notify_all();
}

void SoundPlayer::run() {
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return boolQuit || !collTasks.empty(); });
            if (boolQuit) {
                return;
            }
            task = std::move(collTasks.front());
            collTasks.pop_front();
        }
        task();
    }
}

void SoundPlayer::load() {
    if (status != SoundStatus::Unknown) {
        return;
    }
    if (!options.strSoundFont.empty()) {
        sound = SoundSynth::create(options.strSoundFont, options.dblSampleRate);
    }
    if (!sound) {
        status = SoundStatus::NoSoundFont;
    } else {
        renderer = std::make_unique<ScheduleRenderer>(sound->synth(), sound->sampleRate());
        renderer->setNoteListener(noteListener);
        output = options.openOutput ? options.openOutput(*sound, *renderer) : openDriver();
        status = output ? SoundStatus::Ready : SoundStatus::NoAudioOutput;
    }
    if (statusListener) {
        statusListener(status);
    }
}

AudioOutput SoundPlayer::openDriver() {
    for (const auto& [strName, strValue] : options.collDriverSettings) {
        fluid_settings_setstr(sound->settings(), strName.c_str(), strValue.c_str());
    }
    for (const std::string& strDriver : options.collAudioDrivers) {
        fluid_settings_setstr(sound->settings(), "audio.driver", strDriver.c_str());
        if (fluid_audio_driver_t* driver =
                new_fluid_audio_driver2(sound->settings(), renderForDriver, renderer.get())) {
            return AudioOutput(driver, [](void* handle) {
                delete_fluid_audio_driver(static_cast<fluid_audio_driver_t*>(handle));
            });
        }
    }
    return nullptr;
}

void SoundPlayer::prepare() {
    post([this] { load(); });
}

void SoundPlayer::play(std::vector<ScheduledNote> collNotes, int intTempo, int intProgram) {
    post([this, collNotes = std::move(collNotes), intTempo, intProgram] {
        load();
        if (status == SoundStatus::Ready) {
            renderer->start(collNotes, intTempo, intProgram);
        }
    });
}

void SoundPlayer::stop() {
    post([this] {
        if (status == SoundStatus::Ready) {
            renderer->stop();
        }
    });
}
