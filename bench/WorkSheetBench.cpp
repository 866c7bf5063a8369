// What the work sheet costs against copying or writing the same bytes, for a
// planner of 29 screens with answers of 1 KB, 100 KB and 1 MB each. A cost
// that grows linearly with the text keeps the same ratio at every size.
// Then long paragraphs in the answer box, against a plain QPlainTextEdit.
#include "AnswerBox.h"
#include "PlannerState.h"
#include "QtTextPrinter.h"
#include "RatioReporter.h"
#include "RecordingPrinter.h"
#include "WorkSheet.h"
#include "WorkSheetFile.h"
#include "WorkSheetPrint.h"

#include "LoadedPrinting.h"
#include "QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <type_traits>

#include <ctime>
#include <unistd.h>

using namespace planner;
using namespace Qt::StringLiterals;

namespace {

constexpr int16_t Screens = 29;

// Words and paragraphs like a pasted document, different on every screen.
// With a line length, a line break ends every line of that many characters
// instead; with 0, the text is one paragraph.
QString answerText(qsizetype size, int seed, int lineLength = -1)
{
    static const char16_t *const words[] = {u"the",      u"customer", u"needs",   u"a",
                                            u"proposal", u"by",       u"Friday,", u"with",
                                            u"figures",  u"for",      u"each",    u"region."};
    QString text;
    text.reserve(size + 16);
    qsizetype lineStart = 0;
    for (int i = seed; text.size() < size; ++i) {
        text += QStringView(words[i % std::size(words)]);
        if (lineLength > 0 && text.size() - lineStart >= lineLength) {
            text += u"\n";
            lineStart = text.size();
        } else {
            text += lineLength < 0 && i % 97 == 96 ? u"\r\n" : u" ";
        }
    }
    text.truncate(size);
    return text;
}

// The Strategy Planner walked to its closing screen, every screen answered.
const PlannerState &walkedPlanner(qsizetype answerSize)
{
    static std::map<qsizetype, PlannerState> planners;
    auto [it, added] = planners.try_emplace(answerSize);
    PlannerState &state = it->second;
    if (!added)
        return state;
    state.startTool(PlannerTool::Strategy);
    for (int16_t i = 1; i <= Screens; ++i)
        state.screen(i) = {u"Step " + QString::number(i) + u'.',
                           {},
                           TrueFlag,
                           answerText(answerSize, i),
                           ScreenRole::Answer};
    state.screen(1) = {u" The Strategy Planner"_s, {}, FalseFlag, {}, ScreenRole::Opening};
    state.screen(2).title = u"Task - Name."_s;
    state.screen(2).role = ScreenRole::Naming;
    state.screen(Screens) = {
        u"The Strategy Planner is finished"_s, {}, FalseFlag, {}, ScreenRole::Closing};
    state.screenEnd = Screens + 1;
    state.currentScreen = Screens;
    return state;
}

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// The benchmark thread's CPU time in seconds: the machine is shared, and
// what others run must not count against either side.
double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Runs the baseline and the operation alternately, so that both see the same
// machine, and reports the operation's time with their ratio. `prepare` runs
// before each pair, untimed.
template<typename Baseline, typename Operation, typename Prepare>
void alternate(benchmark::State &state, Baseline baseline, Operation operation, Prepare prepare)
{
    double operationTime = 0, baselineTime = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the library counts the loop
    for (auto _ : state) {
        prepare();
        const double start = cpuSeconds();
        baseline();
        const double middle = cpuSeconds();
        operation();
        const double end = cpuSeconds();
        baselineTime += middle - start;
        operationTime += end - middle;
        state.SetIterationTime(end - middle);
    }
    state.counters["baseline_ms"] = baselineTime * 1000 / double(state.iterations());
    state.counters["ratio"] = operationTime / baselineTime;
}

template<typename Operation, typename Baseline>
void measure(benchmark::State &state, qsizetype bytes, Operation operation, Baseline baseline)
{
    alternate(state, baseline, operation, [] {});
    state.SetBytesProcessed(int64_t(bytes) * state.iterations());
}

qsizetype answerSize(const benchmark::State &state)
{
    return qsizetype(state.range(0)) * 1024;
}

// The sheet's titles and answers, copied piece by piece into one text.
void copyInMemory(const PlannerState &planner, qsizetype size)
{
    QString copy;
    copy.reserve(size);
    for (int16_t i = 1; i <= Screens; ++i) {
        copy += planner.screen(i).title;
        copy += planner.screen(i).answer;
    }
    benchmark::DoNotOptimize(copy.data());
}

// Saving makes the file durable, so its baseline does too.
void writeToFile(const QByteArray &bytes, bool durable)
{
    QFile file(scratch().filePath(u"baseline.bin"_s));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush() || (durable && ::fsync(file.handle()) != 0))
        qFatal("cannot write the baseline file");
}

