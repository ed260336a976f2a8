#include "maintenance/RecordingControls.h"

#include "maintenance/WorkshopMedia.h"
#include "platform/Services.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int kTickMs = 50;

}  // namespace

RecordTimer::RecordTimer(QObject* parent, const char* name) : QObject(parent) {
    setObjectName(QString::fromLatin1(name));
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &RecordTimer::check);
}

int RecordTimer::interval() const { return kRecordingLimitMs; }

void RecordTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled) {
        start_ = platform::clock().monotonicSeconds();
        ticker_.start();
    } else {
        ticker_.stop();
    }
}

void RecordTimer::check() {
    if (!enabled_) return;
    Q_EMIT ticked();
    // A handler of ticked() may have ended the recording.
    if (!enabled_ || !recordingTimeIsUp(start_, platform::clock().monotonicSeconds())) return;
    setEnabled(false);
    Q_EMIT timeout();
}

LevelMeter::LevelMeter(QWidget* parent, const char* name) : QProgressBar(parent) {
    setObjectName(QString::fromLatin1(name));
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
    setFixedSize(160, 18);
    setFocusPolicy(Qt::NoFocus);
    const QString caption = QCoreApplication::translate("FormMaint", "Microphone level");
    setAccessibleName(caption);
    setToolTip(caption);
}

void LevelMeter::showLevel(float level) {
    const int reading = meterReading(level);
    highest_ = std::max(highest_, reading);
    setValue(reading);
}

void LevelMeter::clear() {
    highest_ = 0;
    setValue(0);
}
