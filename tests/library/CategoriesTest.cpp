#include "library/Categories.h"
#include "library/CategoryBox.h"

#include "TestPlatform.h"

#include <QComboBox>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QByteArray linesFile(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines) out += l.toUtf8() + "\r\n";
    return out;
}

TEST(Categories, SaveCategoryKeepsTheListSortedAndUnique) {
    const struct {
        const char* name;
        QStringList before;
        const char* category;
        QStringList after;
    } cases[] = {
        {"already there", {"Cleaning", "Cooking", "Hygiene"}, "Cooking", {"Cleaning", "Cooking", "Hygiene"}},
        {"small letter after every capital", {"Cleaning", "Cooking", "Hygiene"}, "cooking",
         {"Cleaning", "Cooking", "Hygiene", "cooking"}},
        {"first", {"Cooking", "Hygiene"}, "Apples", {"Apples", "Cooking", "Hygiene"}},
        {"last", {"Cooking", "Hygiene"}, "Zoo", {"Cooking", "Hygiene", "Zoo"}},
        {"into an empty list", {}, "Cooking", {"Cooking"}},
        {"blanks are part of the text", {"Cooking"}, " Cooking", {" Cooking", "Cooking"}},
        {"commas and quotes", {"Cooking"}, "Salt, \"pepper\"", {"Cooking", "Salt, \"pepper\""}},
    };
    for (const auto& c : cases) {
        TestPlatform platform;
        platform.writeFile(kCategoryListFile, linesFile(c.before));
        Status saved = saveCategory(QString::fromUtf8(c.category));
        ASSERT_TRUE(saved.ok()) << c.name << ": " << saved.error().toStdString();
        EXPECT_EQ(platform.readFile(kCategoryListFile), linesFile(c.after)) << c.name;
        auto read = readCategoryList();
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(*read, c.after) << c.name;
    }
}

TEST(Categories, AnUnchangedListIsNotRewritten) {
    TestPlatform platform;
    // Windows-1252 text from an older computer, LF line ends: left exactly as it is.
    const QByteArray old("Caf\xe9\nCooking\n");
    platform.writeFile(kCategoryListFile, old);
    const QDateTime stamp = QFileInfo(platform.path(kCategoryListFile)).lastModified();
    ASSERT_TRUE(saveCategory(QStringLiteral("Cooking")).ok());
    EXPECT_EQ(platform.readFile(kCategoryListFile), old);
    ASSERT_TRUE(saveCategory(QStringLiteral("Café")).ok());
    EXPECT_EQ(platform.readFile(kCategoryListFile), old);
    EXPECT_EQ(QFileInfo(platform.path(kCategoryListFile)).lastModified(), stamp);
}

TEST(Categories, MissingListEmptyLinesAndEmptyCategory) {
    TestPlatform platform;
    auto none = readCategoryList();
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none->isEmpty());
    ASSERT_TRUE(saveCategory(QString()).ok());
    EXPECT_FALSE(platform.files.exists(platform.path(kCategoryListFile)));

    ASSERT_TRUE(saveCategory(QStringLiteral("Cooking")).ok());
    EXPECT_EQ(platform.readFile(kCategoryListFile), QByteArray("Cooking\r\n"));

    platform.writeFile(kCategoryListFile, "Cooking\r\n\r\nHygiene\r\n\r\n");
    auto read = readCategoryList();
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, (QStringList{"Cooking", "Hygiene"}));
    ASSERT_TRUE(saveCategory(QStringLiteral("Dressing")).ok());
    EXPECT_EQ(platform.readFile(kCategoryListFile), QByteArray("Cooking\r\nDressing\r\nHygiene\r\n"));
}

TEST(Categories, AFullListIsLeftAsItIs) {
    TestPlatform platform;
    QStringList full;
    for (int i = 0; i < kMaxCategories; ++i) full.append(QStringLiteral("C%1").arg(i, 4, 10, QLatin1Char('0')));
    platform.writeFile(kCategoryListFile, linesFile(full));
    EXPECT_TRUE(saveCategory(QStringLiteral("C0500")).ok());  // already listed

    Status added = saveCategory(QStringLiteral("New"));
    ASSERT_FALSE(added.ok());
    EXPECT_TRUE(added.error().contains(QStringLiteral("full"))) << added.error().toStdString();
    EXPECT_EQ(platform.readFile(kCategoryListFile), linesFile(full));

    full.append(QStringLiteral("C1000"));  // one more than the list may hold: not cut down
    platform.writeFile(kCategoryListFile, linesFile(full));
    EXPECT_FALSE(saveCategory(QStringLiteral("New")).ok());
    EXPECT_EQ(platform.readFile(kCategoryListFile), linesFile(full));
}

TEST(Categories, InsertSortedUniqueCountsAndRemovesEveryRepeat) {
    TestPlatform platform;
    CategoryTable.fill(QString());
    const QStringList unsorted{"b", "a", "b", "b", "c"};  // a list edited by hand
    for (int i = 0; i < unsorted.size(); ++i) CategoryTable[i + 1] = unsorted[i];
    EXPECT_EQ(insertSortedUnique(QStringLiteral("a")), 3);
    EXPECT_EQ(CategoryTable[1], QStringLiteral("a"));
    EXPECT_EQ(CategoryTable[2], QStringLiteral("b"));
    EXPECT_EQ(CategoryTable[3], QStringLiteral("c"));
    EXPECT_TRUE(CategoryTable[4].isEmpty());
    EXPECT_EQ(insertSortedUnique(QString()), 3);
}

TEST(Categories, ComboBoxListsTheFileInOrder) {
    TestPlatform platform;
    platform.writeFile(kCategoryListFile, "Zoo\r\nApples\r\n");
    QComboBox box;
    box.addItem(QStringLiteral("stale"));
    ASSERT_TRUE(loadCategoryList(box).ok());
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.itemText(0), QStringLiteral("Zoo"));
    EXPECT_EQ(box.itemText(1), QStringLiteral("Apples"));
}

}  // namespace
