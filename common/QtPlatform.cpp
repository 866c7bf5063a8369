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

#include <algorithm>
#include <cerrno>
#include <cstdio>

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
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        written += n;
    }
    return true;
}

// Gives the complete scratch file the target's name; without `replace`, only
// when nothing has that name, checked in the same step where the system can.
int moveInto(const QByteArray &scratch, const QByteArray &target, bool replace)
{
    if (!replace
        && ::renameat2(AT_FDCWD, scratch.constData(), AT_FDCWD, target.constData(),
                       RENAME_NOREPLACE)
            == 0)
        return 0;
    if (!replace && errno != EINVAL)
        return errno;
    struct stat there
    {
    };
    if (!replace && ::lstat(target.constData(), &there) == 0)
        return EEXIST; // a file system that cannot check in one step
    return ::rename(scratch.constData(), target.constData()) == 0 ? 0 : errno;
}

// Makes a new name in the folder last through a crash.
int syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return error;
}

// Written beside the target under a name of its own and then renamed to it:
// an old file stays whole until the new one is complete, and a link of that
// name is replaced, never followed to where it points. Returns 0 or errno.
int writeWholeFile(const QString &path, const QByteArray &bytes, bool replace)
{
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.path());
    const QByteArray target = QFile::encodeName(path);
    struct stat old
    {
    };
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (exists && !replace)
        return EEXIST;
    const bool replacing = exists && S_ISREG(old.st_mode);
    if (replacing && ::access(target.constData(), W_OK) != 0)
        return errno; // a file made read-only stays as it is
    QByteArray scratch;
    int fd = createScratchFile(folder, QFile::encodeName(info.fileName()), scratch);
    if (fd < 0 && errno == ENOENT) {
        // The folder is missing: the reason is why it cannot be made.
        if (::mkdir(folder.constData(), 0777) != 0)
            return errno;
        fd = createScratchFile(folder, QFile::encodeName(info.fileName()), scratch);
    }
    if (fd < 0)
        return errno;
    int error = 0;
    // A sheet the user kept private stays private.
    if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && (!writeAll(fd, bytes) || ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        error = moveInto(scratch, target, replace);
    if (error != 0) {
        ::unlink(scratch.constData());
        return error;
    }
    return syncFolder(folder);
}

} // namespace

bool QtPlatform::fileExists(const QString &path) const
{
    struct stat there
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &there) == 0;
}

bool QtPlatform::writeTextFile(const QString &path, const QString &text, bool replace,
                               QString &reason)
{
    const int error = writeWholeFile(path, text.toUtf8(), replace);
    if (error != 0)
        reason = qt_error_string(error);
    return error == 0;
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

namespace {

// The printable area of the page as a paint device that paints through the
// printer's own engine. Qt draws a widget onto a printer as one picture, but
// onto any other device it draws its words as words. Fonts keep the window's
// dots per inch, so that the words break into lines as they do on screen.
class PrintedPage final : public QPaintDevice
{
public:
    PrintedPage(QPrinter &printer, const QWidget &window)
        : m_printer(printer)
        , m_window(window)
    { }

    QPaintEngine *paintEngine() const override { return m_printer.paintEngine(); }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QPrinter &m_printer;
    const QWidget &m_window;
};

int PrintedPage::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_printer.width();
    case PdmHeight:
        return m_printer.height();
    case PdmWidthMM:
        return m_printer.widthMM();
    case PdmHeightMM:
        return m_printer.heightMM();
    case PdmNumColors:
        return m_printer.colorCount();
    case PdmDepth:
        return m_printer.depth();
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return m_window.logicalDpiX();
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return m_window.logicalDpiY();
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

// Qt starts every job on A4, whatever paper the printer holds.
void takePrintersPaper(QPrinter &printer)
{
    const QPageSize paper = QPrinterInfo::printerInfo(printer.printerName()).defaultPageSize();
    if (paper.isValid())
        printer.setPageSize(paper);
}

} // namespace

int QtPlatform::printWindowImage(QWidget &window)
{
    const std::unique_ptr<QPrinter> printer = newPrinter();
    if (!printer)
        return PrinterError;
    takePrintersPaper(*printer);
    PrintedPage page(*printer, window);
    QPainter painter;
    if (!painter.begin(&page))
        return PrinterError;
    // As wide as the printable area, or narrower where that would be too tall; never cut.
    const qreal scale =
        std::min(qreal(page.width()) / window.width(), qreal(page.height()) / window.height());
    painter.scale(scale, scale);
    // A turn far too small to see. Under a mere change of scale the style draws
    // some parts (the buttons' shading) into pictures at the screen's
    // resolution; under a turn it draws them onto the page.
    painter.rotate(1e-7);
    window.render(&painter);
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
