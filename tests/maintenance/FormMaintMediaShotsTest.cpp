#include "WorkshopFixture.h"

#include "app/PictureWidgets.h"
#include "maintenance/RecordingControls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Pictures of the media's frames at 1024 x 768 with the shipped button and microphone pictures,
// written to STEPWICK_SHOTS_DIR when it is set (looked at by hand); otherwise only drawn.
struct MediaShots : Workshop {
    void SetUp() override {
        Workshop::SetUp();
        for (const char* name : {"aobj_mic_jack.jpg", "aobj_mic_usb.jpg", "aobj_rec_play.jpg", "aobj_rec_start.jpg",
                                 "aobj_rec_stop.jpg"}) {
            QFile::copy(QDir(QStringLiteral(STEPWICK_CONTENT_BUILD_DIR)).filePath(QString::fromLatin1(name)),
                        p.path(QString::fromLatin1(name)));
        }
        picture(QStringLiteral("320000001"), QStringLiteral("Hygiene"), QStringLiteral("Wetting the brush"));
        picture(QStringLiteral("320000002"), QStringLiteral("Hygiene"), QStringLiteral("Brushing"));
        task(QStringLiteral("222222222"), QStringLiteral("Brushing teeth"), QStringLiteral("Hygiene"),
             {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp")});
        open();
        w->setGeometry(0, 0, 1024, 768);
        QApplication::processEvents();
    }
    void shot(const QString& name) {
        QApplication::processEvents();
        const QImage image = w->grab().toImage();
        EXPECT_EQ(image.size(), QSize(1024, 768));
        const QString dir = qEnvironmentVariable("STEPWICK_SHOTS_DIR");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(image.save(QDir(dir).filePath(name + QStringLiteral(".png"))));
        }
    }
};

TEST_F(MediaShots, ThePromptScreenTheTroubleshootingPanelTheRecordersAndThePrintPreview) {
    w->CmdOverlayWaves->click();
    w->OptOverlay[7]->click();
    shot(QStringLiteral("prompts"));
    w->PicOverlayRecord2->click();
    w->TimerOverlay2->check();
    shot(QStringLiteral("prompts_recording"));
    w->PicOverlayStopRecord2->click();
    w->CmdTrouble2->click();
    shot(QStringLiteral("troubleshooting"));
    w->CmdtroubleClose->click();
    w->CmdOverlayBack2->click();
    w->CmdTMTasks->click();
    highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  2 Steps"));
    w->CmdExistingTask->click();
    w->CmdNextTask2->click();
    w->CmdMaint2Next->click();
    w->CmdAddModifyTaskVideo->click();
    shot(QStringLiteral("video_chooser"));
    w->CmdCancelVideo->click();
    w->Cmdtask2Next3->click();
    w->PicRecordWaveIntro->click();
    w->TimerRecordIntro->check();
    shot(QStringLiteral("introduction_recording"));
    w->PicStopRecordingIntro->click();
    shot(QStringLiteral("introduction_recorded"));
    w->CmdGoBackIntro->click();
    highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  2 Steps"));
    p.pump.script = [this](bool) {
        if (w->PrintWaiting != 1) return;
        shot(QStringLiteral("print_preview"));
        w->CmdPrintNextPic->click();
    };
    w->CmdPrintTask->click();
    p.pump.script = nullptr;
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);
}

}  // namespace
