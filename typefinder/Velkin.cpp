#include "Velkin.h"

#include "ChoiceButton.h"
#include "Description.h"
#include "OptionButton.h"
#include "Platform.h"
#include "QuickSelection.h"
#include "TextPanel.h"
#include "TraitList.h"
#include "Twips.h"
#include "TypeFinderValues.h"
#include "VelkinTexts.h"
#include "WindowParts.h"
#include "frmAbout.h"
#include "frmSelfTest.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace parts;
using platform::twipsRect;

namespace typefinder {

namespace {

constexpr std::array<QStringView, 3> TopButtonArt{u"finished", u"about", u"help"};

QGroupBox *blueFrame(QWidget *parent, QStringView name, const QRect &geometry)
{
    QGroupBox *f = frame(parent, name, geometry);
    setColour(f, QPalette::WindowText, Blue);
    return f;
}

template<typename Option> Option *option(QWidget *parent, QStringView name, const QRect &geometry)
{
    auto *o = new Option(parent);
    o->setObjectName(name.toString());
    o->setGeometry(geometry);
    setColour(o, QPalette::WindowText, Qt::black);
    return o;
}

QPushButton *yellowButton(QWidget *parent, QStringView name, const ButtonText &text,
                          const QRect &geometry, QStringView icon)
{
    auto *b = new QPushButton(art(icon), text.caption.toString(), parent);
    b->setObjectName(name.toString());
    b->setToolTip(text.toolTip.toString());
    b->setGeometry(geometry);
    b->setIconSize(QSize(12, 12));
    b->setAutoDefault(false);
    setColour(b, QPalette::Button, Yellow);
    b->hide();
    return b;
}

// Selections are changed by the program too: a group must let all its options go.
void deselect(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace

Velkin::Velkin(TypeFinderValues &values, platform::Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_values(values)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("Velkin"));
    setWindowTitle(texts::AppTitle.toString());
    setWindowIcon(art(u"velkin"));
    setFont(arial(8.25));
    setFixedSize(twipsRect(0, 0, 8895, 6435).size());
    createControls();
    Form_Load();
}

Velkin::~Velkin() = default;

void Velkin::createControls()
{
    m_label2 =
        label(this, u"Label2", texts::Intro.toString(), twipsRect(240, 120, 8415, 735), DarkRed);
    m_label2->setFont(arial(12));

    for (int i = 0; i < 3; ++i) {
        const ButtonText &text = texts::TopButtons[i];
        m_command1[i] =
            pictureButton(this, QStringLiteral("Command1_%1").arg(i), text.caption, text.toolTip,
                          twipsRect(7680 - i * 1200, 1080, 975, 855), TopButtonArt[i]);
        connect(m_command1[i], &QToolButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    m_frame1 = blueFrame(this, u"Frame1", twipsRect(240, 1080, 4815, 735));
    m_frame1->setTitle(texts::Step1Frame.toString());
    m_option1 = option<ChoiceButton>(m_frame1, u"Option1", twipsRect(240, 360, 1215, 255));
    m_option1->setText(texts::Customer.toString());
    m_option2 = option<ChoiceButton>(m_frame1, u"Option2", twipsRect(1680, 360, 1695, 255));
    m_option2->setText(texts::Associate.toString());
    m_option7 = option<ChoiceButton>(m_frame1, u"Option7", twipsRect(3600, 360, 975, 255));
    m_option7->setText(texts::Yourself.toString());
    for (ChoiceButton *o : {m_option1, m_option2, m_option7}) {
        o->setToolTip(texts::OptionTip.toString());
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                chooseAudience();
        });
    }

    m_frame2 = blueFrame(this, u"Frame2", twipsRect(240, 2040, 8415, 1695));
    m_option3 = option<OptionButton>(m_frame2, u"Option3", twipsRect(120, 240, 2295, 1335));
    label(m_frame2, u"Label1", texts::Or.toString(), twipsRect(2640, 720, 255, 255), Blue);
    m_option4 = option<OptionButton>(m_frame2, u"Option4", twipsRect(3120, 240, 2295, 1335));
    label(m_frame2, u"Label6", texts::Or.toString(), twipsRect(5640, 720, 255, 255), Blue);
    m_option8 = option<OptionButton>(m_frame2, u"Option8", twipsRect(6120, 240, 2055, 1335));
    m_option8->setActOnPress(true);
    m_speedGroup = new QButtonGroup(this);
    for (OptionButton *o : {m_option3, m_option4, m_option8})
        m_speedGroup->addButton(o);
    for (OptionButton *o : {m_option3, m_option4}) {
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                chooseSpeed();
        });
    }
    connect(m_option8, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            runDetailedTest();
    });
    connect(m_option8, &OptionButton::pressedAgain, this, &Velkin::runDetailedTest);

    m_frame3 = blueFrame(this, u"Frame3", twipsRect(240, 3840, 8415, 1095));
    m_option5 = option<OptionButton>(m_frame3, u"Option5", twipsRect(240, 360, 3255, 615));
    label(m_frame3, u"Label3", texts::Or.toString(), twipsRect(3840, 480, 255, 255), Blue);
    m_option6 = option<OptionButton>(m_frame3, u"Option6", twipsRect(4440, 240, 3735, 735));
    m_step3Group = new QButtonGroup(this);
    for (OptionButton *o : {m_option5, m_option6}) {
        m_step3Group->addButton(o);
        o->setActOnPress(true);
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                ShowDescription();
        });
        connect(o, &OptionButton::pressedAgain, this, &Velkin::ShowDescription);
    }

    m_label4 =
        new TextPanel(this, u"Label4", twipsRect(240, 2040, 8415, 4215), DarkRed, PaleYellow);
    m_label4->setFont(arial(9.75));
    m_label4->hide();

    m_command2 = yellowButton(this, u"Command2", texts::ClearButton,
                              twipsRect(2520, 5760, 1095, 375), u"clear");
    connect(m_command2, &QPushButton::clicked, this, &Velkin::Command2_Click);
    m_command3 = yellowButton(this, u"Command3", texts::PrintButton,
                              twipsRect(3960, 5760, 1095, 375), u"print");
    connect(m_command3, &QPushButton::clicked, this, &Velkin::Command3_Click);
    m_command4 = yellowButton(this, u"Command4", texts::TraitsButton,
                              twipsRect(5400, 5760, 1095, 375), u"traits");
    connect(m_command4, &QPushButton::clicked, this, &Velkin::Command4_Click);

    m_label5 = label(this, u"Label5", texts::Maker.toString(), twipsRect(3720, 5300, 1335, 950),
                     Qt::white);
    m_label5->setFont(arial(12, true));
    m_label5->setAlignment(Qt::AlignCenter);
    m_label5->setAutoFillBackground(true);
    setColour(m_label5, QPalette::Window, Blue);

    QWidget *order[] = {m_option1,  m_option2,  m_option7,     m_option3,     m_option4,
                        m_option8,  m_option5,  m_option6,     m_label4,      m_command2,
                        m_command3, m_command4, m_command1[2], m_command1[1], m_command1[0]};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Velkin::Form_Load()
{
    centre(*this);
    m_option1->setChecked(true); // Step 1 for a customer is where every check starts
    m_option1->setFocus();
}

