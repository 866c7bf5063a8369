#include "QuickSelection.h"
#include "Description.h"
#include "StepCaptions.h"
#include "TraitList.h"
#include "VelkinView.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>

using namespace typefinder;
using enum PersonalityType;
using enum Audience;

namespace {

// The main window as the quick selection sees it: what each control was last told.
class RecordingView final : public VelkinView
{
public:
    void setCaption(Control c, const QString &caption) override { captions[c] = caption; }
    void setControlVisible(Control c, bool shown) override { visible[c] = shown; }
    void setSelected(Control c, bool on) override // one answer at most in each step
    {
        for (const auto &step : {std::vector{Control::Option3, Control::Option4, Control::Option8},
                                 {Control::Option5, Control::Option6}}) {
            for (const Control other : step)
                selected[other] =
                    selected[other] && !(on && std::count(step.begin(), step.end(), c));
        }
        selected[c] = on;
    }
    void focusControl(Control c) override { focus = c; }
    void setPanel(const QString &text, const QString &name) override
    {
        panel = text;
        panelName = name;
    }
    std::optional<PersonalityType> runDetailedTest(bool self) override
    {
        tests.push_back(self);
        return testResult;
    }

    // The controls that come and go that are shown, and the answers selected, by name.
    QString state() const
    {
        static const std::pair<Control, const char *> names[] = {
            {Control::Frame2, "Frame2"}, {Control::Option3, "3"},
            {Control::Option4, "4"},     {Control::Option8, "8"},
            {Control::Frame3, "Frame3"}, {Control::Option5, "5"},
            {Control::Option6, "6"},     {Control::Label4, "Label4"},
            {Control::Label5, "Label5"}, {Control::Command2, "Command2"}};
        QStringList shown, chosen;
        for (const auto &[c, name] : names) {
            if (visible.contains(c) && visible.at(c))
                shown.append(QString::fromLatin1(name));
            if (selected.contains(c) && selected.at(c))
                chosen.append(QString::fromLatin1(name));
        }
        return shown.join(u' ') + u" | " + chosen.join(u' ');
    }

    std::map<Control, QString> captions;
    std::map<Control, bool> visible;
    std::map<Control, bool> selected;
    Control focus = Control::Label5;
    QString panel, panelName;
    std::vector<bool> tests; // whether each test was of the user themselves
    std::optional<PersonalityType> testResult;
};

class QuickSelectionRules : public ::testing::Test
{
protected:
    void SetUp() override { selection.Form_Load(); }
    // A user's choice selects its answer, then runs what choosing it runs.
    void choose(Control option, const std::function<void()> &action)
    {
        view.setSelected(option, true);
        action();
    }

