#include "../../fuzz/OptionsEntries.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(FuzzCorpus, StudentOptions) {
    const QDir corpus(QDir::cleanPath(QStringLiteral(STEPWICK_TEST_DATA_DIR "/../../fuzz/corpus/options")));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(seeds.isEmpty()) << "no seeds in " << corpus.path().toStdString();
    for (const QString& seed : seeds) {
        QFile f(corpus.filePath(seed));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << seed.toStdString();
        EXPECT_EQ(fuzzStudentOptions(f.readAll()).toStdString(), std::string()) << seed.toStdString();
    }
}

}  // namespace
