#include "WorkSheetFile.h"

#include "Platform.h"
#include "ShellTexts.h"

namespace planner {

namespace {

QString docsFolder(const QString &programFolder)
{
    return programFolder + u"/Docs";
}

} // namespace

QString workSheetBaseName(const QString &workName)
{
    qsizetype length = std::min<qsizetype>(20, workName.size());
    if (length < workName.size() && workName.at(length - 1).isHighSurrogate())
        --length; // a character is kept whole or not at all
    QString base = workName.first(length);
    base.remove(u'\\');
    base.remove(u'/');
    return base;
}

QString workSheetPath(const QString &programFolder, const QString &workName)
{
    return docsFolder(programFolder) + u'/' + workSheetBaseName(workName) + u".doc";
}

QString workSheetFileText(const QString &sheet)
{
    return sheet + u"\r\n\r\nPOST-MORTEM.\r\n" + texts::PostMortemQuestion + u"\r\n";
}

void SaveWorkSheet(const QString &workName, const QString &sheet, platform::Platform &platform)
{
    const QString folder = platform.programFolder();
    const QString path = workSheetPath(folder, workName);
    const int answer =
        platform.messageBox(texts::StoreQuestion + path + u')',
                            platform::YesNo | platform::Question, texts::AppTitle.toString());
    if (answer != platform::Yes || workName.isEmpty())
        return;
    platform.createFolder(docsFolder(folder)); // a failure shows when the file is written
    QString reason;
    if (!platform.writeTextFile(path, workSheetFileText(sheet), reason)) {
        platform.messageBox(texts::NotStored + path + u"\r\n\r\n" + reason, platform::Exclamation,
                            texts::AppTitle.toString());
    }
}

} // namespace planner
