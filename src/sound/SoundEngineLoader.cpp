#include "SoundEngineLoader.h"

#include "ModuleLoader.h"

namespace {

// Stands in for the synthesizer when its module is missing, as a machine without audio would.
class MissingSoundEngine : public SoundEngine {
  public:
    explicit MissingSoundEngine(StatusListener statusListener)
        : statusListener(std::move(statusListener)) {}
    void prepare() override { report(); }
    void play(std::vector<ScheduledNote>, int, int) override { report(); }
    void stop() override {}

  private:
    void report() {
        if (statusListener) {
            statusListener(SoundStatus::NoAudioOutput);
        }
    }
    StatusListener statusListener;
};

} // namespace

std::vector<std::string> soundModulePaths() {
    return modulePaths(GAMUTRIX_SOUND_MODULE_FROM_BINDIR, GAMUTRIX_SOUND_MODULE_INSTALLED,
                       GAMUTRIX_SOUND_MODULE_BUILT);
}

std::unique_ptr<SoundEngine> loadSoundEngine(const std::vector<std::string>& collPaths,
                                             const SoundPlayerOptions& options,
                                             SoundEngine::StatusListener statusListener,
                                             SoundEngine::NoteListener noteListener) {
    if (const auto create = reinterpret_cast<SoundEngineFactoryFunction>(
            findModuleSymbol(collPaths, kSoundEngineFactory))) {
        return std::unique_ptr<SoundEngine>(
            create(options, std::move(statusListener), std::move(noteListener)));
    }
    return std::make_unique<MissingSoundEngine>(std::move(statusListener));
}
