#include "library/DefaultOptions.h"
#include "core/OptionChoices.h"
#include "library/OptionsFile.h"

#include "FaultyFiles.h"
#include "TestPlatform.h"

#include "app/Globvars.h"
#include "core/TextFormat.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// A record in which every stored value differs from every other, so a field on the wrong line
// shows.
StudentOptionsRecord distinctOptions() {
    StudentOptionsRecord o;
    std::int16_t next = 1;
    for (auto* f : {&o.AccessMethod, &o.ScanInterval, &o.BackgroundColor, &o.AudioInstructions, &o.RewardMode,
                    &o.PictureTitles, &o.Narration, &o.VideoBeforeTask, &o.VideoButton, &o.ReviewBeforeTask,
                    &o.ReviewButton, &o.BoxStyle}) {
        *f = next++;
    }
    o.AnimationSpeed = 130000013;
    next = 14;
    for (auto* f : {&o.LayoutDirection, &o.FeedbackMode, &o.ShuffleMode, &o.Reserved1, &o.Reserved2, &o.PressReminder,
                    &o.PressReminderSeconds, &o.Reserved3, &o.Reserved4}) {
        *f = next++;
    }
    for (int n = 2; n <= 10; ++n) {
        for (int p = 1; p <= n; ++p) o.JumpStart[n][p] = static_cast<std::int16_t>(jumpStartLine(n, p));
        o.StepFilter[n] = static_cast<std::int16_t>(stepFilterLine(n));
    }
    return o;
}

QStringList folderListing() { return QDir(AppFolder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

TEST(OptionsFile, EveryValueOnItsLineWithSignPositionAndCrLf) {
    const QByteArray bytes = formatStudentOptions(distinctOptions());
    const QList<QByteArray> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), kOptionLineCount);
    for (int line = 1; line <= kOptionLineCount; ++line) {
        const QByteArray expected = line == 13 ? QByteArray(" 130000013 \r") : " " + QByteArray::number(line) + " \r";
        EXPECT_EQ(lines[line - 1], expected) << "line " << line;
    }
    EXPECT_EQ(jumpStartLine(2, 1), 23);
    EXPECT_EQ(jumpStartLine(5, 3), 34);
    EXPECT_EQ(jumpStartLine(10, 10), 76);
    EXPECT_EQ(stepFilterLine(10), 85);
}

TEST(OptionsFile, FirstLineAndNegativeSpeed) {
    StudentOptionsRecord o;
    o.AccessMethod = 2;
    o.AnimationSpeed = -1;
    const QByteArray bytes = formatStudentOptions(o);
    EXPECT_TRUE(bytes.startsWith(QByteArray(" 2 \r\n")));
    EXPECT_EQ(linesOf(bytes)[12], QByteArray("-1 \r"));
    EXPECT_TRUE(bytes.endsWith(QByteArray(" 0 \r\n")));
    auto back = parseStudentOptions(bytes);
    ASSERT_TRUE(back.ok()) << back.error().toStdString();
    EXPECT_EQ(back->AnimationSpeed, -1);
}

TEST(OptionsFile, SaveThenLoadGivesEveryFieldBack) {
    TestPlatform platform;
    StudentOptionsRecord o = distinctOptions();
    o.AnimationSpeed = -2147483647 - 1;
    o.Reserved1 = -32768;
    o.Reserved4 = 32767;
    o.JumpStart[5][3] = 3;  // neither 1 nor 0: kept as it is
    StudentOptions = o;
    ASSERT_TRUE(saveStudentOptions(QStringLiteral("Ann")).ok());
    StudentOptions = {};
    ASSERT_TRUE(loadStudentOptions(QStringLiteral("Ann")).ok());
    EXPECT_EQ(StudentOptions, o);
    EXPECT_EQ(StudentOptions.JumpStart[5][3], 3);
}

TEST(OptionsFile, EntriesOutsideTheStoredRangesKeepWhatTheyHeld) {
    StudentOptionsRecord base;
    base.JumpStart[0][0] = 7;
    base.JumpStart[2][5] = 8;
    base.StepFilter[1] = 9;
    auto loaded = parseStudentOptions(formatStudentOptions(defaultStudentOptions()), base);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded->JumpStart[0][0], 7);
    EXPECT_EQ(loaded->JumpStart[2][5], 8);
    EXPECT_EQ(loaded->StepFilter[1], 9);
    EXPECT_EQ(loaded->StepFilter[10], 1);
}