Audience Velkin::audience() const
{
    if (m_option1->isChecked())
        return Audience::Customer;
    if (m_option2->isChecked())
        return Audience::Associate;
    return Audience::Self;
}

void Velkin::chooseAudience()
{
    m_label4->clear();
    deselect(m_speedGroup);
    deselect(m_step3Group);
    m_option5->hide();
    m_option6->hide();
    showSteps(true);

    const AudienceCaptions &captions = audienceCaptions(audience());
    m_option3->setText(captions.fast.toString());
    m_option4->setText(captions.slow.toString());
    m_option8->setText(captions.detailedTest.toString());
    m_frame2->setTitle(captions.step2Frame.toString());
    m_frame3->setTitle(captions.step3Frame.toString());
}

void Velkin::chooseSpeed()
{
    m_label4->clear();
    deselect(m_step3Group);
    const Step3Captions captions = step3Captions(m_option3->isChecked(), audience());
    m_option5->setText(captions.first.toString());
    m_option6->setText(captions.second.toString());
    m_option5->show();
    m_option6->show();
}

void Velkin::ShowDescription()
{
    const PersonalityType type = quickType({m_option3->isChecked(), m_option5->isChecked()});
    m_values.currentType = typeLetter(type);
    const QStringView audienceNames[] = {texts::Customer, texts::Associate, texts::Yourself};
    showPanel(
        ComposeDescription(type, audience()),
        texts::DescriptionName.arg(texts::TypeNames[int(type)], audienceNames[int(audience())]));
}

