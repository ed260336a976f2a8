// The task's video clip (wizard step 3 and its chooser) and the printing of a task's pictures.

#include "maintenance/FormMaint.h"

#include "app/PictureWidgets.h"
#include "library/PathHelpers.h"
#include "maintenance/FileBrowser.h"
#include "maintenance/MaintWidgets.h"
#include "maintenance/WorkshopFiles.h"
#include "platform/Services.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

namespace {

// Where the chooser opens when the task has no clip yet: the teacher's Videos folder, else home.
QString videoStartFolder() {
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (!videos.isEmpty() && QDir(videos).exists()) return videos;
    return QDir::homePath();
}

}  // namespace

// ---- The video clip -------------------------------------------------------------------------

void FormMaint::showTaskInfo() {
    const bool assigned = !isNone(LabCurrentVideo->text());
    LabVideoInfo->setText(assigned ? tr("A video clip has been assigned to this task")
                                   : tr("A video clip has NOT been assigned to this task"));
    LabelVideoInfo->setVisible(assigned);
    LabCurrentVideo->setVisible(assigned);
    CmdremoveVideo->setVisible(assigned);
}

void FormMaint::resetVideoPreview() {
    stopVideoPreview();
    MediaPlayer1FileName.clear();
    FrameVideo->hide();
}

void FormMaint::prepareVideoPreview() {
    // The clip's first picture stands still in the preview.
    const QString clip = LabCurrentVideo->text();
    if (!MediaPlayer1) MediaPlayer1 = platform::mediaPlayers().create();
    // The player's own errors (a clip it cannot play) leave the preview empty.
    static_cast<void>(MediaPlayer1->load(clip));
    MediaPlayer1FileName = clip;
    MediaPlayer1->play();
    MediaPlayer1->pause();
    MediaPlayer1->setDisplay(VideoScreen, VideoScreen->rect());
    FrameVideo->show();
    // The list is positioned on the clip; the clicks that would raise are ignored meanwhile.
    const QString folder = getPath(clip);
    if (!folder.isEmpty() && platform::files().isDirectory(folder)) {
        VideoBrowser->showFolder(folder);
        VideoBrowser->selectFile(getFileName(clip));
    }
}

void FormMaint::stopVideoPreview() {
    if (!MediaPlayer1) return;
    MediaPlayer1->stop();
    MediaPlayer1->setDisplay(nullptr, {});
}

void FormMaint::CmdAddModifyTaskVideo_Click() {
    if (VideoBrowser->folder().isEmpty()) VideoBrowser->showFolder(videoStartFolder());
    showOverlay(FrameTaskVideo);
    // The preview shows again where the chooser left it.
    if (MediaPlayer1 && !MediaPlayer1FileName.isEmpty() && FrameVideo->isVisibleTo(FrameTaskVideo))
        MediaPlayer1->setDisplay(VideoScreen, VideoScreen->rect());
}

void FormMaint::File3_Click() {
    if (IgnoreVideoListClicks == 1) return;
    previewClip();
}

void FormMaint::File3_DblClick() { previewClip(); }

void FormMaint::previewClip() {
    // The previous preview goes first.
    if (MediaPlayer1) {
        MediaPlayer1->stop();
        MediaPlayer1->setDisplay(nullptr, {});
    }
    FrameVideo->hide();
    platform::pump().doEvents();
    const QString name = VideoBrowser->currentFileName();
    if (!isVideoFileName(name)) return;
    const QString clip = VideoBrowser->currentFilePath();
    if (!MediaPlayer1) MediaPlayer1 = platform::mediaPlayers().create();
    static_cast<void>(MediaPlayer1->load(clip));
    MediaPlayer1FileName = clip;
    MediaPlayer1->play();
    MediaPlayer1->pause();
    MediaPlayer1->setDisplay(VideoScreen, VideoScreen->rect());
    FrameVideo->show();
}

void FormMaint::CmdUseVideo_Click() {
    // Without a preview the task keeps the clip it had (or none).
    if (!MediaPlayer1FileName.isEmpty()) LabCurrentVideo->setText(MediaPlayer1FileName);
    stopVideoPreview();
    showTaskInfo();
    hideOverlay();
}

void FormMaint::CmdCancelVideo_Click() {
    stopVideoPreview();
    hideOverlay();
}

void FormMaint::CmdremoveVideo_Click() {
    if (!platform::messages().yesNo(tr("Are you sure you want to remove the video clip from the task?"))) return;
    // The clip's file itself stays where it is.
    LabCurrentVideo->setText(kNone);
    showTaskInfo();
}

// ---- Printing -------------------------------------------------------------------------------

void FormMaint::CmdPrintTask_Click() {
    IgnoreVideoListClicks = 1;
    const int row = highlightedRowOrSay(ListTasks, tr("A Task must be selected by clicking on it first"));
    if (row < 0) return;
    auto pictures = taskPrintPictures(TaskListFiles[row]);
    if (!pictures) {
        platform::messages().ok(pictures.error());
        return;
    }
    if (!pictures->problems.isEmpty()) platform::messages().ok(pictures->problems.join(u'\n'));
    printCancelled_ = false;
    showFrame(FramePrintPic);
    for (const QString& image : pictures->images) {
        // Read whole, as the page shows it sharper than the screen; unreadable, it prints blank.
        static_cast<void>(ImgPrintPreview->loadPicture(image));
        PrintWaiting = 1;
        PrintChoice = 1;
        // A waiting pass of the event pump: it blocks until the next event and never spins.
        while (PrintWaiting == 1 && !printCancelled_) platform::pump().waitEvents();
        if (printCancelled_) break;
        if (PrintChoice != 1) continue;
        // The picture at the top left corner of its own page, at the size the preview shows it.
        auto printer = platform::newPrinter();
        printer->printText(QString(), {0.0, 0.0});
        printer->paintPicture(ImgPrintPreview->picture(),
                              printedPictureRect(ImgPrintPreview->size(), platform::screen().twipsPerPixelX(),
                                                 platform::screen().twipsPerPixelY()));
        const Result<QString> sent = printer->endDocument();
        platform::messages().ok(sent ? tr("printing") + u'\n' + *sent : sent.error());
    }
    PrintWaiting = 0;
    ImgPrintPreview->clearPicture();
    if (!printCancelled_) showFrame(FrameTMTaskSelect);
}

void FormMaint::CmdPrintThisPic_Click() {
    PrintChoice = 1;
    PrintWaiting = 0;
}

void FormMaint::CmdPrintNextPic_Click() {
    PrintWaiting = 0;
    PrintChoice = 0;
}
