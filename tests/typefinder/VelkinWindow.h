#pragma once

#include "FakePlatform.h"
#include "TypeFinderValues.h"
#include "Velkin.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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

    template<typename T = QWidget> static T *find(const QWidget *parent, const char *name)
    {
        T *child = parent->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    template<typename T = QWidget> T *find(const char *name) const
    {
        return find<T>(window.get(), name);
    }

    static void click(const QWidget *parent, const char *name,
                      Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(find(parent, name), button);
    }
    void click(const char *name, Qt::MouseButton button = Qt::LeftButton) const
    {
        click(window.get(), name, button);
    }

    bool shown(const char *name) const { return find(name)->isVisible(); }
    bool selected(const char *name) const { return find<QAbstractButton>(name)->isChecked(); }
    QString caption(const char *name) const { return find<QAbstractButton>(name)->text(); }
    QString frameTitle(const char *name) const { return find<QGroupBox>(name)->title(); }
    QString panel() const { return find<QLabel>("Label4")->text(); }

    // Opens the detailed test and lets `drive` work it before it closes.
    void runTest(const std::function<void(QDialog &)> &drive)
    {
        platform.onModal = drive;
        click("Option8");
    }

    // Answers all 24 questions with the given answer buttons, in turn.
    static void answerAll(QDialog &test, const std::vector<int> &answers)
    {
        for (size_t q = 0; q < 24; ++q) {
            const QByteArray name = "Command2_" + QByteArray::number(answers[q % answers.size()]);
            click(&test, name.constData());
        }
    }

    FakePlatform platform;
    typefinder::TypeFinderValues values;
    std::unique_ptr<typefinder::Velkin> window;
};
