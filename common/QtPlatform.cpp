#include "QtPlatform.h"

#include "AtomicFile.h"
#include "Printing.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>

namespace platform {

QtPlatform::QtPlatform(Printing &printing)
    : m_printing(printing)
{ }

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

bool QtPlatform::fileExists(const QString &path) const
{
    return nameTaken(path);
}

bool QtPlatform::writeTextFile(const QString &path, const QString &text, bool replace,
                               QString &reason)
{
    const int error = writeFileAtomically(path, text.toUtf8(), replace);
    if (error != 0)
        reason = qt_error_string(error);
    return error == 0;
}

std::unique_ptr<TextPrinter> QtPlatform::openTextPrinter()
{
    return m_printing.openTextPrinter();
}

QString QtPlatform::today() const
{
    return QLocale::system().toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"));
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace platform
