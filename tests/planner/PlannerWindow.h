#pragma once

#include "RealPrinting.h"
#include "Navigation.h"
#include "frmPresenting.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

// The planner window on the offscreen screen, driven by clicks and keys.
class PlannerWindow : public ::testing::Test
{
protected:
    using Step = planner::Navigation::Step;
    using Tool = planner::PlannerTool;
    using Boxes = FakePlatform::Boxes;

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

    QPushButton *step(Step index) const { return find<QPushButton>(u"Command1_%1"_s.arg(index)); }
    QPushButton *tool(int16_t index) const { return find<QPushButton>(u"Command4_%1"_s.arg(index)); }
    QPlainTextEdit *box() const { return find<QPlainTextEdit>(u"Text1"_s); }
    QString text() const { return box()->toPlainText(); }
    QString title() const { return find<QLabel>(u"Label1"_s)->text(); }
    bool shown(const QString &name) const { return find(name)->isVisible(); }
    const planner::PlannerState &state() const { return window->state(); }
    // Which of the controls that come and go are shown now.
    QString showing() const
    {
        return namesWhere({"Frame2", "Frame3", "Picture1", "Picture2", "Text1", "Command2",
                           "Command3", "Command1_3"},
                          [this](const char *name) { return shown(QString::fromLatin1(name)); });
    }

    void click(QWidget *widget) const { QTest::mouseClick(widget, Qt::LeftButton); }
    void press(Step index) const { click(step(index)); }
    void start(Tool index) const { click(tool(int16_t(index))); }
    // Shows each modal window the program opens, lets `drive` work it, then closes it.
    void onModal(const std::function<void(QDialog &)> &drive)
    {
        platform.onModal = [drive](QDialog &dialog) {
            dialog.show();
            drive(dialog);
            dialog.close();
        };
    }
    void commit(const QString &text) const
    {
        QInputMethodEvent input;
        input.setCommitString(text);
        QApplication::sendEvent(box(), &input);
    }
    // Types the text into the answer box, a line break as the Return key, and
    // what a keyboard cannot type as an input method would.
    void type(const QString &text) const
    {
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box(), Qt::Key_Return);
            if (std::all_of(lines[i].cbegin(), lines[i].cend(),
                            [](QChar c) { return c.unicode() < 128; }))
                QTest::keyClicks(box(), lines[i]);
            else
                commit(lines[i]);
        }
    }

    // Forward from each screen in turn, typing `answers[screen]` where there is a box and
    // checking that the screen's title and guidance fit their labels.
    void walkToSheet(const std::map<int, QString> &answers = {}) const
    {
        while (step(Step::Forward)->isEnabled()) {
            for (const QString &name : {u"Label1"_s, u"Label2"_s}) {
                const auto *label = find<QLabel>(name);
                const QRect room = label->contentsRect();
                const QRect needed = label->fontMetrics().boundingRect(
                    room.adjusted(0, 0, 0, 10000), Qt::TextWordWrap | Qt::AlignLeft, label->text());
                EXPECT_TRUE(needed.height() <= room.height() && needed.width() <= room.width())
                    << state().toolName.toStdString() << ", screen " << state().currentScreen;
            }
            const int16_t screen = state().currentScreen;
            if (box()->isVisible() && answers.contains(screen))
                type(answers.at(screen));
            press(Step::Forward);
            if (step(Step::Forward)->isEnabled() && state().currentScreen == screen) {
                ADD_FAILURE() << "Forward refused on screen " << screen;
                return;
            }
        }
    }

    RealPrinting platform;
    std::unique_ptr<planner::frmPresenting> window;
};
