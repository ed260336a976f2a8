#include <gtest/gtest.h>

#include "GeometryPrinting.h"
#include "activity/ContinueMenu.h"

using namespace activity;

namespace {

TEST(ContinueMenu, ThreeChoicesCentredAtQuartersOfTheScreen) {
    // 1024 x 768 pixels in twips; the pictures 9090 x 2430: left (15360 - 9090) / 2, tops
    // 2880 - 1215, 5760 - 1215, 8640 - 1215.
    const ContinueMenuGeometry g = layOutContinueMenu(QSize(15360, 11520));
    EXPECT_EQ(g.choice[1], QRect(3135, 1665, 9090, 2430));
    EXPECT_EQ(g.choice[2], QRect(3135, 4545, 9090, 2430));
    EXPECT_EQ(g.choice[3], QRect(3135, 7425, 9090, 2430));
    EXPECT_EQ(g.highlight[1], QPoint(2645, 1230));
    EXPECT_EQ(g.highlight[2], QPoint(2645, 4110));
    EXPECT_EQ(g.highlight[3], QPoint(2645, 6990));
    EXPECT_EQ(g.firstHighlight, QPoint(2645, 1320));

    // A height whose quarter is not whole: 10806 / 4 = 2701.5, to even 2702.
    EXPECT_EQ(layOutContinueMenu(QSize(15360, 10806)).choice[2].top(), 2 * 2702 - 1215);
}

}  // namespace
