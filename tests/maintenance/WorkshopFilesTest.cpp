#include "maintenance/WorkshopFiles.h"

#include "QtPrinting.h"
#include "TestPlatform.h"

#include "app/Globvars.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

StepRecord pictureOf(const QString& id, const QString& image, const QString& narration) {
    return StepRecord{
        QStringLiteral("Hygiene"), QStringLiteral("Washing hands"), QStringLiteral("None"), image, narration, id};
}

TaskRecord taskOf(const QString& id, const QStringList& steps, const QString& intro) {
    TaskRecord task;
    task.StepCount = static_cast<std::int16_t>(steps.size());
    task.TaskTitle = QStringLiteral("Brushing teeth");
    task.TaskCategory = QStringLiteral("Hygiene");
    task.TaskVideoFile = QStringLiteral("None");
    for (int s = 1; s <= task.StepCount; ++s) task.StepFileName[s] = steps[s - 1];
    task.TaskId = id;
    task.TaskIntroFile = intro;
    return task;
}

TEST(WorkshopFiles, PictureEndingsAreComparedWithoutRegardToCase) {
    const struct {
        const char* name;
        bool picture;
    } cases[] = {{"photo.jpg", true},  {"PHOTO.JPG", true},  {"scan.JpEg", true},
                 {"card.bmp", true},   {"Card.BMP", true},   {"drawing.png", true},
                 {"moving.GIF", true}, {"notes.txt", false}, {"photo.jpg.txt", false},
                 {".jpg", false},      {"jpg", false},       {"photo.", false},
                 {"clip.avi", false},  {"", false},          {"two.dots.in.png", true},
                 {"photojpg", false}};
    for (const auto& c : cases) EXPECT_EQ(isPictureFileName(QString::fromLatin1(c.name)), c.picture) << c.name;
    EXPECT_EQ(nameFiltersFor(pictureEndings()),
              QStringList({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.bmp"),
                           QStringLiteral("*.png"), QStringLiteral("*.gif")}));
}

TEST(WorkshopFiles, ALibraryPictureShowsItsImageOrTheMissingPicture) {
    TestPlatform p;
    QTemporaryDir elsewhere;
    const QString outside = QDir(elsewhere.path()).filePath(QStringLiteral("hands.png"));
    QImage(8, 8, QImage::Format_RGB32).save(outside);
    QImage(8, 8, QImage::Format_RGB32).save(p.path(QStringLiteral("teeth.png")));
    ASSERT_TRUE(writePicture(QStringLiteral("bare.stp"),
                             pictureOf(QStringLiteral("1"), QStringLiteral("teeth.png"), QStringLiteral("None"))));
    ASSERT_TRUE(
        writePicture(QStringLiteral("full.stp"), pictureOf(QStringLiteral("2"), outside, QStringLiteral("None"))));
    ASSERT_TRUE(writePicture(QStringLiteral("gone.stp"),
                             pictureOf(QStringLiteral("3"), QStringLiteral("gone.png"), QStringLiteral("None"))));
    p.writeFile(QStringLiteral("cut.stp"), "Hygiene\r\nWashing\r\n");

    EXPECT_EQ(*libraryPictureImage(QStringLiteral("bare.stp")), p.path(QStringLiteral("teeth.png")));
    EXPECT_EQ(*libraryPictureImage(QStringLiteral("full.stp")), outside);
    EXPECT_EQ(*libraryPictureImage(QStringLiteral("gone.stp")), p.path(QStringLiteral("aobj_missing_pic.jpg")));
    auto cut = libraryPictureImage(QStringLiteral("cut.stp"));
    ASSERT_FALSE(cut.ok());
    EXPECT_TRUE(cut.error().contains(QStringLiteral("cut.stp"))) << cut.error().toStdString();
}

