// The platform for real: files written, and work sheets printed into PDF files.
#include "PlannerState.h"
#include "WorkSheetPrint.h"

#include "LoadedPrinting.h"
#include "PrintedPdf.h"
#include "QtPlatform.h"
#include "QtPrinting.h"
#include "WindowTest.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

using namespace planner;

namespace {

// The program's own platform, writing into a folder of the test's.
class RealPlatform : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return folder.filePath(u"Docs/"_s + name); }
    QString write(const QString &name, const QString &text, bool replace = true)
    {
        QString reason;
        return platform.writeTextFile(path(name), text, replace, reason) ? u"written"_s : reason;
    }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    QTemporaryDir folder;
    platform::LoadedPrinting printing{u"orvanta-printing"_s};
    platform::QtPlatform platform{printing};
};

// Text beyond ASCII reads back exactly; a file is replaced whole or not at all, keeps
// its permissions, and stays unless replacing was asked for. A link of that name is
// replaced, never followed; a folder that cannot be made is told with the reason.
TEST_F(RealPlatform, AFileIsReplacedWholeOrNotAtAllAndNeverThroughALink)
{
    const QString text = u"Na\u00efve r\u00e9sum\u00e9 \u2013 \u00a3500\u00a0net \U0001F600"_s;
    const QString name = u"Caf\u00e9 \u4f1a\u8b70.doc"_s;
    EXPECT_EQ(write(name, text), u"written"); // Docs is made on the way
    EXPECT_EQ(contents(path(name)), text.toUtf8());
    ASSERT_TRUE(QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner));
    EXPECT_EQ(write(name, u"Short"_s), u"written");
    EXPECT_EQ(QFileInfo(path(name)).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0)
        << "kept private";
    EXPECT_EQ(write(name, u"Other"_s, false), u"File exists");

    std::signal(SIGXFSZ, SIG_IGN); // a write the system cuts short, beyond 1 KB
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{1024, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const QString tooLarge = write(name, QString(4000, u'x'));
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(tooLarge, u"File too large");
    EXPECT_EQ(contents(path(name)), "Short");
    EXPECT_EQ(QDir(path({})).entryList(QDir::Files | QDir::Hidden), QStringList{name})
        << "nothing left over";

    const QString theirs = folder.filePath(u"theirs.txt"_s);
    ASSERT_TRUE(QFile::link(theirs, path(u"Plan.doc"_s)));
    EXPECT_EQ(write(u"Plan.doc"_s, u"Mine"_s, false), u"File exists");
    EXPECT_TRUE(platform.fileExists(path(u"Plan.doc"_s)));
    EXPECT_EQ(write(u"Plan.doc"_s, u"Mine"_s), u"written");
    EXPECT_FALSE(QFile::exists(theirs));
    EXPECT_EQ(write(u"Plan.doc/Budget.doc"_s, u"Sheet"_s), u"Not a directory");
    EXPECT_EQ(contents(path(u"Plan.doc"_s)), "Mine");
}

// The day without a leading zero, the month in full, the year in four digits.
TEST_F(RealPlatform, TodayIsTheDayTheMonthInFullAndTheYear)
{
    const QDate before = QDate::currentDate(); // a run may cross midnight
    const QString today = platform.today(), format = u"d MMMM yyyy"_s; // "5", not "05"
    EXPECT_TRUE(today == before.toString(format) || today == QDate::currentDate().toString(format));
}

// A program that is not there is told apart from one that would not start.
TEST_F(RealPlatform, AMissingProgramIsToldApartFromOneThatFails)
{
    QFile(folder.filePath(u"velkin"_s)).open(QIODevice::WriteOnly); // not a program
    EXPECT_EQ(platform.startProgram(folder.filePath(u"nowhere"_s)),
              platform::StartResult::FileNotFound);
    EXPECT_EQ(platform.startProgram(folder.filePath(u"velkin"_s)), platform::StartResult::Failed);
}

// A sheet of these answers, each under the title "Section", printed for real into a PDF file.
int printed(const QString &pdf, const QStringList &answers)
{
    PdfPrinters printers;
    printers.pdf = pdf;
    platform::QtPrinting platform(printers);
    PlannerState state;
    state.startTool(PlannerTool::Meeting);
    state.screen(2) = {u"Meeting - Name."_s, {}, TrueFlag, u"Budget"_s, ScreenRole::Naming};
    state.screenEnd = 3;
    for (const QString &answer : answers)
        state.screen(state.screenEnd++) = {u"Section"_s, {}, TrueFlag, answer, ScreenRole::Answer};
    const std::unique_ptr<platform::TextPrinter> printer = platform.openTextPrinter();
    layOutWorkSheet(state, u"5 December 2026"_s, *printer);
    return printer->finish();
}

