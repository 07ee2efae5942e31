#include "MidiExport.h"

#include "AtomicFile.h"
#include "MidiFile.h"

#include <QIODevice>

bool writeMidiForScale(const StandardScale& scale, int intInstrument, int intTempo,
                       SoundChoice choice, bool boolAsChord, const QString& strPath,
                       QString& strError) {
    const std::vector<uint8_t> bytes =
        MidiFile::write(buildSchedule(scale, instrumentFromGlobals(intInstrument), boolAsChord),
                        clampTempo(intTempo), programFor(choice, intInstrument));
    return writeFileAtomically(
        strPath,
        [&bytes](QIODevice& device) {
            const auto intSize = static_cast<qint64>(bytes.size());
            return device.write(reinterpret_cast<const char*>(bytes.data()), intSize) == intSize;
        },
        &strError);
}