TEST(OptionsFile, BlanksAroundNumbersAndOtherLineEndsReadTheSame) {
    const QByteArray plain = formatStudentOptions(distinctOptions());
    const struct {
        const char* name;
        QByteArray (*rewrite)(QByteArray);
    } variants[] = {
        {"no blanks", [](QByteArray b) { return b.replace(" ", ""); }},
        {"many blanks", [](QByteArray b) { return b.replace(" ", "   "); }},
        {"tabs", [](QByteArray b) { return b.replace(" ", "\t"); }},
        {"LF only", [](QByteArray b) { return b.replace("\r\n", "\n"); }},
        {"byte order mark from an editor", [](QByteArray b) { return b.prepend("\xEF\xBB\xBF"); }},
        {"no line end after the last line", [](QByteArray b) { return b.left(b.size() - 2); }},
        {"text after the 85th value", [](QByteArray b) { return QByteArray(b + "whatever\r\n99\r\n"); }},
    };
    for (const auto& v : variants) {
        auto loaded = parseStudentOptions(v.rewrite(plain));
        ASSERT_TRUE(loaded.ok()) << v.name << ": " << loaded.error().toStdString();
        EXPECT_EQ(*loaded, distinctOptions()) << v.name;
    }
}

TEST(OptionsFile, NameResolution) {
    const struct {
        const char* student;
        const char* file;
    } cases[] = {
        {"", "teacher.lgn"},
        {"   ", "teacher.lgn"},
        {"teacher", "teacher.lgn"},
        {"  Ann  ", "Ann.lgn"},
        {"Ann Lee", "Ann Lee.lgn"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(studentOptionsFileName(QString::fromUtf8(c.student)), QString::fromUtf8(c.file)) << c.student;
    }

    TestPlatform platform;
    StudentOptions = distinctOptions();
    ASSERT_TRUE(saveStudentOptions(QStringLiteral("  Ann  ")).ok());
    ASSERT_TRUE(saveStudentOptions(QString()).ok());
    EXPECT_EQ(folderListing(), (QStringList{QStringLiteral("Ann.lgn"), QStringLiteral("teacher.lgn")}));
    StudentOptions = {};
    ASSERT_TRUE(loadStudentOptions(QStringLiteral("Ann")).ok());
    EXPECT_EQ(StudentOptions, distinctOptions());
}

TEST(OptionsFile, NamesThatWouldLeaveTheFolderAreRefused) {
    TestPlatform platform;
    StudentOptions = distinctOptions();
    for (const char* name : {"../Ann", "a/b", ".hidden", "/etc/passwd"}) {
        const QString student = QString::fromUtf8(name);
        Status saved = saveStudentOptions(student);
        EXPECT_FALSE(saved.ok()) << name;
        EXPECT_FALSE(loadStudentOptions(student).ok()) << name;
    }
    EXPECT_TRUE(folderListing().isEmpty());
    EXPECT_FALSE(QFile::exists(QDir(AppFolder).filePath(QStringLiteral("../Ann.lgn"))));
}

TEST(OptionsFile, MissingTeacherFileIsMadeFromTheDefaults) {
    TestPlatform platform;
    ASSERT_TRUE(loadStudentOptions(QString()).ok());
    EXPECT_EQ(StudentOptions, defaultStudentOptions());
    EXPECT_EQ(platform.readFile(QStringLiteral("teacher.lgn")), formatStudentOptions(defaultStudentOptions()));
    EXPECT_LT(StudentOptions.AnimationSpeed, 0);  // the first start calibrates
}

TEST(OptionsFile, DefaultsAreTheListedFirstLessonChoices) {
    const StudentOptionsRecord d = defaultStudentOptions();
    const std::int16_t expected[22] = {2, 3, 4, 1, 1, 1, 1, 2, 1, 2, 1, 1, -1, 1, 2, 2, 0, 0, 1, 15, 0, 0};
    const QList<QByteArray> lines = linesOf(formatStudentOptions(d));
    for (int i = 0; i < 22; ++i) EXPECT_EQ(lines[i], QByteArray(formatNumber(expected[i]) + '\r')) << "line " << i + 1;
    for (int n = 2; n <= 10; ++n) {
        EXPECT_EQ(d.StepFilter[n], 1) << n;
        for (int p = 1; p <= n; ++p) EXPECT_EQ(d.JumpStart[n][p], 0) << n << "," << p;
    }
}

TEST(OptionsFile, MissingStudentFileIsAnErrorThatChangesNothing) {
    TestPlatform platform;
    StudentOptions = distinctOptions();
    Status loaded = loadStudentOptions(QStringLiteral("Bob"));
    ASSERT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.error().contains(QStringLiteral("Bob.lgn"))) << loaded.error().toStdString();
    EXPECT_EQ(StudentOptions, distinctOptions());
    EXPECT_TRUE(folderListing().isEmpty());
}

