#include "TraitTable.h"
#include "TraitTest.h"

#include <gtest/gtest.h>

#include <map>

using namespace typefinder;

namespace {

class Counting : public ::testing::Test
{
protected:
    void SetUp() override { LoadTraitTable(table); }

    // A test in which each letter was chosen as often as asked, "Don't Know" for the rest.
    TraitTest answered(int i, int e, int f, int d) const
    {
        TraitTest test(table);
        test.start();
        std::map<QString, int> wanted{{QStringLiteral("I"), i},
                                      {QStringLiteral("E"), e},
                                      {QStringLiteral("F"), f},
                                      {QStringLiteral("D"), d}};
        for (int question = 1; question <= 24; ++question) {
            int choice = 0;
            for (int index = 1; index <= 4 && choice == 0; ++index) {
                int &left = wanted[table.row(int16_t((question - 1) * 4 + index)).typeLetter];
                if (left > 0) {
                    --left;
                    choice = index;
                }
            }
            EXPECT_EQ(test.questionNumber(), question);
            EXPECT_EQ(test.answer(choice), question < 24); // the 24th is the last
        }
        return test;
    }

    TraitTable table;
};

TEST_F(Counting, TheSpreadOfTenEightFourTwo)
{
    const TraitTest test = answered(10, 8, 4, 2);
    EXPECT_EQ(test.counts(), (std::array<int16_t, 4>{10, 8, 4, 2}));
    EXPECT_EQ(test.result(), u"I");
    const int heights[] = {3200, 2560, 1280, 640};
    const int tops[] = {600, 1240, 2520, 3160};
    const char16_t *captions[] = {u"10", u"8", u"4", u"2"};
    const auto bars = test.bars();
    for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(bars[b].height, heights[b]);
        EXPECT_EQ(bars[b].top, tops[b]);
        EXPECT_EQ(bars[b].caption, QStringView(captions[b]));
    }
}

TEST_F(Counting, AHighestCountOfSevenScalesDown)
{
    const auto bars = answered(2, 7, 0, 5).bars();
    EXPECT_EQ(bars[1].height, 3199); // 457 twips a count
    EXPECT_EQ(bars[1].top, 601);
    EXPECT_EQ(bars[2].height, 0);
    EXPECT_EQ(bars[2].top, 3800);
    EXPECT_EQ(bars[2].caption, u"0");
}

TEST_F(Counting, TheHighestCountWinsAndTiesGoToTheEarlierType)
{
    const struct
    {
        int i, e, f, d;
        const char16_t *result;
    } cases[] = {{6, 6, 6, 6, u"I"},
                 {0, 9, 9, 6, u"E"},
                 {0, 12, 6, 6, u"E"},
                 {1, 2, 3, 4, u"D"},
                 {0, 0, 0, 0, u""}};
    for (const auto &c : cases)
        EXPECT_EQ(answered(c.i, c.e, c.f, c.d).result(), QStringView(c.result))
            << c.i << c.e << c.f;
}

TEST(QuestionLine, AddressesThePersonOrTheUser)
{
    EXPECT_EQ(questionLine(7, false),
              u"7 of 24 questions - click the button that best suits the person at WORK.");
    EXPECT_EQ(questionLine(24, true),
              u"24 of 24 questions - click the answer that best suits you at WORK.");
}

} // namespace
