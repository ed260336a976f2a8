#include "WorkshopFixture.h"

#include "FaultyFiles.h"

#include "app/PictureWidgets.h"
#include "maintenance/FileBrowser.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

struct PictureWizard : Workshop {
    QTemporaryDir photos;  // the teacher's own folder, outside the data folder

    QString photo(const QString& name) const { return image(QDir(photos.path()).filePath(name), Qt::darkGreen); }

    // Shows a folder in the browser and waits until the model has read its files (it reads in the
    // background); a guard of ten seconds stops a hang.
    void browse(const QString& folder, int files) {
        w->PictureBrowser->showFolder(folder);
        QElapsedTimer guard;
        guard.start();
        while (w->PictureBrowser->fileCount() < files && guard.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        ASSERT_EQ(w->PictureBrowser->fileCount(), files);
    }

    // The files the list shows, in name order (the model sorts them a moment after reading them).
    QStringList listedFiles() const {
        QStringList names;
        const QAbstractItemModel* model = w->File1->model();
        for (int row = 0; row < model->rowCount(); ++row) names.append(model->index(row, 0).data().toString());
        names.sort(Qt::CaseInsensitive);
        return names;
    }

    void describe(const QString& category, const QString& description, const QString& phonetic = {}) {
        w->textCategory->setEditText(category);
        w->TextPicDesc->setText(description);
        w->TextPhonetic->setText(phonetic);
    }

    void changePicture(const QString& entry) {
        w->CmdTMPics->click();
        highlight(w->ListPics, entry);
        w->CmdModifyPic->click();
    }
};

TEST_F(PictureWizard, APictureFromAnotherFolderIsPreviewedChosenAndSaved) {
    photo(QStringLiteral("PHOTO.JPG"));
    photo(QStringLiteral("b.png"));
    QFile notes(QDir(photos.path()).filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    open();
    w->CmdTMPics->click();
    w->CmdAddPic->click();
    ASSERT_EQ(frame(), w->FrameSelectPic1);
    browse(photos.path(), 2);
    EXPECT_EQ(listedFiles(), QStringList({QStringLiteral("b.png"), QStringLiteral("PHOTO.JPG")}));

    // A single click only highlights; a double click previews, at the size shown.
    ASSERT_TRUE(w->PictureBrowser->selectFile(QStringLiteral("PHOTO.JPG")));
    EXPECT_TRUE(w->ImagePreview->picture().isNull());
    w->File1_DblClick();
    EXPECT_EQ(w->ImagePreview->picture().size(), w->ImagePreview->size());
    w->CmdPastePicture->click();
    const QString chosen = QDir(photos.path()).filePath(QStringLiteral("PHOTO.JPG"));
    EXPECT_EQ(w->LabCurrentPicFile->text(), chosen);
    EXPECT_FALSE(w->ImageCurrentPicture->picture().isNull());

    w->CmdPicStepForward2->click();
    ASSERT_EQ(frame(), w->FrameSelectPic2);
    EXPECT_FALSE(w->ImagePicStep2->picture().isNull());
    describe(QStringLiteral("Hygiene"), QStringLiteral("Washing & drying"));
    w->CmdPicForward3->click();
    ASSERT_EQ(frame(), w->FrameSelectPic3);
    EXPECT_EQ(w->LabelTitleFromStep2->text(), QStringLiteral("Washing & drying"));
    EXPECT_TRUE(w->PicPlayRecordingAuditory->isHidden());
    EXPECT_TRUE(w->EditPictureFile.isEmpty());  // the id comes with the save
    w->CmdSaveExit->click();
    ASSERT_EQ(frame(), w->FrameTMPicSelect) << lastMessage().toStdString();

    const QStringList files = p.files.list(AppFolder, QStringLiteral("*.stp"));
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0], QStringLiteral("generated_pic_") + w->EditPictureId + QStringLiteral(".stp"));
    EXPECT_EQ(p.readFile(files[0]), (QStringLiteral("Hygiene\r\nWashing & drying\r\nNone\r\n") + chosen +
                                     QStringLiteral("\r\nNone\r\n") + w->EditPictureId + QStringLiteral("\r\n"))
                                        .toUtf8());
    EXPECT_EQ(entries(w->ListPics), QStringList({QStringLiteral("Hygiene: Washing & drying")}));
    EXPECT_EQ(entries(w->ListPicStep), entries(w->ListPics));
}

