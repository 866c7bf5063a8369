#pragma once

#include "FakePlatform.h"
#include "frmPresenting.h"

#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The planner window on the offscreen screen, driven by clicks and keys.
class PlannerWindow : public ::testing::Test
{
protected:
    enum Tool { Presentation = 0, Meeting = 1, Strategy = 2, TypeFinder = 3, PhoneCall = 4 };
    enum Step { Finished = 0, Back = 1, Forward = 2, Print = 3, AboutBox = 4 };

    void SetUp() override
    {
        window = std::make_unique<planner::frmPresenting>(platform);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template<typename T = QWidget> T *find(const QString &name) const
    {
        T *child = window->findChild<T *>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }

    QPushButton *step(Step index) const
    {
        return find<QPushButton>(u"Command1_" + QString::number(index));
    }
    QPushButton *tool(Tool index) const
    {
        return find<QPushButton>(u"Command4_" + QString::number(index));
    }
    QPlainTextEdit *box() const { return find<QPlainTextEdit>(QStringLiteral("Text1")); }
    QString title() const { return find<QLabel>(QStringLiteral("Label1"))->text(); }
    QString guidance() const { return find<QLabel>(QStringLiteral("Label2"))->text(); }
    bool shown(const QString &name) const { return find(name)->isVisible(); }
    const planner::PlannerState &state() const { return window->state(); }

    void click(QPushButton *button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void press(Step index) const { click(step(index)); }
    void start(Tool index) const { click(tool(index)); }
    // Types the text into the answer box, a line break as the Return key, and
    // what a keyboard cannot type as an input method would.
    void type(const QString &text) const
    {
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box(), Qt::Key_Return);
            if (std::all_of(lines[i].begin(), lines[i].end(),
                            [](QChar c) { return c.unicode() < 128; })) {
                QTest::keyClicks(box(), lines[i]);
            } else {
                QInputMethodEvent input;
                input.setCommitString(lines[i]);
                QApplication::sendEvent(box(), &input);
            }
        }
    }

    // Forward from each screen in turn, typing `answer(screen)` where there is a box.
    void walkToSheet(const std::function<QString(int)> &answer) const
    {
        while (step(Forward)->isEnabled()) {
            if (box()->isVisible())
                type(answer(state().currentScreen));
            press(Forward);
        }
    }

    FakePlatform platform;
    std::unique_ptr<planner::frmPresenting> window;
};
