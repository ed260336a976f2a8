// The first-run calibration: once after installation the main window measures how long the
// delay loop takes on this computer and stores the speed in the current student's options.

#include "students/FormMain.h"

#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "app/SpeedCalibration.h"
#include "core/TextFormat.h"
#include "library/OptionsFile.h"
#include "platform/Services.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cstdint>

namespace {
// The moving picture and the strip it moves in, in twips. It starts 300 twips from the left and
// goes back there once it is beyond 6000.
constexpr double kPictureWidthTwips = 3000;
constexpr double kPictureHeightTwips = 2250;
constexpr double kPictureStartTwips = 300;
constexpr double kPictureTurnTwips = 6000;
constexpr double kStripWidthTwips = kPictureTurnTwips + kPictureWidthTwips + 600;
constexpr double kStripHeightTwips = kPictureHeightTwips + 300;
}  // namespace

void FormMain::buildInitSpeedFrame() {
    const double tx = platform::screen().twipsPerPixelX();
    const double ty = platform::screen().twipsPerPixelY();
    FrameInitSpeed = new QFrame(this);
    FrameInitSpeed->setObjectName(QStringLiteral("FrameInitSpeed"));
    FrameInitSpeed->setAutoFillBackground(true);
    FrameInitSpeed->setPalette(palette());
    FrameInitSpeed->hide();
    auto* layout = new QVBoxLayout(FrameInitSpeed);
    layout->setContentsMargins(0, 12, 0, 12);
    layout->setSpacing(12);

    const QString white = QStringLiteral("color: white;");
    auto* heading = new QLabel(tr("Calculating Initial Animation Speed.  Please wait....."), FrameInitSpeed);
    heading->setObjectName(QStringLiteral("LabCalibrating"));
    heading->setStyleSheet(white + QStringLiteral("font-size: 16pt; font-weight: bold;"));
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);

    PicBackCalibrate = new PictureBox(FrameInitSpeed, QStringLiteral("PicBackCalibrate"));
    PicBackCalibrate->setBackground(QColor(0, 18, 191));
    PicBackCalibrate->setFixedSize(qRound(kStripWidthTwips / tx), qRound(kStripHeightTwips / ty));
    layout->addWidget(PicBackCalibrate);
    PicCalibrate = new PictureBox(PicBackCalibrate, QStringLiteral("PicCalibrate"));
    PicCalibrate->setBackground(Qt::white);
    PicCalibrate->resize(qRound(kPictureWidthTwips / tx), qRound(kPictureHeightTwips / ty));
    placeCalibratePicture(kPictureStartTwips);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, 0, 12, 0);
    auto* valueLabel = new QLabel(tr("Animation Speed:"), FrameInitSpeed);
    valueLabel->setStyleSheet(white);
    TextCalibSpeed = new QLineEdit(FrameInitSpeed);
    TextCalibSpeed->setObjectName(QStringLiteral("TextCalibSpeed"));
    TextCalibSpeed->setAccessibleName(tr("Animation Speed"));
    TextCalibSpeed->setReadOnly(true);
    TextCalibSpeed->setFocusPolicy(Qt::NoFocus);
    TextCalibSpeed->setFixedWidth(TextCalibSpeed->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    valueLabel->setBuddy(TextCalibSpeed);
    row->addWidget(valueLabel);
    row->addWidget(TextCalibSpeed);
    row->addStretch(1);
    layout->addLayout(row);

    auto* note = new QLabel(
        tr("The program will now calculate a default \"Animation Speed.\"  This is only performed once after "
           "installation.  This is the approximate speed at which the pictures will move from one spot to another.  "
           "This setting can be adjusted by clicking on \"Options\" from the main menu and then clicking on \"Picture "
           "Settings\".  This screen will automatically disapprear when finished."),
        FrameInitSpeed);
    note->setObjectName(QStringLiteral("LabInitSpeedNote"));
    note->setWordWrap(true);
    note->setStyleSheet(white + QStringLiteral("font-size: 12pt;"));
    note->setContentsMargins(12, 0, 12, 0);
    layout->addWidget(note);
    FrameInitSpeed->setFixedWidth(PicBackCalibrate->width());
    FrameInitSpeed->adjustSize();
}

void FormMain::placeCalibratePicture(double leftTwips) {
    // The place is kept in twips; the picture moves on screen whenever a whole pixel is passed.
    calibrateLeftTwips_ = leftTwips;
    const double tx = platform::screen().twipsPerPixelX();
    const double ty = platform::screen().twipsPerPixelY();
    PicCalibrate->move(roundToInt16(leftTwips / tx), qRound((kStripHeightTwips - kPictureHeightTwips) / 2 / ty));
}

void FormMain::calibrateFirstRun() {
    tell(tr("Stepwick will now calculate an initial animation speed.") + u'\n' + tr("This is performed only once.") +
         QStringLiteral("\n\n") + tr("If you would like to customize the animation speeds for individual students, ") +
         u'\n' +
         tr("click on the 'Options' button from the main menu and then click on the 'Picture Options' button."));
    showOnly(FrameInitSpeed);
    // Without its picture the white box moves all the same.
    if (Status s = PicCalibrate->loadPicture(QDir(AppFolder).filePath(QStringLiteral("aobj_calibrate.jpg"))); !s)
        qWarning("%s", qPrintable(s.error()));
    placeCalibratePicture(kPictureStartTwips);
    platform::pump().doEvents();

    SpeedCalibration calibration;
    calibration.measurement.movePicture = [this] { placeCalibratePicture(calibrateLeftTwips_ + 1); };
    calibration.measurement.delay = calibrationDelay;
    calibration.showValue = [this](double value) {
        TextCalibSpeed->setText(QString::number(static_cast<qint64>(value)));
    };
    calibration.placePicture = [this] {
        if (calibrateLeftTwips_ > kPictureTurnTwips) placeCalibratePicture(kPictureStartTwips);
    };
    const double value = calibrateSpeed(calibration);

    StudentOptions.AnimationSpeed = static_cast<std::int32_t>(value);
    if (Status s = saveStudentOptions(CurrentStudent); !s) tell(s.error());
    tell(tr("Calculation Complete"));
    FrameInitSpeed->hide();
}
