#include "VelkinWindow.h"

namespace {

// The answers reach the count, the bars stand where the count puts them, a bar shows its
// type's traits, and the result selects its steps in the main window. Each window prints as
// it shows but for changes made for paper and undone after: the results in their paper
// wording, a failure but a cancel told; the main window's panel white on black, silently.
TEST_F(VelkinWindow, TheTestChartsTheCountsAndEachWindowPrintsItsPaperFace)
{
    // What a window shows of its changes for paper: the main window's panel colours, or
    // the results' two wordings.
    const auto face = [](const QWidget &window) -> QString {
        if (const auto *panel = window.findChild<QPlainTextEdit *>(u"Label4"_s))
            return panel->palette().color(QPalette::Text).name()
                + panel->palette().color(QPalette::Base).name();
        return find<QLabel>(&window, "Label5")->text() + u'|'
            + find<QLabel>(&window, "Label3")->text();
    };
    QStringList printed; // as each print showed, then as the window shows after
    platform.onPrintWindow = [&](QWidget &shown) {
        printed.append(face(shown));
    };
    click({"Option2"});
    int opened = 0;
    runTest([&](QDialog &test) {
        ++opened;
        EXPECT_EQ(line(test),
                  u"1 of 24 questions - click the answer that best suits the person at WORK.");
        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_EQ(shown(&test, {"Label1", "Command2_1", "Frame2", "Command3"}), u"Frame2 Command3");
        // Each bar as "top+height caption", standing on 3800 twips, and the type of its traits.
        QStringList bars;
        for (const char *name : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            const auto *bar = find<QPushButton>(&test, name);
            const auto *traits = find<QPlainTextEdit>(&test, "Label2");
            click(&test, name);
            bars << u"%1+%2 %3 "_s.arg(bar->y()).arg(bar->height()).arg(bar->text())
                    + traits->toPlainText().section(u"''"_s, 1, 1);
            EXPECT_EQ(shown(&test, {"Label2", "Command4", "Frame1_0"}), u"Label2 Command4");
            EXPECT_LE(textHeight(traits), find(&test, "Command4")->y());
            click(&test, "Command4");
        }
        EXPECT_EQ(
            bars.join(u", "),
            u"40+213 10 InCharge, 83+170 8 Enthusiastic, 168+85 4 Friendly, 211+42 2 Details");

        platform.answers = {platform::Yes, platform::Yes, platform::Yes};
        for (const int error : {0, platform::PrinterError, platform::CancelledError}) {
            platform.windowPrintError = error;
            click(&test, "Command3");
        }
        printed.append(face(test));
    });
    EXPECT_EQ(opened, 1); // a press opens the test once
    EXPECT_EQ(selection(), u"Option2 Option3 Option5");
    expectPanel(u" MAIN TYPE:  'In Charge'  person.");
    platform.windowPrintError = platform::PrinterError;
    platform.answers = {platform::No, platform::Yes};
    click({"Command3", "Command3"});
    printed.append(face(*window));
    const QString paper = u"The higher the number the stonger personality type.|"
                          u"In Charge          Enthusiastic        Friendly        Details"_s;
    EXPECT_EQ(printed,
              QStringList(
                  {paper, paper, paper,
                   u"Click on the personality type red graph column to see the personality traits.|"
                   u"In Charge          Enthusiastic          Friendly          Details"_s,
                   u"#ffffff#000000"_s, u"#800000#ffffc0"_s}));
    const QString confirm = u"Please Confirm that you wish to print this."_s;
    const FakePlatform::Box test{confirm, 4, u"Self Test Print"_s},
        main{confirm, 4, u"Velkin Print"_s};
    EXPECT_EQ(platform.boxes,
              (FakePlatform::Boxes{
                  test, test, {u"Command3_Click_error 482"_s, 0, u"Velkin"_s}, test, main, main}));

    click({"Command2", "Option7"});
    runTest([&](QDialog &test) {
        EXPECT_EQ(line(test), u"1 of 24 questions - click the answer that best suits you at WORK.");
        answerLetters(test, u"FFFFFFFFFFFFDDDDD-------");
    });
    EXPECT_EQ(selection(), u"Option7 Option4 Option5");
}

TEST_F(VelkinWindow, ClosingTheTestHalfWayOrOnlyDontKnowGivesNoResult)
{
    click({"Option4"});
    runTest([&](QDialog &test) { answerLetters(test, u"IIIIIIIIII"); });
    runTest([&](QDialog &test) { // again, from question 1
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes facts and figures");
        answerLetters(test, QString(24, u'-'));
        EXPECT_FALSE(test.isVisible()); // it closed itself after the message
    });
    EXPECT_EQ(
        platform.boxes,
        FakePlatform::Boxes(1, {u"Only 'Don't Know' answers were selected."_s, 48, u"Velkin"_s}));
    EXPECT_EQ(selection() + u'|' + showing(),
              u"Option1 Option8|Frame2 Frame3 Option5 Option6 Label5"); // neither gave a result
}

} // namespace
