#include "QtPlatform.h"

#include "HelpViewer.h"
#include "QtTextPrinter.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSaveFile>
#include <QWidget>

namespace platform {

int QtPlatform::messageBox(const QString &text, int flags, const QString &title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText); // paths and names are shown as typed, never as markup
    QString shown = text;
    box.setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (flags & 0x70) {
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    default:
        break;
    }
    if ((flags & 0x7) == YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Yes : No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Ok;
}

QString QtPlatform::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

StartResult QtPlatform::startProgram(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return StartResult::FileNotFound;
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath()) ? StartResult::Started
                                                                             : StartResult::Failed;
}

bool QtPlatform::createFolder(const QString &path)
{
    return QDir().mkpath(path);
}

bool QtPlatform::writeTextFile(const QString &path, const QString &text, QString &reason)
{
    // The old file stays whole until the new one is complete. Written
    // unbuffered and checked byte by byte: a buffered QSaveFile can commit a
    // short write (a full disk, a size limit) as a success.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QByteArray bytes = text.toUtf8();
        qint64 written = 0;
        while (written < bytes.size()) {
            const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
            if (n <= 0)
                break;
            written += n;
        }
        if (written == bytes.size() && file.commit())
            return true;
    }
    reason = file.errorString();
    return false;
}

std::unique_ptr<QPrinter> QtPlatform::newPrinter() const
{
    // Without a printer QPrinter would quietly write a PDF file instead.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<TextPrinter> QtPlatform::openTextPrinter()
{
    return std::make_unique<QtTextPrinter>(newPrinter());
}

int QtPlatform::printWindowImage(QWidget &window)
{
    const QPixmap image = window.grab();
    const std::unique_ptr<QPrinter> printer = newPrinter();
    QPainter painter;
    if (!printer || !painter.begin(printer.get()))
        return PrinterError;
    const QRect page = painter.viewport();
    painter.drawPixmap(QRect(page.topLeft(), image.size().scaled(page.size(), Qt::KeepAspectRatio)),
                       image);
    if (!painter.end() || printer->printerState() == QPrinter::Error)
        return PrinterError;
    return 0;
}

QString QtPlatform::today() const
{
    return QLocale::system().toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"));
}

void QtPlatform::showHelp(QWidget &owner, const QString &path, int context)
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

void QtPlatform::showModal(QDialog &dialog)
{
    dialog.exec();
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace platform
