#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTest>

// Presses the control through its accessible action, as an assistive tool does:
// true when the call came back before `opened` held, and `opened` held soon after.
inline bool pressReturnsAtOnce(QWidget *control, const std::function<bool()> &opened)
{
    QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    return !opened() && QTest::qWaitFor(opened, 2000);
}

// What a screen reader finds wrong in the window as it shows now: controls that
// take the focus with no name or role, and labels and buttons named otherwise
// than the text they show (but buttons with names of their own).
inline QStringList accessibilityFaults(QWidget *window)
{
    QStringList faults;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface *child = node->child(i);
            const auto *widget = qobject_cast<QWidget *>(child->object());
            const QString name = child->text(QAccessible::Name);
            const auto *label = qobject_cast<const QLabel *>(widget);
            const auto *button = qobject_cast<const QAbstractButton *>(widget);
            QString shows = label ? label->text() : QString();
            if (button && button->accessibleName().isEmpty())
                shows = button->text().remove(u'&').replace(u'\n', u' ');
            if (child->state().invisible)
                continue;
            if (child->state().focusable
                && (name.trimmed().isEmpty() || child->role() == QAccessible::Client))
                faults.append(widget->objectName() + u": no name or role");
            if (!shows.isEmpty() && name != shows)
                faults.append(widget->objectName() + u": named \"" + name + u"\" for \"" + shows
                              + u'"');
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
    return text->text(0, text->characterCount());
}
