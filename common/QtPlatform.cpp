#include "QtPlatform.h"

#include "AtomicFile.h"
#include "Printers.h"
#include "QtTextPrinter.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QProcess>

namespace platform {

QtPlatform::QtPlatform(const Printers &printers)
    : m_printers(printers)
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
    return std::make_unique<QtTextPrinter>(m_printers.newPrinter());
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
