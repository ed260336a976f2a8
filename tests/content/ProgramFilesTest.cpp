// The files the program itself needs in its data folder: pictures at the sizes its screens are
// laid out for, sounds in the one wave format it plays, and its text files.

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <set>

#include "ContentFolder.h"
#include "TestPlatform.h"
#include "app/Globvars.h"
#include "core/ShippedFiles.h"
#include "library/Categories.h"
#include "library/OptionsFile.h"
#include "library/ReviewWord.h"

namespace {

struct PictureCase {
    const char* name;
    int width;
    int height;
};

// Sizes fixed by the screens' design: the separators 345 x 465 twips, the small buttons, the
// after-task menu, the main menu's 1800 x 1500 twips and the calibration picture's 3000 x 2250
// (at 15 twips a pixel); the others as the content's README states them.
const PictureCase kPictures[] = {
    {"aobj_seq1.jpg", 320, 240},
    {"aobj_seq2.jpg", 320, 240},
    {"aobj_seq3.jpg", 320, 240},
    {"aobj_seq4.jpg", 320, 240},
    {"aobj_seq5.jpg", 320, 240},
    {"aobj_seq6.jpg", 320, 240},
    {"aobj_seq7.jpg", 320, 240},
    {"aobj_seq8.jpg", 320, 240},
    {"aobj_seq9.jpg", 320, 240},
    {"aobj_seq10.jpg", 320, 240},
    {"aobj_seq_black.jpg", 320, 240},
    {"aobj_separator_right.jpg", 23, 31},
    {"aobj_separator_left.jpg", 23, 31},
    {"aobj_separator_down.jpg", 23, 31},
    {"aobj_marquis.jpg", 400, 300},
    {"aobj_scan_pointer.gif", 48, 48},
    {"aobj_green_arrow_down.gif", 48, 64},
    {"aobj_green_arrow_right.gif", 64, 48},
    {"aobj_hand.ico", 32, 32},
    {"aobj_arrow_pointing_down.jpg", 96, 96},
    {"aobj_arrow_pointing_right.jpg", 96, 96},
    {"aobj_check.jpg", 300, 300},
    {"aobj_logo_kestrel.jpg", 640, 200},
    {"aobj_logo_larkin.jpg", 640, 200},
    {"aobj_but_play_video.jpg", 110, 30},
    {"aobj_but_read_story.jpg", 110, 30},
    {"aobj_but_start_review.jpg", 110, 30},
    {"aobj_but_stop_review.jpg", 110, 30},
    {"aobj_but_exit.jpg", 302, 30},
    {"aobj_continue_next.jpg", 606, 162},
    {"aobj_continue_replay.jpg", 606, 162},
    {"aobj_continue_task.jpg", 606, 162},
    {"aobj_tv.jpg", 800, 600},
    {"aobj_tv_pause.jpg", 110, 40},
    {"aobj_tv_play.jpg", 110, 40},
    {"aobj_tv_rewind.jpg", 110, 40},
    {"aobj_tv_skip.jpg", 110, 40},
    {"aobj_calibrate.jpg", 200, 150},
    {"aobj_missing_pic.jpg", 320, 240},
    {"aobj_mic_usb.jpg", 240, 180},
    {"aobj_mic_jack.jpg", 240, 180},
    {"aobj_rec_start.jpg", 180, 48},
    {"aobj_rec_stop.jpg", 180, 48},
    {"aobj_rec_play.jpg", 180, 48},
};

// The format Qt finds inside the file must be the one its name promises.
QByteArray formatForName(const QString& name) {
    if (name.endsWith(QLatin1String(".jpg"))) return "jpeg";
    if (name.endsWith(QLatin1String(".gif"))) return "gif";
    return "ico";
}

void expectPicture(const QString& name, int width, int height) {
    SCOPED_TRACE(name.toStdString());
    QImageReader reader(contentPath(name));
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    EXPECT_EQ(reader.format(), formatForName(name));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(width, height));
}

