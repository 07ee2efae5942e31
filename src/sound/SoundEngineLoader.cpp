#include "SoundEngineLoader.h"

#include <dlfcn.h>
#include <filesystem>

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

SoundEngineFactoryFunction findFactory(const std::vector<std::string>& collPaths) {
    for (const std::string& strPath : collPaths) {
        if (void* module = dlopen(strPath.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            if (void* symbol = dlsym(module, kSoundEngineFactory)) {
                return reinterpret_cast<SoundEngineFactoryFunction>(symbol);
            }
            dlclose(module);
        }
    }
    return nullptr;
}

} // namespace

std::vector<std::string> soundModulePaths() {
    std::vector<std::string> collPaths;
    std::error_code error;
    const std::filesystem::path pathExe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        collPaths.push_back(
            (pathExe.parent_path() / GAMUTRIX_SOUND_MODULE_FROM_BINDIR).lexically_normal());
    }
    collPaths.emplace_back(GAMUTRIX_SOUND_MODULE_INSTALLED);
    collPaths.emplace_back(GAMUTRIX_SOUND_MODULE_BUILT);
    return collPaths;
}

std::unique_ptr<SoundEngine> loadSoundEngine(const std::vector<std::string>& collPaths,
                                             const SoundPlayerOptions& options,
                                             SoundEngine::StatusListener statusListener,
                                             SoundEngine::NoteListener noteListener) {
    if (const SoundEngineFactoryFunction create = findFactory(collPaths)) {
        return std::unique_ptr<SoundEngine>(
            create(options, std::move(statusListener), std::move(noteListener)));
    }
    return std::make_unique<MissingSoundEngine>(std::move(statusListener));
}
