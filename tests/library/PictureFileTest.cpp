#include "library/PictureFile.h"

#include "RecordPrinting.h"
#include "TestPlatform.h"

#include "app/Globvars.h"
#include "library/PathHelpers.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

StepRecord zipperPicture() {
    return {QStringLiteral("Hygiene"),        QStringLiteral("Zippering the coat"), QStringLiteral("zip ping"),
            QStringLiteral("zip.jpg"),        QStringLiteral("pic_987654321.wav"),  QStringLiteral("987654321")};
}

StepRecord seenBy(const StepRecord& full, const PictureReadPlan& plan) {
    const auto take = [](LineUse use, const QString& value) {
        return use == LineUse::Whole || use == LineUse::Field ? value : QString();
    };
    return {take(plan.category, full.PictureCategory), take(plan.description, full.StepDescription),
            take(plan.phonetic, full.StepPhonetic),    take(plan.pictureFile, full.StepPictureFile),
            take(plan.waveFile, full.StepWaveFile),    take(plan.id, full.PictureId)};
}

const struct {
    const char* name;
    PictureReadPlan plan;
    StepRecord expected;
} kReaders[] = {
    {"activity", PictureReaders::activity,
     {{}, QStringLiteral("Zippering the coat"), QStringLiteral("zip ping"), QStringLiteral("zip.jpg"),
      QStringLiteral("pic_987654321.wav"), {}}},
    {"list", PictureReaders::list, {QStringLiteral("Hygiene"), QStringLiteral("Zippering the coat"), {}, {}, {}, {}}},
    {"preview", PictureReaders::preview, {{}, {}, {}, QStringLiteral("zip.jpg"), {}, {}}},
    {"editor", PictureReaders::editor, zipperPicture()},
    {"duplicate check", PictureReaders::duplicateCheck,
     {QStringLiteral("Hygiene"), QStringLiteral("Zippering the coat"), {}, {}, {}, {}}},
    {"deletion", PictureReaders::deletion, {{}, {}, {}, {}, QStringLiteral("pic_987654321.wav"), {}}},
};

TEST(PictureFile, SixLinesThatEveryReaderReadsBack) {
    TestPlatform platform;
    ASSERT_TRUE(writePicture(QStringLiteral("generated_pic_987654321.stp"), zipperPicture()).ok());
    EXPECT_EQ(platform.readFile(QStringLiteral("generated_pic_987654321.stp")),
              QByteArray("Hygiene\r\nZippering the coat\r\nzip ping\r\nzip.jpg\r\npic_987654321.wav\r\n987654321\r\n"));
    for (const auto& r : kReaders) {
        auto read = readPictureFile(QStringLiteral("generated_pic_987654321.stp"), r.plan);
        ASSERT_TRUE(read.ok()) << r.name << ": " << read.error().toStdString();
        EXPECT_EQ(*read, r.expected) << r.name;
    }
}

TEST(PictureFile, TextsKeepCommasQuotesAndBlanks) {
    TestPlatform platform;
    for (const char* text : {"Salt, pepper", "\"Quoted\"", "  blanks  ", "a,\"b\",c", "Crème brûlée"}) {
        StepRecord picture = zipperPicture();
        picture.PictureCategory = picture.StepDescription = picture.StepPhonetic = QString::fromUtf8(text);
        ASSERT_TRUE(writePicture(QStringLiteral("p.stp"), picture).ok()) << text;
        for (const auto& r : kReaders) {
            auto read = readPictureFile(QStringLiteral("p.stp"), r.plan);
            ASSERT_TRUE(read.ok()) << text << " / " << r.name;
            EXPECT_EQ(*read, seenBy(picture, r.plan)) << text << " / " << r.name;
        }
    }
}

TEST(PictureFile, ImagesInAndOutsideTheFolderLoadAsTheSamePath) {
    TestPlatform platform;
    for (const QString& image : {QString(AppFolder + QStringLiteral("/zip.jpg")), QStringLiteral("/home/class/zip.jpg")}) {
        StepRecord picture = zipperPicture();
        picture.StepPictureFile = toStoredName(image);
        ASSERT_TRUE(writePicture(QStringLiteral("p.stp"), picture).ok());
        auto read = readPictureFile(QStringLiteral("p.stp"), PictureReaders::activity);
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(insertPath(read->StepPictureFile), image);
    }
    EXPECT_TRUE(platform.readFile(QStringLiteral("p.stp")).contains("\r\n/home/class/zip.jpg\r\n"));
}

TEST(PictureFile, EmptyOptionalValuesAreStoredAsNoneAndBadValuesRefused) {
    TestPlatform platform;
    StepRecord picture = zipperPicture();
    picture.StepPhonetic.clear();
    picture.StepWaveFile.clear();
    ASSERT_TRUE(writePicture(QStringLiteral("p.stp"), picture).ok());
    const QByteArray before = platform.readFile(QStringLiteral("p.stp"));
    EXPECT_EQ(before, QByteArray("Hygiene\r\nZippering the coat\r\nNone\r\nzip.jpg\r\nNone\r\n987654321\r\n"));

    const struct {
        const char* name;
        void (*spoil)(StepRecord&);
    } cases[] = {
        {"comma in the narration", [](StepRecord& p) { p.StepWaveFile = QStringLiteral("a,b.wav"); }},
        {"comma in the id", [](StepRecord& p) { p.PictureId = QStringLiteral("1,2"); }},
        {"quote before the id", [](StepRecord& p) { p.PictureId = QStringLiteral("\"12"); }},
        {"empty id", [](StepRecord& p) { p.PictureId.clear(); }},
        {"letters for the id", [](StepRecord& p) { p.PictureId = QStringLiteral("abc"); }},
        {"None for the id", [](StepRecord& p) { p.PictureId = QStringLiteral("None"); }},
        {"line break in the description", [](StepRecord& p) { p.StepDescription = QStringLiteral("a\r\nb"); }},
    };
    for (const auto& c : cases) {
        StepRecord bad = zipperPicture();
        c.spoil(bad);
        EXPECT_FALSE(writePicture(QStringLiteral("p.stp"), bad).ok()) << c.name;
        EXPECT_EQ(platform.readFile(QStringLiteral("p.stp")), before) << c.name;
    }
    EXPECT_EQ(QDir(AppFolder).entryList(QDir::Files), QStringList{QStringLiteral("p.stp")});
}

}  // namespace
