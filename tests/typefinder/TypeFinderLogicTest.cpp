#include "Description.h"
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

    QString list(const char16_t *letter, TraitLayout layout) const
    {
        return ComposeTraitList(table, QString::fromUtf16(letter), layout);
    }
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
            EXPECT_EQ(test.answer(choice), q < 23); // the 24th is the last
        }
        return test;
    }

    // Each bar as "height/top/caption".
    static QStringList bars(const TraitTest &test)
    {
        QStringList bars;
        for (const TraitTest::Bar &bar : test.bars())
            bars.append(u"%1/%2/%3"_s.arg(bar.height).arg(bar.top).arg(bar.caption));
        return bars;
    }

    TraitTable table;
};

using Counting = Traits;

// One trait of each type per question makes 24 of each type.
TEST_F(Traits, EachQuestionOffersOneTraitOfEachType)
{
    for (int16_t question = 0; question < 24; ++question) {
        QString letters;
        for (int16_t row = 1; row <= 4; ++row) {
            const TraitEntry &trait = table.row(int16_t(question * 4 + row));
            EXPECT_TRUE(!trait.text.isEmpty() && trait.text.size() <= 33)
                << trait.text.toStdString();
            letters += trait.typeLetter;
        }
        std::sort(letters.begin(), letters.end());
        EXPECT_EQ(letters, u"DEFI") << "question " << question + 1;
    }
    for (int16_t row = 97; row <= 100; ++row)
        EXPECT_TRUE(table.row(row).text.isEmpty() && table.row(row).typeLetter.isEmpty());
    EXPECT_EQ(table.row(1).text + table.row(1).typeLetter, u"Likes facts and figuresD");
    EXPECT_EQ(table.row(86).text, u"Change - Hates Change");
    EXPECT_EQ(table.row(96).text + table.row(96).typeLetter, u"BossyI");
}

// Expected texts keep one or two lines of text to a line of code.
// clang-format off
TEST_F(Traits, MainWindowLists)
{
    EXPECT_EQ(list(u"I", TraitLayout::MainWindow), lines({u" Some ''InCharge''  type  personality  traits", u"",
        u" Direct Formal Person,  Born Leader, Little Small Talk,  Confident, Needs Results,  Gets Things Done,  Good Under Pressure", u"",
        u" Leader, Needs Control,  Assertive, not so Caring,  Forceful,  Headstrong, Good Finisher,  Gives Orders", u"",
        u" Not Very Emotional,  Likes Challenges, Not Showy,  Goal Oriented,  Independent,  Good Delegator", u"",
        u" Workaholic,  Often not Tactful,  Likes an Argument,  Daring,  Mover and Shaker", u"",
        u" Meetings - Short and Concise,  Makes Change,  Competitive and Serious,  Bossy"}));
    EXPECT_EQ(list(u"E", TraitLayout::MainWindow), lines({u" Some ''Enthusiastic''  type  personality  traits", u"",
        u" Direct Enthusiastic Person,  Likes to Talk,  Confident, Often Messy,  Life of the Party,  Dress to be Noticed", u"",
        u" Leader, Outgoing,  Assertive but Caring,  Spontaneous,  Headstrong, Poor Finisher,  Cheerful, often laughing", u"",
        u" Likes Touching People,  Can be Showy,  Likes Colourful Things,  Meets Everybody,  Always Curious", u"",
        u" Work a Lot, Often Forgetful,  Accidentally not Tactful,  Loud,  Lots of Spirit,  Energetic", u"",
        u" Meetings - Fun and Concise,  Likes Change,  Competitive and Playful,  Popular"}));
    EXPECT_EQ(list(u"F", TraitLayout::MainWindow), lines({u" Some ''Friendly''  type  personality  traits", u"",
        u" Always Friendly,  A Peacemaker,  Easygoing,  Gentle,  Slow and Steady Worker", u"",
        u" Procrastinates,  Patient,  Relaxed,  Sometimes slow and sluggish,  Cool and Calm", u"",
        u" Happy with Life,  Well Liked,  Inoffensive,  Takes the Easy Path,  Has Many Good Friends", u"",
        u" Reserved,  Supportive,  Works Well in a Team,  Good Listener,  Very Tolerant", u"",
        u" Meetings - Social and Informative,  Slow to Change,  Peaceful,  Shy"}));
    EXPECT_EQ(list(u"D", TraitLayout::MainWindow), lines({u" Some ''Details''  type  personality  traits", u"",
        u" Likes facts and figures,  Likes Schedules,  Neat and Orderly,  Analyses Things,  Methodical", u"",
        u" Likes Perfection,  Hates Surprises,  Critical of Others,  Musical,  Creative", u"",
        u" Can write Poetry,  Sensitive,  Likes Lists,  Don't Like Attention,  Good Finisher", u"",
        u" Pessimistic,  Structured way of Thinking,  Feels Insecure,  Very Tidy,  Persistent", u"",
        u" Meetings - Long and Detailed,  Hates Change,  Planner,  Sceptical"}));
}

