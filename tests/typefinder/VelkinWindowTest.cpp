#include "Description.h"
#include "FakePlatform.h"
#include "TraitList.h"
#include "TypeFinderValues.h"
#include "Velkin.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace typefinder;

namespace {

const QString StepsShown = u"Frame2 Frame3 Label5"_s;
const QString Dunno(24, u'-');
const QString FirstLine =
    u"1 of 24 questions - click the answer that best suits the person at WORK."_s;

// The type finder's main window on the offscreen screen.
class VelkinWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<Velkin>(values, platform);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template<typename T = QWidget> static T *find(const QWidget *parent, QAnyStringView name)
    {
        T *child = parent->findChild<T *>(name.toString());
        EXPECT_NE(child, nullptr) << name.toString().toStdString();
        return child;
    }
    template<typename T = QWidget> T *find(QAnyStringView name) const
    {
        return find<T>(window.get(), name);
    }
    static void click(const QWidget *parent, QAnyStringView name,
                      Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(find(parent, name), button);
    }
    void click(std::initializer_list<const char *> names) const
    {
        for (const char *name : names)
            click(window.get(), name);
    }

    QString caption(const char *name) const { return find<QAbstractButton>(name)->text(); }
    QString frameTitle(const char *name) const { return find<QGroupBox>(name)->title(); }
    QString panel() const { return find<QLabel>("Label4")->text(); }
    static QString shownAs(QString text) { return text.replace(u"\r\n"_s, u"\n"_s); }
    // How high the label's text is once wrapped to the label's width.
    static int textHeight(const QLabel *label)
    {
        return label->fontMetrics()
            .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text())
            .height();
    }

    // Which of the controls that come and go are shown now, and which options are selected.
    QString showing() const
    {
        return namesWhere({"Frame2", "Frame3", "Option5", "Option6", "Label4", "Label5", "Command2",
                           "Command3", "Command4"},
                          [this](const char *name) { return find(name)->isVisible(); });
    }
    QString selection() const
    {
        return namesWhere(
            {"Option1", "Option2", "Option7", "Option3", "Option4", "Option8", "Option5",
             "Option6"},
            [this](const char *name) { return find<QAbstractButton>(name)->isChecked(); });
    }

    // The panel shows the text, and all of it above the buttons.
    void expectPanel(const QString &text) const
    {
        EXPECT_EQ(panel(), shownAs(text));
        EXPECT_EQ(showing(), u"Label4 Command2 Command3 Command4");
        const auto *label = find<QLabel>("Label4");
        EXPECT_LE(textHeight(label), find("Command2")->y() - label->y()) << panel().toStdString();
    }

    // Opens the detailed test and lets `drive` work it before it closes.
    void runTest(const std::function<void(QDialog &)> &drive)
    {
        platform.onModal = drive;
        click({"Option8"});
    }
    // Answers question after question with the trait of each letter in turn ("-" for Don't Know).
    void answerLetters(QDialog &test, QStringView letters) const
    {
        for (int q = 0; q < letters.size(); ++q) {
            int choice = 0;
            for (int i = 1; i <= 4; ++i) {
                if (values.traitTable.row(int16_t(q * 4 + i)).typeLetter == letters[q])
                    choice = i;
            }
            click(&test, u"Command2_%1"_s.arg(choice));
        }
    }
    static QString line(const QDialog &test) { return find<QLabel>(&test, "Label1")->text(); }

    FakePlatform platform;
    TypeFinderValues values;
    std::unique_ptr<Velkin> window;
};

using QuickSelection = VelkinWindow;
using SelfTestWindow = VelkinWindow;

