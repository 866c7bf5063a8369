#include "TraitList.h"
#include "TraitTable.h"

#include <gtest/gtest.h>

using namespace typefinder;

// Expected texts keep one line of text to a line of code.
// clang-format off
namespace {

QString lines(std::initializer_list<const char16_t *> lines)
{
    QStringList list;
    for (const char16_t *line : lines)
                     list.append(QString::fromUtf16(line));
    return list.join(QStringLiteral("\r\n"));
}

class Traits : public ::testing::Test
{
protected:
    void SetUp() override { LoadTraitTable(table); }

    TraitTable table;
};

TEST_F(Traits, EachQuestionOffersOneTraitOfEachType)
{
    std::map<QString, int> perLetter;
    for (int16_t question = 0; question < 24; ++question) {
                     QStringList letters;
                     for (int16_t row = 1; row <= 4; ++row) {
                         const TraitEntry &trait = table.row(int16_t(question * 4 + row));
                         EXPECT_FALSE(trait.text.isEmpty());
                         EXPECT_LE(trait.text.size(), 33);
                         letters.append(trait.typeLetter);
                         ++perLetter[trait.typeLetter];
                     }
                     letters.sort();
                     EXPECT_EQ(letters.join(QString()), u"DEFI") << "question " << question + 1;
    }
    EXPECT_EQ(perLetter.size(), 4u);
    for (const auto &[letter, rows] : perLetter)
                     EXPECT_EQ(rows, 24) << letter.toStdString();
    for (int16_t row = 97; row <= 100; ++row)
                     EXPECT_TRUE(table.row(row).text.isEmpty() && table.row(row).typeLetter.isEmpty());

    EXPECT_EQ(table.row(1).text, u"Likes facts and figures");
    EXPECT_EQ(table.row(1).typeLetter, u"D");
    EXPECT_EQ(table.row(86).text, u"Change - Hates Change");
    EXPECT_EQ(table.row(96).text, u"Bossy");
    EXPECT_EQ(table.row(96).typeLetter, u"I");
}

TEST_F(Traits, MainWindowLists)
{
    EXPECT_EQ(ComposeTraitList(table, QStringLiteral("I"), TraitLayout::MainWindow),
              lines({u" Some ''InCharge''  type  personality  traits", u"",
                    u" Direct Formal Person,  Born Leader, Little Small Talk,  Confident, Needs Results,  Gets Things Done,  Good Under Pressure", u"",
                    u" Leader, Needs Control,  Assertive, not so Caring,  Forceful,  Headstrong, Good Finisher,  Gives Orders", u"",
                    u" Not Very Emotional,  Likes Challenges, Not Showy,  Goal Oriented,  Independent,  Good Delegator", u"",
                    u" Workaholic,  Often not Tactful,  Likes an Argument,  Daring,  Mover and Shaker", u"",
                    u" Meetings - Short and Concise,  Makes Change,  Competitive and Serious,  Bossy"}));
    EXPECT_EQ(ComposeTraitList(table, QStringLiteral("E"), TraitLayout::MainWindow),
              lines({u" Some ''Enthusiastic''  type  personality  traits", u"",
                    u" Direct Enthusiastic Person,  Likes to Talk,  Confident, Often Messy,  Life of the Party,  Dress to be Noticed", u"",
                    u" Leader, Outgoing,  Assertive but Caring,  Spontaneous,  Headstrong, Poor Finisher,  Cheerful, often laughing", u"",
                    u" Likes Touching People,  Can be Showy,  Likes Colourful Things,  Meets Everybody,  Always Curious", u"",
                    u" Work a Lot, Often Forgetful,  Accidentally not Tactful,  Loud,  Lots of Spirit,  Energetic", u"",
                    u" Meetings - Fun and Concise,  Likes Change,  Competitive and Playful,  Popular"}));
    EXPECT_EQ(ComposeTraitList(table, QStringLiteral("F"), TraitLayout::MainWindow),
              lines({u" Some ''Friendly''  type  personality  traits", u"",
                    u" Always Friendly,  A Peacemaker,  Easygoing,  Gentle,  Slow and Steady Worker", u"",
                    u" Procrastinates,  Patient,  Relaxed,  Sometimes slow and sluggish,  Cool and Calm", u"",
                    u" Happy with Life,  Well Liked,  Inoffensive,  Takes the Easy Path,  Has Many Good Friends", u"",
                    u" Reserved,  Supportive,  Works Well in a Team,  Good Listener,  Very Tolerant", u"",
                    u" Meetings - Social and Informative,  Slow to Change,  Peaceful,  Shy"}));
    EXPECT_EQ(ComposeTraitList(table, QStringLiteral("D"), TraitLayout::MainWindow),
              lines({u" Some ''Details''  type  personality  traits", u"",
                    u" Likes facts and figures,  Likes Schedules,  Neat and Orderly,  Analyses Things,  Methodical", u"",
                    u" Likes Perfection,  Hates Surprises,  Critical of Others,  Musical,  Creative", u"",
                    u" Can write Poetry,  Sensitive,  Likes Lists,  Don't Like Attention,  Good Finisher", u"",
                    u" Pessimistic,  Structured way of Thinking,  Feels Insecure,  Very Tidy,  Persistent", u"",
                    u" Meetings - Long and Detailed,  Hates Change,  Planner,  Sceptical"}));
}

TEST_F(Traits, TestWindowLists)
{
    EXPECT_EQ(ComposeTraitList(table, QStringLiteral("I"), TraitLayout::TestWindow),
              lines({u"  Some ''InCharge''  type  personality  traits", u"",
                    u"  Direct Formal Person,  Born Leader, Little Small Talk,  Confident, Needs Results", u"",
                    u"  Gets Things Done,  Good Under Pressure,  Leader, Needs Control", u"",
                    u"  Assertive, not so Caring,  Forceful,  Headstrong, Good Finisher", u"",
                    u"  Gives Orders,  Not Very Emotional,  Likes Challenges, Not Showy", u"",
                    u"  Goal Oriented,  Independent,  Good Delegator", u"",
                    u"  Workaholic,  Often not Tactful,  Likes an Argument", u"",
                    u"  Daring,  Mover and Shaker,  Meetings - Short and Concise", u"",
                    u"  Makes Change,  Competitive and Serious,  Bossy", u"", u""}));
    EXPECT_EQ(ComposeTraitList(table, QStringLiteral("E"), TraitLayout::TestWindow),
              lines({u"  Some ''Enthusiastic''  type  personality  traits", u"",
                    u"  Direct Enthusiastic Person,  Likes to Talk,  Confident, Often Messy", u"",
                    u"  Life of the Party,  Dress to be Noticed,  Leader, Outgoing", u"",
                    u"  Assertive but Caring,  Spontaneous,  Headstrong, Poor Finisher", u"",
                    u"  Cheerful, often laughing,  Likes Touching People,  Can be Showy", u"",
                    u"  Likes Colourful Things,  Meets Everybody,  Always Curious", u"",
                    u"  Work a Lot, Often Forgetful,  Accidentally not Tactful,  Loud", u"",
                    u"  Lots of Spirit,  Energetic,  Meetings - Fun and Concise", u"",
                    u"  Likes Change,  Competitive and Playful,  Popular", u"", u""}));
    EXPECT_EQ(ComposeTraitList(table, QStringLiteral("F"), TraitLayout::TestWindow),
              lines({u"  Some ''Friendly''  type  personality  traits", u"",
                    u"  Always Friendly,  A Peacemaker,  Easygoing", u"",
                    u"  Gentle,  Slow and Steady Worker,  Procrastinates", u"",
                    u"  Patient,  Relaxed,  Sometimes slow and sluggish", u"",
                    u"  Cool and Calm,  Happy with Life,  Well Liked", u"",
                    u"  Inoffensive,  Takes the Easy Path,  Has Many Good Friends", u"",
                    u"  Reserved,  Supportive,  Works Well in a Team", u"",
                    u"  Good Listener,  Very Tolerant,  Meetings - Social and Informative", u"",
                    u"  Slow to Change,  Peaceful,  Shy", u"", u""}));
    EXPECT_EQ(ComposeTraitList(table, QStringLiteral("D"), TraitLayout::TestWindow),
              lines({u"  Some ''Details''  type  personality  traits", u"",
                    u"  Likes facts and figures,  Likes Schedules,  Neat and Orderly", u"",
                    u"  Analyses Things,  Methodical,  Likes Perfection", u"",
                    u"  Hates Surprises,  Critical of Others,  Musical", u"",
                    u"  Creative,  Can write Poetry,  Sensitive", u"",
                    u"  Likes Lists,  Don't Like Attention,  Good Finisher", u"",
                    u"  Pessimistic,  Structured way of Thinking,  Feels Insecure", u"",
                    u"  Very Tidy,  Persistent,  Meetings - Long and Detailed", u"",
                    u"  Hates Change,  Planner,  Sceptical", u"", u""}));
}

TEST_F(Traits, OnlyTheFourLettersHaveLists)
{
    for (const char16_t *letter : {u"", u"i", u"X", u"IE", u" I"}) {
                     EXPECT_TRUE(ComposeTraitList(table, QString::fromUtf16(letter), TraitLayout::MainWindow).isEmpty());
                     EXPECT_TRUE(ComposeTraitList(table, QString::fromUtf16(letter), TraitLayout::TestWindow).isEmpty());
    }
}

} // namespace
// clang-format on