TEST_F(Traits, TestWindowListsAndNoOthers)
{
    EXPECT_EQ(list(u"I", TraitLayout::TestWindow), lines({u"  Some ''InCharge''  type  personality  traits", u"",
        u"  Direct Formal Person,  Born Leader, Little Small Talk,  Confident, Needs Results", u"",
        u"  Gets Things Done,  Good Under Pressure,  Leader, Needs Control", u"",
        u"  Assertive, not so Caring,  Forceful,  Headstrong, Good Finisher", u"",
        u"  Gives Orders,  Not Very Emotional,  Likes Challenges, Not Showy", u"", u"  Goal Oriented,  Independent,  Good Delegator", u"",
        u"  Workaholic,  Often not Tactful,  Likes an Argument", u"", u"  Daring,  Mover and Shaker,  Meetings - Short and Concise", u"",
        u"  Makes Change,  Competitive and Serious,  Bossy", u"", u""}));
    EXPECT_EQ(list(u"E", TraitLayout::TestWindow), lines({u"  Some ''Enthusiastic''  type  personality  traits", u"",
        u"  Direct Enthusiastic Person,  Likes to Talk,  Confident, Often Messy", u"",
        u"  Life of the Party,  Dress to be Noticed,  Leader, Outgoing", u"",
        u"  Assertive but Caring,  Spontaneous,  Headstrong, Poor Finisher", u"",
        u"  Cheerful, often laughing,  Likes Touching People,  Can be Showy", u"",
        u"  Likes Colourful Things,  Meets Everybody,  Always Curious", u"",
        u"  Work a Lot, Often Forgetful,  Accidentally not Tactful,  Loud", u"",
        u"  Lots of Spirit,  Energetic,  Meetings - Fun and Concise", u"", u"  Likes Change,  Competitive and Playful,  Popular", u"", u""}));
    EXPECT_EQ(list(u"F", TraitLayout::TestWindow), lines({u"  Some ''Friendly''  type  personality  traits", u"",
        u"  Always Friendly,  A Peacemaker,  Easygoing", u"", u"  Gentle,  Slow and Steady Worker,  Procrastinates", u"",
        u"  Patient,  Relaxed,  Sometimes slow and sluggish", u"", u"  Cool and Calm,  Happy with Life,  Well Liked", u"",
        u"  Inoffensive,  Takes the Easy Path,  Has Many Good Friends", u"", u"  Reserved,  Supportive,  Works Well in a Team", u"",
        u"  Good Listener,  Very Tolerant,  Meetings - Social and Informative", u"", u"  Slow to Change,  Peaceful,  Shy", u"", u""}));
    EXPECT_EQ(list(u"D", TraitLayout::TestWindow), lines({u"  Some ''Details''  type  personality  traits", u"",
        u"  Likes facts and figures,  Likes Schedules,  Neat and Orderly", u"", u"  Analyses Things,  Methodical,  Likes Perfection", u"",
        u"  Hates Surprises,  Critical of Others,  Musical", u"", u"  Creative,  Can write Poetry,  Sensitive", u"",
        u"  Likes Lists,  Don't Like Attention,  Good Finisher", u"", u"  Pessimistic,  Structured way of Thinking,  Feels Insecure", u"",
        u"  Very Tidy,  Persistent,  Meetings - Long and Detailed", u"", u"  Hates Change,  Planner,  Sceptical", u"", u""}));
    for (const char16_t *other : {u"", u"i", u"X", u"IE", u" I"}) // only the four letters have lists
        EXPECT_TRUE(list(other, TraitLayout::MainWindow).isEmpty() && list(other, TraitLayout::TestWindow).isEmpty());
}

// clang-format on

TEST_F(Counting, BarsStandOnTheBaseLineScaledToTheHighestCount)
{
    EXPECT_EQ(bars(answered(10, 8, 4, 2)),
              QStringList({u"3200/600/10"_s, u"2560/1240/8"_s, u"1280/2520/4"_s, u"640/3160/2"_s}));
    // 457 twips a count for a highest of seven; no bar for a count of nothing.
    EXPECT_EQ(bars(answered(2, 7, 0, 5)),
              QStringList({u"914/2886/2"_s, u"3199/601/7"_s, u"0/3800/0"_s, u"2285/1515/5"_s}));
}