TEST(WorkshopFiles, ATaskOpenedForAChangeShowsItsPicturesVideoAndIntroduction) {
    TestPlatform p;
    QImage(8, 8, QImage::Format_RGB32).save(p.path(QStringLiteral("a.png")));
    ASSERT_TRUE(writePicture(QStringLiteral("a.stp"),
                             pictureOf(QStringLiteral("1"), QStringLiteral("a.png"), QStringLiteral("None"))));
    ASSERT_TRUE(writePicture(QStringLiteral("b.stp"),
                             pictureOf(QStringLiteral("2"), QStringLiteral("lost.png"), QStringLiteral("None"))));
    p.writeFile(QStringLiteral("c.stp"), "Hygiene\r\n");
    TaskRecord task =
        taskOf(QStringLiteral("123456789"), {QStringLiteral("a.stp"), QStringLiteral("b.stp"), QStringLiteral("c.stp")},
               QStringLiteral("intro_123456789.wav"));
    task.TaskVideoFile = QStringLiteral("brush.mpg");
    ASSERT_TRUE(writeTask(QStringLiteral("brush.tsk"), task));

    auto opened = openTaskForChange(QStringLiteral("brush.tsk"));
    ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
    EXPECT_EQ(opened->stepFiles[1], QStringLiteral("a.stp"));
    EXPECT_EQ(opened->stepFiles[3], QStringLiteral("c.stp"));
    EXPECT_EQ(opened->stepFiles[4], QStringLiteral("None"));
    EXPECT_EQ(opened->stepPictures[1], p.path(QStringLiteral("a.png")));
    // A missing image and a damaged picture file both show the missing picture; the step stays.
    EXPECT_EQ(opened->stepPictures[2], p.path(QStringLiteral("aobj_missing_pic.jpg")));
    EXPECT_EQ(opened->stepPictures[3], p.path(QStringLiteral("aobj_missing_pic.jpg")));
    ASSERT_EQ(opened->problems.size(), 1);
    EXPECT_TRUE(opened->problems[0].contains(QStringLiteral("c.stp")));
    EXPECT_EQ(opened->video, p.path(QStringLiteral("brush.mpg")));
    // The introduction counts only when its file is there.
    EXPECT_EQ(opened->introduction, QString());
    p.writeFile(QStringLiteral("intro_123456789.wav"), "RIFF");
    EXPECT_EQ(openTaskForChange(QStringLiteral("brush.tsk"))->introduction,
              p.path(QStringLiteral("intro_123456789.wav")));
}

TEST(WorkshopFiles, ATaskDeletionTakesOnlyTheTasksOwnFiles) {
    TestPlatform p;
    // A task file not named after its id, its introduction, and neighbours whose names hold the
    // same digits: a picture's narration, another task's introduction, a picture file, a note.
    ASSERT_TRUE(writeTask(QStringLiteral("wash.tsk"),
                          taskOf(QStringLiteral("123456789"), {QStringLiteral("a.stp"), QStringLiteral("b.stp")},
                                 QStringLiteral("intro_123456789.wav"))));
    for (const char* name : {"intro_123456789.wav", "pic_123456789.wav", "intro_1234567890.wav",
                             "generated_pic_1234567890.stp", "notes_123456789.txt"})
        p.writeFile(QString::fromLatin1(name), "x");
    auto files = taskFilesToDelete(QStringLiteral("wash.tsk"));
    ASSERT_TRUE(files.ok()) << files.error().toStdString();
    EXPECT_EQ(*files, QStringList({p.path(QStringLiteral("wash.tsk")), p.path(QStringLiteral("intro_123456789.wav"))}));

    // Without its introduction on disk only the task file goes.
    QFile::remove(p.path(QStringLiteral("intro_123456789.wav")));
    EXPECT_EQ(*taskFilesToDelete(QStringLiteral("wash.tsk")), QStringList({p.path(QStringLiteral("wash.tsk"))}));

    // An empty id line deletes nothing and says so.
    p.writeFile(QStringLiteral("noid.tsk"), " 2 \r\nT\r\nC\r\nNone\r\na.stp\r\nb.stp\r\n   \r\nNone\r\n");
    auto noId = taskFilesToDelete(QStringLiteral("noid.tsk"));
    ASSERT_FALSE(noId.ok());
    EXPECT_EQ(noId.error(), QStringLiteral("Taskid is empty, delete has a problem"));
    // An id that is not a number builds no names: only the task file itself.
    p.writeFile(QStringLiteral("odd.tsk"), " 2 \r\nT\r\nC\r\nNone\r\na.stp\r\nb.stp\r\n../x\r\nNone\r\n");
    EXPECT_EQ(*taskFilesToDelete(QStringLiteral("odd.tsk")), QStringList({p.path(QStringLiteral("odd.tsk"))}));
    // A damaged task file is reported by the reader.
    p.writeFile(QStringLiteral("cut.tsk"), " x\r\n");
    auto cut = taskFilesToDelete(QStringLiteral("cut.tsk"));
    ASSERT_FALSE(cut.ok());
    EXPECT_TRUE(cut.error().contains(QStringLiteral("cut.tsk")));
}

