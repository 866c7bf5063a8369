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
#include <QRandomGenerator>
#include <QWidget>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// Creates a new, empty file of a name of its own in `folder`, for writing
// only; returns its descriptor, or -1 with errno set. The mode is what a new
// file gets (the umask applies).
int createScratchFile(const QByteArray &folder, const QByteArray &name, QByteArray &scratch)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        scratch = folder + "/." + name + '.'
            + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(scratch.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

} // namespace

bool QtPlatform::writeTextFile(const QString &path, const QString &text, QString &reason)
{
    // Written beside the file under a name of its own and then renamed over
    // it: the old file stays whole until the new one is complete, and a link
    // of that name is replaced, never followed to where it points.
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.path());
    const QByteArray target = QFile::encodeName(path);
    struct stat old
    {
    };
    const bool replacing = ::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode);
    if (replacing && ::access(target.constData(), W_OK) != 0) {
        reason = qt_error_string(errno); // a file made read-only stays as it is
        return false;
    }
    QByteArray scratch;
    int fd = createScratchFile(folder, QFile::encodeName(info.fileName()), scratch);
    if (fd < 0 && errno == ENOENT) {
        // The folder is missing: the reason is why it cannot be made.
        if (::mkdir(folder.constData(), 0777) != 0) {
            reason = qt_error_string(errno);
            return false;
        }
        fd = createScratchFile(folder, QFile::encodeName(info.fileName()), scratch);
    }
    if (fd < 0) {
        reason = qt_error_string(errno);
        return false;
    }
    if (replacing)
        ::fchmod(fd, old.st_mode & 07777); // keeps the permissions the file had; best effort
    bool done = writeAll(fd, text.toUtf8()) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(scratch.constData(), target.constData()) == 0)
        return true;
    if (done)
        error = errno;
    ::unlink(scratch.constData());
    reason = qt_error_string(error);
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