TEST_F(PictureWizard, EachStepSaysWhatIsMissingBeforeItGoesOn) {
    picture(QStringLiteral("320000001"), QStringLiteral("Hygiene"), QStringLiteral("Washing hands"));
    photo(QStringLiteral("hands.png"));
    open();
    w->CmdTMPics->click();
    w->CmdAddPic->click();
    w->CmdPicStepForward2->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A Picture is Required"));
    EXPECT_EQ(frame(), w->FrameSelectPic1);
    // "Use This Picture" with nothing highlighted does nothing.
    w->CmdPastePicture->click();
    EXPECT_EQ(w->LabCurrentPicFile->text(), QString());
    browse(photos.path(), 1);
    w->PictureBrowser->selectFile(QStringLiteral("hands.png"));
    w->CmdPastePicture->click();
    w->CmdClearPicture->click();
    EXPECT_EQ(w->LabCurrentPicFile->text(), QStringLiteral("None"));
    w->CmdPicStepForward2->click();
    EXPECT_EQ(frame(), w->FrameSelectPic1);
    w->CmdPastePicture->click();
    w->CmdPicStepForward2->click();
    ASSERT_EQ(frame(), w->FrameSelectPic2);

    w->CmdPicForward3->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A Category must be entered for this Picture. "));
    describe(QStringLiteral("Hygiene"), QString());
    w->CmdPicForward3->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A Picture Description is Required"));
    EXPECT_EQ(frame(), w->FrameSelectPic2);
    describe(QStringLiteral("Hygiene"), QStringLiteral("Washing hands"));
    w->CmdPicForward3->click();
    w->CmdSaveExit->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A Picture with this description already exists in the pictures database"));
    EXPECT_EQ(frame(), w->FrameSelectPic3);
    EXPECT_EQ(p.files.list(AppFolder, QStringLiteral("*.stp")).size(), 1);
    // The same description in another category is another picture.
    w->CmdPicback2->click();
    describe(QStringLiteral("Kitchen"), QStringLiteral("Washing hands"));
    w->CmdPicForward3->click();
    w->CmdSaveExit->click();
    EXPECT_EQ(frame(), w->FrameTMPicSelect);
    EXPECT_EQ(p.files.list(AppFolder, QStringLiteral("*.stp")).size(), 2);
}

TEST_F(PictureWizard, APictureSavedUnchangedKeepsItsNameIdNarrationAndEmptySpokenText) {
    image(QStringLiteral("coat.png"));
    ASSERT_TRUE(writePicture(
        QStringLiteral("coat.stp"),
        pictureRecordOf(QStringLiteral("320000009"), QStringLiteral("Dressing"), QStringLiteral("Zippering the coat"),
                        QStringLiteral("coat.png"), QStringLiteral("pic_320000009.wav"))));
    p.writeFile(QStringLiteral("pic_320000009.wav"), "RIFF zipper");
    const QByteArray before = p.readFile(QStringLiteral("coat.stp"));
    open();
    changePicture(QStringLiteral("Dressing: Zippering the coat"));
    ASSERT_EQ(frame(), w->FrameSelectPic1);
    EXPECT_EQ(w->EditPictureFile, QStringLiteral("coat.stp"));
    EXPECT_EQ(w->EditPictureId, QStringLiteral("320000009"));
    EXPECT_EQ(w->TextPhonetic->text(), QString());  // "None" shows empty
    EXPECT_EQ(w->LabCurrentPicFile->text(), p.path(QStringLiteral("coat.png")));
    EXPECT_EQ(p.readFile(QStringLiteral("temp.wav")), QByteArray("RIFF zipper"));
    EXPECT_EQ(w->EditNarration, p.path(QStringLiteral("temp.wav")));
    // The browser shows the picture's own folder with its file highlighted.
    EXPECT_EQ(w->PictureBrowser->folder(), AppFolder);
    EXPECT_EQ(w->PictureBrowser->currentFileName(), QStringLiteral("coat.png"));
    w->CmdPicStepForward2->click();
    w->CmdPicForward3->click();
    EXPECT_FALSE(w->PicPlayRecordingAuditory->isHidden());
    w->CmdSaveExit->click();
    ASSERT_EQ(frame(), w->FrameTMPicSelect) << lastMessage().toStdString();
    EXPECT_EQ(p.readFile(QStringLiteral("coat.stp")), before);
    EXPECT_EQ(p.readFile(QStringLiteral("pic_320000009.wav")), QByteArray("RIFF zipper"));
    EXPECT_FALSE(exists(QStringLiteral("temp.wav")));
    EXPECT_EQ(p.files.list(AppFolder, QStringLiteral("*.stp")), QStringList({QStringLiteral("coat.stp")}));
}

TEST_F(PictureWizard, APictureWhoseImageIsGoneMustBeGivenANewOne) {
    ASSERT_TRUE(
        writePicture(QStringLiteral("lost.stp"), pictureRecordOf(QStringLiteral("5"), QStringLiteral("Home"),
                                                                 QStringLiteral("Lost"), QStringLiteral("gone.png"))));
    open();
    changePicture(QStringLiteral("Home: Lost"));
    EXPECT_EQ(w->LabCurrentPicFile->text(), QStringLiteral("None"));
    w->CmdPicStepForward2->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A Picture is Required"));
}

