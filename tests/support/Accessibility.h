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
