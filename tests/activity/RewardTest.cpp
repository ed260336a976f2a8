#include "activity/Reward.h"

#include "QtPrinting.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// Hands out the given draws in order and counts them.
struct Draws {
    std::deque<float> values;
    int taken = 0;
    RandomDraw source() {
        return [this] {
            ++taken;
            const float v = values.empty() ? 0.0f : values.front();
            if (!values.empty()) values.pop_front();
            return v;
        };
    }
};

constexpr float kLargestBelowOne = 0.99999994f;

TEST(Reward, StarsByWrongPlacements) {
    struct Case {
        int wrong, steps, stars;
        const char* verdict;
    };
    const Case cases[] = {
        {0, 4, 5, "aobj_reward5.wav"}, {1, 4, 4, "aobj_reward4.wav"},   {4, 4, 4, "aobj_reward4.wav"},
        {5, 4, 3, "aobj_reward3.wav"}, {10, 10, 4, "aobj_reward4.wav"}, {11, 10, 3, "aobj_reward3.wav"},
        {2, 2, 4, "aobj_reward4.wav"}, {3, 2, 3, "aobj_reward3.wav"},   {40, 3, 3, "aobj_reward3.wav"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(starVerdict(c.wrong, c.steps), (StarVerdict{c.stars, QString::fromLatin1(c.verdict)}))
            << c.wrong << " wrong of " << c.steps;
    }
}

TEST(Reward, SongByDraw) {
    const std::pair<float, const char*> cases[] = {
        {0.0f, "aobj_reward3_song.wav"},        {0.3333f, "aobj_reward3_song.wav"},
        {0.33333334f, "aobj_reward4_song.wav"}, {0.5f, "aobj_reward4_song.wav"},
        {0.6667f, "aobj_reward5_song.wav"},     {kLargestBelowOne, "aobj_reward5_song.wav"},
    };
    for (const auto& [draw, file] : cases) EXPECT_EQ(rewardSongFile(draw), QString::fromLatin1(file)) << draw;
}

TEST(Reward, PlanWithTheRewardOnAndOff) {
    Draws draws{{0.5f}};
    EXPECT_EQ(planReward(1, 0, 4, draws.source()),
              (RewardPlan{5, QStringLiteral("aobj_reward4_song.wav"), QStringLiteral("aobj_reward5.wav")}));
    EXPECT_EQ(draws.taken, 1);
    // Any value other than 2 shows the stars.
    EXPECT_EQ(planReward(0, 5, 4, draws.source()).stars, 3);

    Draws none;
    EXPECT_EQ(planReward(2, 0, 4, none.source()), (RewardPlan{0, QString(), QStringLiteral("aobj_very_good.wav")}));
    EXPECT_EQ(none.taken, 0);
}

TEST(Reward, PentagramPointsInDrawingOrder) {
    // sin 36 = 0.5878, cos 36 = 0.8090, cos 18 = 0.9511, sin 18 = 0.3090
    const std::array<QPoint, 6> ten{QPoint(100, 190), QPoint(94, 208),  QPoint(110, 197),
                                    QPoint(90, 197),  QPoint(106, 208), QPoint(100, 190)};
    EXPECT_EQ(pentagram(QPoint(100, 200), 10), ten);
    const std::array<QPoint, 6> fifty{QPoint(0, -50),   QPoint(-29, 40), QPoint(48, -15),
                                      QPoint(-48, -15), QPoint(29, 40),  QPoint(0, -50)};
    EXPECT_EQ(pentagram(QPoint(0, 0), 50), fifty);
}

TEST(Reward, StarsSpacedAcrossTheMiddleLine) {
    struct Case {
        QSize surface;
        int stars;
        std::vector<QPoint> centres;
        int outline;
    };
    const Case cases[] = {
        // 1024 / 6 = 170.67 -> 171; 171 / 2 - 10 = 75.5 -> 76
        {QSize(1024, 768), 5, {{171, 384}, {342, 384}, {513, 384}, {684, 384}, {855, 384}}, 76},
        {QSize(800, 600), 3, {{200, 300}, {400, 300}, {600, 300}}, 90},
        // 1010 / 4 = 252.5 -> 252 and 601 / 2 = 300.5 -> 300 (halves to even)
        {QSize(1010, 601), 3, {{252, 300}, {504, 300}, {756, 300}}, 116},
        {QSize(1000, 600), 4, {{200, 300}, {400, 300}, {600, 300}, {800, 300}}, 90},
    };
    for (const Case& c : cases) {
        Draws draws;
        const auto stars = layOutStars(c.surface, c.stars, draws.source());
        ASSERT_EQ(stars.size(), c.centres.size());
        for (std::size_t u = 0; u < stars.size(); ++u) {
            EXPECT_EQ(stars[u].centre, c.centres[u]) << u;
            ASSERT_EQ(static_cast<int>(stars[u].rings.size()), c.outline);
            // From the outline inward, one pixel at a time.
            for (int k = 0; k < c.outline; ++k) EXPECT_EQ(stars[u].rings[k].radius, c.outline - k);
            EXPECT_EQ(stars[u].rings.front().path, pentagram(c.centres[u], c.outline));
        }
        EXPECT_EQ(draws.taken, 3 * c.stars);
    }
}

TEST(Reward, EachRingADarkerShadeDownToBlack) {
    Draws draws{{0.0f, 0.5f, kLargestBelowOne, 0.25f, 0.75f, 0.1f}};
    const auto stars = layOutStars(QSize(1024, 768), 2, draws.source());
    ASSERT_EQ(stars.size(), 2u);
    // 1024 / 3 = 341.33 -> 341; 341 / 2 - 10 = 160.5 -> 160 rings. First star: 50, 153, 255.
    const auto& first = stars[0].rings;
    ASSERT_EQ(first.size(), 160u);
    EXPECT_EQ(first[0].colour, (RingColour{49, 152, 254}));
    EXPECT_EQ(first[49].colour, (RingColour{0, 103, 205}));
    EXPECT_EQ(first[50].colour, (RingColour{0, 102, 204}));
    EXPECT_EQ(first[159].colour, (RingColour{0, 0, 95}));
    // The second star takes the next three draws: 0.25 -> 101, 0.75 -> 204, 0.1 -> 70.
    EXPECT_EQ(stars[1].rings[0].colour, (RingColour{100, 203, 69}));
}

TEST(Reward, ASurfaceTooSmallForAStarDrawsNoRings) {
    Draws draws;
    const auto stars = layOutStars(QSize(60, 40), 5, draws.source());
    ASSERT_EQ(stars.size(), 5u);
    for (const auto& star : stars) EXPECT_TRUE(star.rings.empty());
}

TEST(Reward, CheckMarkCentred) {
    EXPECT_EQ(centredOn(QSize(1024, 768), QSize(301, 200)), QPoint(362, 284));
    EXPECT_EQ(centredOn(QSize(800, 600), QSize(300, 201)), QPoint(250, 200));
}

}  // namespace
