#include "VelkinWindow.h"

#include "Description.h"
#include "TraitList.h"

#include <QFontMetrics>

using namespace typefinder;

namespace {

class QuickSelection : public VelkinWindow
{
protected:
    static QString shownAs(QString text)
    {
        return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }

    void expectSteps() const
    {
        EXPECT_TRUE(shown("Frame2"));
        EXPECT_TRUE(shown("Frame3"));
        EXPECT_TRUE(shown("Label5"));
        EXPECT_FALSE(shown("Label4"));
        for (const char *button : {"Command2", "Command3", "Command4"})
            EXPECT_FALSE(shown(button)) << button;
    }

    void expectPanel(const QString &text) const
    {
        EXPECT_EQ(panel(), shownAs(text));
        EXPECT_TRUE(shown("Label4"));
        EXPECT_FALSE(shown("Label5"));
        EXPECT_FALSE(shown("Frame2"));
        EXPECT_FALSE(shown("Frame3"));
        for (const char *button : {"Command2", "Command3", "Command4"})
            EXPECT_TRUE(shown(button)) << button;
    }

    // The panel's text wraps within its width and stays above the buttons.
    void expectPanelFits() const
    {
        const auto *label = find<QLabel>("Label4");
        const int room = find("Command2")->y() - label->y();
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000),
                                                               Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), room) << label->text().toStdString();
    }
};

TEST_F(QuickSelection, StartsOnStepOneForACustomer)
{
    EXPECT_EQ(window->windowTitle(), u"Velkin");
    EXPECT_EQ(window->size(), QSize(593, 429)); // 8895 x 6435 twips
    EXPECT_TRUE(selected("Option1"));
    EXPECT_EQ(frameTitle("Frame1"), u"Step 1 - Who do you wish to check");
    EXPECT_EQ(frameTitle("Frame2"), u"Step 2 - Which best describes the customer");
    EXPECT_EQ(frameTitle("Frame3"), u"Step 3 - Which best describes the customer");
    EXPECT_EQ(caption("Option8"), u"You would like to do a detailed test on this person.");
    for (const char *option : {"Option3", "Option4", "Option5", "Option6", "Option8"})
        EXPECT_FALSE(selected(option)) << option;
    EXPECT_FALSE(shown("Option5"));
    EXPECT_FALSE(shown("Option6"));
    EXPECT_EQ(find<QLabel>("Label5")->text(), u"Quillan");
    EXPECT_EQ(find("Option2")->toolTip(), u" Click to select this option ");
    expectSteps();
    EXPECT_TRUE(values.currentType.isEmpty());
}

TEST_F(QuickSelection, TheAudienceSetsTheWording)
{
    click("Option7");
    EXPECT_EQ(frameTitle("Frame2"), u"Step 2 - Which best describes you");
    EXPECT_EQ(frameTitle("Frame3"), u"Step 3 - Which best describes you");
    EXPECT_EQ(
        caption("Option3"),
        u"Do you move and act quickly? Are you direct, assertive and confident? Do you accept change and 'tell' more than 'ask'?");
    EXPECT_EQ(caption("Option8"), u"You would like to do a detailed test on yourself.");
    click("Option3");
    EXPECT_EQ(
        caption("Option5"),
        u"Are you forceful, no nonsense, cooler and formal. Do you want results and not excuses?");
    EXPECT_EQ(caption("Option6"), u"Are you open, friendly, animated and enhusiastic?");

    click("Option2");
    EXPECT_EQ(frameTitle("Frame2"), u"Step 2 - Which best describes the associate");
    EXPECT_EQ(
        caption("Option3"),
        u"Do they move and act quickly? Are they direct and confident?  Do they accept change and 'tell' more than 'ask'?");
    EXPECT_EQ(
        caption("Option4"),
        u"Are their actions slow and steady? Are they are reserved, not assertive and sensitive? Do they 'ask' more than 'tell'?");
    EXPECT_FALSE(shown("Option5"));
    click("Option4");
    EXPECT_EQ(
        caption("Option5"),
        u"Are they warm, relaxed and friendly? Do they like stability and get along with others?");
    EXPECT_EQ(caption("Option6"),
              u"Are they cooler, organised and disciplined? Do they pay attention to detail?");

    click("Option1");
    EXPECT_EQ(
        caption("Option4"),
        u"Are their actions slow and steady? Are they are reserved, sensitive, not assertive and tend to 'ask' more than 'tell'?");
    click("Option4");
    EXPECT_EQ(caption("Option6"),
              u"Are they cooler, organised and disciplined? Do they pay attention to detail?");
}

TEST_F(QuickSelection, EveryPathLeadsToItsDescription)
{
    const struct
    {
        const char *step2;
        const char *step3;
        PersonalityType type;
        const char16_t *letter;
    } paths[] = {{"Option3", "Option5", PersonalityType::InCharge, u"I"},
                 {"Option3", "Option6", PersonalityType::Enthusiastic, u"E"},
                 {"Option4", "Option5", PersonalityType::Friendly, u"F"},
                 {"Option4", "Option6", PersonalityType::Details, u"D"}};
    const struct
    {
        const char *option;
        Audience audience;
    } audiences[] = {{"Option1", Audience::Customer},
                     {"Option2", Audience::Associate},
                     {"Option7", Audience::Self}};
    for (const auto &who : audiences) {
        for (const auto &path : paths) {
            click(who.option);
            click(path.step2);
            click(path.step3);
            SCOPED_TRACE(std::string(who.option) + path.step2 + path.step3);
            EXPECT_EQ(values.currentType, QStringView(path.letter));
            expectPanel(ComposeDescription(path.type, who.audience));
            expectPanelFits();
            click("Command4");
            expectPanelFits();
            click("Command2");
        }
    }
}

TEST_F(QuickSelection, TraitsClearAndTheSameAnswerAgain)
{
    click("Option2");
    click("Option3");
    click("Option6");
    EXPECT_EQ(values.currentType, u"E");
    click("Command4");
    TraitTable table;
    LoadTraitTable(table);
    expectPanel(ComposeTraitList(table, QStringLiteral("E"), TraitLayout::MainWindow));

    click("Command2");
    expectSteps();
    EXPECT_TRUE(selected("Option6"));
    EXPECT_FALSE(panel().isEmpty()); // the text stays until it is replaced

    click("Option6", Qt::RightButton); // any button repeats the answer
    expectPanel(ComposeDescription(PersonalityType::Enthusiastic, Audience::Associate));
}

TEST_F(QuickSelection, ANewAudienceStartsTheStepsAgain)
{
    click("Option4");
    click("Option5");
    ASSERT_FALSE(panel().isEmpty());
    click("Command2");
    click("Option7");
    EXPECT_TRUE(panel().isEmpty());
    expectSteps();
    for (const char *option : {"Option3", "Option4", "Option5", "Option6"})
        EXPECT_FALSE(selected(option)) << option;
    EXPECT_FALSE(shown("Option5"));
    click("Option3");
    click("Option5");
    expectPanel(ComposeDescription(PersonalityType::InCharge, Audience::Self));
}

TEST_F(QuickSelection, FinishedEndsTheProgram)
{
    click("Command1_0");
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
