#include "PlannerState.h"
#include "WorkSheetPrint.h"

#include "PrintedPdf.h"
#include "RealPrinting.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

using namespace planner;

namespace {

// A Meeting Planner sheet printed for real into a PDF file.
class PrintingAnyScript : public ::testing::Test
{
protected:
    int print(const QStringList &answers)
    {
        platform.printForReal(pdf);
        state.startTool(PlannerTool::Meeting);
        state.screen(2) = {u"Meeting - Name."_s, {}, TrueFlag, u"Budget"_s};
        int16_t i = 3;
        for (const QString &answer : answers) {
            state.screen(i) = {u"Section " + QString::number(i), {}, TrueFlag, answer};
            ++i;
        }
        state.screenEnd = i;
        const std::unique_ptr<platform::TextPrinter> printer = platform.openTextPrinter();
        layOutWorkSheet(state, u"5 December 2026"_s, *printer);
        return printer->finish();
    }

    QTemporaryDir folder;
    const QString pdf = folder.filePath(u"sheet.pdf"_s);
    RealPrinting platform;
    PlannerState state;
};

// The one real round trip of the text printer: every answer in order, within the printable
// width, over more than one page, each line in its size (16, 14 and 11 points).
TEST_F(PrintingAnyScript, EveryAnswerReadsBackInOrderWithinThePrintableWidth)
{
    const QString cjk = u"\u9884\u7b97\u4f1a\u8bae\u5728\u661f\u671f\u4e00\u4e3e\u884c\u3002"_s;
    QStringList items;
    for (int i = 1; i <= 70; ++i)
        items.append(u"Item " + QString::number(i));
    const QStringList answers = {
        u"\u0627\u062c\u062a\u0645\u0627\u0639 \u0627\u0644\u0645\u064a\u0632\u0627\u0646\u064a\u0629"_s, // Arabic
        u"\u05e4\u05d2\u05d9\u05e9\u05ea \u05ea\u05e7\u05e6\u05d9\u05d1"_s, // Hebrew
        u"\u0e01\u0e32\u0e23\u0e1b\u0e23\u0e30\u0e0a\u0e38\u0e21\u0e07\u0e1a\u0e1b\u0e23\u0e30\u0e21\u0e32\u0e13"_s, // Thai
        u"\u4e88\u7b97\u4f1a\u8b70\u306f\u6708\u66dc\u65e5\u3067\u3059"_s, // Japanese
        u"Budget \U0001F4CA review \U0001F389"_s, // emoji
        cjk.repeated(12), // wider than the page, with no blank to break at
        u"Abcdefghij "_s.repeated(30),
        items.join(u"\r\n"),
    };
    ASSERT_EQ(print(answers), 0);

    // Compared without blanks and line ends, which wrapping moves, with the
    // letter forms that shaping picks read as their letters, and without
    // characters beyond U+FFFF (emoji), which Qt's PDF writer prints but does
    // not map back to text.
    const PrintedPdf printed(pdf);
    EXPECT_GE(printed.pages, 2) << "a long sheet runs onto a second page";
    const QRegularExpression unreadable(u"\\s|[\\x{10000}-\\x{10FFFF}]"_s);
    const QString text = printed.reading.normalized(QString::NormalizationForm_KC).remove(unreadable);
    qsizetype from = 0;
    for (QString answer : answers) {
        answer.remove(unreadable);
        const qsizetype at = text.indexOf(answer, from);
        EXPECT_GE(at, from) << answer.toStdString() << " in " << text.toStdString();
        if (at >= 0)
            from = at + answer.size();
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRectF printable = printer.pageLayout().paintRectPoints();
    std::map<QString, double> height; // of each word's first box
    for (const PrintedPdf::Word &word : printed.words) {
        EXPECT_GE(word.box.left(), printable.left() - 0.5);
        EXPECT_LE(word.box.right(), printable.right() + 0.5);
        height.try_emplace(word.text, word.box.height());
    }
    for (const QString &w : {u"Planner"_s, u"Section"_s, u"Budget"_s, u"Printed:"_s})
        ASSERT_TRUE(height.count(w)) << w.toStdString();
    EXPECT_NEAR(height[u"Planner"_s] / height[u"Budget"_s], 16.0 / 11, 0.1);
    EXPECT_NEAR(height[u"Section"_s] / height[u"Budget"_s], 14.0 / 11, 0.1);
    EXPECT_NEAR(height[u"Printed:"_s], height[u"Budget"_s], 0.5);
}

// A job that takes more than a moment shows its progress, and Cancel ends it
// as a cancelled print dialog does.
TEST_F(PrintingAnyScript, ALongJobShowsItsProgressAndCanBeCancelled)
{
    QString shown;
    // The first events let through come from the progress dialog, once it is on show.
    QTimer cancel;
    cancel.setSingleShot(true);
    cancel.callOnTimeout([&shown] {
        auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        if (!progress)
            return;
        shown = progress->labelText();
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    });
    cancel.start(0);
    EXPECT_EQ(print({u"Abcdefghij "_s.repeated(100000)}), platform::CancelledError);
    EXPECT_EQ(shown, u"Printing the Work Sheet...");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Without a printer Qt would quietly write a PDF file somewhere; the job fails instead.
TEST(NoPrinter, EveryJobFailsWithTheNumberTheUserIsTold)
{
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QDir::temp().filePath(u"no-print-server.sock"_s).toUtf8());
    RealPrinting platform;
    platform.printForReal({});
    const std::unique_ptr<platform::TextPrinter> printer = platform.openTextPrinter();
    printer->printLine(u"Budget"_s);
    QWidget window;
    EXPECT_EQ(printer->finish(), platform::PrinterError);
    EXPECT_EQ(platform.printWindowImage(window), platform::PrinterError);
    if (server.isEmpty())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", server);
}

} // namespace
