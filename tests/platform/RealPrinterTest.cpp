#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinterInfo>

#include "RealPlatform.h"
#include "platform/QtPrinter.h"

namespace {

class RealPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is set up on this machine";
    }

    QString printFolder() const { return real.path(QStringLiteral("printed")); }

    RealPlatform real;
};

QImage picture() {
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

TEST_F(RealPrinterTest, PageWithoutPrinterBecomesAPdfInThePrintFolder) {
    auto printer = platform::newPrinter();
    printer->printText(QString(), {0, 0});
    printer->paintPicture(picture(), QRectF(0, 0, 1440 * 3, 1440 * 2));
    const auto ended = printer->endDocument();
    ASSERT_TRUE(ended.ok()) << ended.error().toStdString();
    const QString said = *ended;

    const QStringList files = QDir(printFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(files.size(), 1) << said.toStdString();
    const QString pdf = QDir(printFolder()).filePath(files.front());
    EXPECT_EQ(said,
              QStringLiteral("No printer is set up, so the page was saved as %1.").arg(QDir::toNativeSeparators(pdf)));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);  // the picture is in it
    EXPECT_TRUE(files.front().startsWith(QStringLiteral("Print ")));
}

TEST_F(RealPrinterTest, PagesPrintedInTheSameSecondKeepTheirOwnFiles) {
    for (int i = 0; i < 3; ++i) {
        auto printer = platform::newPrinter();
        printer->paintPicture(picture(), QRectF(0, 0, 1440, 1440));
        const auto ended = printer->endDocument();
        ASSERT_TRUE(ended.ok()) << ended.error().toStdString();
        EXPECT_TRUE(ended->startsWith(QStringLiteral("No printer is set up")));
    }
    EXPECT_EQ(QDir(printFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 3);
}

TEST_F(RealPrinterTest, UnusablePrintFolderIsReportedNotHidden) {
    QFile blocker(real.path(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    QtPrinter printer(real.path(QStringLiteral("blocked")), QStringLiteral("Print x"));
    printer.paintPicture(picture(), QRectF(0, 0, 1440, 1440));
    const auto ended = printer.endDocument();
    ASSERT_FALSE(ended.ok());
    EXPECT_TRUE(ended.error().contains(real.path(QStringLiteral("blocked")))) << ended.error().toStdString();
}

TEST_F(RealPrinterTest, EmptyDocumentIsABlankPageAndEndingTwiceIsHarmless) {
    QtPrinter printer(printFolder(), QStringLiteral("Print blank"));
    const auto first = printer.endDocument();
    ASSERT_TRUE(first.ok());
    EXPECT_TRUE(first->contains(QStringLiteral("saved as")));
    EXPECT_FALSE(printer.endDocument().ok());
    EXPECT_TRUE(QFile::exists(QDir(printFolder()).filePath(QStringLiteral("Print blank.pdf"))));
}

TEST_F(RealPrinterTest, PageSizeIsThePrintableAreaInTwips) {
    QtPrinter printer(printFolder(), QStringLiteral("Print size"));
    const QSizeF page = printer.pageSizeTwips();
    // A4 or Letter with margins: between 7 and 8.5 inches wide, 9.5 and 11.7 inches high.
    EXPECT_GT(page.width(), 7 * 1440.0);
    EXPECT_LT(page.width(), 8.5 * 1440.0);
    EXPECT_GT(page.height(), 9.5 * 1440.0);
    EXPECT_LT(page.height(), 11.7 * 1440.0);
}

TEST(PrintFileNames, StemIsMadeUniqueInItsFolder) {
    QTemporaryDir dir;
    EXPECT_EQ(printFileStem(dir.path(), QStringLiteral("2024-05-01 14.03.22")),
              QStringLiteral("Print 2024-05-01 14.03.22"));
    QFile(dir.filePath(QStringLiteral("Print 2024-05-01 14.03.22.pdf"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("Print 2024-05-01 14.03.22 (2).pdf"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(printFileStem(dir.path(), QStringLiteral("2024-05-01 14.03.22")),
              QStringLiteral("Print 2024-05-01 14.03.22 (3)"));
}

}  // namespace
