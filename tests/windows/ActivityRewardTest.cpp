// The reward after a solved task, shown by the real window on the test doubles: the check mark,
// the song and the verdict, the stars drawn ring by ring into the reward surface, the pause, and
// what the student presses meanwhile.

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <set>

#include "ActivityWorld.h"
#include "QtPrinting.h"
#include "WindowInput.h"
#include "activity/Reward.h"

namespace {

const QSize kScreen(1024, 768);

struct ActivityReward : ::testing::Test {
    ActivityWorld world;
    ActivityReward() { StudentOptions.RewardMode = 1; }

    // The shipped reward sounds; each plays for a moment on the fake clock.
    void addRewardSounds(bool songs = true, bool starSound = true) {
        const auto add = [this](const QString& name) { world.p.audio.addWave(world.p.path(name), 0.2); };
        for (int k = 3; k <= 5; ++k) {
            if (songs) add(QStringLiteral("aobj_reward%1_song.wav").arg(k));
            add(QStringLiteral("aobj_reward%1.wav").arg(k));
        }
        add(kRewardVeryGood);
        if (starSound) writeSilentWav(world.p.path(kRewardStarSound), 0.01);
        world.writeJpeg(kRewardCheckPicture, QColor(0, 160, 0), QSize(200, 150));
    }

    // A solved board of a task of `steps` steps with `wrong` wrong placements on the way.
    TestAnimation* solvedBoard(int steps, int wrong) {
        TestAnimation* w = world.layOut(world.addTask(QStringLiteral("Apples"), steps));
        IncorrectMoves = static_cast<std::int16_t>(wrong);
        PictureMoves = static_cast<std::int16_t>(steps + wrong);
        return w;
    }

