#include "PlannerWindow.h"

namespace {

class Navigation : public PlannerWindow
{
protected:
    static QString answerFor(int screen) { return u"Answer " + QString::number(screen); }

    QString boxText() const { return box()->toPlainText(); }
};

TEST_F(Navigation, ForwardAndBackKeepEveryAnswer)
{
    start(Meeting);
    EXPECT_TRUE(shown(QStringLiteral("Picture1")));
    press(Forward);
    EXPECT_FALSE(shown(QStringLiteral("Picture1")));
    EXPECT_TRUE(box()->hasFocus());
    EXPECT_FALSE(step(Back)->isEnabled()); // screen 2 is as far back as Back goes

    for (int screen = 2; screen <= 11; ++screen) {
        ASSERT_EQ(state().currentScreen, screen);
        EXPECT_TRUE(boxText().isEmpty());
        type(answerFor(screen));
        press(Forward);
    }
    EXPECT_EQ(title(), u"The Meeting Planner is finished");
    EXPECT_FALSE(box()->isVisible());
    EXPECT_EQ(state().workName, u"Answer 2");

    for (int screen = 11; screen >= 2; --screen) {
        press(Back);
        ASSERT_EQ(state().currentScreen, screen);
        EXPECT_EQ(boxText(), answerFor(screen));
        EXPECT_EQ(step(Back)->isEnabled(), screen >= 3);
    }
    press(Back); // nothing before screen 2
    EXPECT_EQ(state().currentScreen, 2);

    QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
    type(QStringLiteral(" changed"));
    for (int screen = 3; screen <= 11; ++screen) {
        press(Forward);
        EXPECT_EQ(boxText(), answerFor(screen));
    }
    EXPECT_EQ(state().workName, u"Answer 2 changed");
}

TEST_F(Navigation, TheNamingScreenMustNotBeLeftEmpty)
{
    start(Strategy);
    press(Forward);
    ASSERT_EQ(title(), u"Task - Name.");
    EXPECT_EQ(box()->height(), 20); // the one-line name box, 300 twips
    step(Forward)->setFocus();
    press(Forward);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, u"You must enter a Task - Name.");
    EXPECT_EQ(platform.boxes[0].flags, 0);
    EXPECT_EQ(platform.boxes[0].title, u"Orvanta");
    EXPECT_EQ(state().currentScreen, 2);
    EXPECT_TRUE(box()->hasFocus());

    type(QStringLiteral("Win the Hanson account"));
    press(Forward);
    EXPECT_EQ(state().currentScreen, 3);
    EXPECT_EQ(state().workName, u"Win the Hanson account");
    EXPECT_EQ(platform.boxes.size(), 1u);

    // Other screens may be left empty.
    press(Forward);
    EXPECT_EQ(state().currentScreen, 4);
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_F(Navigation, TheWorkSheetFollowsTheClosingScreen)
{
    start(PhoneCall);
    walkToSheet([](int screen) -> QString { return u"Call " + QString::number(screen); });

    EXPECT_EQ(state().currentScreen, 10);
    EXPECT_EQ(title(), u"The Phone Call Planner Summary");
    EXPECT_FALSE(shown(QStringLiteral("Frame2")));
    EXPECT_TRUE(box()->isVisible());
    EXPECT_EQ(box()->geometry().top(), 48); // 720 twips
    EXPECT_EQ(box()->geometry().height(), 320); // 4800 twips
    EXPECT_TRUE(box()->hasFocus());
    EXPECT_TRUE(step(Print)->isVisible());
    EXPECT_TRUE(shown(QStringLiteral("Command3")));
    EXPECT_FALSE(step(Forward)->isEnabled());
    EXPECT_TRUE(step(Back)->isEnabled());
    EXPECT_TRUE(boxText().startsWith(u"\nPHONE CALL - DESCRIPTION.\n\nCall 2\n\n"));

    // Back passes over the closing screen.
    press(Back);
    EXPECT_EQ(state().currentScreen, 9);
    EXPECT_EQ(title(), u" Phone Tips.");
    EXPECT_FALSE(step(Print)->isVisible());
    EXPECT_FALSE(shown(QStringLiteral("Command3")));
    EXPECT_EQ(box()->geometry().top(), 232); // back under the guidance
}

TEST_F(Navigation, FinishedAsksBeforeLeavingAPlanner)
{
    start(Presentation);
    press(Forward);
    press(Forward);
    type(QStringLiteral("Launch"));

    platform.answers = {platform::No};
    press(Finished);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text,
              u"Are you sure that you wish to exit The Presentation Planner?");
    EXPECT_EQ(platform.boxes[0].flags, 36);
    EXPECT_EQ(platform.boxes[0].title, u"Orvanta");
    EXPECT_EQ(state().currentScreen, 3);
    EXPECT_EQ(title(), u"Presentation - Title.");
    EXPECT_EQ(boxText(), u"Launch");

    platform.answers = {platform::Yes};
    press(Finished);
    EXPECT_EQ(state().currentScreen, 0);
    EXPECT_TRUE(shown(QStringLiteral("Frame3")));
    EXPECT_EQ(state().workName, u"Launch");
    EXPECT_EQ(platform.programEnds, 0);
}

TEST_F(Navigation, AStepButtonOnTheFirstScreensEnablesBackHarmlessly)
{
    start(Meeting);
    platform.answers = {platform::No};
    press(Finished);
    EXPECT_TRUE(step(Back)->isEnabled());
    press(Back);
    EXPECT_EQ(state().currentScreen, 1);
    EXPECT_FALSE(shown(QStringLiteral("Picture1")));

    // On the menu the About button leaves Back as the menu wants it.
    platform.answers = {platform::Yes};
    press(Finished);
    press(AboutBox);
    EXPECT_FALSE(step(Back)->isEnabled());
}

} // namespace
