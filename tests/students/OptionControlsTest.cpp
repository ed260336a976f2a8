#include "core/OptionChoices.h"
#include "students/OptionControls.h"

#include "QtPrinting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace {

TEST(OptionControls, EachChoosableFieldHasOneGroupWithAButtonPerValue) {
    using O = StudentOptionsRecord;
    struct Field {
        std::int16_t O::*field;
        int choices;
        int groups = 0;
    };
    std::vector<Field> fields = {
        {&O::AccessMethod, kAccessMethodChoices},
        {&O::BackgroundColor, kBackgroundColorChoices},
        {&O::LayoutDirection, kLayoutDirectionChoices},
        {&O::ShuffleMode, kShuffleModeChoices},
        {&O::FeedbackMode, 2},
        {&O::BoxStyle, 2},
        {&O::PictureTitles, 2},
        {&O::AudioInstructions, 2},
        {&O::Narration, 2},
        {&O::ReviewBeforeTask, 2},
        {&O::ReviewButton, 2},
        {&O::VideoBeforeTask, 2},
        {&O::VideoButton, 2},
        {&O::RewardMode, 2},
    };
    for (const OptionGroup& g : optionGroups()) {
        SCOPED_TRACE(g.name);
        const auto f = std::find_if(fields.begin(), fields.end(), [&g](const Field& f) { return f.field == g.field; });
        ASSERT_NE(f, fields.end());
        ++f->groups;
        EXPECT_EQ(static_cast<int>(g.captions.size()), f->choices);
        for (const char* caption : g.captions) EXPECT_GT(std::strlen(caption), 0u);
    }
    for (const Field& f : fields) EXPECT_EQ(f.groups, 1) << f.choices;
    EXPECT_EQ(optionGroup("OptLayout").captions[1], std::string("Lay Out the Pictures Vertically"));
}

TEST(OptionControls, TheSpeedBoxHoldsOneToNineDigits) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"", std::nullopt},
        {"0", 0},
        {"250", 250},
        {"000000007", 7},
        {"999999999", 999999999},
        {"1234567890", std::nullopt},
        {"12a", std::nullopt},
        {"-1", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(speedBoxValue(QString::fromLatin1(text)), value) << text;
    EXPECT_EQ(speedBoxMessage(), QStringLiteral("The Animation Speed must be a number between 0 and 999999999"));
}

TEST(OptionControls, JumpStartRefusesTheSmallestTaskLengthWithEveryBoxTicked) {
    const auto ticking = [](std::initializer_list<int> fullLengths) {
        JumpStartTicks t{};
        for (int n : fullLengths) {
            for (int p = 1; p <= n; ++p) t[n][p] = true;
        }
        return t;
    };
    const auto refusal = [](int n) {
        return QStringLiteral("On %1 Tasks, every box is checked.  This is not allowed").arg(n);
    };
    EXPECT_EQ(jumpStartRefusal(ticking({})), QString());
    EXPECT_EQ(jumpStartRefusal(ticking({2})), refusal(2));
    EXPECT_EQ(jumpStartRefusal(ticking({4, 3})), refusal(3));
    EXPECT_EQ(jumpStartRefusal(ticking({10})), refusal(10));
    EXPECT_EQ(jumpStartRefusal(ticking({5, 9})), refusal(5));
    // Nine of ten, and every box but one of each length: allowed.
    JumpStartTicks almost = ticking({2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (int n = 2; n <= 10; ++n) almost[n][n] = false;
    EXPECT_EQ(jumpStartRefusal(almost), QString());
    // Entries outside a length's positions do not count.
    JumpStartTicks outside{};
    outside[2][1] = true;
    outside[2][3] = true;
    EXPECT_EQ(jumpStartRefusal(outside), QString());
}

}  // namespace