void Compose(benchmark::State &state)
{
    const PlannerState &planner = walkedPlanner(answerSize(state));
    const QString sheet = workSheetText(planner);
    measure(
        state, sheet.size() * 2, [&] { benchmark::DoNotOptimize(workSheetText(planner).data()); },
        [&] { copyInMemory(planner, sheet.size()); });
}

void Save(benchmark::State &state)
{
    const QString sheet = workSheetText(walkedPlanner(answerSize(state)));
    const QByteArray bytes = workSheetFileText(sheet).toUtf8();
    const QString path = scratch().filePath(u"Docs/Budget review.doc"_s);
    platform::LoadedPrinting printing(u"orvanta-printing"_s);
    platform::QtPlatform platform(printing);
    platform.createFolder(scratch().filePath(u"Docs"_s));
    measure(
        state, bytes.size(),
        [&] {
            QString reason;
            if (!platform.writeTextFile(path, workSheetFileText(sheet), true, reason))
                qFatal("cannot save the work sheet");
        },
        [&] { writeToFile(bytes, true); });
}

void PrintRecorded(benchmark::State &state)
{
    const PlannerState &planner = walkedPlanner(answerSize(state));
    const QString sheet = workSheetText(planner);
    measure(
        state, sheet.size() * 2,
        [&] {
            RecordingPrinter printer;
            layOutWorkSheet(planner, u"5 December 2026"_s, printer);
            benchmark::DoNotOptimize(printer.printed.data());
        },
        [&] { copyInMemory(planner, sheet.size()); });
}

// A PDF printer writing to `name` in the scratch folder.
std::unique_ptr<QPrinter> pdfPrinter(const QString &name)
{
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(scratch().filePath(name));
    return pdf;
}

// The pages of a PDF that QPrinter wrote.
double pdfPages(const QString &name)
{
    QFile pdf(scratch().filePath(name));
    return pdf.open(QIODevice::ReadOnly) ? double(pdf.readAll().count("/Type /Page\n")) : 0;
}

// Against Qt's own rich-text path printing the sheet's text in the sheet's
// font, which at 1 MB answers prints a fifth of the pages and stops (its
// layout runs out of room in the PDF's coordinates), so `pages` says how many
// each printed.
void PrintPdf(benchmark::State &state)
{
    const PlannerState &planner = walkedPlanner(answerSize(state));
    QTextDocument sheet;
    sheet.setPlainText(workSheetText(planner));
    QFont font(u"Arial"_s, 11);
    font.setStyleStrategy(QFont::PreferNoShaping);
    sheet.setDefaultFont(font);
    measure(
        state, workSheetText(planner).toUtf8().size(),
        [&] {
            platform::QtTextPrinter printer(pdfPrinter(u"sheet.pdf"_s));
            layOutWorkSheet(planner, u"5 December 2026"_s, printer);
            if (printer.finish() != 0)
                qFatal("cannot print into a PDF file");
        },
        [&] {
            const std::unique_ptr<QPrinter> pdf = pdfPrinter(u"qt.pdf"_s);
            sheet.print(pdf.get());
        });
    state.counters["pages"] = pdfPages(u"sheet.pdf"_s);
    state.counters["baseline_pages"] = pdfPages(u"qt.pdf"_s);
}

// Huge answers: a box in a shown window, like the planner's answer box.
template<typename Box> struct ShownBox
{
    ShownBox()
    {
        window.resize(601, 442);
        box.setGeometry(32, 48, 529, 137);
        box.setFont(std::is_same_v<Box, AnswerBox> ? answerFont() : QFont(u"Arial"_s, 12));
        window.show();
        settle();
    }
    // Lays out and paints what is on show now.
    void settle()
    {
        QCoreApplication::processEvents();
        box.viewport()->repaint();
    }
    QWidget window;
    Box box{&window};
};

long statusKilobytes(const char *field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').front().toLong();
    }
    return 0;
}

// The growth of the peak resident memory while `operation` runs, in bytes.
template<typename Operation> double peakGrowth(Operation operation)
{
    QFile clear(u"/proc/self/clear_refs"_s);
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5"); // the peak starts again from what is resident now
    clear.close();
    const long before = statusKilobytes("VmRSS:");
    operation();
    return double(statusKilobytes("VmHWM:") - before) * 1024;
}

// One paragraph of words, as long as range 0 says in KB.
QString hugeAnswer(const benchmark::State &state)
{
    return answerText(answerSize(state), 1, 0);
}

// Runs `operation` on the answer box and on a plain QPlainTextEdit alike, each
// from `setup`, untimed, and reports the box's time against the plain one's.
template<typename Setup, typename Operation>
void againstPlainEdit(benchmark::State &state, Setup setup, Operation operation)
{
    ShownBox<AnswerBox> answer;
    ShownBox<QPlainTextEdit> plain;
    setup(answer);
    setup(plain);
    state.counters["memory_MB"] = peakGrowth([&] { operation(answer); }) / 1e6;
    alternate(
        state, [&] { operation(plain); }, [&] { operation(answer); },
        [&] {
            setup(answer);
            setup(plain);
        });
}

