#include <gtest/gtest.h>

#include <Qt>
#include <cmath>

#include "activity/AngleTables.h"
#include "activity/Switches.h"

namespace {

TEST(Switches, SpaceScansAndBothEnterKeysSelect) {
    const struct {
        int key;
        int code;
    } cases[] = {{Qt::Key_Space, 32}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
                 {Qt::Key_A, 0},      {Qt::Key_Tab, 0},     {Qt::Key_Escape, 0}};
    for (const auto& c : cases) EXPECT_EQ(activity::switchKeyCode(c.key), c.code) << c.key;
}

TEST(AngleTables, EveryWholeDegreeWithItsSineAndCosine) {
    const activity::AngleTables t = activity::init_arrays();
    EXPECT_DOUBLE_EQ(t.angle[180], 3.1415926);
    EXPECT_NEAR(t.sine[18], 0.309017, 1e-6);
    EXPECT_NEAR(t.cosine[36], 0.809017, 1e-6);
    EXPECT_NEAR(t.sine[36], 0.587785, 1e-6);
    EXPECT_NEAR(t.cosine[360], 1.0, 1e-12);
}

}  // namespace
