#include "frmSelfTest.h"

#include "Platform.h"
#include "TextPanel.h"
#include "TraitList.h"
#include "Twips.h"
#include "VelkinTexts.h"
#include "WindowParts.h"
#include "WindowPlatform.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace parts;
using platform::twipsRect;

namespace typefinder {

namespace {

constexpr std::array<int, 4> BarLefts{1200, 2520, 3960, 5040};

} // namespace

frmSelfTest::frmSelfTest(bool self, platform::WindowPlatform &windows, QWidget *parent)
    : QDialog(parent)
    , m_windows(windows)
    , m_self(self)
{
    setObjectName(QStringLiteral("frmSelfTest"));
    setWindowTitle(texts::TestTitle.toString());
    setFont(arial(8.25));
    setFixedSize(twipsRect(0, 0, 8010, 5745).size());
    createControls();
    Form_Load();
}

frmSelfTest::~frmSelfTest() = default;

void frmSelfTest::createControls()
{
    m_label1 = label(this, u"Label1", texts::FirstQuestion.toString(),
                     twipsRect(840, 360, 4455, 735), DarkRed);
    m_label1->setFont(arial(12));

    // Command2: "Don't Know" (index 0) below the four answers.
    for (int i = 0; i < 5; ++i)
        m_command2[i] = answerButton(i);
    m_command2[0]->setText(texts::DontKnow.toString());

    m_command1 = pictureButton(this, u"Command1", texts::TestFinishedButton.caption,
                               texts::TestFinishedButton.toolTip, twipsRect(6840, 360, 855, 975),
                               u"finished");
    connect(m_command1, &QToolButton::clicked, this, &QDialog::close);
    m_command3 =
        pictureButton(this, u"Command3", texts::TestPrintButton.caption,
                      texts::TestPrintButton.toolTip, twipsRect(6840, 1680, 855, 855), u"print");
    m_command3->hide();
    connect(m_command3, &QToolButton::clicked, this, &frmSelfTest::Command3_Click);

    m_frame2 = new QGroupBox(texts::Results.toString(), this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(twipsRect(240, 240, 6255, 5295));
    m_frame2->setFont(arial(12));
    setColour(m_frame2, QPalette::WindowText, DarkBlue);
    m_frame2->hide();

    for (int b = 0; b < 4; ++b) {
        auto *bar = new QPushButton(m_frame2);
        bar->setObjectName(QStringLiteral("Frame1_%1").arg(b));
        bar->setAccessibleName(texts::TypeNames[b].toString());
        bar->setToolTip(texts::BarTip.toString());
        bar->setGeometry(twipsRect(BarLefts[b], 2640, 615, 1095));
        bar->setFont(arial(8.25));
        bar->setStyleSheet(QStringLiteral(
            "QPushButton { background: #FF0000; color: white; border: 1px solid #800000; }"
            "QPushButton:focus { border: 2px solid black; }"));
        connect(bar, &QPushButton::clicked, this, [this, b] { Frame1_Click(b); });
        m_frame1[b] = bar;
    }
    label(m_frame2, u"Label4_1", texts::High.toString(), twipsRect(120, 600, 495, 255), DarkBlue)
        ->setFont(arial(8.25));
    label(m_frame2, u"Label4_0", texts::Low.toString(), twipsRect(240, 3480, 375, 255), DarkBlue)
        ->setFont(arial(8.25));
    m_label3 = label(m_frame2, u"Label3", texts::BarNames.toString(),
                     twipsRect(1000, 3960, 5000, 375), Blue);
    m_label3->setFont(arial(8.25));
    m_label5 = label(m_frame2, u"Label5", texts::BarHint.toString(),
                     twipsRect(1200, 4560, 4095, 615), DarkRed);
    m_label5->setFont(arial(8.25));

    m_label2 = new TextPanel(m_frame2, u"Label2", twipsRect(0, 0, 6240, 5295), DarkRed, PaleYellow);
    m_label2->setFont(arial(9.75));
    m_label2->hide();

    m_command4 = new QPushButton(texts::TestClearButton.caption.toString(), m_frame2);
    m_command4->setObjectName(QStringLiteral("Command4"));
    m_command4->setToolTip(texts::TestClearButton.toolTip.toString());
    m_command4->setIcon(art(u"clear"));
    m_command4->setIconSize(QSize(12, 12));
    m_command4->setGeometry(twipsRect(2640, 4680, 1095, 375));
    m_command4->setFont(arial(8.25));
    m_command4->setAutoDefault(false);
    m_command4->hide();
    connect(m_command4, &QPushButton::clicked, this, &frmSelfTest::Command4_Click);
}

QPushButton *frmSelfTest::answerButton(int index)
{
    const int top = index == 0 ? 4560 : 1680 + (index - 1) * 720;
    auto *b = new QPushButton(this);
    b->setObjectName(QStringLiteral("Command2_%1").arg(index));
    b->setGeometry(twipsRect(840, top, 4455, 435));
    b->setFont(arial(12, true));
    b->setAutoDefault(false);
    setColour(b, QPalette::Button, Yellow);
    connect(b, &QPushButton::clicked, this, [this, index] { Command2_Click(index); });
    return b;
}

void frmSelfTest::Form_Load()
{
    centre(*this);
    if (m_self)
        m_label1->setText(questionLine(1, true));
}

void frmSelfTest::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        firstQuestion();
    }
}

