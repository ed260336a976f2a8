#pragma once

#include <QObject>
#include <QProgressBar>
#include <QTimer>

// The time limit of a recording and the bar that shows how loud the microphone is.

// A recording's time limit, measured on the platform's clock: enabled when a recording starts,
// it fires timeout() once, interval() milliseconds later, and is then disabled. While enabled it
// looks at the clock about twenty times a second and reports each look with ticked(), which the
// level meter follows.
class RecordTimer : public QObject {
    Q_OBJECT
public:
    RecordTimer(QObject* parent, const char* name);

    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    int interval() const;

    // One look at the clock: ticked(), then timeout() when the time is up. The timer's own ticks
    // call it; a test calls it after moving the fake clock.
    void check();

Q_SIGNALS:
    void ticked();
    void timeout();

private:
    QTimer ticker_;
    bool enabled_ = false;
    double start_ = 0.0;
};

// A bar that moves with the microphone's level while a recording runs, so a teacher sees at
// once whether the microphone is heard. It remembers the highest reading since it was cleared.
class LevelMeter : public QProgressBar {
    Q_OBJECT
public:
    LevelMeter(QWidget* parent, const char* name);

    // Shows a level of 0 to 1 of full scale.
    void showLevel(float level);
    // Back to empty, as a recording starts or ends.
    void clear();
    int highest() const { return highest_; }

private:
    int highest_ = 0;
};
