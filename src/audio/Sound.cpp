#include "audio/Sound.h"

#include "audio/MediaPath.h"
#include "platform/Services.h"

#include <QCoreApplication>

namespace {

bool isLoop(const QString& loopArgument) { return loopArgument == QStringLiteral("LOOP"); }

// True when the file is there; otherwise tells the teacher which name was missing.
bool findWave(const QString& fileName) {
    if (waveFileExists(fileName)) return true;
    platform::messages().ok(QCoreApplication::translate("Sound", "Could't find file ") + fileName);
    return false;
}

}  // namespace

bool waveFileExists(const QString& fileName) { return platform::files().exists(fileName); }

void playWave(const QString& fileName, const QString& /*loopArgument*/) {
    if (!findWave(fileName)) return;
    platform::wavePlayer().playSync(absoluteMediaPath(fileName), false);
}

void playWaveAsync(const QString& fileName, const QString& loopArgument) {
    if (!findWave(fileName)) return;
    platform::wavePlayer().playAsync(absoluteMediaPath(fileName), isLoop(loopArgument));
}

void stopWave() {
    const QString stopSound = QStringLiteral("com_stop.wav");
    if (waveFileExists(stopSound)) {
        playWave(stopSound, QStringLiteral("DONT_LOOP"));
        return;
    }
    // Without the stop sound the teacher still hears about the missing file, but the prompt
    // that was meant to be cut off must not run on under the next sentence.
    findWave(stopSound);
    platform::wavePlayer().stop();
}
