#include "WorkSheetPrint.h"

#include "PlannerState.h"
#include "Platform.h"
#include "ShellTexts.h"

namespace planner {

namespace {

void printSection(platform::TextPrinter &printer, const QString &title, const QString &answer)
{
    printer.setFontSize(14);
    printer.printLine(title + u"\r\n");
    printer.setFontSize(11);
    printer.printLine(answer + u"\r\n");
}

} // namespace

void layOutWorkSheet(const PlannerState &state, const QString &date, platform::TextPrinter &printer)
{
    const QString rule(80, u'_');
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(11);
    printer.printLine(rule);
    printer.setCurrentY(printer.currentY() + 100); // a little air under the rule
    printer.setFontSize(16);
    printer.printStay(QString(10, u' ') + state.toolName);
    printer.setFontSize(11);
    printer.printLine(QString(40, u' ') + u"Printed: " + date);
    printer.printLine(rule);
    printer.printLine({});

    // The first item is the naming screen, as on the sheet shown on screen.
    const int16_t first = state.activeTool == int16_t(PlannerTool::Presentation) ? 3 : 2;
    const Screen &naming = state.screen(first);
    if (!naming.title.isEmpty())
        printSection(printer, naming.title, naming.answer);

    for (int16_t i = first + 1; i < state.screenEnd; ++i) {
        const Screen &screen = state.screen(i);
        if (isOptionalTitle(screen.title) && screen.answer.isEmpty())
            continue;
        if (screen.title.endsWith(u"finished")) // the closing screen
            continue;
        printSection(printer, sectionTitle(screen.title), screen.answer);
        printer.setFontSize(11);
        printer.printLine(rule);
    }

    printer.printLine({});
    printer.printLine({});
    printer.setFontSize(14);
    printer.printLine(u"Post-mortem - " + texts::PostMortemQuestion);
}

void PrintWorkSheet(const PlannerState &state, platform::Platform &platform)
{
    const int answer =
        platform.messageBox(texts::PrintQuestion.toString(), platform::YesNo | platform::Question,
                            texts::AppTitle.toString());
    if (answer != platform::Yes)
        return;
    const std::unique_ptr<platform::TextPrinter> printer = platform.openTextPrinter();
    layOutWorkSheet(state, platform.today(), *printer);
    const int error = printer->finish();
    if (error != 0 && error != platform::CancelledError) {
        platform.messageBox(texts::PrintError + QString::number(error), platform::OkOnly,
                            texts::AppTitle.toString());
    }
}

} // namespace planner
