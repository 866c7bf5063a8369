#include "Description.h"
#include "QuickSelection.h"
#include "TraitList.h"
#include "TraitTable.h"
#include "TraitTest.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace typefinder;
using enum PersonalityType;
using enum Audience;

namespace {

class Traits : public ::testing::Test
{
protected:
    void SetUp() override { LoadTraitTable(table); }

    // A test in which each letter was chosen as often as asked, "Don't Know" for the rest.
    TraitTest answered(int i, int e, int f, int d) const
    {
        const QString letters =
            QString(i, u'I') + QString(e, u'E') + QString(f, u'F') + QString(d, u'D');
        TraitTest test(table);
        test.start();
        for (int q = 0; q < 24; ++q) {
            int choice = 0;
            for (int row = 1; row <= 4; ++row) {
                if (table.row(int16_t(q * 4 + row)).typeLetter == letters.mid(q, 1))
                    choice = row;
            }
            EXPECT_EQ(test.questionNumber(), q + 1);
            const TraitTest::Next next = test.answer(choice);
            EXPECT_EQ(next == TraitTest::Next::Question, q < 23) << "the 24th is the last";
        }
        return test;
    }

    TraitTable table;
};

// One trait of each type per question makes 24 of each type.
TEST_F(Traits, EachQuestionOffersOneTraitOfEachType)
{
    for (int16_t question = 0; question < 24; ++question) {
        QString letters;
        for (int16_t row = 1; row <= 4; ++row) {
            const TraitEntry &trait = table.row(int16_t(question * 4 + row));
            EXPECT_TRUE(!trait.text.isEmpty() && trait.text.size() <= 33);
            letters += trait.typeLetter;
        }
        std::sort(letters.begin(), letters.end());
        EXPECT_EQ(letters, u"DEFI") << "question " << question + 1;
    }
    for (int16_t row = 97; row <= 100; ++row)
        EXPECT_TRUE(table.row(row).text.isEmpty() && table.row(row).typeLetter.isEmpty());
    EXPECT_EQ(table.row(1).text + table.row(1).typeLetter, u"Likes facts and figuresD");
    EXPECT_EQ(table.row(96).text + table.row(96).typeLetter, u"BossyI");
}

// A list holds the type's 24 traits in table order under its heading, so many
// to a line, "Change - " taken off; any other letter has no list.
TEST_F(Traits, EachLayoutListsTheTypesTraitsInOrder)
{
    for (const auto &[layout, lead, perLine] :
         {std::tuple{TraitLayout::MainWindow, u" "_s, 5}, {TraitLayout::TestWindow, u"  "_s, 3}}) {
        for (const QString &letter : {u"I"_s, u"E"_s, u"F"_s, u"D"_s}) {
            QStringList expected;
            for (int16_t row = 1; row <= 96; ++row) {
                if (table.row(row).typeLetter == letter)
                    expected.append(table.row(row).text.remove(QRegularExpression(u"^Change - "_s)));
            }
            QStringList lines = ComposeTraitList(table, letter, layout).split(u"\r\n\r\n"_s);
            EXPECT_TRUE(lines.takeFirst().startsWith(lead + u"Some ''"));
            if (layout == TraitLayout::TestWindow) {
                EXPECT_EQ(lines.takeLast(), u"") << "ends with two line breaks";
            }
            QStringList traits;
            for (const QString &line : std::as_const(lines)) {
                EXPECT_TRUE(line.startsWith(lead) && !line.startsWith(lead + u' '));
                traits += line.mid(lead.size()).split(u",  "_s);
                EXPECT_LE(line.mid(lead.size()).split(u",  "_s).size(), perLine);
            }
            EXPECT_EQ(traits, expected);
            EXPECT_EQ(lines.size(), (24 + perLine - 1) / perLine);
        }
        for (const QString &other : {u""_s, u"i"_s, u"IE"_s})
            EXPECT_TRUE(ComposeTraitList(table, other, layout).isEmpty());
    }
    EXPECT_TRUE(ComposeTraitList(table, u"I"_s, TraitLayout::MainWindow)
                    .startsWith(u" Some ''InCharge''  type  personality  traits\r\n\r\n"
                                u" Direct Formal Person,  Born Leader, Little Small Talk,  "));
    EXPECT_TRUE(ComposeTraitList(table, u"F"_s, TraitLayout::TestWindow)
                    .contains(u"  Meetings - Social and Informative\r\n\r\n  Slow to Change,"));
}

TEST_F(Traits, BarsStandOnTheBaseLineScaledToTheHighestCount)
{
    const auto bars = [](const TraitTest &test) {
        QStringList shown; // each bar as "height/top/caption"
        for (const TraitTest::Bar &bar : test.bars())
            shown.append(u"%1/%2/%3"_s.arg(bar.height).arg(bar.top).arg(bar.caption));
        return shown;
    };
    EXPECT_EQ(bars(answered(10, 8, 4, 2)),
              QStringList({u"3200/600/10"_s, u"2560/1240/8"_s, u"1280/2520/4"_s, u"640/3160/2"_s}));
    // 457 twips a count for a highest of seven; no bar for a count of nothing.
    EXPECT_EQ(bars(answered(2, 7, 0, 5)),
              QStringList({u"914/2886/2"_s, u"3199/601/7"_s, u"0/3800/0"_s, u"2285/1515/5"_s}));
}

TEST_F(Traits, TheHighestCountWinsTiesGoToTheEarlierTypeAndOnlyDontKnowGivesNothing)
{
    const std::tuple<int, int, int, int, const char16_t *> cases[] = {
        {6, 6, 6, 6, u"I"}, {0, 9, 9, 6, u"E"}, {0, 12, 6, 6, u"E"}, {1, 2, 3, 4, u"D"}};
    for (const auto &[i, e, f, d, result] : cases)
        EXPECT_EQ(answered(i, e, f, d).result(), QStringView(result)) << i << e << f << d;

    TraitTest dunno = answered(0, 0, 0, 0);
    EXPECT_EQ(dunno.answer(1), TraitTest::Next::NoResult) << "nothing counts after the 24th";
    EXPECT_EQ(dunno.result(), u"");
    EXPECT_EQ(dunno.questionNumber(), 24);
    TraitTest again = answered(24, 0, 0, 0);
    again.start(); // a new test starts at question 1
    EXPECT_EQ(again.answerText(1), u"Likes facts and figures");
    EXPECT_EQ(questionLine(7, false),
              u"7 of 24 questions - click the button that best suits the person at WORK.");
    EXPECT_EQ(questionLine(24, true),
              u"24 of 24 questions - click the answer that best suits you at WORK.");
}

// The two answers point to one type each way round; the wording follows the audience.
TEST(QuickSelection, AnswersAndTypesMapBothWaysAndTheWordingFollowsTheAudience)
{
    EXPECT_EQ(quickType({true, true}), InCharge);
    EXPECT_EQ(quickType({true, false}), Enthusiastic);
    EXPECT_EQ(quickType({false, true}), Friendly);
    EXPECT_EQ(quickType({false, false}), Details);
    for (const PersonalityType type : allTypes)
        EXPECT_EQ(quickType(quickAnswers(type)), type);

    for (const Audience audience : {Customer, Associate, Self}) {
        const AudienceCaptions &step2 = audienceCaptions(audience);
        const bool self = audience == Self;
        for (const QStringView caption : {step2.step2Frame, step2.fast, step2.slow, step2.detailedTest,
                                          step2.step3Frame})
            EXPECT_EQ(caption.contains(u"you"), self) << caption.toString().toStdString();
        for (const bool fast : {true, false}) {
            const Step3Captions step3 = step3Captions(fast, audience);
            EXPECT_EQ(step3.first.startsWith(u"Are you"), self);
            EXPECT_EQ(step3.first, step3Captions(fast, self ? Self : Customer).first);
        }
    }
    EXPECT_NE(audienceCaptions(Customer).fast, audienceCaptions(Associate).fast);
    EXPECT_EQ(audienceCaptions(Self).detailedTest, u"You would like to do a detailed test on yourself.");
    EXPECT_EQ(step3Captions(true, Customer).second, u"Are they open, friendly, animated and enhusiastic?");
}

// Expected texts keep one description to a line of code.
// clang-format off
TEST(Description, EachOfTheTwelveHasItsShape)
{
    // The start of each piece after the summary, by type and audience.
    const std::vector<const char16_t *> closings[4][3] = {
        {{u" They DON'T want", u" You need to be"}, {u" They DON'T want", u" You need to be"}, {u" You are"}},
        {{u" They DON'T want", u" You need to be"}, {u" They DON'T want", u" You need to be"}, {u" You are"}},
        {{u" They want to deal with", u" You need to spend"}, {u" They DON'T want", u" You need to be"}, {u" You work well in a team"}},
        {{u" You will need"}, {u" They DON'T want", u" Let them be the expert."}, {u" You are"}}};
    const std::vector<QString> headings[3] = {
        {u"MEETINGS:"_s, u"DECISIONS:"_s, u"DETAILS:"_s, u"DOCUMENTATION:"_s, u"NEGOTIATING STYLE:"_s, u"AREAS TO WATCH:"_s},
        {u"MEETINGS:"_s, u"DECISIONS:"_s, u"DETAILS:"_s, u"STRENGTHS:"_s, u"AREAS TO WATCH:"_s, u"IF YOU ARE THEIR MANAGER:"_s},
        {u"MEETINGS:"_s, u"DECISIONS:"_s, u"DETAILS:"_s, u"NEGOTIATING STYLE:"_s, u"STRENGTHS:"_s, u"AREAS TO WATCH:"_s}};
    const char16_t *names[] = {u"In Charge", u"Enthusiastic", u"Friendly", u"Details"};
    for (const PersonalityType type : allTypes) {
        for (const Audience audience : {Customer, Associate, Self}) {
            const QString text = ComposeDescription(type, audience);
            SCOPED_TRACE(text.toStdString());
            const QStringList lines = text.split(u"\r\n"_s);
            const bool friendlyAssociate = type == Friendly && audience == Associate;
            EXPECT_EQ(lines[0], u" MAIN TYPE:  '" + QString::fromUtf16(names[int(type)]) + u"'  person." + (friendlyAssociate ? u" " : u""));
            std::vector<QString> expected = headings[int(audience)];
            if (type == InCharge && audience == Self)
                expected.push_back(u"TIME:"_s);
            const auto n = qsizetype(expected.size());
            ASSERT_EQ(lines.size(), n + 4);
            EXPECT_TRUE(lines[1].isEmpty() && lines[n + 2].isEmpty());
            for (qsizetype i = 0; i < n; ++i) // the heading, a few blanks and a sentence
                EXPECT_TRUE(QRegularExpression(u"^  "_s + expected[size_t(i)] + u" {1,5}\\S.{10}"_s).match(lines[i + 2]).hasMatch());
            const QString &summary = lines[n + 3];
            EXPECT_TRUE(summary.startsWith(u"  SUMMARY: "));
            qsizetype from = 0;
            for (const char16_t *opening : closings[int(type)][int(audience)]) {
                const qsizetype at = summary.indexOf(QStringView(opening), from);
                EXPECT_GT(at, from) << QString::fromUtf16(opening).toStdString();
                from = at;
            }
        }
    }
    EXPECT_TRUE(ComposeDescription(Details, Associate).endsWith(u" Let them be the expert."));
}
// clang-format on

} // namespace