TEST(WorkshopFiles, APictureDeletionTakesItsNarrationOnlyByTheProgramsOwnName) {
    TestPlatform p;
    QTemporaryDir elsewhere;
    const QString outside = QDir(elsewhere.path()).filePath(QStringLiteral("x.wav"));
    QFile f(outside);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    p.writeFile(QStringLiteral("pic_320000001.wav"), "RIFF");
    p.writeFile(QStringLiteral("pic_999.wav"), "RIFF");
    const struct {
        const char* file;
        QString narration;
        bool narrationGoes;
    } cases[] = {
        {"own.stp", QStringLiteral("pic_320000001.wav"), true},
        {"other.stp", QStringLiteral("pic_999.wav"), false},      // another id's name
        {"up.stp", QStringLiteral("../x.wav"), false},            // outside the folder
        {"full.stp", outside, false},                             // a full path
        {"gone.stp", QStringLiteral("pic_320000002.wav"), false}  // no such file
    };
    for (const auto& c : cases) {
        const QString id = QString::fromLatin1(c.file) == QLatin1String("gone.stp") ? QStringLiteral("320000002")
                                                                                    : QStringLiteral("320000001");
        p.writeFile(
            QString::fromLatin1(c.file),
            QStringLiteral("Hygiene\r\nWashing\r\nNone\r\nw.png\r\n%1\r\n%2\r\n").arg(c.narration, id).toUtf8());
        auto files = pictureFilesToDelete(QString::fromLatin1(c.file));
        ASSERT_TRUE(files.ok()) << c.file;
        QStringList expected{p.path(QString::fromLatin1(c.file))};
        if (c.narrationGoes) expected.append(p.path(c.narration));
        EXPECT_EQ(*files, expected) << c.file;
    }
}

TEST(WorkshopFiles, APictureSaveChecksInOrderAndStoresWhatTheLibraryReadsBack) {
    TestPlatform p;
    ASSERT_TRUE(writePicture(QStringLiteral("generated_pic_111.stp"),
                             pictureOf(QStringLiteral("111"), QStringLiteral("w.png"), QStringLiteral("None"))));
    PictureDraft d;
    d.picture = QStringLiteral("None");
    EXPECT_EQ(pictureSaveRefusal(d), QStringLiteral("A Category must be entered for this Picture. "));
    d.category = QStringLiteral("Hygiene");
    EXPECT_EQ(pictureSaveRefusal(d), QStringLiteral("A Picture Description is Required"));
    d.description = QStringLiteral("Washing hands");
    EXPECT_EQ(pictureSaveRefusal(d), QStringLiteral("A Picture is Required"));
    d.picture = p.path(QStringLiteral("w.png"));
    EXPECT_EQ(pictureSaveRefusal(d), QStringLiteral("A Picture with this description already exists in the pictures "
                                                    "database"));
    // The picture itself is not its own duplicate; the same description in another category is none.
    d.file = QStringLiteral("generated_pic_111.stp");
    EXPECT_EQ(pictureSaveRefusal(d), QString());
    d.file.clear();
    d.category = QStringLiteral("Kitchen");
    EXPECT_EQ(pictureSaveRefusal(d), QString());

    d.id = QStringLiteral("222");
    d.file = QStringLiteral("generated_pic_222.stp");
    const StepRecord plain = pictureRecord(d);
    EXPECT_EQ(plain.StepPhonetic, QStringLiteral("None"));
    EXPECT_EQ(plain.StepPictureFile, QStringLiteral("w.png"));
    EXPECT_EQ(plain.StepWaveFile, QStringLiteral("None"));
    d.hasNarration = true;
    d.phonetic = QStringLiteral("washing hands");
    d.picture = QStringLiteral("/media/photos/w.png");
    const StepRecord narrated = pictureRecord(d);
    EXPECT_EQ(narrated.StepWaveFile, QStringLiteral("pic_222.wav"));
    EXPECT_EQ(narrated.StepPhonetic, QStringLiteral("washing hands"));
    EXPECT_EQ(narrated.StepPictureFile, QStringLiteral("/media/photos/w.png"));
    EXPECT_EQ(narrated.PictureId, QStringLiteral("222"));
}

}  // namespace
