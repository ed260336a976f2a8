// The application object made and destroyed twice in one process, with the multimedia
// interpreter opening and playing a real sound in between. Nothing made of Qt objects may
// outlive an application object: such an object would be used, or destroyed, after it.
// This program has its own main() and makes no application object of its own.

#include "ToneAudio.h"

#include "app/Globvars.h"
#include "audio/MultimediaCommands.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

QStringList g_messages;

// What this machine says about itself (no session, no sound server) is not about lifetimes.
bool aboutTheMachine(const QString& text) {
    return text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
           text.startsWith(QLatin1String("PulseAudioService: pa_context_connect() failed"));
}

void collect(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg && !aboutTheMachine(text)) g_messages.append(text);
}

QString modeOfSoundfile() {
    QString reply(255, u' ');
    mciSendString(QStringLiteral("status soundfile mode"), reply);
    return modeFromReply(reply);
}

// One life of the program: the application, the real services, a sound opened and played
// through the interpreter and left open, then the end as main() has it.
void oneApplicationLife(int round) {
    int argc = 1;
    char name[] = "test_lifetime";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(writeWav(path, toneAudio(0.4)).ok());
    {
        RealServices real(folder.filePath(QStringLiteral("printed")));
        platform::installServices(real.services());

        EXPECT_EQ(mciSendString(QStringLiteral("open \"") + path + QStringLiteral("\" alias soundfile")), MciOk)
            << "round " << round;
        EXPECT_EQ(mciSendString(QStringLiteral("play soundfile")), MciOk);
        QElapsedTimer waited;
        waited.start();
        while (modeOfSoundfile() != QStringLiteral("playing") && waited.elapsed() < 5000) platform::pump().waitEvents();
        EXPECT_EQ(modeOfSoundfile().toStdString(), "playing") << "round " << round;
        // Left open and playing on purpose: the end of the program must take it down.
        EXPECT_EQ(multimedia().openDeviceCount(), 1);

        resetGlobvars();
        EXPECT_EQ(MultimediaInterpreter, nullptr);
        platform::installServices({});
    }
}

TEST(ApplicationLifetime, TwoApplicationsInOneProcessWithTheMultimediaInterpreterUsedInBoth) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    oneApplicationLife(1);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    oneApplicationLife(2);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join(QLatin1Char('\n')).toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
