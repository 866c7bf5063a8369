#include "QtWindowPlatform.h"

#include "HelpViewer.h"
#include "Printers.h"
#include "QtMessageBox.h"
#include "WindowImagePrinter.h"

#include <QPrinter>

namespace platform {

QtWindowPlatform::QtWindowPlatform(const Printers &printers)
    : m_printers(printers)
{ }

Answer QtWindowPlatform::messageBox(QWidget &owner, const Message &message)
{
    return showMessageBox(owner, message);
}

int QtWindowPlatform::printWindowImage(QWidget &window)
{
    return platform::printWindowImage(m_printers.newPrinter(), window);
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