TEST_F(PictureWizard, APictureATaskUsesCannotBeDeletedAndNoLeavesItAlone) {
    const QString used = picture(QStringLiteral("320000001"), QStringLiteral("Hygiene"), QStringLiteral("Used"));
    picture(QStringLiteral("320000002"), QStringLiteral("Hygiene"), QStringLiteral("Other"));
    task(QStringLiteral("222222222"), QStringLiteral("Task"), QStringLiteral("Hygiene"),
         {used, QStringLiteral("generated_pic_320000002.stp")});
    image(QStringLiteral("free.png"));
    ASSERT_TRUE(
        writePicture(QStringLiteral("free.stp"),
                     pictureRecordOf(QStringLiteral("320000003"), QStringLiteral("Hygiene"), QStringLiteral("Free"),
                                     QStringLiteral("free.png"), QStringLiteral("pic_320000003.wav"))));
    p.writeFile(QStringLiteral("pic_320000003.wav"), "RIFF");
    open();
    w->CmdTMPics->click();
    w->ListPics->clearSelection();
    w->CmdDeletePic->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A Picture must be selected"));
    highlight(w->ListPics, QStringLiteral("Hygiene: Used"));
    w->CmdDeletePic->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("This picture is associated with a task.\nThe task must be deleted first "
                                            "before the picture can be deleted"));
    EXPECT_TRUE(exists(used));

    highlight(w->ListPics, QStringLiteral("Hygiene: Free"));
    p.messages.answers.push_back(MessageBoxes::Answer::No);
    w->CmdDeletePic->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Are you sure you want to Delete the picture Hygiene: Free"));
    EXPECT_TRUE(exists(QStringLiteral("free.stp")));
    EXPECT_TRUE(exists(QStringLiteral("pic_320000003.wav")));

    highlight(w->ListPics, QStringLiteral("Hygiene: Free"));
    w->CmdDeletePic->click();
    EXPECT_FALSE(exists(QStringLiteral("free.stp")));
    EXPECT_FALSE(exists(QStringLiteral("pic_320000003.wav")));
    EXPECT_TRUE(exists(QStringLiteral("free.png")));  // the image belongs to nobody
    EXPECT_EQ(entries(w->ListPics), QStringList({QStringLiteral("Hygiene: Other"), QStringLiteral("Hygiene: Used")}));
}

TEST_F(PictureWizard, DeletingAPictureNeverDeletesANarrationOutsideTheDataFolder) {
    const QString outside = QDir(photos.path()).filePath(QStringLiteral("x.wav"));
    QFile wave(outside);
    ASSERT_TRUE(wave.open(QIODevice::WriteOnly));
    wave.close();
    QDir(AppFolder).mkdir(QStringLiteral("sub"));
    p.writeFile(QStringLiteral("sub/up.wav"), "RIFF");
    p.writeFile(QStringLiteral("hand.stp"),
                QStringLiteral("Home\r\nFull path\r\nNone\r\nx.png\r\n%1\r\n7\r\n").arg(outside).toUtf8());
    p.writeFile(QStringLiteral("up.stp"), "Home\r\nUp and down\r\nNone\r\nx.png\r\nsub/../sub/up.wav\r\n8\r\n");
    open();
    w->CmdTMPics->click();
    for (const char* entry : {"Home: Full path", "Home: Up and down"}) {
        highlight(w->ListPics, QString::fromLatin1(entry));
        w->CmdDeletePic->click();
    }
    EXPECT_EQ(w->ListPics->count(), 0);
    EXPECT_TRUE(QFile::exists(outside));
    EXPECT_TRUE(exists(QStringLiteral("sub/up.wav")));
}