    QStringList starSounds() const {
        return world.p.wave.log.filter(QStringLiteral("async ") + world.p.path(kRewardStarSound));
    }
};

// How many of the stars have reached their centre, as the reward surface holds them now.
int starsDrawn(const PictureBox& surface, const std::vector<StarDrawing>& stars, const QColor& background) {
    if (surface.picture().isNull()) return 0;
    int drawn = 0;
    for (const StarDrawing& star : stars) drawn += surface.picture().pixelColor(star.centre) != background ? 1 : 0;
    return drawn;
}

QColor colourOf(const RingColour& c) { return QColor(c.red, c.green, c.blue); }

struct StarCase {
    int steps;
    int wrong;
    int stars;
    const char* verdict;
    double timeOfDay;  // when the reward starts
    const char* name;
};

class ActivityRewardStars : public ActivityReward, public ::testing::WithParamInterface<StarCase> {};

TEST_P(ActivityRewardStars, StarsByWrongPlacementsEachAfterItsSoundThenTwoSeconds) {
    const StarCase c = GetParam();
    world.p.clock.setTimeOfDay(c.timeOfDay);
    addRewardSounds();
    StudentOptions.BackgroundColor = 4;
    StudentOptions.ReviewButton = 1;
    TestAnimation* w = solvedBoard(c.steps, c.wrong);
    const QColor background = BackgroundColors[4];
    // The song's draw picks the fifth song; then three draws per star for its colour.
    const std::deque<float> draws = {0.99f, 0.1f, 0.5f, 0.9f, 0.3f, 0.3f, 0.3f, 0.0f,
                                     0.99f, 0.6f, 0.7f, 0.2f, 0.4f, 0.8f, 0.8f, 0.1f};
    world.p.clock.scriptedDraws = draws;
    const std::vector<StarDrawing> expected =
        layOutStars(kScreen, c.stars, [d = std::deque<float>(draws.begin() + 1, draws.end())]() mutable {
            const float v = d.front();
            d.pop_front();
            return v;
        });

    std::set<int> drawnAtPasses;
    bool checkMarkDuringSong = false;
    double pauseStart = -1;
    world.p.pump.script = [&](bool) {
        drawnAtPasses.insert(starsDrawn(*w->PicRewardMain, expected, background));
        if (WaitingForSound == 1 && w->PicReward->isVisible()) checkMarkDuringSong = true;
        if (world.p.pump.holdingInput && pauseStart < 0) pauseStart = world.p.clock.monotonicSeconds() - 0.005;
    };
    const int randomizeBefore = world.p.clock.randomizeCalls;
    w->showReward();
    world.p.pump.script = nullptr;

    EXPECT_EQ(TaskFinished, 1);
    EXPECT_EQ(w->resultsRecorded, std::vector<int>{1});
    EXPECT_EQ(world.said(), (QStringList{QStringLiteral("aobj_reward5_song.wav"), QString::fromLatin1(c.verdict)}));
    EXPECT_EQ(starSounds().size(), c.stars);
    EXPECT_EQ(world.p.clock.randomizeCalls, randomizeBefore + 1);  // re-seeded for the colours
    EXPECT_TRUE(checkMarkDuringSong);
    EXPECT_TRUE(w->PicReward->isHidden());
    EXPECT_EQ(w->PicReward->geometry(), QRect(QPoint(412, 309), QSize(200, 150)));

    // Each star is there, from its outline (the first ring's colour at its top point) to its
    // centre (the last, darkest ring).
    const QImage& surface = w->PicRewardMain->picture();
    ASSERT_EQ(surface.size(), kScreen);
    for (const StarDrawing& star : expected) {
        ASSERT_FALSE(star.rings.empty());
        EXPECT_EQ(surface.pixelColor(star.rings.front().path[0]), colourOf(star.rings.front().colour));
        EXPECT_EQ(surface.pixelColor(star.centre), colourOf(star.rings.back().colour));
    }
    EXPECT_EQ(surface.pixelColor(5, 5), background);
    // The window never ran an event between the first ring and the last: at every pass either
    // no star or every star had been drawn.
    EXPECT_EQ(drawnAtPasses, (std::set<int>{0, c.stars}));
    // The stars are in the surface's picture, not only on the screen: painted again, they are there.
    EXPECT_EQ(w->PicRewardMain->grab().toImage().convertToFormat(QImage::Format_RGB32),
              surface.convertToFormat(QImage::Format_RGB32));

    // Two seconds after the last star, also across midnight.
    ASSERT_GE(pauseStart, 0);
    const double pause = world.p.clock.monotonicSeconds() - pauseStart;
    EXPECT_GE(pause, 2.0);
    EXPECT_LT(pause, 2.1);

    // The board is hidden under the surface; the exit button is back.
    for (int k = 1; k <= 10; ++k) {
        EXPECT_TRUE(w->PicBase[k]->isHidden()) << k;
        EXPECT_TRUE(w->PicSeq[k]->isHidden()) << k;
        EXPECT_TRUE(w->PicSeparator[k]->isHidden()) << k;
    }
    EXPECT_TRUE(w->PicPlayLesson->isHidden());
    EXPECT_FALSE(w->PicExit->isHidden());
    EXPECT_TRUE(w->PicRewardMain->isVisible());
    EXPECT_EQ(w->PicRewardMain->geometry(), QRect(QPoint(0, 0), kScreen));
    EXPECT_TRUE(world.p.messages.texts.isEmpty()) << world.p.messages.texts.join(u'\n').toStdString();

    // The result is recorded as finished, with the wrong placements counted.
    const QString report = QString::fromUtf8(world.p.readFile(QStringLiteral("Ann.sta")));
    EXPECT_TRUE(report.contains(QStringLiteral("The student finished sequencing this task\r\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("Number of Incorrect Picture Moves: %1\r\n").arg(c.wrong)));
}

INSTANTIATE_TEST_SUITE_P(ByWrongPlacements, ActivityRewardStars,
                         ::testing::Values(StarCase{3, 0, 5, "aobj_reward5.wav", 9 * 3600, "NoneWrong"},
                                           StarCase{3, 3, 4, "aobj_reward4.wav", 9 * 3600, "AsManyWrongAsSteps"},
                                           StarCase{3, 4, 3, "aobj_reward3.wav", 9 * 3600, "OneMore"},
                                           // The pause runs over midnight.
                                           StarCase{10, 0, 5, "aobj_reward5.wav", 86400 - 1.5, "TenStepsOverMidnight"}),
                         [](const ::testing::TestParamInfo<StarCase>& info) { return std::string(info.param.name); });

TEST_F(ActivityReward, WithTheRewardOffTheCheckMarkAndVeryGoodAndTheResultIsStillRecorded) {
    addRewardSounds();
    StudentOptions.RewardMode = kRewardOff;
    TestAnimation* w = solvedBoard(3, 1);
    w->showReward();

    EXPECT_EQ(world.said(), QStringList{kRewardVeryGood});
    EXPECT_TRUE(starSounds().isEmpty());
    EXPECT_TRUE(w->PicReward->isVisible());
    EXPECT_EQ(w->PicReward->picturePath(), world.p.path(kRewardCheckPicture));
    EXPECT_EQ(w->PicReward->geometry(), QRect(QPoint(412, 309), QSize(200, 150)));
    // No star: the surface is the background colour all over, where the check mark is not.
    const QImage& surface = w->PicRewardMain->picture();
    const QColor background = surface.pixelColor(0, 0);
    for (const QPoint at : {QPoint(171, 384), QPoint(512, 384) + QPoint(0, 100), QPoint(853, 384)}) {
        EXPECT_EQ(surface.pixelColor(at), background);
    }
    EXPECT_EQ(w->resultsRecorded, std::vector<int>{1});
    EXPECT_TRUE(QString::fromUtf8(world.p.readFile(QStringLiteral("Ann.sta")))
                    .contains(QStringLiteral("Percent Accuracy: 75%\r\n")));
}

TEST_F(ActivityReward, MissingSoundsAreOnlySilent) {
    // Neither the songs nor the star sound are there: the verdict is said, the stars are drawn,
    // and nobody is shown a message.
    addRewardSounds(false, false);
    TestAnimation* w = solvedBoard(3, 0);
    world.p.clock.scriptedDraws = {0.0f};
    w->showReward();

    EXPECT_EQ(world.said(), (QStringList{QStringLiteral("aobj_reward3_song.wav"), QStringLiteral("aobj_reward5.wav")}));
    EXPECT_TRUE(world.p.audio.log.contains(QStringLiteral("open failed ") +
                                           world.p.path(QStringLiteral("aobj_reward3_song.wav"))));
    EXPECT_TRUE(starSounds().isEmpty());
    EXPECT_TRUE(world.p.messages.texts.isEmpty()) << world.p.messages.texts.join(u'\n').toStdString();
    const std::vector<StarDrawing> stars = layOutStars(kScreen, 5, [] { return 0.5f; });
    EXPECT_EQ(starsDrawn(*w->PicRewardMain, stars, w->PicRewardMain->background()), 5);
    EXPECT_EQ(w->resultsRecorded, std::vector<int>{1});
}

// What a scanning student presses during the reward is not lost: the menu takes it. During the
// song the press is taken at once and stays set; during the stars and the pause it waits in the
// window system's queue, in order, until the menu lets it in.
struct QueuedCase {
    bool duringSong;
    std::vector<Qt::Key> keys;
    int menuResult;  // 3 next task (the first choice), 2 same task
    const char* name;
};

class ActivityRewardInput : public ActivityReward, public ::testing::WithParamInterface<QueuedCase> {};

TEST_P(ActivityRewardInput, APressDuringTheRewardChoosesTheHighlightedMenuEntry) {
    addRewardSounds();
    StudentOptions.AccessMethod = 1;
    TestAnimation* w = solvedBoard(3, 0);
    w->setFocus();
    bool sent = false;
    world.p.pump.script = [&](bool isWait) {
        if (sent || !isWait) return;
        const bool now = GetParam().duringSong ? WaitingForSound == 1 : world.p.pump.holdingInput;
        if (!now) return;
        sent = true;
        for (Qt::Key key : GetParam().keys) queueKey(w, key);
    };
    w->showReward();
    ASSERT_TRUE(sent);
    if (!GetParam().duringSong) {
        EXPECT_EQ(SelectRequested, 0);  // not taken before the menu
    }

    int menuPasses = 0;
    world.p.pump.script = [&](bool) {
        if (!w->FrameContinue->isHidden()) ++menuPasses;
    };
    EXPECT_EQ(w->askWhatNext(), GetParam().menuResult);
    EXPECT_LE(menuPasses, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, ActivityRewardInput,
    ::testing::Values(QueuedCase{true, {Qt::Key_Return}, 3, "EnterDuringTheSong"},
                      QueuedCase{false, {Qt::Key_Return}, 3, "EnterDuringThePause"},
                      // Space moves the highlight to the second entry first.
                      QueuedCase{false, {Qt::Key_Space, Qt::Key_Return}, 2, "SpaceAndEnterDuringThePause"}),
    [](const ::testing::TestParamInfo<QueuedCase>& info) { return std::string(info.param.name); });

// The reward of a five-step task of the default content with five stars, rendered by the real
// window at 1024 x 768. With STEPWICK_SHOTS_DIR set the picture is saved there to be looked at;
// under a real window system (xcb) it is taken from the screen.
TEST(ActivityRewardShot, FiveStarsAcrossTheMiddleOfTheScreen) {
    ActivityWorld world;
    AppFolder = QStringLiteral(STEPWICK_CONTENT_BUILD_DIR);
    QDir::setCurrent(AppFolder);
    StudentOptions.BackgroundColor = 4;
    StudentOptions.AnimationSpeed = 100;
    StudentOptions.RewardMode = 1;
    TestAnimation* w = world.layOut(QStringLiteral("generated_task_310000004.tsk"));
    ASSERT_EQ(w->TaskInvalid, 0);
    PictureMoves = 5;
    CurrentStudent = QStringLiteral("teacher");  // nothing written into the content folder
    QImage checkMark;
    world.p.pump.script = [&](bool) {
        if (checkMark.isNull() && WaitingForSound == 1 && w->PicReward->isVisible()) checkMark = w->grab().toImage();
    };
    w->showReward();
    world.p.pump.script = nullptr;
    QCoreApplication::processEvents();

    const bool onScreen = QGuiApplication::platformName() == QStringLiteral("xcb");
    const QImage shot =
        onScreen ? QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(w->geometry()) : w->grab().toImage();
    ASSERT_EQ(shot.size(), kScreen);
    const QString folder = qEnvironmentVariable("STEPWICK_SHOTS_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(QStringLiteral("reward_five_stars.png"))));
        EXPECT_TRUE(checkMark.save(QDir(folder).filePath(QStringLiteral("reward_check_mark.png"))));
    }
    ASSERT_FALSE(checkMark.isNull());
    EXPECT_FALSE(w->PicReward->picture().isNull());  // the shipped check mark was loaded

    // Five stars across the middle line, 171 pixels apart, on the blue background.
    const QColor background = BackgroundColors[4];
    EXPECT_EQ(shot.pixelColor(10, 10).rgb(), background.rgb());
    for (int u = 1; u <= 5; ++u) {
        const QPoint centre(u * 171, 384);
        EXPECT_NE(shot.pixelColor(centre).rgb(), background.rgb()) << u;
        EXPECT_EQ(shot.pixelColor(centre + QPoint(85, 0)).rgb(), background.rgb()) << u;  // between stars
    }
}

}  // namespace
