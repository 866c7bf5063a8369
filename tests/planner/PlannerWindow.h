#pragma once

#include "AnswerBox.h"
#include "Navigation.h"
#include "WindowTest.h"
#include "frmPresenting.h"

#include <QLabel>
#include <QPushButton>

#include <map>

class PlannerWindow : public WindowTest<planner::frmPresenting>
{
protected:
    using Step = planner::Navigation::Step;
    using Tool = planner::PlannerTool;

    QPushButton *step(Step index) const { return find<QPushButton>(u"Command1_%1"_s.arg(index)); }
    QPushButton *tool(int16_t i) const { return find<QPushButton>(u"Command4_%1"_s.arg(i)); }
    // The answer box, once a screen has needed it.
    planner::AnswerBox *box() const { return window->findChild<planner::AnswerBox *>(u"Text1"_s); }
    QString title() const { return find<QLabel>("Label1")->text(); }
    const planner::PlannerState &state() const { return window->state(); }
    // Which of the controls that come and go are shown now.
    QString showing() const
    {
        return shown({"Frame2", "Frame3", "Picture1", "Picture2", "Text1", "Command2", "Command3",
                      "Command1_3"});
    }
    void press(Step index) const { QTest::mouseClick(step(index), Qt::LeftButton); }
    void start(Tool index) const { QTest::mouseClick(tool(int16_t(index)), Qt::LeftButton); }
    void type(const QString &text) const { QTest::keyClicks(box(), text); }
    // Forward from each screen in turn, typing `answers[screen]` where there is a box and
    // checking that the screen's title and guidance fit their labels.
    void walkToSheet(const std::map<int, QString> &answers = {}) const
    {
        while (step(Step::Forward)->isEnabled()) {
            for (const char *name : {"Label1", "Label2"}) {
                const auto *label = find<QLabel>(name);
                const QRect room = label->contentsRect();
                EXPECT_TRUE(room.contains(
                    label->fontMetrics().boundingRect(room, Qt::TextWordWrap, label->text())))
                    << state().toolName.toStdString() << ", screen " << state().currentScreen;
            }
            const int16_t screen = state().currentScreen;
            if (box() && box()->isVisible() && answers.contains(screen))
                type(answers.at(screen));
            press(Step::Forward);
            ASSERT_TRUE(!step(Step::Forward)->isEnabled() || state().currentScreen != screen)
                << "Forward refused on screen " << screen;
        }
    }
};
