// The picture movement speed: the speed box, the yellow box that shows the speed, Faster and
// Slower, and "Reset Speed", which measures a starting value on this computer.

#include "students/FormOptions.h"

#include "app/PictureWidgets.h"
#include "app/SpeedCalibration.h"
#include "platform/Services.h"
#include "students/OptionWidgets.h"
#include "students/SpeedSteps.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The strip the yellow box moves in and the box itself, in twips. The box moves one twip per
// step, as the pictures of the activity move one unit per step.
constexpr int kStripWidthTwips = 6000;
constexpr int kStripHeightTwips = 525;
constexpr int kBoxWidthTwips = 405;
constexpr int kBoxHeightTwips = 345;
constexpr int kBoxStartTwips = 25;
// The slowest delay the demonstration runs, the largest the box may hold: a longer box (a tenth
// digit, many clicks on Slower) would freeze the window for minutes at each step.
constexpr double kSlowestShownSpeed = 999999999;
}  // namespace

void FormOptions::buildSpeedGroup(QGroupBox* group) {
    auto* layout = new QVBoxLayout(group);
    addPanelText(group, layout,
                 tr("This option controls the speed at which the pictures move during the sequencing task.  The "
                    "yellow box is only an approximation of the speed.  Click the show speed button and adjust with "
                    "the \"Faster\" and \"Slower\" buttons.  Click the \"Reset Speed\" to have the computer calculate "
                    "a good starting point."));

    auto* boxRow = new QHBoxLayout;
    auto* label = new QLabel(tr("Animation Speed:"), group);
    TextSpeed = new QLineEdit(group);
    TextSpeed->setObjectName(QStringLiteral("TextSpeed"));
    TextSpeed->setAccessibleName(tr("Animation Speed"));
    // Digits only, typed or pasted; one more than the box may keep, so that a tenth digit can be
    // typed and is refused when the teacher leaves the box.
    TextSpeed->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kSpeedBoxDigits + 1)), TextSpeed));
    TextSpeed->setFixedWidth(TextSpeed->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    TextSpeed->installEventFilter(this);
    label->setBuddy(TextSpeed);
    boxRow->addWidget(label);
    boxRow->addWidget(TextSpeed);
    boxRow->addStretch(1);
    layout->addLayout(boxRow);
    connect(TextSpeed, &QLineEdit::textEdited, this, &FormOptions::markChanged);

    auto* buttons = new QHBoxLayout;
    CmdTestSpeed = namedButton(group, "CmdTestSpeed", tr("Show Speed"));
    CmdStopTest = namedButton(group, "CmdStopTest", tr("Stop Showing Speed"));
    CmdSpeedFaster = namedButton(group, "CmdSpeedFaster", tr("Faster"));
    CmdSpeedSlower = namedButton(group, "CmdSpeedSlower", tr("Slower"));
    CmdCalibrate = namedButton(group, "CmdCalibrate", tr("Reset Speed"));
    // Wide enough for its caption while it calculates, so that nothing moves meanwhile.
    CmdCalibrate->setMinimumWidth(CmdCalibrate->fontMetrics().horizontalAdvance(tr("Calculating...  Please Wait")) +
                                  40);
    for (QPushButton* b : {CmdTestSpeed, CmdStopTest, CmdSpeedFaster, CmdSpeedSlower, CmdCalibrate})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    FrameTestSpeed = new QFrame(group);
    FrameTestSpeed->setObjectName(QStringLiteral("FrameTestSpeed"));
    FrameTestSpeed->setFixedSize(toPixelsX(kStripWidthTwips), toPixelsY(kStripHeightTwips));
    FrameTestSpeed->setAutoFillBackground(true);
    QPalette strip = FrameTestSpeed->palette();
    strip.setColor(QPalette::Window, QColor(40, 40, 48));
    FrameTestSpeed->setPalette(strip);
    PicSpeed = new PictureBox(FrameTestSpeed, QStringLiteral("PicSpeed"));
    PicSpeed->setBackground(Qt::yellow);
    PicSpeed->resize(toPixelsX(kBoxWidthTwips), toPixelsY(kBoxHeightTwips));
    PicSpeed->move(toPixelsX(kBoxStartTwips), toPixelsY((kStripHeightTwips - kBoxHeightTwips) / 2));
    layout->addWidget(FrameTestSpeed);

    connect(CmdTestSpeed, &QPushButton::clicked, this, &FormOptions::CmdTestSpeed_Click);
    connect(CmdStopTest, &QPushButton::clicked, this, &FormOptions::CmdStopTest_Click);
    connect(CmdSpeedFaster, &QPushButton::clicked, this, &FormOptions::CmdSpeedFaster_Click);
    connect(CmdSpeedSlower, &QPushButton::clicked, this, &FormOptions::CmdSpeedSlower_Click);
    connect(CmdCalibrate, &QPushButton::clicked, this, &FormOptions::CmdCalibrate_Click);
}

void FormOptions::placeSpeedBox(int leftTwips) {
    speedBoxLeft_ = leftTwips;
    PicSpeed->move(toPixelsX(leftTwips), PicSpeed->y());
}

void FormOptions::setSpeedButtonsIdle() {
    CmdTestSpeed->setEnabled(true);
    for (QPushButton* b : {CmdStopTest, CmdSpeedFaster, CmdSpeedSlower, CmdCalibrate}) b->setEnabled(false);
}

