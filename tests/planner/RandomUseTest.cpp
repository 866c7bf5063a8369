#include "PlannerWindow.h"

#include "Accessibility.h"
#include "AnswerRule.h"
#include "RandomUser.h"

namespace {

// Hundreds of random clicks, keys, pastes, undos and mouse moves, every box
// answered at random; after each step the window must keep its rules, and the
// answer box hold what it shows.
class RandomUse : public PlannerWindow
{
protected:
    void SetUp() override
    {
        platform.answerAtRandom = [this] {
            // Leaving a planner is the likelier No, so that planners get walked to their end.
            const bool leaving =
                platform.boxes.back().text.startsWith(u"Are you sure that you wish to exit");
            return user.chance(leaving ? 0.2 : 0.5) ? platform::Yes : platform::No;
        };
        onModal([this](QDialog &about) { user.clickButton(&about); });
        PlannerWindow::SetUp();
    }

    void check()
    {
        const planner::PlannerState &s = state();
        ASSERT_LE(s.currentScreen, std::max<int16_t>(s.screenEnd, 0));
        EXPECT_EQ(planner::admitted(planner::NameAnswer, s.workName, 40), s.workName);
        if (s.currentScreen == 0) {
            EXPECT_EQ(showing(), u"Frame2 Frame3 Picture2");
            return;
        }
        const bool sheet = title() == s.toolName + u" Summary";
        sheets += int(sheet);
        EXPECT_EQ(find("Command3")->isVisible(), sheet);
        EXPECT_EQ(step(Step::Forward)->isEnabled(), !sheet);
        if (!box()->isVisible())
            return;
        // What the box holds is what a screen reader reads, and the name box keeps its rule.
        const QString held = window->answerText();
        EXPECT_EQ(accessibleText(box()).replace(u"\n"_s, u"\r\n"_s), held);
        EXPECT_TRUE(box()->height() > 20
                    || planner::admitted(planner::NameAnswer, held, 40) == held);
        if (!box()->document()->isUndoAvailable())
            opening = held;
    }

    // Undo all the way back to how the screen opened the box, then redo all of it.
    void undoAndRedo()
    {
        user.did(u"undo all, redo all"_s);
        const QString before = window->answerText();
        while (box()->document()->isUndoAvailable())
            QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(window->answerText(), opening);
        while (box()->document()->isRedoAvailable())
            QTest::keyClick(box(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(window->answerText(), before);
    }

    RandomUser user{600};
    QString opening; // the box's text as the screen opened it
    int sheets = 0; // steps that ended on a work sheet
};

TEST_F(RandomUse, ThePlannerKeepsItsRulesWhateverTheUserDoes)
{
    const auto inBox = [this](const std::function<void()> &act) -> std::function<void()> {
        return [this, act] {
            if (box()->isVisible())
                act();
        };
    };
    user.run(
        {
            {45,
             [this] { // Forward the likelier, so that planners get walked to their end
                 user.clickButton(window.get(), [this](QAbstractButton *b) {
                     return b == step(Step::Forward) ? 12 : b == step(Step::Finished) ? 1 : 2;
                 });
             }},
            {20,
             [this] {
                 user.pressKey(window.get());
             }},
            {10, inBox([this] { user.type(box(), user.text()); })},
            {6, inBox([this] { user.paste(box()); })},
            {6, inBox([this] { user.placeCaret(box()); })},
            {3, inBox([this] { undoAndRedo(); })},
            {6,
             [this] {
                 user.moveOver(user.chance(0.7) ? tool(int16_t(user.below(5))) : find("Frame2"));
             }},
            {1,
             [this] {
                 window->close();
             }},
        },
        [this] { check(); }, [this] { return !window->isVisible(); },
        [this] {
            window.reset();
            PlannerWindow::SetUp();
        });
    std::cout << "RANDOM_SEED=" << user.seed << ": " << sheets << " steps on a work sheet, "
              << platform.files.size() << " sheets saved, " << platform.jobs << " print jobs"
              << std::endl;
}

} // namespace
