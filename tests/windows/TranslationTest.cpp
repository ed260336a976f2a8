#include "TestPlatform.h"

#include "app/Forms.h"
#include "app/PictureWidgets.h"
#include "audio/Sound.h"
#include "core/LineReader.h"
#include "library/FileCopy.h"
#include "students/FormMain.h"
#include "students/FormOptions.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTranslator>

namespace {

// A translation that puts "[de] " in front of every text it is asked for.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override {
        return QStringLiteral("[de] ") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

// A translation added to the program changes what the teacher reads, without touching the code:
// captions, accessible names, message boxes and the messages of the data files.
TEST(Translation, UserTextsGoThroughTheTranslation) {
    TestPlatform p;
    MarkingTranslator german;
    QCoreApplication::installTranslator(&german);

    registerForm(FormId::Main, [] { return new FormMain; });
    registerForm(FormId::Options, [] { return new FormOptions; });
    auto* main = qobject_cast<FormMain*>(form(FormId::Main));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->ImageQuit->accessibleName(), QStringLiteral("[de] Quit"));
    auto* back = form(FormId::Options)->findChild<QAbstractButton*>(QStringLiteral("CmdDone"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), QStringLiteral("[de] Main Menu"));
    auto* vertical = form(FormId::Options)->findChild<QAbstractButton*>(QStringLiteral("OptLayout2"));
    ASSERT_NE(vertical, nullptr);
    EXPECT_EQ(vertical->accessibleName(), QStringLiteral("[de] Lay Out the Pictures Vertically"));

    playWave(QStringLiteral("aobj_gone.wav"), QStringLiteral("DONT_LOOP"));
    static_cast<void>(CopyFileQMX(p.path(QStringLiteral("missing.wav")), p.path(QStringLiteral("copy.wav"))));
    EXPECT_EQ(p.messages.texts, (QStringList{QStringLiteral("[de] Could't find file aobj_gone.wav"),
                                             QStringLiteral("[de] File transfer failed")}));

    LineReader reader(QByteArray("seven\r\n"));
    EXPECT_TRUE(reader.readNumber().error().startsWith(QStringLiteral("[de] line 1: [de] 'seven' is not a number")));

    QCoreApplication::removeTranslator(&german);
    resetForms();
}

}  // namespace
