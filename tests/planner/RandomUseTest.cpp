#include "PlannerWindow.h"

#include "Accessibility.h"
#include "AnswerRule.h"
#include "RandomUser.h"

namespace {

// Hundreds of random clicks, keys, pastes, undos and mouse moves, every box
// answered at random; after each step the window must still keep its rules,
// and the answer box hold what it shows.
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
        onModal([this](QDialog &about) {
            for (int i = user.below(4); i > 0 && about.isVisible(); --i)
                user.clickButton(&about);
        });
        PlannerWindow::SetUp();
    }

    void check()
    {
        const planner::PlannerState &s = state();
        ASSERT_LE(s.currentScreen, std::max<int16_t>(s.screenEnd, 0));
        EXPECT_LE(s.workName.size(), 40);
        EXPECT_EQ(planner::admitted(planner::NameAnswer, s.workName, 40), s.workName);
        if (s.currentScreen == 0) {
            EXPECT_EQ(showing(), u"Frame2 Frame3 Picture2");
            return;
        }
        const bool sheet = title() == s.toolName + u" Summary";
        sheets += int(sheet);
        EXPECT_EQ(shown(u"Command3"_s), sheet);
        EXPECT_EQ(step(Step::Forward)->isEnabled(), !sheet);
        if (!box()->isVisible())
            return;
        // What the box holds is what it shows and what a screen reader reads.
        const QString held = window->answerText();
        EXPECT_EQ(accessibleText(box()).replace(u"\n"_s, u"\r\n"_s), held);
        if (box()->height() < 30) { // the name box
            EXPECT_EQ(planner::admitted(planner::NameAnswer, held, 40), held);
        }
        if (!box()->document()->isUndoAvailable())
            opening = held;
    }

    // Undo all the way back to how the screen opened the box, then redo all of it.
    void undoAndRedo()
    {
        if (!box()->isVisible())
            return;
        user.did(u"undo all, redo all"_s);
        const QString before = window->answerText();
        while (box()->document()->isUndoAvailable())
            QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(window->answerText(), opening) << user.where();
        while (box()->document()->isRedoAvailable())
            QTest::keyClick(box(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(window->answerText(), before) << user.where();
    }

    RandomUser user{600};
    QString opening; // the box's text as the screen opened it
    int sheets = 0; // steps that ended on a work sheet
};

TEST_F(RandomUse, ThePlannerKeepsItsRulesWhateverTheUserDoes)
{
    const auto inBox = [this](const std::function<void()> &act) {
        return [this, act] {
            if (box()->isVisible())
                act();
        };
    };
    user.run(
        {
            {45, [this] { // Forward the likelier, so that planners get walked to their end
                 user.clickButton(window.get(), [this](QAbstractButton *b) {
                     return b == step(Step::Forward) ? 12 : b == step(Step::Finished) ? 1 : 2;
                 });
             }},
            {20, [this] { user.pressKey(RandomUser::keyTarget(window.get())); }},
            {10, inBox([this] { user.type(box(), user.text()); })},
            {6, inBox([this] { user.paste(box()); })},
            {6, inBox([this] { user.placeCaret(box()); })},
            {3, [this] { undoAndRedo(); }},
            {6, [this] { user.moveOver(user.chance(0.7) ? tool(int16_t(user.below(5))) : find(u"Frame2"_s)); }},
            {1, [this] { user.did(u"close the window"_s); window->close(); }},
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
