#include "WorkSheetPrint.h"

#include "MessageBox.h"
#include "PlannerState.h"
#include "Platform.h"
#include "ShellTexts.h"

namespace planner {

namespace {

struct Section
{
    QString title;
    const QString &answer;
    bool ruled;
};

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
    const QString heading = QString(10, u' ') + state.toolName;
    const QString dated = QString(40, u' ') + u"Printed: " + date;
    const QString postMortem = u"Post-mortem - " + texts::PostMortemQuestion;

    // The naming screen comes first and has no rule under it.
    std::vector<Section> sections;
    qsizetype length = 2 * rule.size() + heading.size() + dated.size() + postMortem.size();
    const std::vector<int16_t> listed = listedScreens(state);
    for (const int16_t i : listed) {
        const Screen &screen = state.screen(i);
        sections.push_back({sectionTitle(screen), screen.answer, i != listed.front()});
        const Section &section = sections.back();
        length +=
            section.title.size() + section.answer.size() + 4 + (section.ruled ? rule.size() : 0);
    }
    printer.expectLength(length, texts::Printing.toString());

    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(11);
    printer.printLine(rule);
    printer.setCurrentY(printer.currentY() + 100); // a little air under the rule
    printer.setFontSize(16);
    printer.printStay(heading);
    printer.setFontSize(11);
    printer.printLine(dated);
    printer.printLine(rule);
    printer.printLine({});

    for (const Section &section : sections) {
        printSection(printer, section.title, section.answer);
        if (section.ruled) {
            printer.setFontSize(11);
            printer.printLine(rule);
        }
    }

    printer.printLine({});
    printer.printLine({});
    printer.setFontSize(14);
    printer.printLine(postMortem);
}

void PrintWorkSheet(const PlannerState &state, platform::Platform &platform,
                    platform::MessageBoxes &boxes)
{
    const platform::Answer answer =
        boxes.messageBox({texts::PrintQuestion.toString(), platform::Buttons::YesNo,
                          platform::Icon::Question, texts::AppTitle.toString()});
    if (answer != platform::Answer::Yes)
        return;
    const std::unique_ptr<platform::TextPrinter> printer = platform.openTextPrinter();
    layOutWorkSheet(state, platform.today(), *printer);
    const int error = printer->finish();
    if (error != 0 && error != platform::CancelledError) {
        boxes.messageBox({texts::PrintError + QString::number(error), platform::Buttons::Ok,
                          platform::Icon::None, texts::AppTitle.toString()});
    }
}

} // namespace planner
