#include "SoundPreferences.h"

#include <QSettings>

namespace {

const char* const kTempoKey = "Sound/Tempo";
const char* const kChoiceKey = "Sound/Sound";
const char* const kSoundFontKey = "Sound/SoundFont";

} // namespace

namespace SoundPreferences {

int tempo() {
    bool boolNumber = false;
    const int intTempo = QSettings().value(kTempoKey, kDefaultTempo).toInt(&boolNumber);
    return boolNumber ? clampTempo(intTempo) : kDefaultTempo;
}

void setTempo(int intTempo) {
    QSettings().setValue(kTempoKey, clampTempo(intTempo));
}

SoundChoice soundChoice() {
    SoundChoice choice = SoundChoice::FollowInstrument;
    parseSoundChoice(QSettings().value(kChoiceKey).toString().toStdString(), choice);
    return choice;
}

void setSoundChoice(SoundChoice choice) {
    QSettings().setValue(kChoiceKey, QString::fromStdString(soundChoiceName(choice)));
}

QString soundFontOverride() {
    return QSettings().value(kSoundFontKey).toString();
}

} // namespace SoundPreferences