void FormOptions::setSpeedButtonsRunning() {
    CmdTestSpeed->setEnabled(false);
    for (QPushButton* b : {CmdStopTest, CmdSpeedFaster, CmdSpeedSlower, CmdCalibrate}) b->setEnabled(true);
}

void FormOptions::stopSpeedDisplay() {
    DemoStop = 1;
    CalibrationStop = 1;
    ++displayStops_;
    placeSpeedBox(kBoxStartTwips);
}

bool FormOptions::TextSpeed_KeyPress(QChar key) {
    placeSpeedBox(kBoxStartTwips);
    if (TextSpeed->text().isEmpty()) DemoStop = 1;
    return (key >= u'0' && key <= u'9') || key == u'\b';
}

void FormOptions::speedBoxLeft() {
    // Once the click that took the focus away has ended: a message box in the middle of a click
    // would leave the button pressed. A click on Done refuses the box's value itself and puts
    // the focus back, and then nothing more is said here.
    if (QApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(20, this, &FormOptions::speedBoxLeft);
        return;
    }
    if (!TextSpeed->hasFocus()) TextSpeed_LostFocus();
}

void FormOptions::refuseSpeedBox() {
    speedMessageShowing_ = true;
    tell(speedBoxMessage());
    speedMessageShowing_ = false;
    if (TextSpeed->isVisible()) TextSpeed->setFocus(Qt::OtherFocusReason);
}

void FormOptions::TextSpeed_LostFocus() {
    // The message box takes the focus and gives it back; that is not the teacher leaving.
    if (speedMessageShowing_ || !TextSpeed->isVisible()) return;
    const QString text = TextSpeed->text();
    if (!text.isEmpty() && text.size() <= kSpeedBoxDigits) return;
    refuseSpeedBox();
}

void FormOptions::CmdTestSpeed_Click() {
    if (DemoRunning == 1) return;
    setSpeedButtonsRunning();
    DemoStop = 0;
    DemoRunning = 1;
    CalibrationStop = 1;
    ++loopDepth_;
    runDemonstration();
    --loopDepth_;
    DemoRunning = 0;
    loopEnded();
}

void FormOptions::runDemonstration() {
    while (DemoStop == 0) {
        placeSpeedBox(kBoxStartTwips);
        while (speedBoxLeft_ + kBoxWidthTwips < kStripWidthTwips) {
            if (DemoStop == 1) {
                placeSpeedBox(kBoxStartTwips);
                return;
            }
            if (TextSpeed->text().isEmpty()) {
                // Ended by clearing the box: "Show Speed" starts it again.
                CmdTestSpeed->setEnabled(true);
                return;
            }
            // Read at every step, so that Faster and Slower show at once.
            delay(std::min(static_cast<double>(speedFromText(TextSpeed->text())), kSlowestShownSpeed));
            placeSpeedBox(speedBoxLeft_ + 1);
            platform::pump().doEvents();
        }
    }
    placeSpeedBox(kBoxStartTwips);
}

void FormOptions::CmdStopTest_Click() {
    DemoStop = 1;
    CalibrationStop = 1;
    setSpeedButtonsIdle();
}

void FormOptions::CmdSpeedFaster_Click() {
    markChanged();
    const SpeedChange faster = speedFaster(speedFromText(TextSpeed->text()));
    TextSpeed->setText(QString::number(faster.value));
    if (!faster.message.isEmpty()) tell(faster.message);
    if (DemoRunning == 0) CmdTestSpeed_Click();
}

void FormOptions::CmdSpeedSlower_Click() {
    markChanged();
    TextSpeed->setText(QString::number(speedSlower(speedFromText(TextSpeed->text()))));
    if (DemoRunning == 0) CmdTestSpeed_Click();
}

void FormOptions::CmdCalibrate_Click() {
    // Its button stays enabled while it runs; a second click is not a second calibration.
    if (calibrating_) return;
    calibrating_ = true;
    ++loopDepth_;
    const int stopsBefore = displayStops_;
    for (QPushButton* b : {CmdTestSpeed, CmdStopTest, CmdSpeedFaster, CmdSpeedSlower}) b->setEnabled(false);
    CmdCalibrate->setText(tr("Calculating...  Please Wait"));
    CmdCalibrate->setAccessibleName(CmdCalibrate->text());
    CmdDone->setEnabled(false);
    markChanged();
    CalibrationStop = 0;

    SpeedCalibration calibration;
    calibration.measurement.movePicture = [this] { placeSpeedBox(speedBoxLeft_ + 1); };
    calibration.measurement.delay = [this](double value) { return delay(value); };
    calibration.showValue = [this](double value) { TextSpeed->setText(QString::number(static_cast<qint64>(value))); };
    calibration.placePicture = [this] { placeSpeedBox(kBoxStartTwips); };
    calibration.stopRequested = [this] { return CalibrationStop == 1; };
    calibrateSpeed(calibration);
    CalibrationStop = 1;
    placeSpeedBox(kBoxStartTwips);

    CmdCalibrate->setText(tr("Reset Speed"));
    CmdCalibrate->setAccessibleName(CmdCalibrate->text());
    CmdDone->setEnabled(true);
    calibrating_ = false;
    if (displayStops_ != stopsBefore) {
        // The panel was left (or the window closed) meanwhile: nothing is shown any more.
        setSpeedButtonsIdle();
    } else {
        setSpeedButtonsRunning();
        // The new value is shown moving; a demonstration already running takes it at its next step.
        if (DemoRunning == 0) CmdTestSpeed_Click();
    }
    --loopDepth_;
    loopEnded();
}