// Every answer reads back in order, in any script, within the printable width, over pages, each
// line in its size (16, 14 and 11 points), a line break in an answer one line down; a long job
// shows its progress, and Cancel ends it as a cancelled print dialog does.
TEST(PrintingAnyScript, EveryAnswerReadsBackInOrderAndALongJobCanBeCancelled)
{
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(u"sheet.pdf"_s);
    QStringList items;
    for (int i = 1; i <= 70; ++i)
        items.append(u"Item " + QString::number(i));
    const QStringList answers = {
        u"\u0627\u062c\u062a\u0645\u0627\u0639 \u0627\u0644\u0645\u064a\u0632\u0627\u0646\u064a\u0629"_s,
        u"\u0e01\u0e32\u0e23\u0e1b\u0e23\u0e30\u0e0a\u0e38\u0e21\u0e07\u0e1a\u0e1b\u0e23\u0e30\u0e21\u0e32\u0e13"_s,
        u"\u9884\u7b97\u4f1a\u8bae\u5728\u661f\u671f\u4e00\u4e3e\u884c\u3002"_s.repeated(12),
        u"Abcdefghij "_s.repeated(30), items.join(u"\r\n")};
    ASSERT_EQ(printed(pdf, answers), 0);
    // Read without blanks and line ends, which wrapping moves.
    const PrintedPdf pages(pdf);
    EXPECT_GE(pages.pages, 2);
    const QString text = pages.reading.normalized(QString::NormalizationForm_KC)
                             .remove(QRegularExpression(u"\\s"_s));
    qsizetype from = 0;
    for (QString answer : answers) {
        from = text.indexOf(answer.remove(QRegularExpression(u"\\s"_s)), from);
        EXPECT_GE(from, 0) << answer.toStdString();
    }
    const QRectF printable = QPrinter().pageLayout().paintRectPoints();
    std::map<QString, QRectF> box; // each word's first
    QList<QRectF> itemLines; // each "Item", on a line of its own
    qreal rightToLeft = 0; // where the Arabic answer ends on the right
    for (const PrintedPdf::Word &word : pages.words) {
        EXPECT_TRUE(word.box.left() >= printable.left() - 0.5
                    && word.box.right() <= printable.right() + 0.5);
        box.try_emplace(word.text, word.box);
        if (word.text == u"Item")
            itemLines.append(word.box);
        if (word.text.front().script() == QChar::Script_Arabic)
            rightToLeft = std::max(rightToLeft, word.box.right());
    }
    ASSERT_GE(itemLines.size(), 2);
    const qreal lineHeight = itemLines[1].top() - itemLines[0].top();
    EXPECT_NEAR(lineHeight, 1.2 * itemLines[0].height(), 0.3 * itemLines[0].height());
    const qreal budget = box[u"Budget"_s].height();
    EXPECT_NEAR(box[u"Planner"_s].height() / budget, 16.0 / 11, 0.1);
    EXPECT_NEAR(box[u"Section"_s].height() / budget, 14.0 / 11, 0.1);
    EXPECT_NEAR(box[u"Printed:"_s].height(), budget, 0.5);
    // The heading below the first rule, the date after the heading, Arabic from the right.
    EXPECT_GT(box[u"Planner"_s].top(), box[QString(80, u'_')].bottom());
    EXPECT_GT(box[u"Printed:"_s].left(), box[u"Planner"_s].right());
    EXPECT_NEAR(rightToLeft, printable.right(), 1);

    QString shown;
    const QObject scope;
    // The first events let through come from the dialog, once it is on show.
    QTimer::singleShot(0, &scope, [&shown] {
        auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(progress, nullptr);
        shown = progress->labelText();
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    });
    EXPECT_EQ(printed(pdf, {u"Abcdefghij "_s.repeated(100000)}), platform::CancelledError);
    EXPECT_EQ(shown, u"Printing the Work Sheet...");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Without a printer Qt would quietly write a PDF file somewhere; each job fails instead, as it
// does without the printing module.
TEST(NoPrinter, EveryJobFailsWithTheNumberTheUserIsTold)
{
    platform::LoadedPrinting unbuilt(u"no-such-printing"_s);
    QWidget window;
    EXPECT_EQ(unbuilt.openTextPrinter()->finish(), platform::PrinterError);
    EXPECT_EQ(unbuilt.printWindowImage(window), platform::PrinterError);
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", "/nowhere/cups.sock");
    platform::LoadedPrinting printing(u"orvanta-printing"_s);
    EXPECT_EQ(printing.openTextPrinter()->finish(), platform::PrinterError);
    EXPECT_EQ(printing.printWindowImage(window), platform::PrinterError);
    qputenv("CUPS_SERVER", server);
}

} // namespace