template<typename Box> void setText(ShownBox<Box> &shown, const QString &text)
{
    if constexpr (std::is_same_v<Box, AnswerBox>)
        shown.box.setText(text);
    else
        shown.box.setPlainText(text);
}

// Pasting the paragraph into an empty box, until it is on show.
void AnswerPaste(benchmark::State &state)
{
    QApplication::clipboard()->setText(hugeAnswer(state));
    againstPlainEdit(
        state, [](auto &shown) { shown.box.clear(); },
        [](auto &shown) {
            shown.box.paste();
            shown.settle();
        });
}

// Showing a composed work sheet holding the paragraph, as Forward from the closing screen does.
void AnswerShow(benchmark::State &state)
{
    PlannerState planner = walkedPlanner(1);
    planner.screen(3).answer = hugeAnswer(state);
    const QString sheet = workSheetText(planner);
    againstPlainEdit(
        state, [](auto &shown) { setText(shown, {}); },
        [&](auto &shown) {
            setText(shown, sheet);
            shown.settle();
        });
}

// A key typed at the end (range 1 is 0) or in the middle of the paragraph, until it is on show.
void AnswerKey(benchmark::State &state)
{
    const QString text = hugeAnswer(state);
    const bool middle = state.range(1) != 0;
    againstPlainEdit(
        state,
        [&](auto &shown) {
            if (shown.box.document()->characterCount() - 1 == text.size() + 1) {
                QTest::keyClick(&shown.box, Qt::Key_Backspace); // the key typed last time
            } else {
                setText(shown, text);
                QTextCursor cursor = shown.box.textCursor();
                cursor.setPosition(middle ? int(text.size() / 2) : int(text.size()));
                shown.box.setTextCursor(cursor);
                shown.box.ensureCursorVisible();
            }
            shown.settle();
        },
        [](auto &shown) {
            QTest::keyClick(&shown.box, Qt::Key_X);
            shown.settle();
        });
}

// The resident memory after a 30 MB answer has been pasted, typed in and kept
// by the planner, and then cleared as choosing a new plan clears it, against
// before: what the process keeps of it. The C library's allocator keeps its
// own settings.
void AnswerCleared(benchmark::State &state)
{
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the library counts the loop
    for (auto _ : state) {
        const double before = double(statusKilobytes("VmRSS:")) / 1024;
        state.counters["peak_MB"] = peakGrowth([&] {
                                        PlannerState planner = walkedPlanner(1);
                                        QApplication::clipboard()->setText(hugeAnswer(state));
                                        auto shown = std::make_unique<ShownBox<AnswerBox>>();
                                        shown->box.paste();
                                        shown->settle();
                                        QTest::keyClick(&shown->box, Qt::Key_X);
                                        shown->settle();
                                        planner.screen(3).answer = shown->box.text();
                                        shown.reset();
                                        QApplication::clipboard()->clear();
                                        planner.startTool(PlannerTool::Meeting);
                                    })
            / 1e6;
        state.counters["kept_MB"] = double(statusKilobytes("VmRSS:")) / 1024 - before;
        state.SetIterationTime(0);
    }
}

// 100 KB, 1 MB and 30 MB as one paragraph.
void hugeSizes(benchmark::internal::Benchmark *b)
{
    b->Arg(100)->Arg(1024)->Arg(30720)->UseManualTime()->Unit(benchmark::kMillisecond);
}

void keyPlaces(benchmark::internal::Benchmark *b)
{
    for (const int size : {100, 1024, 30720})
        b->Args({size, 0})->Args({size, 1});
    b->ArgNames({"KB", "middle"})->UseManualTime()->Unit(benchmark::kMillisecond);
}

// Answer sizes in KB.
void sizes(benchmark::internal::Benchmark *b)
{
    b->Arg(1)->Arg(100)->Arg(1024)->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(Compose)->Apply(sizes)->MinTime(0.5);
BENCHMARK(Save)->Apply(sizes)->MinTime(0.5);
BENCHMARK(PrintRecorded)->Apply(sizes)->MinTime(0.5);
BENCHMARK(PrintPdf)->Apply(sizes)->MinTime(0.2);
BENCHMARK(AnswerCleared)->Arg(30720)->Iterations(1)->UseManualTime();
BENCHMARK(AnswerPaste)->Apply(hugeSizes)->Iterations(2);
BENCHMARK(AnswerShow)->Apply(hugeSizes)->Iterations(2);
BENCHMARK(AnswerKey)->Apply(keyPlaces)->Iterations(3);

} // namespace

int main(int argc, char *argv[])
{
    // Fonts and printing need an application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
