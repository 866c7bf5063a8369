#include "QtMessageBox.h"

#include <QMessageBox>

namespace platform {

Answer showMessageBox(QWidget &owner, const Message &message)
{
    QMessageBox box(&owner);
    box.setWindowTitle(message.title);
    box.setTextFormat(Qt::PlainText); // paths and names are shown as typed
    QString text = message.text;
    box.setText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (message.icon) {
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::None:
        break;
    }
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

} // namespace platform