void frmSelfTest::firstQuestion()
{
    m_test.start();
    showAnswers();
    m_result.reset();
    m_command2[1]->setFocus(); // the first answer, for the keyboard
}

void frmSelfTest::showAnswers()
{
    for (int i = 1; i <= 4; ++i) {
        m_command2[i]->setText(m_test.answerText(i));
        m_command2[i]->setAccessibleDescription(m_label1->text());
    }
}

void frmSelfTest::Command2_Click(int index)
{
    switch (m_test.answer(index)) {
    case TraitTest::Next::Question: {
        m_label1->setText(questionLine(m_test.questionNumber(), m_self));
        // Each question's answers are buttons of their own, which take the focus before
        // their captions: a screen reader speaks a control as the focus reaches it, and
        // takes one renamed in place for old news.
        std::array<QPushButton *, 4> old{};
        for (int i = 1; i <= 4; ++i) {
            old[i - 1] = m_command2[i];
            m_command2[i] = answerButton(i);
            m_command2[i]->show();
        }
        for (int i = 1; i <= 4; ++i)
            setTabOrder(m_command2[i], m_command2[i < 4 ? i + 1 : 0]);
        m_command2[1]->setFocus();
        showAnswers();
        for (QPushButton *answer : old) {
            answer->setObjectName({});
            answer->hide();
            answer->deleteLater();
        }
        break;
    }
    case TraitTest::Next::Results:
        showResults();
        break;
    case TraitTest::Next::NoResult:
        m_windows.messageBox(*this,
                             {texts::OnlyDontKnow.toString(), platform::Buttons::Ok,
                              platform::Icon::Exclamation, texts::AppTitle.toString()});
        close();
        break;
    }
}

void frmSelfTest::showResults()
{
    m_result = m_test.result();
    const std::array<TraitTest::Bar, 4> bars = m_test.bars();
    for (int b = 0; b < 4; ++b) {
        m_frame1[b]->setGeometry(twipsRect(BarLefts[b], bars[b].top, 615, bars[b].height));
        m_frame1[b]->setText(bars[b].caption);
        m_frame1[b]->setAccessibleName(texts::TypeNames[b] + u' ' + bars[b].caption);
        m_frame1[b]->setFocusPolicy(bars[b].height > 0 ? Qt::StrongFocus : Qt::NoFocus);
    }
    // No answer is taken once the results are up.
    m_label1->hide();
    for (QPushButton *answer : m_command2)
        answer->hide();
    m_frame2->show();
    m_command3->show();
    // Finished takes the focus, and tells a screen reader the counts.
    QStringList counts;
    for (int b = 0; b < 4; ++b)
        counts.append(m_frame1[b]->accessibleName());
    m_command1->setAccessibleDescription(texts::Results + u": " + counts.join(u", "));
    m_command1->setFocus();
}

void frmSelfTest::Frame1_Click(int bar)
{
    m_label2->show();
    m_label2->raise();
    m_command4->show();
    m_command4->raise();
    // Focus first, then the text: a screen reader reads the panel as it arrives.
    m_label2->setFocus();
    setBarsVisible(false);
    m_label2->setText(ComposeTraitList(typeLetter(allTypes[bar]), TraitLayout::TestWindow));
    m_label2->setAccessibleName(texts::TraitListName.arg(texts::TypeNames[bar]));
    m_shownBar = bar;
}

void frmSelfTest::Command4_Click()
{
    m_label2->hide();
    m_command4->hide();
    setBarsVisible(true);
    m_frame1[m_shownBar]->setFocus();
}

// Prints the results in their printed wording; a failure is told, a cancel is not.
void frmSelfTest::Command3_Click()
{
    if (m_windows.messageBox(*this,
                             {texts::PrintQuestion.toString(), platform::Buttons::YesNo,
                              platform::Icon::None, texts::TestPrintTitle.toString()})
        != platform::Answer::Yes)
        return;
    m_label5->setText(texts::PrintedBarHint.toString());
    m_label3->setText(texts::PrintedBarNames.toString());
    const int error = m_windows.printWindowImage(*this);
    m_label5->setText(texts::BarHint.toString());
    m_label3->setText(texts::BarNames.toString());
    if (error != 0 && error != platform::CancelledError) {
        m_windows.messageBox(*this,
                             {texts::PrintError + QString::number(error), platform::Buttons::Ok,
                              platform::Icon::None, texts::AppTitle.toString()});
    }
}

void frmSelfTest::setBarsVisible(bool visible)
{
    for (QPushButton *bar : m_frame1)
        bar->setVisible(visible);
}

} // namespace typefinder