TEST(OptionsFile, DamagedFilesGiveTheLineAndChangeNothing) {
    const QByteArray good = formatStudentOptions(distinctOptions());
    const QList<QByteArray> lines = linesOf(good);
    const auto withLine = [&lines](int line, const QByteArray& text) {
        QByteArray out;
        for (int i = 0; i < lines.size(); ++i) out += (i + 1 == line ? text : lines[i].chopped(1)) + "\r\n";
        return out;
    };
    struct Case {
        QString name;
        QByteArray bytes;
        QString expected;  // the start of the message after the file name
    };
    std::vector<Case> cases = {
        {"empty", QByteArray(), "line 1: "},
        {"a letter", withLine(14, " x "), "line 14: 'x' is not a number"},
        {"a word after a number", withLine(3, " 4 blue"), "line 3: 'blue' is not a number"},
        {"16-bit overflow", withLine(1, " 40000 "), "line 1: 40000 does not fit"},
        {"32-bit overflow", withLine(13, " 3000000000 "), "line 13: 3000000000 does not fit"},
        {"empty line", withLine(50, ""), "line 50: "},
        {"a 40,000-character line", withLine(2, QByteArray(40000, '7')), "line 2: "},
        {"NUL bytes", withLine(7, QByteArray("\0\0\0", 3)), "line 7: "},
    };
    // A file that ends after line L, for every L (after line 80 included): an error, never a
    // partial load.
    for (int l = 0; l < kOptionLineCount; ++l) {
        QByteArray cut;
        for (int i = 0; i < l; ++i) cut += lines[i] + '\n';
        cases.push_back({QStringLiteral("ends after line %1").arg(l), cut, QStringLiteral("line %1: ").arg(l + 1)});
    }

    TestPlatform platform;
    for (const Case& c : cases) {
        platform.writeFile(QStringLiteral("Ann.lgn"), c.bytes);
        StudentOptions = defaultStudentOptions();
        Status loaded = loadStudentOptions(QStringLiteral("Ann"));
        ASSERT_FALSE(loaded.ok()) << c.name.toStdString();
        EXPECT_TRUE(loaded.error().startsWith(QStringLiteral("Ann.lgn, ") + c.expected))
            << c.name.toStdString() << ": " << loaded.error().toStdString();
        EXPECT_EQ(StudentOptions, defaultStudentOptions()) << c.name.toStdString();
        EXPECT_EQ(platform.readFile(QStringLiteral("Ann.lgn")), c.bytes) << c.name.toStdString();
        EXPECT_EQ(folderListing(), QStringList{QStringLiteral("Ann.lgn")}) << c.name.toStdString();
    }
}

TEST(OptionChoices, UnknownValuesMeanTheFirstListedChoice) {
    const struct {
        std::int16_t value;
        int choices;
        std::int16_t expected;
    } cases[] = {{1, 5, 1}, {5, 5, 5}, {6, 5, 1}, {0, 6, 1}, {-3, 3, 1}, {3, 3, 3}, {32767, 2, 1}};
    for (const auto& c : cases) EXPECT_EQ(knownChoice(c.value, c.choices), c.expected) << c.value;
}

}  // namespace
