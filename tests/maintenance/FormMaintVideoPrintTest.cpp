#include "WorkshopFixture.h"

#include "app/PictureWidgets.h"
#include "maintenance/FileBrowser.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

struct TaskMedia : Workshop {
    QTemporaryDir clips;  // the teacher's own folder of clips, outside the data folder

    void SetUp() override {
        Workshop::SetUp();
        for (int i = 1; i <= 4; ++i) {
            picture(QString::number(320000000 + i), QStringLiteral("Hygiene"), QStringLiteral("Picture %1").arg(i));
        }
        task(QStringLiteral("222222222"), QStringLiteral("Brushing teeth"), QStringLiteral("Hygiene"),
             {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp"),
              QStringLiteral("generated_pic_320000003.stp"), QStringLiteral("generated_pic_320000004.stp")});
        open();
    }

    QString clip(const QString& folder, const QString& name) const {
        const QString path = QDir(folder).filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not really a clip");
        return path;
    }

    // Shows a folder in the chooser and waits until the model has read its files (in the
    // background); a guard of ten seconds stops a hang.
    void browse(const QString& folder, int files) {
        w->VideoBrowser->showFolder(folder);
        QElapsedTimer guard;
        guard.start();
        while (w->VideoBrowser->fileCount() < files && guard.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_EQ(w->VideoBrowser->fileCount(), files);
    }

    void toVideoStep(bool existing) {
        w->CmdTMTasks->click();
        if (existing) {
            highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  4 Steps"));
            w->CmdExistingTask->click();
        } else {
            w->CmdAddTask->click();
            w->TextTask->setText(QStringLiteral("Washing"));
            w->textTaskCategory->setEditText(QStringLiteral("Hygiene"));
        }
        w->CmdNextTask2->click();
        w->CmdMaint2Next->click();
        ASSERT_EQ(frame(), w->FrameMaint3);
    }

    void saveTask() {
        w->Cmdtask2Next3->click();
        w->CmdTaskSave->click();
        ASSERT_EQ(frame(), w->FrameTMTaskSelect) << lastMessage().toStdString();
    }

    QString videoLine() const {
        auto record = readTaskFile(QStringLiteral("generated_task_222222222.tsk"), TaskReaders::editor);
        return record ? record->TaskVideoFile : QStringLiteral("(unreadable)");
    }

    // Chooses a clip in the chooser: highlighted and clicked once, as the teacher does.
    void choose(const QString& name) {
        ASSERT_TRUE(w->VideoBrowser->selectFile(name)) << name.toStdString();
        w->File3_Click();
    }
};

TEST_F(TaskMedia, AClipFromTheDataFolderIsStoredBareFromElsewhereWithItsPath) {
    clip(AppFolder, QStringLiteral("story.AVI"));
    const QString outside = clip(clips.path(), QStringLiteral("washing.mp4"));
    clip(clips.path(), QStringLiteral("notes.txt"));
    toVideoStep(true);
    EXPECT_EQ(w->LabVideoInfo->text(), QStringLiteral("A video clip has NOT been assigned to this task"));
    EXPECT_TRUE(w->CmdremoveVideo->isHidden());

    w->CmdAddModifyTaskVideo->click();
    ASSERT_EQ(w->currentOverlay(), w->FrameTaskVideo);
    EXPECT_FALSE(w->Frames->isEnabled());
    browse(AppFolder, 1);
    p.media.log.clear();
    choose(QStringLiteral("story.AVI"));  // a capital ending previews as a small one does
    EXPECT_EQ(p.media.log.mid(0, 3), QStringList({QStringLiteral("load ") + p.path(QStringLiteral("story.AVI")),
                                                  QStringLiteral("play"), QStringLiteral("pause")}));
    EXPECT_TRUE(p.media.log.last().startsWith(QStringLiteral("display 0,0 320x240")));
    EXPECT_FALSE(w->FrameVideo->isHidden());
    w->CmdUseVideo->click();
    EXPECT_EQ(w->currentOverlay(), nullptr);
    EXPECT_EQ(w->LabCurrentVideo->text(), p.path(QStringLiteral("story.AVI")));
    EXPECT_EQ(w->LabVideoInfo->text(), QStringLiteral("A video clip has been assigned to this task"));
    EXPECT_FALSE(w->CmdremoveVideo->isHidden());
    saveTask();
    EXPECT_EQ(videoLine(), QStringLiteral("story.AVI"));

    toVideoStep(true);
    w->CmdAddModifyTaskVideo->click();
    browse(clips.path(), 1);  // the text file is not offered
    choose(QStringLiteral("washing.mp4"));
    w->CmdUseVideo->click();
    saveTask();
    EXPECT_EQ(videoLine(), outside);
}

TEST_F(TaskMedia, AnExistingClipIsShownStandingStillWithItsFileHighlighted) {
    const QString outside = clip(clips.path(), QStringLiteral("washing.mp4"));
    clip(clips.path(), QStringLiteral("other.mkv"));
    TaskRecord withClip =
        taskRecordOf(QStringLiteral("222222222"), QStringLiteral("Brushing teeth"), QStringLiteral("Hygiene"),
                     {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp")});
    withClip.TaskVideoFile = outside;
    ASSERT_TRUE(writeTask(QStringLiteral("generated_task_222222222.tsk"), withClip));
    w->fillLibraryLists();
    w->CmdTMTasks->click();
    highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  2 Steps"));
    w->CmdExistingTask->click();
    p.media.log.clear();
    w->CmdNextTask2->click();
    // Leaving step 1: the clip's first picture stands still, the list is on its file, and the
    // single clicks of that positioning start nothing.
    EXPECT_EQ(p.media.log.mid(0, 3),
              QStringList({QStringLiteral("load ") + outside, QStringLiteral("play"), QStringLiteral("pause")}));
    EXPECT_EQ(w->VideoBrowser->folder(), clips.path());
    EXPECT_EQ(w->VideoBrowser->currentFileName(), QStringLiteral("washing.mp4"));
    EXPECT_EQ(w->IgnoreVideoListClicks, 1);
    const int loads = static_cast<int>(p.media.log.filter(QStringLiteral("load ")).size());
    w->File3_Click();
    EXPECT_EQ(p.media.log.filter(QStringLiteral("load ")).size(), loads);

    w->CmdMaint2Next->click();
    EXPECT_EQ(w->IgnoreVideoListClicks, 0);
    EXPECT_EQ(w->LabCurrentVideo->text(), outside);
    w->CmdAddModifyTaskVideo->click();
    EXPECT_FALSE(w->FrameVideo->isHidden());
    // "Use this video clip" without another preview keeps the clip.
    w->CmdUseVideo->click();
    EXPECT_EQ(w->LabCurrentVideo->text(), outside);
    // Another clip previewed, then Cancel: the task keeps its clip and the player stops.
    w->CmdAddModifyTaskVideo->click();
    browse(clips.path(), 2);
    choose(QStringLiteral("other.mkv"));
    w->CmdCancelVideo->click();
    EXPECT_EQ(p.media.log.last(), QStringLiteral("display none"));
    EXPECT_TRUE(p.media.log.contains(QStringLiteral("stop")));
    EXPECT_EQ(w->LabCurrentVideo->text(), outside);
}

TEST_F(TaskMedia, UseWithoutAPreviewKeepsNoneAndAnEarlierTasksPreviewIsNotTaken) {
    const QString outside = clip(clips.path(), QStringLiteral("washing.mp4"));
    toVideoStep(false);
    w->CmdAddModifyTaskVideo->click();
    w->CmdUseVideo->click();
    EXPECT_EQ(w->LabCurrentVideo->text(), QString());
    EXPECT_EQ(w->LabVideoInfo->text(), QStringLiteral("A video clip has NOT been assigned to this task"));
    // A clip previewed in a wizard that was cancelled does not slip into the next task.
    w->CmdAddModifyTaskVideo->click();
    browse(clips.path(), 1);
    choose(QStringLiteral("washing.mp4"));
    w->CmdCancelVideo->click();
    w->CmdDefineVideoDone->click();
    toVideoStep(true);
    w->CmdAddModifyTaskVideo->click();
    w->CmdUseVideo->click();
    EXPECT_EQ(w->LabCurrentVideo->text(), QStringLiteral("None"));
    saveTask();
    EXPECT_EQ(videoLine(), QStringLiteral("None"));
    EXPECT_TRUE(QFile::exists(outside));
}

TEST_F(TaskMedia, RemovingTheClipAndSavingWritesNoneTheFileStays) {
    const QString story = clip(AppFolder, QStringLiteral("story.avi"));
    TaskRecord withClip =
        taskRecordOf(QStringLiteral("222222222"), QStringLiteral("Brushing teeth"), QStringLiteral("Hygiene"),
                     {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp")});
    withClip.TaskVideoFile = QStringLiteral("story.avi");
    ASSERT_TRUE(writeTask(QStringLiteral("generated_task_222222222.tsk"), withClip));
    w->fillLibraryLists();
    w->CmdTMTasks->click();
    highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  2 Steps"));
    w->CmdExistingTask->click();
    w->CmdNextTask2->click();
    w->CmdMaint2Next->click();
    EXPECT_FALSE(w->CmdremoveVideo->isHidden());
    p.messages.answers.push_back(MessageBoxes::Answer::No);
    w->CmdremoveVideo->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Are you sure you want to remove the video clip from the task?"));
    EXPECT_EQ(w->LabCurrentVideo->text(), story);
    w->CmdremoveVideo->click();
    EXPECT_EQ(w->LabCurrentVideo->text(), QStringLiteral("None"));
    EXPECT_TRUE(w->CmdremoveVideo->isHidden());
    saveTask();
    EXPECT_EQ(videoLine(), QStringLiteral("None"));
    EXPECT_TRUE(QFile::exists(story));
}

// Printing: the print preview waits in waiting passes of the event pump; the script answers.
struct Printing : TaskMedia {
    // Answers each waiting preview in turn: true prints the shown picture, false skips it.
    void answer(QList<bool> choices) {
        p.pump.script = [this, choices](bool isWait) mutable {
            ++passes;
            if (!isWait) ++busyPasses;
            if (w->PrintWaiting != 1 || choices.isEmpty()) return;
            shown.append(w->ImgPrintPreview->picturePath());
            (choices.takeFirst() ? w->CmdPrintThisPic : w->CmdPrintNextPic)->click();
        };
    }
    void print() {
        w->CmdTMTasks->click();
        highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  4 Steps"));
        w->CmdPrintTask->click();
    }
    QStringList shown;
    int passes = 0;
    int busyPasses = 0;
};

TEST_F(Printing, AFourStepTaskSkippedFourTimesPrintsNothingAndReturnsToTheList) {
    answer({false, false, false, false});
    print();
    EXPECT_EQ(shown, QStringList({p.path(QStringLiteral("320000001.png")), p.path(QStringLiteral("320000002.png")),
                                  p.path(QStringLiteral("320000003.png")), p.path(QStringLiteral("320000004.png"))}));
    EXPECT_TRUE(p.printLog->isEmpty());
    EXPECT_TRUE(p.messages.texts.isEmpty());
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);
    EXPECT_EQ(w->PrintWaiting, 0);
    EXPECT_EQ(w->IgnoreVideoListClicks, 1);
    // The wait is made of waiting passes, never of busy ones.
    EXPECT_GE(passes, 4);
    EXPECT_EQ(busyPasses, 0);
}

TEST_F(Printing, PrintingTheSecondAndFourthGivesTwoPagesEachFollowedByPrinting) {
    answer({false, true, false, true});
    print();
    // One document of one page per picture: an empty line, the picture at the top left at the
    // preview's size (400 x 300 pixels at 15 twips a pixel), the end; then "printing".
    const QString page = QStringLiteral("picture 0,0 6000x4500 64x48");
    EXPECT_EQ(*p.printLog, QStringList({QStringLiteral("text 0,0 "), page, QStringLiteral("end"),
                                        QStringLiteral("text 0,0 "), page, QStringLiteral("end")}));
    ASSERT_EQ(p.messages.texts.size(), 2);
    for (const QString& text : p.messages.texts) EXPECT_EQ(text, QStringLiteral("printing\nprinted"));
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);
}

TEST_F(Printing, WithoutAHighlightedTaskItSaysSoAndAPrinterProblemIsShown) {
    w->CmdTMTasks->click();
    w->CmdPrintTask->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A Task must be selected by clicking on it first"));
    EXPECT_EQ(w->IgnoreVideoListClicks, 1);
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);

    // A picture whose image is gone prints as the missing picture; a printer problem is said
    // instead of "printing".
    ASSERT_TRUE(QFile::remove(p.path(QStringLiteral("320000003.png"))));
    platform::services().newPrinter = [log = p.printLog]() -> std::unique_ptr<Printer> {
        auto printer = std::make_unique<FakePrinter>(log);
        printer->endProblem = QStringLiteral("The printer Office cannot be used.");
        return printer;
    };
    p.messages.texts.clear();
    answer({false, false, true, false});
    highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  4 Steps"));
    w->CmdPrintTask->click();
    EXPECT_EQ(shown[2], p.path(QStringLiteral("aobj_missing_pic.jpg")));
    EXPECT_EQ(p.printLog->filter(QStringLiteral("picture")),
              QStringList({QStringLiteral("picture 0,0 6000x4500 32x24")}));
    EXPECT_EQ(p.messages.texts, QStringList({QStringLiteral("The printer Office cannot be used.")}));
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);
}

TEST_F(Printing, ClosingTheWindowDuringTheWaitEndsIt) {
    p.pump.script = [this](bool isWait) {
        if (isWait && w->PrintWaiting == 1) w->close();
    };
    print();
    EXPECT_EQ(w->PrintWaiting, 0);
    EXPECT_TRUE(p.printLog->isEmpty());
    EXPECT_FALSE(w->isVisible());
}

}  // namespace