TEST_F(Counting, TheHighestCountWinsTiesGoToTheEarlierTypeAndQuestionsAreWorded)
{
    const std::tuple<int, int, int, int, const char16_t *> cases[] = {
        {10, 8, 4, 2, u"I"}, {6, 6, 6, 6, u"I"}, {0, 9, 9, 6, u"E"},
        {0, 12, 6, 6, u"E"}, {1, 2, 3, 4, u"D"}, {0, 0, 0, 0, u""}};
    for (const auto &[i, e, f, d, result] : cases)
        EXPECT_EQ(answered(i, e, f, d).result(), QStringView(result)) << i << e << f << d;
    EXPECT_EQ(questionLine(7, false),
              u"7 of 24 questions - click the button that best suits the person at WORK.");
    EXPECT_EQ(questionLine(24, true),
              u"24 of 24 questions - click the answer that best suits you at WORK.");
}

// Expected texts keep one description to a line of code.
// clang-format off
struct Expected
{
    PersonalityType type;
    Audience audience;
    const char16_t *headingLine;
    std::vector<const char16_t *> closingOpenings; // the start of each piece after the summary
};

const Expected Descriptions[] = {
    {InCharge, Customer, u" MAIN TYPE:  'In Charge'  person.", {u" They DON'T want", u" You need to be"}},
    {InCharge, Associate, u" MAIN TYPE:  'In Charge'  person.", {u" They DON'T want", u" You need to be"}},
    {InCharge, Self, u" MAIN TYPE:  'In Charge'  person.", {u" You are"}},
    {Enthusiastic, Customer, u" MAIN TYPE:  'Enthusiastic'  person.", {u" They DON'T want", u" You need to be"}},
    {Enthusiastic, Associate, u" MAIN TYPE:  'Enthusiastic'  person.", {u" They DON'T want", u" You need to be"}},
    {Enthusiastic, Self, u" MAIN TYPE:  'Enthusiastic'  person.", {u" You are"}},
    {Friendly, Customer, u" MAIN TYPE:  'Friendly'  person.", {u" They want to deal with", u" You need to spend"}},
    {Friendly, Associate, u" MAIN TYPE:  'Friendly'  person. ", {u" They DON'T want", u" You need to be"}},
    {Friendly, Self, u" MAIN TYPE:  'Friendly'  person.", {u" You work well in a team"}},
    {Details, Customer, u" MAIN TYPE:  'Details'  person.", {u" You will need"}},
    {Details, Associate, u" MAIN TYPE:  'Details'  person.", {u" They DON'T want", u" Let them be the expert."}},
    {Details, Self, u" MAIN TYPE:  'Details'  person.", {u" You are"}},
};

// The headed lines, in order, by audience.
const std::vector<const char16_t *> Headings[] = {
    {u"MEETINGS:", u"DECISIONS:", u"DETAILS:", u"DOCUMENTATION:", u"NEGOTIATING STYLE:", u"AREAS TO WATCH:"},
    {u"MEETINGS:", u"DECISIONS:", u"DETAILS:", u"STRENGTHS:", u"AREAS TO WATCH:", u"IF YOU ARE THEIR MANAGER:"},
    {u"MEETINGS:", u"DECISIONS:", u"DETAILS:", u"NEGOTIATING STYLE:", u"STRENGTHS:", u"AREAS TO WATCH:"}};

TEST(Description, EachOfTheTwelveHasItsShape)
{
    for (const Expected &e : Descriptions) {
        const QString text = ComposeDescription(e.type, e.audience);
        SCOPED_TRACE(text.toStdString());
        const QStringList lines = text.split(u"\r\n"_s);
        EXPECT_FALSE(text.endsWith(u'\n'));
        EXPECT_EQ(lines[0], QStringView(e.headingLine));
        EXPECT_TRUE(lines[1].isEmpty());

        std::vector<const char16_t *> headings = Headings[int(e.audience)];
        if (e.type == InCharge && e.audience == Self)
            headings.push_back(u"TIME:");
        const auto n = qsizetype(headings.size());
        ASSERT_EQ(lines.size(), n + 4);
        for (qsizetype i = 0; i < n; ++i) {
            // The heading, a few blanks and a sentence.
            const QRegularExpression line(u"^  "_s + QString::fromUtf16(headings[i]) + u" {1,5}\\S.{10}"_s);
            EXPECT_TRUE(line.match(lines[i + 2]).hasMatch()) << lines[i + 2].toStdString();
        }
        EXPECT_TRUE(lines[n + 2].isEmpty());
        const QString &summary = lines[n + 3];
        EXPECT_TRUE(summary.startsWith(u"  SUMMARY: "));
        qsizetype from = 0;
        for (const char16_t *opening : e.closingOpenings) {
            const qsizetype at = summary.indexOf(QStringView(opening), from);
            EXPECT_GT(at, from) << QString::fromUtf16(opening).toStdString();
            from = at;
        }
    }
    EXPECT_TRUE(ComposeDescription(Details, Associate).endsWith(u" Let them be the expert."));
}
// clang-format on

} // namespace
