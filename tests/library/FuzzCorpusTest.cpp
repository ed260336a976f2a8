#include "../../fuzz/LibraryEntries.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Every seed of a fuzz target's corpus, replayed through the target's entry point.
void replay(const char* reader, QString (*entry)(const QByteArray&)) {
    const QDir corpus(
        QDir::cleanPath(QStringLiteral(STEPWICK_TEST_DATA_DIR "/../../fuzz/corpus/") + QString::fromUtf8(reader)));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(seeds.isEmpty()) << "no seeds in " << corpus.path().toStdString();
    for (const QString& seed : seeds) {
        QFile f(corpus.filePath(seed));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << seed.toStdString();
        EXPECT_EQ(entry(f.readAll()).toStdString(), std::string()) << reader << "/" << seed.toStdString();
    }
}

TEST(FuzzCorpus, TaskReaders) { replay("task", fuzzTaskReaders); }
TEST(FuzzCorpus, PictureReaders) { replay("picture", fuzzPictureReaders); }
TEST(FuzzCorpus, CategoryList) { replay("categories", fuzzCategoryList); }
TEST(FuzzCorpus, ReviewWord) { replay("review_word", fuzzReviewWord); }

// The checks of the entry points do catch what they are meant to.
TEST(FuzzCorpus, EntryPointsReportMisbehaviour) {
    EXPECT_EQ(fuzzTaskReaders(" 4 \r\n"), QString());  // cut short: an error that names its line
    EXPECT_EQ(fuzzentry::unclearError(Result<int>(Error{QStringLiteral("no line")}), "x"),
              QStringLiteral("x: message without its line: no line"));
}

}  // namespace