namespace {

// The platform's own printer: without a printer set up each printed picture is a PDF of one page
// in the data folder's printed/ folder. The pages are made pictures with pdftoppm and looked at:
// the top left corner of each shows its picture's colour. With STEPWICK_SHOTS_DIR set the page
// pictures are kept there.
TEST_F(Printing, WithoutAPrinterTwoPrintedPicturesBecomeTwoOnePagePdfsShowingThem) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed (Debian package poppler-utils)";
    const QString printed = p.path(QStringLiteral("printed"));
    RealServices real(printed);
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer set up";
    platform::services().newPrinter = real.services().newPrinter;
    image(QStringLiteral("320000002.png"), Qt::red, {64, 48});
    image(QStringLiteral("320000004.png"), Qt::darkGreen, {64, 48});
    answer({false, true, false, true});
    print();

    ASSERT_EQ(p.messages.texts.size(), 2) << p.messages.texts.join(u'|').toStdString();
    const QStringList pdfs = QDir(printed).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    ASSERT_EQ(pdfs.size(), 2);
    for (const QString& text : p.messages.texts) {
        EXPECT_TRUE(text.startsWith(QStringLiteral("printing\nNo printer is set up, so the page was saved as ")))
            << text.toStdString();
    }
    const QColor expected[] = {Qt::red, Qt::darkGreen};
    const QString shots = qEnvironmentVariable("STEPWICK_SHOTS_DIR");
    for (int i = 0; i < 2; ++i) {
        // The message names the file; two pages in one second get names of their own.
        const QString said = p.messages.texts[i];
        const QString pdf = said.mid(said.indexOf(QStringLiteral(" saved as ")) + 10).chopped(1);
        ASSERT_TRUE(pdfs.contains(QFileInfo(pdf).fileName())) << said.toStdString();
        const QString stem = p.path(QStringLiteral("page%1").arg(i + 1));
        QProcess convert;
        convert.start(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("30"), pdf, stem});
        ASSERT_TRUE(convert.waitForFinished(30000));
        // One page only: pdftoppm names a lone page "-1".
        const QStringList pages = QDir(AppFolder).entryList({QStringLiteral("page%1-*.png").arg(i + 1)});
        ASSERT_EQ(pages, QStringList({QStringLiteral("page%1-1.png").arg(i + 1)}));
        const QImage page(p.path(pages.first()));
        ASSERT_FALSE(page.isNull());
        // The picture is 400 x 300 pixels of the screen, 4.2 x 3.1 inches, from the top left of
        // the printable area; at 30 dpi its middle lies well inside (60, 45) from the margin.
        const QColor atPicture = page.pixelColor(70, 70);
        EXPECT_LT(std::abs(atPicture.red() - expected[i].red()) + std::abs(atPicture.green() - expected[i].green()) +
                      std::abs(atPicture.blue() - expected[i].blue()),
                  60)
            << pages.first().toStdString() << " " << atPicture.name().toStdString();
        // Below the picture the page is white.
        EXPECT_EQ(page.pixelColor(page.width() / 2, page.height() - 40), QColor(Qt::white));
        if (!shots.isEmpty())
            QFile::copy(p.path(pages.first()), QDir(shots).filePath(QStringLiteral("printed_page%1.png").arg(i + 1)));
    }
}

}  // namespace
