#include "WorkSheetFile.h"

#include "AnswerRule.h"
#include "MessageBox.h"
#include "PlannerState.h"
#include "Platform.h"
#include "ShellTexts.h"

#include <algorithm>

namespace planner {

namespace {

QString docsFolder(const QString &programFolder)
{
    return programFolder + u"/Docs";
}

// The name a sheet gets when nothing visible is left of the plan's name.
constexpr QStringView UnnamedSheet = u"Work Sheet";

// Characters that would make a file name the user cannot read or find:
// folder separators, and what the name box refuses (a NUL ends the name the
// system sees).
bool leftOutOfName(QChar c)
{
    return c == u'\\' || c == u'/' || isControlCharacter(c);
}

} // namespace

QString workSheetBaseName(const QString &workName)
{
    qsizetype length = std::min<qsizetype>(20, workName.size());
    if (length < workName.size() && workName.at(length - 1).isHighSurrogate())
        --length; // a character is kept whole or not at all
    const QStringView kept = QStringView(workName).first(length);
    QString base;
    base.reserve(length);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        if (kept[i].isHighSurrogate() && i + 1 < kept.size() && kept[i + 1].isLowSurrogate()) {
            base += kept.sliced(i, 2);
            ++i;
        } else if (!kept[i].isSurrogate() && !leftOutOfName(kept[i])) {
            base += kept[i];
        }
    }
    // A leading dot would hide the file; dots and blanks alone name nothing.
    if (std::all_of(base.cbegin(), base.cend(), [](QChar c) { return c == u'.' || c.isSpace(); }))
        return UnnamedSheet.toString();
    qsizetype dots = 0;
    while (base[dots] == u'.')
        ++dots;
    return base.sliced(dots);
}

QString workSheetPath(const QString &programFolder, const QString &workName,
                      const QStringList &saved, const std::function<bool(const QString &)> &exists)
{
    const QString base = docsFolder(programFolder) + u'/' + workSheetBaseName(workName);
    QString path = base + u".doc";
    for (int copy = 2; !saved.contains(path) && exists(path); ++copy)
        path = base + u" (" + QString::number(copy) + u").doc";
    return path;
}

QString workSheetFileText(const QString &sheet)
{
    return sheet + u"\r\n\r\nPOST-MORTEM.\r\n" + texts::PostMortemQuestion + u"\r\n";
}

void SaveWorkSheet(PlannerState &state, const QString &sheet, platform::Platform &platform,
                   platform::MessageBoxes &boxes)
{
    const QString folder = platform.programFolder();
    const QString path =
        workSheetPath(folder, state.workName, state.savedSheets,
                      [&](const QString &file) { return platform.fileExists(file); });
    QString question = texts::StoreQuestion + path + u')';
    const QString usual = workSheetBaseName(state.workName) + u".doc";
    if (!path.endsWith(u'/' + usual))
        question += texts::StoredBeside.arg(usual);
    const platform::Answer answer = boxes.messageBox(
        {question, platform::Buttons::YesNo, platform::Icon::Question, texts::AppTitle.toString()});
    if (answer != platform::Answer::Yes || state.workName.isEmpty())
        return;
    platform.createFolder(docsFolder(folder)); // a failure shows when the file is written
    QString reason;
    if (platform.writeTextFile(path, workSheetFileText(sheet), state.savedSheets.contains(path),
                               reason)) {
        state.savedSheets.append(path);
    } else {
        boxes.messageBox({texts::NotStored + path + u"\r\n\r\n" + reason, platform::Buttons::Ok,
                          platform::Icon::Exclamation, texts::AppTitle.toString()});
    }
}

} // namespace planner