TEST(ProgramPictures, EveryPictureDecodesInItsFormatAtItsSize) {
    for (const PictureCase& c : kPictures) expectPicture(QString::fromUtf8(c.name), c.width, c.height);
}

TEST(ProgramPictures, MainMenuButtonsAreTheOnesTheMainWindowLoads) {
    for (const QString& name : kMenuPictures) expectPicture(name, 120, 100);
}

// The pointers stand over the student's background colour: their corners must let it show
// through, their middles must not.
TEST(ProgramPictures, PointersHaveATransparentBackground) {
    for (const char* name :
         {"aobj_scan_pointer.gif", "aobj_green_arrow_down.gif", "aobj_green_arrow_right.gif", "aobj_hand.ico"}) {
        SCOPED_TRACE(name);
        const QImage image = QImage(contentPath(QString::fromUtf8(name))).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }
}

// Each numbered card must show its own number: no two cards may be the same picture.
TEST(ProgramPictures, BoxCardsAreAllDifferent) {
    std::set<QByteArray> seen;
    for (int n = 1; n <= 10; ++n) {
        QFile file(contentPath(QStringLiteral("aobj_seq%1.jpg").arg(n)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(seen.insert(file.readAll()).second) << "card " << n;
    }
}

TEST(ProgramFiles, TeacherOptionsAreCompleteAndAskForTheSpeedToBeMeasured) {
    QFile file(contentPath(QStringLiteral("teacher.lgn")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), kOptionLineCount);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const Result<StudentOptionsRecord> options = parseStudentOptions(bytes);
    ASSERT_TRUE(options.ok()) << options.error().toStdString();
    EXPECT_LT(options->AnimationSpeed, 0);
    // Every task length is listed, so the example library shows up in full.
    for (int n = 2; n <= 10; ++n) EXPECT_EQ(options->StepFilter[n], 1) << n;
    EXPECT_GE(options->AccessMethod, 1);
    EXPECT_LE(options->AccessMethod, 5);
}

TEST(ProgramFiles, ProgramTypeIsTheKestrelEdition) {
    QFile file(contentPath(QStringLiteral("aobj_prog_type.cfg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(" 1 \r\n"));
}

TEST(ProgramFiles, CategoryListAndReviewWordReadBack) {
    TestPlatform platform;
    AppFolder = contentFolder();
    const Result<QStringList> categories = readCategoryList();
    ASSERT_TRUE(categories.ok()) << categories.error().toStdString();
    ASSERT_FALSE(categories->isEmpty());
    for (qsizetype i = 1; i < categories->size(); ++i) {
        EXPECT_LT((*categories)[i - 1], (*categories)[i]) << "sorted, without repeats";
    }
    const Result<QString> word = readReviewWord();
    ASSERT_TRUE(word.ok()) << word.error().toStdString();
    EXPECT_EQ(*word, QStringLiteral("Review"));
}

// The documents teachers open from the main menu cover what the program does and name what it
// is built from.
TEST(ProgramFiles, UserGuideAndCreditsCoverTheirSubjects) {
    struct Case {
        const char* file;
        std::vector<const char*> mustMention;
    };
    const Case cases[] = {
        {"aobj_user_guide.htm",
         {"<html", "</html>", "Step scanning with two switches", "Touch window or mouse click",
          "Timed scanning with one switch", "Drag and drop", "Click to pick up, click to drop", "Space", "Enter",
          "Options", "Jump Start", "Making pictures", "Making tasks", "Results", "Language Customization",
          "Planting a seed"}},
        {"aobj_credits.htm",
         {"<html", "</html>", "Qt", "eSpeak NG", "libsndfile", "GIFLIB", "GStreamer", "DejaVu Sans", "Noto Color Emoji",
          "GNU Lesser General Public License", "GNU General Public License", "MIT License", "SIL Open Font License",
          "Bitstream Vera"}},
    };
    for (const Case& c : cases) {
        QFile file(contentPath(QString::fromUtf8(c.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.file;
        const QString text = QString::fromUtf8(file.readAll());
        for (const char* words : c.mustMention) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << c.file << " lacks " << words;
        }
    }
}

}  // namespace
