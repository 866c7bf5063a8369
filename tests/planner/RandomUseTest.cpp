#include "PlannerWindow.h"

#include "Accessibility.h"
#include "AnswerRule.h"
#include "RandomUser.h"

namespace {

// Hundreds of random clicks, keys, pastes, undos and mouse moves (leaving a planner
// the likelier No, so that planners get walked to their end); after each step the
// window keeps its rules, and the box reads as it holds and undoes to how it opened.
TEST_F(PlannerWindow, RandomUseKeepsTheRules)
{
    RandomUser user(600);
    QString opening; // the box's text as the screen opened it
    platform.answerAtRandom = [&] {
        const bool leaving =
            platform.boxes.back().text.startsWith(u"Are you sure that you wish to exit");
        return user.chance(leaving ? 0.2 : 0.5) ? platform::Answer::Yes : platform::Answer::No;
    };
    onModal([&](QDialog &about) { user.clickButton(&about); });
    // The steps that work the answer box are taken only while it shows.
    enum Where { Anywhere, InBox };
    const auto at = [&](Where where, const std::function<void()> &act) -> std::function<void()> {
        return [&, where, act] {
            if (where == Anywhere || (box() && box()->isVisible()))
                act();
        };
    };
    const auto undoAndRedo = [&] { // all the way back to how the screen opened the box, and forth
        user.did(u"undo all, redo as much"_s);
        const QString before = window->answerText();
        int steps = 0;
        for (; box()->isUndoAvailable(); ++steps)
            QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(window->answerText(), opening);
        while (steps-- > 0)
            QTest::keyClick(box(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(window->answerText(), before);
    };
    const auto check = [&] {
        const planner::PlannerState &s = state();
        ASSERT_LE(s.currentScreen, std::max<int16_t>(s.screenEnd, 0));
        EXPECT_EQ(planner::admitted(planner::NameAnswer, s.workName, 40), s.workName);
        const bool sheet = s.currentScreen > 0 && title() == s.toolName + u" Summary";
        EXPECT_TRUE(s.currentScreen > 0 || showing() == u"Frame2 Frame3 Picture2")
            << showing().toStdString();
        EXPECT_EQ(showing().contains(u"Command3"), sheet);
        if (!box() || !box()->isVisible())
            return;
        const QString held = window->answerText();
        EXPECT_EQ(accessibleText(box()).replace(u"\n"_s, u"\r\n"_s), held);
        EXPECT_TRUE(box()->height() > 20
                    || planner::admitted(planner::NameAnswer, held, 40) == held);
        opening = box()->isUndoAvailable() ? opening : held;
    };
    const auto weight = [&](QAbstractButton *b) { // Forward the likeliest, Finished the least
        return b == step(Step::Forward) ? 12 : b == step(Step::Finished) ? 1 : 2;
    };
    const auto hover = [&] { // a tool, or the frame's edge above the menu
        user.moveOver(user.chance(0.7) ? tool(int16_t(user.below(5))) : find("Frame2"));
    };
    user.run(
        {{45, at(Anywhere, [&] { user.clickButton(window.get(), weight); })},
         {20, at(Anywhere, [&] { user.pressKey(window.get()); })},
         {10, at(InBox, [&] { user.type(box(), user.text()); })},
         {6, at(InBox, [&] { user.paste(box()); })},
         {6, at(InBox, [&] { user.placeCaret(box()); })},
         {3, at(InBox, undoAndRedo)},
         {6, at(Anywhere, hover)},
         {1, at(Anywhere, [&] { window->close(); })}},
        check, [&] { return !window->isVisible(); }, [&] { open(); });
    std::cout << platform.files.size() << " sheets saved, " << platform.jobs << " print jobs"
              << std::endl;
}

} // namespace
