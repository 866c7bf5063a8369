#pragma once

#include "FakePlatform.h"
#include "Printing.h"
#include "WindowPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

// The platform for window tests: the logic's fake, and window services that
// answer boxes from a script, let the test drive modal windows and record help
// and printed windows, printed for real where the test gives a printing.
class TestPlatform final : public FakePlatform,
                           public platform::WindowPlatform,
                           public ScriptedBoxes
{
public:
    platform::Answer messageBox(QWidget &, const platform::Message &box) override
    {
        return answer(box);
    }
    int printWindowImage(QWidget &window) override
    {
        ++windowPrints;
        if (onPrintWindow)
            onPrintWindow(window);
        return printing ? printing->printWindowImage(window) : windowPrintError;
    }
    void showHelp(QWidget &, const QString &path, int context) override
    {
        help.append(path + u'#' + QString::number(context));
    }
    void showModal(QDialog &dialog) override
    {
        ASSERT_TRUE(onModal) << "a modal window opened with no test to drive it";
        onModal(dialog);
    }

    std::function<void(QDialog &)> onModal; // shows, drives and closes a modal window
    std::function<void(QWidget &)> onPrintWindow; // looks at a window as it is printed
    int windowPrints = 0;
    int windowPrintError = 0;
    platform::Printing *printing = nullptr;
    QStringList help; // path#context of each help request
};

// A program's window on the offscreen screen, driven by clicks and keys.
template<typename Window> class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<Window>(platform, platform);
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
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // The focus, once the window that has it is active again.
    static QString focused()
    {
        const bool active = QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; });
        return active ? QApplication::focusWidget()->objectName() : u"none"_s;
    }

    // Those of the named controls of `parent` that hold, by default those shown; some are
    // only made when first needed.
    static QString which(
        const QWidget *parent, std::initializer_list<const char *> names,
        bool (*holds)(const QWidget *) = [](const QWidget *w) { return w->isVisible(); })
    {
        QStringList list;
        for (const char *name : names) {
            const auto *w = parent->findChild<QWidget *>(QString::fromLatin1(name));
            if (w && holds(w))
                list.append(QString::fromLatin1(name));
        }
        return list.join(u' ');
    }
    QString shown(std::initializer_list<const char *> names) const
    {
        return which(window.get(), names);
    }

    // Shows each modal window the program opens, lets `drive` work it, then
    // closes it and, as a window manager would, makes its owner active again.
    void onModal(const std::function<void(QDialog &)> &drive)
    {
        platform.onModal = [drive](QDialog &dialog) {
            dialog.show();
            drive(dialog);
            dialog.close();
            dialog.parentWidget()->window()->activateWindow();
        };
    }

    TestPlatform platform;
    std::unique_ptr<Window> window;
};
