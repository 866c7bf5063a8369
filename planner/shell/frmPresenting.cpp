#include "frmPresenting.h"

#include "AnswerBox.h"
#include "Platform.h"
#include "ShellTexts.h"
#include "Twips.h"
#include "WorkSheetFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

using platform::twipsRect;

namespace planner {

namespace {

const QColor LightYellow(0xFF, 0xFF, 0x80);
const QColor LightCyan(0x80, 0xFF, 0xFF);
const QColor DarkRed(0x80, 0x00, 0x00);
const QColor DarkBlue(0x00, 0x00, 0xC0);
const QColor Red(0xFF, 0x00, 0x00);
const QColor Black(0x00, 0x00, 0x00);

struct ButtonDef
{
    QStringView caption;
    QStringView toolTip;
    int left;
    int top;
    QStringView icon; // none where the caption leaves no room; it carries its own arrow
    QStringView spoken = {}; // for a screen reader, where the caption reads badly aloud
};

// Command1, by index: Finished, Back, Forward, Print, AboutBox.
constexpr std::array<ButtonDef, 5> StepButtons{{
    {u"F&inished", u" Click to exit this program ", 360, 6120, u"finished"},
    {u"<---  &Back", u" Click to move back to the previous screen ", 6120, 6120, {}, u"Back"},
    {u"&Forward  --->", u" Click to move forward to the next screen ", 7560, 6120, {}, u"Forward"},
    {u"&Print", u" Click to print the Work Sheet ", 3240, 6120, u"print"},
    {u"&AboutBox", u" Click to display the AboutBox ", 1800, 6120, u"about"},
}};

struct ToolDef
{
    ButtonDef button;
    QStringView description;
    int descriptionTop;
};

// Command4 and Label3, by index; the tops put the type finder first.
constexpr std::array<ToolDef, 5> Tools{{
    {{u"Presentation Planner", u"Click to use the Presentation Planner", 120, 440, u"presentation"},
     u"-  to help you give professional presentations.",
     500},
    {{u"Meeting Planner", u"Click to use the Meeting Planner", 120, 880, u"meeting"},
     u"-  to help you get the most from meetings.",
     940},
    {{u"Strategy Planner", u"Click to use the Strategy Planner", 120, 1320, u"strategy"},
     u"-  to help you develop stratagies for important tasks.",
     1380},
    {{u"Velkin", u"Click to use Velkin", 120, 0, u"velkin"},
     u"-  to help you to determine a person's personality type.",
     100},
    {{u"Phone Call Planner", u"Click to use the Phone Call Planner", 120, 1760, u"phone"},
     u"-  to help  make your important calls more effective.",
     1780},
}};

constexpr ButtonDef SaveButton{u"Save to Disk", u" Click to save this information to disk ", 7440,
                               4560, u"save"};
constexpr ButtonDef TypeFinderButton{u"&Velkin", u" Click to display the Velkin program ", 4680,
                                     6120, u"velkin"};

// PNG drawn at the size shown, and at twice that for high-density screens;
// read as PNG outright, since guessing the format loads every image plugin.
QIcon art(QStringView name)
{
    const bool dense = qApp->devicePixelRatio() > 1;
    const QString file = QStringLiteral(":/planner/%1%2.png").arg(name, dense ? u"@2x" : u"");
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// "MS Sans Serif" is not found on Linux; Arial's metric twin keeps the layout's widths.
QFont msSansSerif(double points)
{
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QFont arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel *label(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(geometry);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const ButtonDef &def, int width,
                    int height, const QColor &background)
{
    auto *b = new QPushButton(def.caption.toString(), parent);
    b->setObjectName(name);
    b->setToolTip(def.toolTip.toString());
    if (!def.icon.isEmpty()) {
        b->setIcon(art(def.icon));
        b->setIconSize(QSize(12, 12));
    }
    b->setGeometry(twipsRect(def.left, def.top, width, height));
    if (!def.spoken.isEmpty())
        b->setAccessibleName(def.spoken.toString());
    b->setAutoDefault(false);
    b->setStyleSheet(QStringLiteral("padding: 0px 2px;")); // room for icon and caption
    setColour(b, QPalette::Button, background);
    return b;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *f = new QGroupBox(parent);
    f->setObjectName(name);
    f->setGeometry(geometry);
    return f;
}

QLabel *picture(QWidget *parent, const QString &name, QStringView art, const QString &description)
{
    auto *p = new QLabel(parent);
    p->setObjectName(name);
    p->setAccessibleName(description);
    p->setGeometry(twipsRect(2100, 3600, 4815, 2115));
    p->setPixmap(planner::art(art).pixmap(p->size()));
    return p;
}

} // namespace

frmPresenting::frmPresenting(platform::Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_navigation(m_state, *this, platform)
{
    setObjectName(QStringLiteral("frmPresenting"));
    setWindowTitle(texts::StartCaption.toString());
    setWindowIcon(art(u"orvanta"));
    setFont(msSansSerif(8.25));
    setFixedSize(twipsRect(0, 0, 9015, 6630).size());
    createControls();
    Form_Load();
}

frmPresenting::~frmPresenting() = default;

void frmPresenting::createControls()
{
    m_frame1 = frame(this, QStringLiteral("Frame1"), twipsRect(120, 120, 8775, 5775));
    m_frame1->setAccessibleName(QStringLiteral("Screen"));

    m_label1 = label(m_frame1, QStringLiteral("Label1"), twipsRect(480, 240, 7935, 375));
    m_label1->setFont(arial(12, true));
    m_label1->setAutoFillBackground(true);
    setColour(m_label1, QPalette::Window, LightYellow);
    setColour(m_label1, QPalette::WindowText, DarkRed);

    m_frame2 = frame(m_frame1, QStringLiteral("Frame2"), twipsRect(480, 720, 7935, 2600));
    m_frame2->setTitle(texts::InitialFrame.toString());
    const QColor windowText = m_frame2->palette().color(QPalette::WindowText);
    setColour(m_frame2, QPalette::WindowText, DarkBlue);
    m_frame2->setMouseTracking(true);
    m_frame2->installEventFilter(this);

    m_label2 = label(m_frame2, QStringLiteral("Label2"), twipsRect(120, 240, 7575, 2175));
    m_label2->setFont(arial(9.75));
    m_label2->setWordWrap(true);
    setColour(m_label2, QPalette::WindowText, windowText);

    m_text1 = new AnswerBox(m_frame1);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(QStringLiteral("Answer"));
    m_text1->setFont(arial(12));
    m_text1->setGeometry(twipsRect(480, 3480, 7935, 2055));
    m_text1->installEventFilter(this);

    // Too narrow for its caption on one line: the picture above, the words below it.
    m_command3 = new QToolButton(m_frame1);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command3->setText(QStringLiteral("Save to\nDisk"));
    m_command3->setAccessibleName(SaveButton.caption.toString());
    m_command3->setToolTip(SaveButton.toolTip.toString());
    m_command3->setIcon(art(SaveButton.icon));
    m_command3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_command3->setGeometry(twipsRect(SaveButton.left, SaveButton.top, 615, 735));
    m_command3->setFocusPolicy(Qt::StrongFocus);
    QFont small = m_command3->font();
    small.setPointSizeF(7.5);
    m_command3->setFont(small);
    setColour(m_command3, QPalette::Button, LightYellow);
    m_command3->setAutoFillBackground(true);
    connect(m_command3, &QToolButton::clicked, this,
            [this] { SaveWorkSheet(m_state.workName, m_text1->text(), m_platform); });

    m_frame3 = frame(this, QStringLiteral("Frame3"), twipsRect(720, 1080, 7695, 2175));
    m_frame3->setAccessibleName(QStringLiteral("Tools"));
    const QFont descriptionFont = msSansSerif(9.75);
    for (int i = 0; i < int(Tools.size()); ++i) {
        const ToolDef &tool = Tools[i];
        m_command4[i] = button(m_frame3, QStringLiteral("Command4_%1").arg(i), tool.button, 2415,
                               375, LightCyan);
        m_command4[i]->setIconSize(QSize(16, 16));
        m_command4[i]->setMouseTracking(true);
        m_command4[i]->installEventFilter(this);
        connect(m_command4[i], &QPushButton::clicked, this,
                [this, i] { m_navigation.Command4_Click(int16_t(i)); });
        m_label3[i] = label(m_frame3, QStringLiteral("Label3_%1").arg(i),
                            twipsRect(2760, tool.descriptionTop, 4815, 255));
        m_label3[i]->setFont(descriptionFont);
        m_label3[i]->setText(tool.description.toString());
    }

    m_picture1 =
        picture(this, QStringLiteral("Picture1"), u"picture1", QStringLiteral("Planning picture"));
    m_picture1->hide();
    m_picture2 =
        picture(this, QStringLiteral("Picture2"), u"picture2", QStringLiteral("Orvanta picture"));
    m_picture2->setAutoFillBackground(true);
    setColour(m_picture2, QPalette::Window, Qt::white);

    for (int i = 0; i < int(StepButtons.size()); ++i) {
        m_command1[i] = button(this, QStringLiteral("Command1_%1").arg(i), StepButtons[i], 1095,
                               375, LightYellow);

        connect(m_command1[i], &QPushButton::clicked, this,
                [this, i] { m_navigation.Command1_Click(int16_t(i)); });
    }
    m_command1[3]->hide();

    m_command2 = button(this, QStringLiteral("Command2"), TypeFinderButton, 1095, 375, LightYellow);
    m_command2->hide();
    connect(m_command2, &QPushButton::clicked, this, [this] { m_navigation.Command2_Click(); });

    // Keyboard order follows the screen: the tools, the box, then the buttons left to right.
    QWidget *order[] = {m_command4[3], m_command4[0], m_command4[1], m_command4[2], m_command4[4],
                        m_text1,       m_command3,    m_command1[0], m_command1[4], m_command1[3],
                        m_command2,    m_command1[1], m_command1[2]};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmPresenting::Form_Load()
{
    if (windowState() == Qt::WindowNoState) {
        const QRect screen = this->screen()->geometry();
        move(screen.x() + (screen.width() - width()) / 2,
             screen.y() + (screen.height() - height()) / 2);
    }
    m_navigation.ShowMainMenu();
}

void frmPresenting::Form_Unload()
{
    setWindowState(Qt::WindowMinimized);
    m_platform.endProgram();
}

void frmPresenting::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

bool frmPresenting::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == m_text1)
        return Text1_KeyPress(static_cast<const QKeyEvent &>(*event));
    // The description lights up for the keyboard's tool as for the mouse's.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::FocusIn) {
        if (watched == m_frame2) {
            Frame2_MouseMove();
        } else {
            const auto tool = std::find(m_command4.begin(), m_command4.end(), watched);
            if (tool != m_command4.end())
                Command4_MouseMove(int(tool - m_command4.begin()));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmPresenting::Command4_MouseMove(int index)
{
    for (int i = 0; i < int(m_label3.size()); ++i) {
        if (i != index)
            setColour(m_label3[i], QPalette::WindowText, Black);
    }
    if (m_label3[index]->palette().color(QPalette::WindowText) != Red)
        setColour(m_label3[index], QPalette::WindowText, Red);
}

void frmPresenting::Frame2_MouseMove()
{
    for (QLabel *description : m_label3)
        setColour(description, QPalette::WindowText, Black);
}

bool frmPresenting::Text1_KeyPress(const QKeyEvent &key)
{
    const bool lineBreak = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    return lineBreak && m_text1->isOneLine();
}

QWidget *frmPresenting::control(Control control) const
{
    switch (control) {
    case Control::Form:
        return const_cast<frmPresenting *>(this);
    case Control::Label1:
        return m_label1;
    case Control::Frame2:
        return m_frame2;
    case Control::Label2:
        return m_label2;
    case Control::Text1:
        return m_text1;
    case Control::Command3:
        return m_command3;
    case Control::Frame3:
        return m_frame3;
    case Control::Picture1:
        return m_picture1;
    case Control::Picture2:
        return m_picture2;
    case Control::Command2:
        return m_command2;
    case Control::Finished:
        return m_command1[0];
    case Control::Back:
        return m_command1[1];
    case Control::Forward:
        return m_command1[2];
    case Control::Print:
        return m_command1[3];
    case Control::AboutBox:
        return m_command1[4];
    }
    return nullptr;
}

void frmPresenting::setCaption(Control control, const QString &caption)
{
    QWidget *w = this->control(control);
    if (w == this) {
        setWindowTitle(caption);
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        QString shown = caption;
        l->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        // A screen reader names the answer box after its screen and reads the guidance with it.
        if (control == Control::Label1)
            m_text1->setAccessibleName(shown.trimmed());
        else if (control == Control::Label2)
            m_text1->setAccessibleDescription(shown.trimmed());
    } else if (auto *f = qobject_cast<QGroupBox *>(w)) {
        f->setTitle(caption);
    } else if (auto *b = qobject_cast<QPushButton *>(w)) {
        b->setText(caption);
    }
}

void frmPresenting::setControlVisible(Control control, bool visible)
{
    this->control(control)->setVisible(visible);
}

void frmPresenting::setControlEnabled(Control control, bool enabled)
{
    this->control(control)->setEnabled(enabled);
}

void frmPresenting::setControlTop(Control control, int twips)
{
    QWidget *w = this->control(control);
    w->move(w->x(), platform::pixels(twips));
}

void frmPresenting::setControlHeight(Control control, int twips)
{
    QWidget *w = this->control(control);
    w->resize(w->width(), platform::pixels(twips));
}

void frmPresenting::focusControl(Control control)
{
    this->control(control)->setFocus();
}

QString frmPresenting::answerText() const
{
    return m_text1->text();
}

void frmPresenting::setAnswerText(const QString &text)
{
    m_text1->setText(text);
}

void frmPresenting::setAnswerMaxLength(int length)
{
    m_text1->setMaxLength(length);
}

void frmPresenting::closeWindow()
{
    close();
}

} // namespace planner
