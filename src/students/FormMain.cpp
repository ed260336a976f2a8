#include "students/FormMain.h"

#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "app/WindowSetup.h"
#include "core/ShippedFiles.h"
#include "platform/Services.h"
#include "students/ProgramType.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QTimer>

namespace {
// Twips of the menu buttons and the banner; converted with the screen's twips per pixel.
constexpr double kButtonWidthTwips = 1800;
constexpr double kButtonHeightTwips = 1500;
constexpr double kGapTwips = 240;
constexpr double kBannerHeightTwips = 2400;
}  // namespace

FormMain::FormMain(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormMain"));
    prepareWindow(this, true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    const double tx = platform::screen().twipsPerPixelX();
    const double ty = platform::screen().twipsPerPixelY();
    const int bw = qRound(kButtonWidthTwips / tx);
    const int bh = qRound(kButtonHeightTwips / ty);
    const int gap = qRound(kGapTwips / tx);
    const int bannerH = qRound(kBannerHeightTwips / ty);
    const int width = 4 * bw + 3 * gap;

    FrameMain = new QFrame(this);
    FrameMain->setObjectName(QStringLiteral("FrameMain"));
    FrameMain->resize(width, bannerH + 2 * bh + 3 * gap);
    FrameMain->hide();

    ImageBanner = new PictureBox(FrameMain, QStringLiteral("ImageBanner"));
    ImageBanner->setGeometry(0, 0, width, bannerH);
    ImageBanner->setAccessibleName(QStringLiteral("Stepwick"));

    struct Spec {
        PictureButton** button;
        const char* name;
        const char* caption;
    };
    const Spec specs[7] = {{&ImageEnter, "ImageEnter", "Start"},
                           {&ImageOptions, "ImageOptions", "Options"},
                           {&ImageQuit, "ImageQuit", "Quit"},
                           {&ImageButTask, "ImageButTask", "Task Maker"},
                           {&PicButStudent, "PicButStudent", "View Data / Delete / Add Student"},
                           {&ImageUserGuide, "ImageUserGuide", "User Guide"},
                           {&ImageCredits, "ImageCredits", "Credits"}};
    for (int i = 0; i < 7; ++i) {
        auto* b = new PictureButton(FrameMain, QString::fromLatin1(specs[i].name), QString::fromLatin1(specs[i].caption));
        b->resize(bw, bh);
        *specs[i].button = b;
    }
    // First row: three buttons centred under the banner; second row: four.
    const int row1 = bannerH + gap;
    const int row2 = row1 + bh + gap;
    const int left1 = (width - (3 * bw + 2 * gap)) / 2;
    ImageEnter->move(left1, row1);
    ImageOptions->move(left1 + bw + gap, row1);
    ImageQuit->move(left1 + 2 * (bw + gap), row1);
    ImageButTask->move(0, row2);
    PicButStudent->move(bw + gap, row2);
    ImageUserGuide->move(2 * (bw + gap), row2);
    ImageCredits->move(3 * (bw + gap), row2);

    connect(ImageQuit, &QAbstractButton::clicked, this, &FormMain::ImageQuit_Click);
    connect(ImageUserGuide, &QAbstractButton::clicked, this, &FormMain::ImageUserGuide_Click);
    connect(ImageCredits, &QAbstractButton::clicked, this, &FormMain::ImageCredits_Click);
    connect(ImageOptions, &QAbstractButton::clicked, this, [this] {
        showForm(FormId::Options);
        hide();
    });
    connect(ImageButTask, &QAbstractButton::clicked, this, [this] {
        showForm(FormId::Maint);
        hide();
    });
    connect(ImageEnter, &QAbstractButton::clicked, this, [this] {
        showForm(FormId::Task);
        hide();
    });
}

void FormMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Activation work runs once the window is on screen, as a window's activation does.
    QTimer::singleShot(0, this, &FormMain::Form_Activate);
}

void FormMain::Form_Activate() {
    platform::files().setCurrentDir(AppFolder);
    setWindowTitle(QStringLiteral("Stepwick"));
    // A damaged program-type file is reported and the edition read last (or Kestrel) stays.
    if (Edition == 0) Edition = 1;
    if (Status s = loadEdition(); !s) platform::messages().ok(s.error());
    fillBackgroundColors();
    const QString& logo = Edition == 1 ? kKestrelLogo : kLarkinLogo;
    ImageBanner->loadPicture(QDir(AppFolder).filePath(logo));
    PictureButton* const buttons[7] = {ImageEnter, ImageOptions, ImageQuit, ImageButTask, PicButStudent, ImageUserGuide, ImageCredits};
    for (int i = 0; i < 7; ++i) {
        buttons[i]->loadPicture(QDir(AppFolder).filePath(kMenuPictures[i]));
    }
    centreFrame(FrameMain);
    FrameMain->show();
    platform::pump().doEvents();
}

void FormMain::centreFrame(QWidget* frame) {
    frame->move((width() - frame->width()) / 2, (height() - frame->height()) / 2);
}

void FormMain::ImageQuit_Click() { QApplication::quit(); }

void FormMain::ImageUserGuide_Click() {
    platform::shell().open(QDir(AppFolder).filePath(kUserGuideFile));
}

void FormMain::ImageCredits_Click() {
    platform::shell().open(QDir(AppFolder).filePath(kCreditsFile));
}