TEST_F(PictureWizard, OnlyTheNarrationStepsCancelRemovesTheTemporaryNarration) {
    image(QStringLiteral("coat.png"));
    ASSERT_TRUE(
        writePicture(QStringLiteral("coat.stp"),
                     pictureRecordOf(QStringLiteral("320000009"), QStringLiteral("Dressing"), QStringLiteral("Coat"),
                                     QStringLiteral("coat.png"), QStringLiteral("pic_320000009.wav"))));
    p.writeFile(QStringLiteral("pic_320000009.wav"), "RIFF");
    const QByteArray before = p.readFile(QStringLiteral("coat.stp"));
    open();
    changePicture(QStringLiteral("Dressing: Coat"));
    w->CmdPic1cancel->click();
    EXPECT_EQ(frame(), w->FrameTMPicSelect);
    EXPECT_TRUE(exists(QStringLiteral("temp.wav")));
    changePicture(QStringLiteral("Dressing: Coat"));
    w->CmdPicStepForward2->click();
    w->CmdPic2Cancel->click();
    EXPECT_TRUE(exists(QStringLiteral("temp.wav")));
    changePicture(QStringLiteral("Dressing: Coat"));
    w->TextPicDesc->setText(QStringLiteral("Changed"));
    w->CmdPicStepForward2->click();
    w->CmdPicForward3->click();
    w->CmdExitNoSave->click();
    EXPECT_EQ(frame(), w->FrameTMPicSelect);
    EXPECT_FALSE(exists(QStringLiteral("temp.wav")));
    EXPECT_EQ(p.readFile(QStringLiteral("coat.stp")), before);
    // Adding a picture starts without any narration left over.
    p.writeFile(QStringLiteral("temp.wav"), "RIFF left over");
    w->CmdAddPic->click();
    EXPECT_FALSE(exists(QStringLiteral("temp.wav")));
    EXPECT_EQ(w->EditNarration, QString());
}

TEST_F(PictureWizard, ASaveThatFailsKeepsTheNewIdAndTheRecording) {
    photo(QStringLiteral("hands.png"));
    open();
    w->CmdTMPics->click();
    w->CmdAddPic->click();
    browse(photos.path(), 1);
    w->PictureBrowser->selectFile(QStringLiteral("hands.png"));
    w->CmdPastePicture->click();
    w->CmdPicStepForward2->click();
    describe(QStringLiteral("Hygiene"), QStringLiteral("Washing hands"), QStringLiteral("washing hands"));
    w->CmdPicForward3->click();
    // A narration as the recorder leaves it.
    p.writeFile(QStringLiteral("temp.wav"), "RIFF recorded");
    w->EditNarration = p.path(QStringLiteral("temp.wav"));

    // The changes of the save: 1 the narration's copy, 2 the picture file.
    QString id;
    for (int failAt : {1, 2}) {
        FailingChangeFileSystem failing;
        failing.failAt = failAt;
        InstalledFileSystem installed(failing);
        w->CmdSaveExit->click();
        EXPECT_EQ(frame(), w->FrameSelectPic3) << failAt;
        EXPECT_EQ(failing.failedChanges.size(), 1);
        if (failAt == 1) {
            EXPECT_EQ(lastMessage(), QStringLiteral("File transfer failed"));
            id = w->EditPictureId;
        }
        EXPECT_EQ(w->EditPictureId, id);
        EXPECT_TRUE(p.files.list(AppFolder, QStringLiteral("*.stp")).isEmpty());
        EXPECT_EQ(p.readFile(QStringLiteral("temp.wav")), QByteArray("RIFF recorded"));
    }
    w->CmdSaveExit->click();
    EXPECT_EQ(frame(), w->FrameTMPicSelect);
    EXPECT_EQ(p.files.list(AppFolder, QStringLiteral("*.stp")),
              QStringList({QStringLiteral("generated_pic_") + id + QStringLiteral(".stp")}));
    EXPECT_EQ(p.files.list(AppFolder, QStringLiteral("pic_*.wav")),
              QStringList({QStringLiteral("pic_") + id + QStringLiteral(".wav")}));
    EXPECT_EQ(p.readFile(QStringLiteral("pic_") + id + QStringLiteral(".wav")), QByteArray("RIFF recorded"));
    EXPECT_FALSE(exists(QStringLiteral("temp.wav")));
}

TEST_F(PictureWizard, AFileThatIsNoPictureIsNotTaken) {
    QFile fake(QDir(photos.path()).filePath(QStringLiteral("fake.jpg")));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("this is text, not a photograph");
    fake.close();
    open();
    w->CmdTMPics->click();
    w->CmdAddPic->click();
    browse(photos.path(), 1);
    w->PictureBrowser->selectFile(QStringLiteral("fake.jpg"));
    w->File1_DblClick();
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("fake.jpg"))) << lastMessage().toStdString();
    w->CmdPastePicture->click();
    EXPECT_EQ(w->LabCurrentPicFile->text(), QString());
    EXPECT_TRUE(w->ImageCurrentPicture->picture().isNull());
}

TEST_F(PictureWizard, TheBrowserStartsInTheTeachersPicturesFolderOrAtHome) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral(".config")).toUtf8());
    EXPECT_EQ(FileBrowser::startFolder(), QDir::homePath());
    QDir(home.path()).mkdir(QStringLiteral("Pictures"));
    EXPECT_EQ(FileBrowser::startFolder(), QDir(home.path()).filePath(QStringLiteral("Pictures")));
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    if (oldConfig.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
