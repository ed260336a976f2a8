#include "library/Categories.h"
#include "library/PictureFile.h"
#include "library/ReviewWord.h"
#include "library/TaskFile.h"

#include "RecordPrinting.h"
#include "TestPlatform.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray kTask(" 4 \r\nTea\r\nCooking\r\nNone\r\np1.stp\r\np2.stp\r\np3.stp\r\np4.stp\r\n123\r\nNone\r\n");
const QByteArray kPicture("Hygiene\r\nZipper\r\nNone\r\nz.jpg\r\nNone\r\n5\r\n");

// One reader of one kind of file, and how many lines it needs.
struct Reader {
    const char* name;
    const char* file;
    int linesNeeded;
    std::function<Status()> read;
};

template <typename R>
Status statusOf(const Result<R>& r) {
    return r ? Status() : Status(Error{r.error()});
}

std::vector<Reader> taskReaders() {
    const auto reader = [](const char* name, int needed, TaskReadPlan plan) {
        return Reader{name, "t.tsk", needed, [plan] { return statusOf(readTaskFile(QStringLiteral("t.tsk"), plan)); }};
    };
    return {reader("activity", 10, TaskReaders::activity), reader("list", 4, TaskReaders::list),
            reader("editor", 10, TaskReaders::editor),     reader("duplicate check", 3, TaskReaders::duplicateCheck),
            reader("use check", 8, TaskReaders::useCheck), reader("deletion", 9, TaskReaders::deletion)};
}

std::vector<Reader> pictureReaders() {
    const auto reader = [](const char* name, int needed, PictureReadPlan plan) {
        return Reader{name, "p.stp", needed,
                      [plan] { return statusOf(readPictureFile(QStringLiteral("p.stp"), plan)); }};
    };
    return {reader("activity", 5, PictureReaders::activity),
            reader("list", 2, PictureReaders::list),
            reader("preview", 4, PictureReaders::preview),
            reader("editor", 6, PictureReaders::editor),
            reader("duplicate check", 2, PictureReaders::duplicateCheck),
            reader("deletion", 5, PictureReaders::deletion)};
}

QByteArray firstLines(const QByteArray& bytes, int lines) {
    qsizetype end = 0;
    for (int i = 0; i < lines; ++i) end = bytes.indexOf("\r\n", end) + 2;
    return bytes.left(end);
}

