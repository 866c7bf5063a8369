#include "PlannerWindow.h"

namespace {

const QColor Black(0, 0, 0);
const QColor Red(0xFF, 0, 0);

class MainWindow : public PlannerWindow
{
protected:
    QColor descriptionColour(Tool index) const
    {
        return find<QLabel>(u"Label3_" + QString::number(index))
            ->palette()
            .color(QPalette::WindowText);
    }

    void moveOver(QWidget *widget) const { QTest::mouseMove(widget, widget->rect().center()); }

    void expectMainMenu() const
    {
        EXPECT_EQ(state().currentScreen, 0);
        EXPECT_EQ(window->windowTitle(), u"Orvanta  -  Quillan");
        EXPECT_EQ(title(), u"Orvanta - A Toolkit for Sales Professionals");
        EXPECT_EQ(find<QGroupBox>(QStringLiteral("Frame2"))->title(), u" Select a tool to use ");
        EXPECT_TRUE(guidance().isEmpty());
        EXPECT_TRUE(shown(QStringLiteral("Frame3")));
        EXPECT_TRUE(shown(QStringLiteral("Picture2")));
        EXPECT_FALSE(shown(QStringLiteral("Picture1")));
        EXPECT_FALSE(step(Back)->isEnabled());
        EXPECT_FALSE(step(Forward)->isEnabled());
        EXPECT_FALSE(step(Print)->isVisible());
        EXPECT_FALSE(shown(QStringLiteral("Command3")));
        EXPECT_FALSE(shown(QStringLiteral("Command2")));
        EXPECT_FALSE(box()->isVisible());
        EXPECT_TRUE(step(Finished)->isEnabled());
        EXPECT_TRUE(step(AboutBox)->isEnabled());
    }
};

TEST_F(MainWindow, OpensOnTheToolMenu)
{
    expectMainMenu();
    EXPECT_EQ(window->size(), QSize(601, 442)); // 9015 x 6630 twips
    EXPECT_EQ(tool(TypeFinder)->text(), u"Velkin");
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label3_4"))->text(),
              u"-  to help  make your important calls more effective.");
    EXPECT_EQ(step(Back)->text(), u"<---  &Back");
    EXPECT_EQ(step(Forward)->toolTip(), u" Click to move forward to the next screen ");
    EXPECT_LT(tool(TypeFinder)->y(), tool(Presentation)->y()); // the type finder comes first
}

TEST_F(MainWindow, EveryControlIsNamedAndTheButtonsTakeTheKeyboard)
{
    for (const char16_t *uncaptioned : {u"Frame1", u"Frame3", u"Text1", u"Picture1", u"Picture2"})
        EXPECT_FALSE(find(QString::fromUtf16(uncaptioned))->accessibleName().isEmpty());
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        EXPECT_FALSE(b->text().isEmpty()) << b->objectName().toStdString();
        EXPECT_EQ(b->focusPolicy(), Qt::StrongFocus) << b->objectName().toStdString();
    }

    // Access keys: Alt+I is Finished, which asks while a planner runs; Alt+F is Forward.
    // A button pressed by its key shows itself pressed for a moment before it acts.
    start(Meeting);
    platform.answers = {platform::No};
    QTest::keyClick(window->windowHandle(), Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !platform.boxes.empty(); }));
    QTest::keyClick(window->windowHandle(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return state().currentScreen == 2; }));
}

TEST_F(MainWindow, TheDescriptionUnderTheMouseTurnsRed)
{
    moveOver(tool(Meeting));
    EXPECT_EQ(descriptionColour(Meeting), Red);
    for (Tool other : {Presentation, Strategy, TypeFinder, PhoneCall})
        EXPECT_EQ(descriptionColour(other), Black);

    moveOver(tool(Strategy));
    EXPECT_EQ(descriptionColour(Meeting), Black);
    EXPECT_EQ(descriptionColour(Strategy), Red);

    // The frame's edge above the tool menu.
    QTest::mouseMove(find(QStringLiteral("Frame2")), QPoint(10, 8));
    for (Tool any : {Presentation, Meeting, Strategy, TypeFinder, PhoneCall})
        EXPECT_EQ(descriptionColour(any), Black);
}

TEST_F(MainWindow, ThePlannerButtonsStartTheirPlanners)
{
    const struct
    {
        Tool tool;
        const char16_t *caption;
        const char16_t *firstTitle;
        int16_t screenEnd;
    } planners[] = {
        {Presentation, u"Presenting - the Presentation Planner", u" The Presentation Planner", 19},
        {Meeting, u"Meetings - the Meeting Planner", u" The Meeting Planner", 13},
        {Strategy, u"Strategies - the Strategy Planner", u" The Strategy Planner", 12},
        {PhoneCall, u"Calls - the Phone Call Planner", u" The Phone Call Planner", 11},
    };
    for (const auto &p : planners) {
        start(p.tool);
        EXPECT_EQ(window->windowTitle(), QStringView(p.caption));
        EXPECT_EQ(title(), QStringView(p.firstTitle));
        EXPECT_EQ(state().screenEnd, p.screenEnd);
        EXPECT_EQ(find<QGroupBox>(QStringLiteral("Frame2"))->title(), u" Notes ");
        for (const char16_t *shownNow : {u"Picture1", u"Command2"})
            EXPECT_TRUE(shown(QString::fromUtf16(shownNow)));
        for (const char16_t *hiddenNow : {u"Frame3", u"Picture2", u"Text1"})
            EXPECT_FALSE(shown(QString::fromUtf16(hiddenNow)));
        EXPECT_FALSE(step(Back)->isEnabled());
        EXPECT_TRUE(step(Forward)->isEnabled());
        platform.answers = {platform::Yes};
        press(Finished);
        expectMainMenu();
    }
}

TEST_F(MainWindow, TheTypeFinderEntryStartsItAndLeavesTheMenuAlone)
{
    platform.startResult = platform::StartResult::FileNotFound;
    start(TypeFinder);
    EXPECT_EQ(platform.started, QStringList{QStringLiteral("/opt/orvanta/velkin")});
    EXPECT_TRUE(platform.boxes.empty()); // not reported from the menu
    expectMainMenu();
}

TEST_F(MainWindow, TheTypeFinderButtonReportsAMissingProgram)
{
    start(Meeting);
    platform.startResult = platform::StartResult::FileNotFound;
    click(find<QPushButton>(QStringLiteral("Command2")));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text,
              u"Cannot find the Velkin.exe in the /opt/orvanta directory. ");
    EXPECT_EQ(platform.boxes[0].flags, 0);
    EXPECT_EQ(platform.boxes[0].title, u"Orvanta");

    platform.startResult = platform::StartResult::Failed; // other failures pass silently
    click(find<QPushButton>(QStringLiteral("Command2")));
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.started.size(), 2);
    EXPECT_EQ(state().currentScreen, 1);
}

TEST_F(MainWindow, ClosingEndsTheProgramWithoutAQuestion)
{
    start(Strategy);
    press(Forward);
    window->close();
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(MainWindow, FinishedOnTheMenuEndsTheProgram)
{
    press(Finished);
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
