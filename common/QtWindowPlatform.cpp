#include "QtWindowPlatform.h"

#include "HelpViewer.h"
#include "Printing.h"
#include "QtMessageBox.h"

namespace platform {

QtWindowPlatform::QtWindowPlatform(Printing &printing)
    : m_printing(printing)
{ }

Answer QtWindowPlatform::messageBox(QWidget &owner, const Message &message)
{
    return showMessageBox(owner, message);
}

int QtWindowPlatform::printWindowImage(QWidget &window)
{
    return m_printing.printWindowImage(window);
}

void QtWindowPlatform::showHelp(QWidget &owner, const QString &path, int context)
{
    auto *viewer = qobject_cast<HelpViewer *>(m_help.data());
    if (!viewer || viewer->path() != path) {
        delete m_help;
        viewer = new HelpViewer(path, &owner);
        m_help = viewer;
    }
    viewer->showTopic(context);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void QtWindowPlatform::showModal(QDialog &dialog)
{
    dialog.exec();
}

} // namespace platform
