#pragma once

#include "FakePlatform.h"
#include "QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPageLayout>
#include <QPrinter>
#include <QTest>

// The test platform, which can print for real through Qt once told where: into
// a PDF file (on `paper`, when given, else Qt's), or, given no file, on the
// default printer.
class RealPrinting final : public FakePlatform
{
public:
    void printForReal(const QString &pdf, const QPageLayout &paper = {})
    {
        m_real = std::make_unique<Printing>();
        m_real->pdf = pdf;
        m_real->paper = paper;
    }
    std::unique_ptr<platform::TextPrinter> openTextPrinter() override
    {
        return m_real ? m_real->openTextPrinter() : FakePlatform::openTextPrinter();
    }
    int printWindowImage(QWidget &window) override
    {
        return m_real ? m_real->printWindowImage(window) : FakePlatform::printWindowImage(window);
    }

private:
    struct Printing final : platform::QtPlatform
    {
        std::unique_ptr<QPrinter> newPrinter() const override
        {
            if (pdf.isEmpty())
                return QtPlatform::newPrinter();
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFileName(pdf);
            if (paper.isValid())
                printer->setPageLayout(paper);
            return printer;
        }
        QString pdf;
        QPageLayout paper;
    };
    std::unique_ptr<Printing> m_real;
};

// A program's window on the offscreen screen, driven by clicks and keys.
template<typename Window> class WindowTest : public ::testing::Test
{
protected:
    template<typename... Arguments> void open(Arguments &...arguments)
    {
        window = std::make_unique<Window>(arguments..., platform);
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
    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
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

    // Those of the named controls of `parent` for which `holds` is true.
    template<typename Holds>
    static QString which(const QWidget *parent, std::initializer_list<const char *> names,
                         Holds holds)
    {
        QStringList list;
        for (const char *name : names) {
            if (holds(find(parent, name)))
                list.append(QString::fromLatin1(name));
        }
        return list.join(u' ');
    }
    static QString shown(const QWidget *parent, std::initializer_list<const char *> names)
    {
        return which(parent, names, [](const QWidget *w) { return w->isVisible(); });
    }
    QString shown(std::initializer_list<const char *> names) const
    {
        return shown(window.get(), names);
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

    RealPrinting platform;
    std::unique_ptr<Window> window;
};