    RecordingView view;
    QuickSelection selection{view};
};

// A check starts with a customer. Choosing who is checked starts afresh: no answers, no panel,
// Step 3 hidden, and Steps 2 and 3 in that audience's wording, "you" for the user only.
TEST_F(QuickSelectionRules, ChoosingWhoStartsAfreshInTheirWording)
{
    EXPECT_EQ(view.captions[Control::Frame2], u"Step 2 - Which best describes the customer");
    selection.chooseSpeed(true);
    choose(Control::Option5, [&] { selection.ShowDescription(true); });
    selection.chooseAudience(Self);
    EXPECT_EQ(view.state(), u"Frame2 Frame3 Label5 | ");
    EXPECT_EQ(view.panel, u"");
    for (const Audience audience : {Customer, Associate, Self}) {
        selection.chooseAudience(audience);
        for (const Control c : {Control::Frame2, Control::Option3, Control::Option4,
                                Control::Option8, Control::Frame3})
            EXPECT_EQ(view.captions[c].contains(u"you"), audience == Self)
                << view.captions[c].toStdString();
    }
    EXPECT_EQ(view.captions[Control::Option8],
              u"You would like to do a detailed test on yourself.");
    EXPECT_NE(audienceCaptions(Customer).fast, audienceCaptions(Associate).fast);
}

// The Step 2 answer offers Step 3's two questions about a quick or a steady person, asked of
// the user when checking themselves; customers and associates share them.
TEST_F(QuickSelectionRules, Step2OffersStep3sQuestionsAboutThatPace)
{
    selection.chooseAudience(Associate);
    choose(Control::Option3, [&] { selection.chooseSpeed(true); });
    EXPECT_EQ(view.state(), u"Frame2 Frame3 5 6 Label5 | 3");
    EXPECT_EQ(view.captions[Control::Option6],
              u"Are they open, friendly, animated and enhusiastic?");
    selection.chooseAudience(Self);
    selection.chooseSpeed(false);
    EXPECT_EQ(
        view.captions[Control::Option5],
        u"Are you warm, relaxed and friendly? Do you like stability and get along with others?");
    EXPECT_EQ(step3Captions(false, Customer).first, step3Captions(false, Associate).first);
}

// Step 3 shows the description of the type its answers point to, for the audience, in the
// panel instead of the steps; Traits lists that type's traits; Clear goes back to the steps
// with every answer kept, to the answer given.
TEST_F(QuickSelectionRules, Step3ShowsTheTypesDescriptionAndTraits)
{
    const std::tuple<bool, bool, PersonalityType> paths[] = {{true, true, InCharge},
                                                             {true, false, Enthusiastic},
                                                             {false, true, Friendly},
                                                             {false, false, Details}};
    for (const auto &[fast, first, type] : paths) {
        selection.chooseAudience(Associate);
        choose(fast ? Control::Option3 : Control::Option4,
               [&, f = fast] { selection.chooseSpeed(f); });
        choose(first ? Control::Option5 : Control::Option6,
               [&, f = first] { selection.ShowDescription(f); });
        EXPECT_EQ(selection.currentType(), typeLetter(type));
        EXPECT_EQ(view.panel, ComposeDescription(type, Associate));
        EXPECT_EQ(view.state().section(u" | "_s, 0, 0),
                  u"5 6 Label4 Command2"); // Step 3 within its hidden frame
    }
    EXPECT_EQ(view.panelName, u"Details type, a Work Associate");
    selection.Command4_Click();
    EXPECT_EQ(view.panel + view.panelName,
              ComposeTraitList(u"D"_s, TraitLayout::MainWindow) + u"Details type traits");
    selection.Command2_Click();
    EXPECT_EQ(view.state(), u"Frame2 Frame3 5 6 Label5 | 4 6");
    EXPECT_EQ(view.focus, Control::Option6);
    choose(Control::Option3, [&] { selection.chooseSpeed(true); }); // Step 3 asked anew
    EXPECT_EQ(view.state(), u"Frame2 Frame3 5 6 Label5 | 3");
}

// Step 3's answer means the type its question describes, even after a test that gave no result.
TEST_F(QuickSelectionRules, Step3sAnswerIsTheTypeItsQuestionDescribes)
{
    choose(Control::Option3, [&] { selection.chooseSpeed(true); });
    choose(Control::Option8, [&] { selection.runDetailedTest(); });
    choose(Control::Option5, [&] { selection.ShowDescription(true); });
    EXPECT_EQ(selection.currentType(), u"I");
}

// The detailed test asks about the user only when checking themselves. Without a result
// nothing changes; a result is put in as the Steps 2 and 3 answers that point to it.
TEST_F(QuickSelectionRules, TheTestsResultIsPutInAsSteps2And3)
{
    selection.chooseAudience(Self);
    choose(Control::Option8, [&] { selection.runDetailedTest(); });
    EXPECT_EQ(view.state(), u"Frame2 Frame3 Label5 | 8");
    for (const PersonalityType type : allTypes) {
        view.testResult = type;
        choose(Control::Option8, [&] { selection.runDetailedTest(); });
        EXPECT_EQ(view.panel, ComposeDescription(type, Self));
        const bool fast = type == InCharge || type == Enthusiastic;
        const bool first = type == InCharge || type == Friendly;
        EXPECT_EQ(view.state().section(u" | "_s, 1),
                  QStringList({fast ? u"3"_s : u"4"_s, first ? u"5"_s : u"6"_s}).join(u' '));
    }
    EXPECT_EQ(view.tests, std::vector<bool>(5, true));
}

} // namespace