void Velkin::Command4_Click()
{
    LoadTraitTable(m_values.traitTable);
    const std::optional<PersonalityType> type = typeFromLetter(m_values.currentType);
    showPanel(ComposeTraitList(m_values.traitTable, m_values.currentType, TraitLayout::MainWindow),
              type ? texts::TraitListName.arg(texts::TypeNames[int(*type)]) : QString());
}

void Velkin::Command2_Click()
{
    showSteps(true);
    // Back where the same answer can be given again, or where a check starts.
    QAbstractButton *answer = m_step3Group->checkedButton();
    (answer ? answer : m_option1)->setFocus();
}

void Velkin::runDetailedTest()
{
    {
        frmSelfTest test(m_values, audience() == Audience::Self, m_platform, this);
        m_platform.showModal(test);
    }
    const std::optional<PersonalityType> result = typeFromLetter(m_values.testResult);
    if (!result)
        return;
    // Put the result in as if the user had answered Steps 2 and 3.
    const QuickAnswers answers = quickAnswers(*result);
    (answers.fast ? m_option3 : m_option4)->setChecked(true);
    (answers.firstStep3Answer ? m_option5 : m_option6)->setChecked(true);
}

void Velkin::Command1_Click(int index)
{
    switch (index) {
    case 0:
        close();
        break;
    case 1: {
        frmAbout about(this);
        m_platform.showModal(about);
        break;
    }
    default: // what the program reports of its help is nothing, whatever happens
        m_platform.showHelp(*this, m_platform.programFolder() + texts::HelpFile,
                            texts::HelpContents);
        break;
    }
}

// Prints the window as it shows, the panel in white on black; failures pass silently.
void Velkin::Command3_Click()
{
    if (m_platform.messageBox(texts::PrintQuestion.toString(), platform::YesNo,
                              texts::PrintTitle.toString())
        != platform::Yes)
        return;
    m_label4->setColours(Qt::white, Qt::black);
    m_platform.printWindowImage(*this);
    m_label4->setColours(DarkRed, PaleYellow);
}

void Velkin::closeEvent(QCloseEvent *event)
{
    setWindowState(Qt::WindowMinimized);
    m_platform.endProgram();
    event->accept();
}

// The panel takes the focus before its text and name change, so that a screen
// reader reads it on arrival rather than taking the change as old news.
void Velkin::showPanel(const QString &text, const QString &name)
{
    showSteps(false);
    m_label4->setFocus();
    m_label4->setText(text);
    m_label4->setAccessibleName(name);
}

// The steps and the logo, or the panel with its buttons: never both.
void Velkin::showSteps(bool shown)
{
    m_label4->setVisible(!shown);
    m_label5->setVisible(shown);
    m_command2->setVisible(!shown);
    m_command3->setVisible(!shown);
    m_command4->setVisible(!shown);
    m_frame2->setVisible(shown);
    m_frame3->setVisible(shown);
}

} // namespace typefinder
