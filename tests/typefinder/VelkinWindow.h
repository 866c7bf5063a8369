#pragma once

#include "RealPrinting.h"
#include "TypeFinderValues.h"
#include "Velkin.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

inline const QString StepsShown = u"Frame2 Frame3 Label5"_s;

// The type finder's main window on the offscreen screen.
class VelkinWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<typefinder::Velkin>(values, platform);
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
    QString panel() const { return find<QPlainTextEdit>("Label4")->toPlainText(); }
    // How high the panel's text is once wrapped to the panel's width.
    static int textHeight(const QPlainTextEdit *panel)
    {
        const int margin = int(panel->document()->documentMargin());
        return panel->fontMetrics()
                   .boundingRect(QRect(0, 0, panel->viewport()->width() - 2 * margin, 100000),
                                 Qt::TextWordWrap, panel->toPlainText())
                   .height()
            + 2 * margin;
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

    // The panel shows the text (under its name, when given), all of it above the buttons, and
    // has the focus.
    void expectPanel(QStringView firstLine, QStringView name) const
    {
        const auto *shown = find<QPlainTextEdit>("Label4");
        EXPECT_TRUE(panel().startsWith(firstLine)) << panel().toStdString();
        if (!name.isEmpty()) {
            EXPECT_EQ(shown->accessibleName(), name);
        }
        EXPECT_TRUE(shown->hasFocus());
        EXPECT_EQ(showing(), u"Label4 Command2 Command3 Command4");
        EXPECT_LE(textHeight(shown), find("Command2")->y() - shown->y()) << panel().toStdString();
    }

    // Shows each modal window the program opens, lets `drive` work it, then closes it.
    void onModal(const std::function<void(QDialog &)> &drive)
    {
        platform.onModal = [drive](QDialog &dialog) {
            dialog.show();
            drive(dialog);
            dialog.close();
        };
    }
    // Opens the detailed test and lets `drive` work it before it closes.
    void runTest(const std::function<void(QDialog &)> &drive)
    {
        onModal(drive);
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

    RealPrinting platform;
    typefinder::TypeFinderValues values;
    std::unique_ptr<typefinder::Velkin> window;
};
