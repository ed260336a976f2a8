// The synthesizer from several threads at once, while the media framework's own threads play:
// nothing may wait on a lock that another thread held at the wrong moment.

#include <gtest/gtest.h>

#include <QStringList>
#include <array>
#include <atomic>
#include <thread>
#include <vector>

#include "RealPlatform.h"
#include "ToneAudio.h"
#include "platform/EspeakSynth.h"
#include "platform/QtWavePlayer.h"

namespace {

QStringList fiftyTexts() {
    const QStringList steps = {
        QStringLiteral("Put the bread in the toaster."),
        QStringLiteral("Wash your hands."),
        QStringLiteral("Pour the milk."),
        QStringLiteral("Brush your teeth."),
        QStringLiteral("Put on your coat."),
        QStringLiteral("Water the flowers."),
        QStringLiteral("Fill the glass."),
        QStringLiteral("Open the door."),
        QStringLiteral("Set the table."),
        QStringLiteral("Tie your shoes."),
    };
    QStringList texts;
    for (int i = 0; i < 50; ++i) texts << QStringLiteral("Step %1. %2").arg(i / 10 + 1).arg(steps[i % 10]);
    return texts;
}

// Declared with its own time limit in CTest: a synthesis that hangs fails the test there.
TEST(SpeechThreads, FourThreadsFiftyTextsEachWhileASoundPlays) {
    RealPlatform real;
    auto& player = dynamic_cast<QtWavePlayer&>(platform::wavePlayer());
    const QString tone = real.path(QStringLiteral("tone.wav"));
    ASSERT_TRUE(writeWav(tone, toneAudio(2.0)).ok());
    player.playAsync(tone, true);
    ASSERT_TRUE(player.isPlaying());

    const QStringList texts = fiftyTexts();
    constexpr int kThreads = 4;
    struct Spoken {
        bool ok = false;
        double rms = 0;
        std::vector<std::int16_t> samples;
        QString error;
    };
    std::array<std::vector<Spoken>, kThreads> spoken;
    std::atomic<int> running{kThreads};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            // Each thread starts at another text, so different texts are spoken at the same time.
            spoken[t].resize(static_cast<std::size_t>(texts.size()));
            for (int n = 0; n < texts.size(); ++n) {
                const int i = (n + t * 13) % texts.size();
                const auto audio = synthesizeSpeech(texts[i]);
                Spoken& s = spoken[t][static_cast<std::size_t>(i)];
                s.ok = audio.ok();
                if (audio.ok()) {
                    s.rms = rmsOf(*audio);
                    s.samples = audio->samples;
                } else {
                    s.error = audio.error();
                }
            }
            --running;
        });
    }
    // Meanwhile the program's own thread goes on: events, the player, and speech of its own.
    int spokenHere = 0;
    while (running > 0) {
        if (!platform::speech().isSpeaking()) {
            platform::speech().speak(texts[spokenHere % texts.size()]);
            ++spokenHere;
        }
        platform::pump().waitEvents();
    }
    for (auto& thread : threads) thread.join();
    EXPECT_TRUE(player.isPlaying()) << "the looping sound went on throughout";
    player.stop();
    platform::speech().stop();

    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < texts.size(); ++i) {
            const Spoken& s = spoken[t][static_cast<std::size_t>(i)];
            SCOPED_TRACE(QStringLiteral("thread %1: %2").arg(t).arg(texts[i]).toStdString());
            ASSERT_TRUE(s.ok) << s.error.toStdString();
            EXPECT_GT(s.rms, 500.0);
            // The same text gives the same samples, whichever thread asked and whatever ran beside it.
            EXPECT_EQ(s.samples, spoken[0][static_cast<std::size_t>(i)].samples);
        }
    }
    EXPECT_GT(spokenHere, 0);
}

}  // namespace