QByteArray withLine(const QByteArray& bytes, int line, const QByteArray& text) {
    QList<QByteArray> lines = bytes.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

// Reads, and checks that nothing in the folder changed.
Status readUntouched(const TestPlatform& platform, const Reader& r, const QByteArray& bytes) {
    platform.writeFile(QString::fromUtf8(r.file), bytes);
    const QStringList before = QDir(AppFolder).entryList(QDir::Files | QDir::Hidden);
    const Status s = r.read();
    EXPECT_EQ(QDir(AppFolder).entryList(QDir::Files | QDir::Hidden), before) << r.name;
    EXPECT_EQ(platform.readFile(QString::fromUtf8(r.file)), bytes) << r.name;
    if (!s.ok()) {
        EXPECT_TRUE(s.error().startsWith(QString::fromUtf8(r.file) + QStringLiteral(", line ")))
            << s.error().toStdString();
    }
    return s;
}

TEST(DamagedFiles, ACutFileIsAnErrorForTheReadersThatNeedTheMissingLines) {
    TestPlatform platform;
    const struct {
        QByteArray full;
        int lines;
        std::vector<Reader> readers;
    } kinds[] = {{kTask, 10, taskReaders()}, {kPicture, 6, pictureReaders()}};
    for (const auto& kind : kinds) {
        for (const Reader& r : kind.readers) {
            for (int kept = 0; kept <= kind.lines; ++kept) {
                const Status s = readUntouched(platform, r, firstLines(kind.full, kept));
                if (kept >= r.linesNeeded) {
                    EXPECT_TRUE(s.ok()) << r.file << " " << r.name << " with " << kept
                                        << " lines: " << s.error().toStdString();
                } else {
                    ASSERT_FALSE(s.ok()) << r.file << " " << r.name << " with " << kept << " lines";
                    EXPECT_TRUE(s.error().startsWith(QStringLiteral("%1, line %2: ").arg(r.file).arg(kept + 1)))
                        << s.error().toStdString();
                }
            }
        }
    }
}

TEST(DamagedFiles, ABadStepCountIsAnErrorForEveryTaskReader) {
    TestPlatform platform;
    const struct {
        QByteArray line;
        QString says;
    } cases[] = {
        {" 0 ", "the step count 0 is not between 2 and 10"},
        {" 1 ", "the step count 1 is not between 2 and 10"},
        {" 11 ", "the step count 11 is not between 2 and 10"},
        {"-3 ", "the step count -3 is not between 2 and 10"},
        {" x ", "'x' is not a number"},
        {"", "the line is empty, a number belongs here"},
        {QByteArray("\0\0", 2), "'\\0\\0' is not a number"},
        {" 99999 ", "99999 does not fit (-32768 to 32767)"},
        {QByteArray(40000, '7'), QString(40, u'7') + QStringLiteral("... is too large")},  // shortened
    };
    for (const auto& c : cases) {
        for (const Reader& r : taskReaders()) {
            const Status s = readUntouched(platform, r, withLine(kTask, 1, c.line));
            ASSERT_FALSE(s.ok()) << r.name << " " << c.says.toStdString();
            EXPECT_EQ(s.error(), QStringLiteral("t.tsk, line 1: ") + c.says) << r.name;
        }
    }
}

TEST(DamagedFiles, LongLinesNulBytesAndMissingPicturesReadAsTheyStand) {
    TestPlatform platform;
    const QByteArray longText(40000, 'a');
    const QByteArray nuls("T\0e\0a", 5);
    const struct {
        const char* name;
        QByteArray bytes;
        const char* file;
        std::function<void()> check;
    } cases[] = {
        {"40,000-character title", withLine(kTask, 2, longText), "t.tsk",
         [&] { EXPECT_EQ(readTaskFile(QStringLiteral("t.tsk"), TaskReaders::list)->TaskTitle.size(), 40000); }},
        {"40,000-character step line", withLine(kTask, 5, longText), "t.tsk",
         [&] {
             EXPECT_EQ(readTaskFile(QStringLiteral("t.tsk"), TaskReaders::activity)->StepFileName[1].size(), 40000);
         }},
        {"NUL bytes in the title", withLine(kTask, 2, nuls), "t.tsk",
         [&] {
             EXPECT_EQ(readTaskFile(QStringLiteral("t.tsk"), TaskReaders::editor)->TaskTitle,
                       QString::fromLatin1(nuls));
         }},
        {"a step naming a file that does not exist", withLine(kTask, 6, "nowhere.stp"), "t.tsk",
         [&] {
             EXPECT_EQ(readTaskFile(QStringLiteral("t.tsk"), TaskReaders::activity)->StepFileName[2],
                       QStringLiteral("nowhere.stp"));
         }},
        {"40,000-character description", withLine(kPicture, 2, longText), "p.stp",
         [&] {
             EXPECT_EQ(readPictureFile(QStringLiteral("p.stp"), PictureReaders::activity)->StepDescription.size(),
                       40000);
         }},
        {"NUL bytes in the category", withLine(kPicture, 1, nuls), "p.stp",
         [&] {
             EXPECT_EQ(readPictureFile(QStringLiteral("p.stp"), PictureReaders::list)->PictureCategory,
                       QString::fromLatin1(nuls));
         }},
    };
    for (const auto& c : cases) {
        const std::vector<Reader> readers = QByteArray(c.file).endsWith("tsk") ? taskReaders() : pictureReaders();
        for (const Reader& r : readers) {
            const Status s = readUntouched(platform, r, c.bytes);
            EXPECT_TRUE(s.ok()) << c.name << " / " << r.name << ": " << s.error().toStdString();
        }
        c.check();
    }
}

TEST(DamagedFiles, CutAtEveryByteNothingCrashesOrWrites) {
    TestPlatform platform;
    for (const auto& kind : {std::pair{kTask, taskReaders()}, std::pair{kPicture, pictureReaders()}}) {
        for (qsizetype cut = 0; cut <= kind.first.size(); ++cut) {
            for (const Reader& r : kind.second) (void)readUntouched(platform, r, kind.first.left(cut));
        }
    }
}

TEST(DamagedFiles, ListFilesReadAsTheyStand) {
    TestPlatform platform;
    platform.writeFile(kCategoryListFile, QByteArray("A\0B\r\n", 5) + QByteArray(40000, 'c') + "\r\nlast");
    auto categories = readCategoryList();
    ASSERT_TRUE(categories.ok());
    ASSERT_EQ(categories->size(), 3);
    EXPECT_EQ(categories->at(1).size(), 40000);
    EXPECT_EQ(categories->at(2), QStringLiteral("last"));

    platform.writeFile(kReviewWordFile, QByteArray(40000, 'w'));
    EXPECT_EQ(readReviewWord()->size(), 40000);
    EXPECT_EQ(QDir(AppFolder).entryList(QDir::Files).size(), 2);
}

}  // namespace