TEST_F(QuickSelection, StartsOnStepOneForACustomerAndFinishedEndsTheProgram)
{
    EXPECT_EQ(window->windowTitle(), u"Velkin");
    EXPECT_EQ(window->size(), QSize(593, 429)); // 8895 x 6435 twips
    EXPECT_EQ(selection(), u"Option1");
    EXPECT_EQ(showing(), StepsShown);
    EXPECT_EQ(frameTitle("Frame1"), u"Step 1 - Who do you wish to check");
    EXPECT_EQ(frameTitle("Frame2"), u"Step 2 - Which best describes the customer");
    EXPECT_EQ(frameTitle("Frame3"), u"Step 3 - Which best describes the customer");
    EXPECT_EQ(caption("Option8"), u"You would like to do a detailed test on this person.");
    EXPECT_EQ(find<QLabel>("Label5")->text(), u"Quillan");
    EXPECT_TRUE(values.currentType.isEmpty());
    click({"Command1_0"});
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

// Expected texts keep one caption to a line of code.
// clang-format off
TEST_F(QuickSelection, TheAudienceSetsTheWording)
{
    click({"Option7", "Option3"});
    EXPECT_EQ(frameTitle("Frame2"), u"Step 2 - Which best describes you");
    EXPECT_EQ(frameTitle("Frame3"), u"Step 3 - Which best describes you");
    EXPECT_EQ(caption("Option3"), u"Do you move and act quickly? Are you direct, assertive and confident? Do you accept change and 'tell' more than 'ask'?");
    EXPECT_EQ(caption("Option8"), u"You would like to do a detailed test on yourself.");
    EXPECT_EQ(caption("Option5"), u"Are you forceful, no nonsense, cooler and formal. Do you want results and not excuses?");
    EXPECT_EQ(caption("Option6"), u"Are you open, friendly, animated and enhusiastic?");

    const QString details = u"Are they cooler, organised and disciplined? Do they pay attention to detail?"_s;
    click({"Option2"});
    EXPECT_EQ(frameTitle("Frame2"), u"Step 2 - Which best describes the associate");
    EXPECT_EQ(caption("Option3"), u"Do they move and act quickly? Are they direct and confident?  Do they accept change and 'tell' more than 'ask'?");
    EXPECT_EQ(caption("Option4"), u"Are their actions slow and steady? Are they are reserved, not assertive and sensitive? Do they 'ask' more than 'tell'?");
    click({"Option4"});
    EXPECT_EQ(caption("Option5"), u"Are they warm, relaxed and friendly? Do they like stability and get along with others?");
    EXPECT_EQ(caption("Option6"), details);

    click({"Option1", "Option4"}); // the customer's Step 3 is the associate's
    EXPECT_EQ(caption("Option4"), u"Are their actions slow and steady? Are they are reserved, sensitive, not assertive and tend to 'ask' more than 'tell'?");
    EXPECT_EQ(caption("Option6"), details);

    click({"Option7"}); // the detailed test speaks to the user
    runTest([&](QDialog &test) {
        EXPECT_EQ(line(test), u"1 of 24 questions - click the answer that best suits you at WORK.");
        click(&test, "Command2_2");
        EXPECT_EQ(line(test), u"2 of 24 questions - click the answer that best suits you at WORK.");
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes to Talk");
        EXPECT_EQ(test.focusWidget(), find(&test, "Command2_1"));
        click(&test, "Command1");
    });
}
// clang-format on

TEST_F(QuickSelection, EveryPathLeadsToItsDescription)
{
    using enum PersonalityType;
    const std::tuple<const char *, const char *, PersonalityType, const char16_t *> paths[] = {
        {"Option3", "Option5", InCharge, u"I"},
        {"Option3", "Option6", Enthusiastic, u"E"},
        {"Option4", "Option5", Friendly, u"F"},
        {"Option4", "Option6", Details, u"D"}};
    const std::pair<const char *, Audience> audiences[] = {{"Option1", Audience::Customer},
                                                           {"Option2", Audience::Associate},
                                                           {"Option7", Audience::Self}};
    for (const auto &[option, audience] : audiences) {
        for (const auto &[step2, step3, type, letter] : paths) {
            SCOPED_TRACE(std::string(option) + step2 + step3);
            click({option, step2, step3});
            EXPECT_EQ(values.currentType, QStringView(letter));
            expectPanel(ComposeDescription(type, audience));
            click({"Command4"});
            expectPanel(ComposeTraitList(values.traitTable, QString::fromUtf16(letter),
                                         TraitLayout::MainWindow));
            click({"Command2"});
        }
    }
}

TEST_F(QuickSelection, TraitsClearTheSameAnswerAgainAndANewAudience)
{
    click({"Option2", "Option3", "Option6", "Command4"});
    EXPECT_EQ(values.currentType, u"E");
    expectPanel(ComposeTraitList(values.traitTable, u"E"_s, TraitLayout::MainWindow));

    click({"Command2"});
    EXPECT_EQ(showing(), u"Frame2 Frame3 Option5 Option6 Label5");
    EXPECT_EQ(selection(), u"Option2 Option3 Option6");
    EXPECT_FALSE(panel().isEmpty()); // the text stays until it is replaced

    click(window.get(), "Option6", Qt::RightButton); // any button repeats the answer
    expectPanel(ComposeDescription(PersonalityType::Enthusiastic, Audience::Associate));
    click({"Command2"});
    find(window.get(), "Option6")->setFocus(); // and so does the space bar
    QTest::keyClick(find(window.get(), "Option6"), Qt::Key_Space);
    expectPanel(ComposeDescription(PersonalityType::Enthusiastic, Audience::Associate));

    click({"Command2", "Option7"}); // a new audience empties the panel and starts again
    EXPECT_TRUE(panel().isEmpty());
    EXPECT_EQ(showing(), StepsShown);
    EXPECT_EQ(selection(), u"Option7");
    click({"Option3", "Option5"});
    expectPanel(ComposeDescription(PersonalityType::InCharge, Audience::Self));
}

TEST_F(SelfTestWindow, ChartsTheCountsAndEachResultSelectsItsSteps)
{
    int opened = 0;
    runTest([&](QDialog &test) {
        ++opened;
        EXPECT_EQ(line(test), FirstLine);
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes facts and figures");
        EXPECT_FALSE(find(&test, "Frame2")->isVisible());

        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_EQ(line(test),
                  u"24 of 24 questions - click the button that best suits the person at WORK.");
        EXPECT_FALSE(find(&test, "Label1")->isVisible());
        EXPECT_FALSE(find(&test, "Command2_1")->isVisible());
        EXPECT_TRUE(find(&test, "Frame2")->isVisible() && find(&test, "Command3")->isVisible());
        EXPECT_EQ(test.focusWidget(), find(&test, "Command1"));
        EXPECT_EQ(values.testResult, u"I");
        QStringList bars; // as "top+height caption", standing on 3800 twips
        for (const char *name : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            const auto *bar = find<QPushButton>(&test, name);
            bars << u"%1+%2 %3"_s.arg(bar->y()).arg(bar->height()).arg(bar->text());
        }
        EXPECT_EQ(bars, QStringList({u"40+213 10"_s, u"83+170 8"_s, u"168+85 4"_s, u"211+42 2"_s}));
        click(&test, "Command1");
    });
    EXPECT_EQ(opened, 1); // a press opens the test once
    EXPECT_EQ(selection(), u"Option1 Option3 Option5");
    EXPECT_EQ(values.currentType, u"I");
    EXPECT_EQ(panel(), shownAs(ComposeDescription(PersonalityType::InCharge, Audience::Customer)));

    // The other results select their steps too, here for an associate.
    const std::tuple<const char16_t *, const char16_t *, PersonalityType> results[] = {
        {u"EEEEEEEEEEEE------------", u"Option2 Option3 Option6", PersonalityType::Enthusiastic},
        {u"FFFFFFFFFFFFDDDDD-------", u"Option2 Option4 Option5", PersonalityType::Friendly},
        {u"DDDDDDDIIIIII-----------", u"Option2 Option4 Option6", PersonalityType::Details}};
    click({"Option2"});
    for (const auto &[answers, options, type] : results) {
        runTest([&, answers = answers](QDialog &test) {
            answerLetters(test, answers);
            click(&test, "Command1");
        });
        EXPECT_EQ(selection(), QStringView(options));
        EXPECT_EQ(panel(), shownAs(ComposeDescription(type, Audience::Associate)));
        click({"Command2"});
    }
}

TEST_F(SelfTestWindow, ClosingHalfWayOrOnlyDontKnowGivesNoResult)
{
    click({"Option4"});
    runTest([&](QDialog &test) {
        answerLetters(test, u"IIIIIIIIII");
        click(&test, "Command1");
    });
    const QString unchanged = u"Frame2 Frame3 Option5 Option6 Label5"_s; // as Step 2 left them
    EXPECT_TRUE(values.testResult.isEmpty());
    EXPECT_EQ(selection(), u"Option1 Option8");
    EXPECT_EQ(showing(), unchanged);

    // Pressing the selected option runs the test again, from question 1 with nothing counted.
    runTest([&](QDialog &test) {
        EXPECT_EQ(line(test), FirstLine);
        answerLetters(test, Dunno);
        EXPECT_FALSE(test.isVisible()); // it closed itself after the message
        EXPECT_TRUE(line(test).startsWith(
            u"24 of 24")); // never a number above 24, behind the message either
    });
    const FakePlatform::Box message{u"Only 'Don't Know' answers were selected."_s, 48, u"Velkin"_s};
    EXPECT_EQ(platform.boxes, FakePlatform::Boxes{message});
    EXPECT_TRUE(values.testResult.isEmpty());
    EXPECT_EQ(selection(), u"Option1 Option8");
    EXPECT_EQ(showing(), unchanged);
}

TEST_F(SelfTestWindow, ABarShowsTheTraitsOfItsType)
{
    runTest([&](QDialog &test) {
        answerLetters(test, u"DDDDDDDDDDDDIIIIIIIIIIII");
        click(&test, "Frame1_3");
        EXPECT_EQ(values.currentType, u"D");
        const auto *traits = find<QLabel>(&test, "Label2");
        EXPECT_TRUE(traits->isVisible() && find(&test, "Command4")->isVisible());
        EXPECT_FALSE(find(&test, "Frame1_0")->isVisible());
        EXPECT_EQ(traits->text(),
                  shownAs(ComposeTraitList(values.traitTable, u"D"_s, TraitLayout::TestWindow)));

        for (const char *bar : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            click(&test, "Command4");
            click(&test, bar);
            EXPECT_LE(textHeight(traits), find(&test, "Command4")->y()) << bar; // above Clear
        }
        click(&test, "Command4");
        EXPECT_FALSE(traits->isVisible());
        EXPECT_TRUE(find(&test, "Frame1_0")->isVisible());
        click(&test, "Command1");
    });
    EXPECT_EQ(values.testResult, u"I"); // a tie at 12 goes to In Charge
}

} // namespace
