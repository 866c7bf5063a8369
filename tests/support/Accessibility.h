#pragma once

#include <QAccessible>
#include <QTest>
#include <QWidget>

#include <functional>

// Presses the control as an assistive tool does, through its accessible
// action. True when the call came back before `opened` held, and `opened`
// held soon after: the tool is never kept waiting by what the press opens.
inline bool pressReturnsAtOnce(QWidget *control, const std::function<bool()> &opened)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible || !accessible->actionInterface())
        return false;
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    const bool returnedFirst = !opened();
    return returnedFirst && QTest::qWaitFor(opened, 2000);
}

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>

// What a screen reader finds wrong in the window as it shows now: controls that take the
// focus but have no name or role, buttons named otherwise than their captions read
// (unless they were given a name of their own), and labels named otherwise than the
// text they show. Each entry is "objectName: what".
inline QStringList accessibilityFaults(QWidget *window)
{
    QStringList faults;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface *child = node->child(i);
            if (!child || child->state().invisible)
                continue;
            auto *widget = qobject_cast<QWidget *>(child->object());
            const QString name = child->text(QAccessible::Name);
            const QString id = widget ? widget->objectName() : QStringLiteral("?");
            if (child->state().focusable) {
                if (name.trimmed().isEmpty())
                    faults.append(id + u": no name");
                if (child->role() == QAccessible::NoRole || child->role() == QAccessible::Client)
                    faults.append(id + u": no role");
            }
            auto *label = qobject_cast<QLabel *>(widget);
            if (label && !label->text().isEmpty() && name != label->text())
                faults.append(id + u": named \"" + name + u"\" for its text");
            auto *button = qobject_cast<QAbstractButton *>(widget);
            if (button && button->accessibleName().isEmpty()) {
                const QString caption = button->text().remove(u'&').replace(u'\n', u' ');
                if (name != caption)
                    faults.append(id + u": named \"" + name + u"\" for \"" + caption + u'"');
            }
            walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return faults;
}

// The whole text a screen reader reads from the control's text interface.
inline QString accessibleText(QWidget *control)
{
    QAccessibleTextInterface *text =
        QAccessible::queryAccessibleInterface(control)->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}
