#include "Description.h"
#include "HelpTopics.h"
#include "TraitList.h"
#include "TraitTable.h"
#include "TraitTest.h"

#include "TraitAnswer.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace typefinder;
using enum PersonalityType;
using enum Audience;

namespace {

class Traits : public ::testing::Test
{
protected:
    // A test of 24 answers, the letters in turn ("-" for "Don't Know").
    static TraitTest answered(QStringView letters)
    {
        TraitTest test;
        test.start();
        for (int q = 0; q < 24; ++q)
            test.answer(traitAnswer(q, letters[q]));
        return test;
    }

    const TraitTable &table = LoadTraitTable();
};

// Each question offers one trait of each type; each list holds a type's 24
// traits in table order under its heading, so many to a line, "Change - " off.
TEST_F(Traits, EachQuestionOffersOneOfEachTypeAndEachListItsTypesTraits)
{
    for (const auto &[layout, lead, perLine] :
         {std::tuple{TraitLayout::MainWindow, u" "_s, u"55554"_s},
          {TraitLayout::TestWindow, u"  "_s, u"33333333"_s}}) {
        for (const QString &name :
             {u"InCharge"_s, u"Enthusiastic"_s, u"Friendly"_s, u"Details"_s}) {
            const QString letter = name.left(1); // each type's letter starts its name
            QStringList expected, listed;
            for (int16_t row = 1; row <= 96; ++row) {
                if (table.row(row).typeLetter != letter)
                    continue;
                EXPECT_EQ((row - 1) / 4, expected.size()) << "one of each type to a question";
                expected +=
                    QString(table.row(row).text).remove(QRegularExpression(u"^Change - "_s));
            }
            QStringList lines = ComposeTraitList(letter, layout).split(u"\r\n\r\n"_s);
            EXPECT_EQ(lines.takeFirst(),
                      lead + u"Some ''" + name + u"''  type  personality  traits");
            if (layout == TraitLayout::TestWindow) {
                EXPECT_EQ(lines.takeLast(), u""_s) << "ends with a blank line";
            }
            QString counts; // of the traits on each line
            for (const QString &line : std::as_const(lines)) {
                EXPECT_TRUE(line.startsWith(lead) && line[lead.size()] != u' ');
                const QStringList traits = line.mid(lead.size()).split(u",  "_s);
                counts += QString::number(traits.size());
                listed += traits;
            }
            EXPECT_EQ(listed, expected);
            EXPECT_EQ(counts, perLine);
        }
        EXPECT_TRUE(ComposeTraitList(u"IE"_s, layout).isEmpty());
    }
}

// Ties go to the earlier type in the order In Charge, Enthusiastic, Friendly, Details; only
// "Don't Know" gives none, and nothing counts after the last question.
TEST_F(Traits, TheHighestCountWinsATieTheEarlierTypeAndOnlyDontKnowNone)
{
    EXPECT_EQ(answered(u"EEEEEEEEEFFFFFFFFFDDDDDD").result(), Enthusiastic);
    EXPECT_EQ(answered(u"IIIIIIEEEEEEFFFFFFDDDDDD").result(), InCharge);
    EXPECT_EQ(answered(u"IEEFFFDDDD--------------").result(), Details);
    TraitTest dunno = answered(QString(24, u'-'));
    EXPECT_EQ(dunno.answer(1), TraitTest::Next::NoResult);
    EXPECT_EQ(dunno.result(), std::nullopt);
    TraitTest test = answered(u"IIIIIIIIIIIIIIIIIIIIIIII");
    EXPECT_EQ(test.answer(2), TraitTest::Next::Results);
    EXPECT_EQ(test.counts(), (std::array<int16_t, 4>{24, 0, 0, 0}));
}

// The tallest bar reaches at most 3200 twips above the base line at 3800: 3200 / 9 is 355
// whole twips a count, not 356.
TEST_F(Traits, TheBarsStandOnTheBaseLineScaledToTheHighestCount)
{
    QStringList shown; // each bar as "height/top/caption"
    for (const TraitTest::Bar &bar : answered(u"EEEEEEEEEFFFFFFFFFDDDDDD").bars())
        shown.append(u"%1/%2/%3"_s.arg(bar.height).arg(bar.top).arg(bar.caption));
    EXPECT_EQ(shown.join(u' '), u"0/3800/0 3195/605/9 3195/605/9 2130/1670/6");
}

// The type's name, a blank line, the audience's headings each with a sentence, a blank
// line and the summary; an audience's summary by a spot of its wording.
// clang-format off
TEST(Description, EachOfTheTwelveHasItsShape)
{
    const QString headings[3] = {u"MEETINGS DECISIONS DETAILS DOCUMENTATION NEGOTIATING_STYLE AREAS_TO_WATCH"_s,
                                 u"MEETINGS DECISIONS DETAILS STRENGTHS AREAS_TO_WATCH IF_YOU_ARE_THEIR_MANAGER"_s,
                                 u"MEETINGS DECISIONS DETAILS NEGOTIATING_STYLE STRENGTHS AREAS_TO_WATCH"_s};
    for (const PersonalityType type : allTypes) {
        for (const Audience audience : {Customer, Associate, Self}) {
            const QStringList lines = ComposeDescription(type, audience).split(u"\r\n"_s);
            SCOPED_TRACE(lines.join(u'\n').toStdString());
            const QString name = QStringList{u"In Charge"_s, u"Enthusiastic"_s, u"Friendly"_s, u"Details"_s}[int(type)];
            EXPECT_EQ(lines[0], u" MAIN TYPE:  '" + name + u"'  person." + (type == Friendly && audience == Associate ? u" " : u""));
            QStringList expected = QString(headings[int(audience)] + (type == InCharge && audience == Self ? u" TIME" : u"")).split(u' ');
            ASSERT_EQ(lines.size(), expected.size() + 4);
            EXPECT_TRUE(lines[1].isEmpty() && lines[expected.size() + 2].isEmpty());
            for (qsizetype i = 0; i < expected.size(); ++i) // the heading, a few blanks and a sentence
                EXPECT_TRUE(QRegularExpression(u"^  "_s + expected[i].replace(u'_', u' ') + u": {1,5}\\S.{10}"_s).match(lines[i + 2]).hasMatch());
            EXPECT_TRUE(lines.last().startsWith(u"  SUMMARY: "));
        }
    }
    EXPECT_TRUE(ComposeDescription(Friendly, Customer).contains(u". They want to deal with"));
    EXPECT_TRUE(ComposeDescription(Friendly, Self).contains(u". You work well in a team"));
    EXPECT_TRUE(ComposeDescription(Details, Associate).endsWith(u" Let them be the expert."));
}
// clang-format on

// A topic is what its section holds, found by its context number alone; a link leads to a
// topic only as "#N", N a positive number.
TEST(HelpTopics, ATopicIsItsSectionAndALinkItsNumber)
{
    const QString file = u"<section id=\"1\"><h1>Contents</h1></section>"
                         u"<section id=\"12\"><p>Twelve</p></section>"_s;
    EXPECT_EQ(help::topic(file, 12), u"<p>Twelve</p>");
    EXPECT_EQ(help::topic(file, 1), u"<h1>Contents</h1>");
    EXPECT_EQ(help::topic(file, 2), u"");
    EXPECT_EQ(help::topic(u"<section id=\"3\">unended"_s, 3), u"");
    EXPECT_EQ(help::linkedContext(u"#12"_s), 12);
    for (const QString &link : {u"12"_s, u"#0"_s, u"#-3"_s, u"#x"_s, u"https://example.org/#2"_s})
        EXPECT_EQ(help::linkedContext(link), 0) << link.toStdString();
}

} // namespace
