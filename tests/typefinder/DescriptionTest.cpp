#include "Description.h"

#include <gtest/gtest.h>

using namespace typefinder;

// Expected texts keep one line of text to a line of code.
// clang-format off
namespace {

struct Expected
{
    PersonalityType type;
    Audience audience;
    const char16_t *headingLine;
    std::vector<const char16_t *> closingOpenings; // the start of each piece after the summary
};

const std::vector<const char16_t *> CustomerHeadings{
    u"MEETINGS:", u"DECISIONS:", u"DETAILS:", u"DOCUMENTATION:", u"NEGOTIATING STYLE:", u"AREAS TO WATCH:"};
const std::vector<const char16_t *> AssociateHeadings{
    u"MEETINGS:", u"DECISIONS:", u"DETAILS:", u"STRENGTHS:", u"AREAS TO WATCH:", u"IF YOU ARE THEIR MANAGER:"};
const std::vector<const char16_t *> SelfHeadings{
    u"MEETINGS:", u"DECISIONS:", u"DETAILS:", u"NEGOTIATING STYLE:", u"STRENGTHS:", u"AREAS TO WATCH:"};

const Expected Descriptions[] = {
    {PersonalityType::InCharge, Audience::Customer, u" MAIN TYPE:  'In Charge'  person.", {u" They DON'T want", u" You need to be"}},
    {PersonalityType::InCharge, Audience::Associate, u" MAIN TYPE:  'In Charge'  person.", {u" They DON'T want", u" You need to be"}},
    {PersonalityType::InCharge, Audience::Self, u" MAIN TYPE:  'In Charge'  person.", {u" You are"}},
    {PersonalityType::Enthusiastic, Audience::Customer, u" MAIN TYPE:  'Enthusiastic'  person.", {u" They DON'T want", u" You need to be"}},
    {PersonalityType::Enthusiastic, Audience::Associate, u" MAIN TYPE:  'Enthusiastic'  person.", {u" They DON'T want", u" You need to be"}},
    {PersonalityType::Enthusiastic, Audience::Self, u" MAIN TYPE:  'Enthusiastic'  person.", {u" You are"}},
    {PersonalityType::Friendly, Audience::Customer, u" MAIN TYPE:  'Friendly'  person.", {u" They want to deal with", u" You need to spend"}},
    {PersonalityType::Friendly, Audience::Associate, u" MAIN TYPE:  'Friendly'  person. ", {u" They DON'T want", u" You need to be"}},
    {PersonalityType::Friendly, Audience::Self, u" MAIN TYPE:  'Friendly'  person.", {u" You work well in a team"}},
    {PersonalityType::Details, Audience::Customer, u" MAIN TYPE:  'Details'  person.", {u" You will need"}},
    {PersonalityType::Details, Audience::Associate, u" MAIN TYPE:  'Details'  person.", {u" They DON'T want", u" Let them be the expert."}},
    {PersonalityType::Details, Audience::Self, u" MAIN TYPE:  'Details'  person.", {u" You are"}},
};

TEST(Description, EachOfTheTwelveHasItsShape)
{
    for (const Expected &e : Descriptions) {
        const QString text = ComposeDescription(e.type, e.audience);
        SCOPED_TRACE(text.toStdString());
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        EXPECT_FALSE(text.endsWith(u'\n'));

        EXPECT_EQ(lines[0], QStringView(e.headingLine));
        EXPECT_TRUE(lines[1].isEmpty());

        std::vector<const char16_t *> headings = e.audience == Audience::Customer ? CustomerHeadings
            : e.audience == Audience::Associate                                   ? AssociateHeadings
                                                                                  : SelfHeadings;
        if (e.type == PersonalityType::InCharge && e.audience == Audience::Self)
            headings.push_back(u"TIME:");
        ASSERT_EQ(lines.size(), qsizetype(headings.size()) + 4);
        for (size_t i = 0; i < headings.size(); ++i) {
            const QString &line = lines[qsizetype(i) + 2];
            const QString start = u"  " + QString::fromUtf16(headings[i]);
            EXPECT_TRUE(line.startsWith(start)) << line.toStdString();
            const QString gap = line.mid(start.size(), 6);
            const qsizetype blanks = gap.size() - gap.trimmed().size();
            EXPECT_TRUE(blanks >= 1 && blanks <= 5) << line.toStdString();
            EXPECT_GT(line.size(), start.size() + blanks + 10) << "a sentence follows";
        }

        const QString &summary = lines[qsizetype(headings.size()) + 3];
        EXPECT_TRUE(lines[qsizetype(headings.size()) + 2].isEmpty());
        EXPECT_TRUE(summary.startsWith(u"  SUMMARY: "));
        qsizetype from = 0;
        for (const char16_t *opening : e.closingOpenings) {
            const qsizetype at = summary.indexOf(QStringView(opening), from);
            EXPECT_GT(at, from) << QString::fromUtf16(opening).toStdString();
            from = at;
        }
    }
    EXPECT_TRUE(ComposeDescription(PersonalityType::Details, Audience::Associate)
                    .endsWith(u" Let them be the expert."));
}

} // namespace
// clang-format on
