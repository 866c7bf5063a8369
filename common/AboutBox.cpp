#include "AboutBox.h"

#include "WindowParts.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

AboutBox::AboutBox(const AboutLayout &layout, std::function<QString()> text, QWidget *parent)
    : QDialog(parent)
    , m_text(std::move(text))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(layout.caption);
    if (parent)
        setFont(parent->font()); // a window takes no font from its owner by itself
    setFixedSize(layout.client);

    m_label1 = parts::label(this, u"Label1", {}, layout.panel, layout.text);
    m_label1->setFont(layout.font);
    m_label1->setAutoFillBackground(true);
    parts::setColour(m_label1, QPalette::Window, layout.background);

    auto *finished = new QPushButton(parts::art(u"finished"), QStringLiteral("&Finished"), this);
    finished->setObjectName(QStringLiteral("Command1"));
    if (!layout.buttonToolTip.isEmpty())
        finished->setToolTip(layout.buttonToolTip);
    finished->setGeometry(layout.button);
    finished->setIconSize(QSize(12, 12));
    finished->setDefault(true); // Enter closes the box, as Escape does
    if (layout.buttonColour.isValid())
        parts::setColour(finished, QPalette::Button, layout.buttonColour);
    connect(finished, &QPushButton::clicked, this, &QDialog::close);
    parts::centre(*this);
}

void AboutBox::showEvent(QShowEvent *event)
{
    Form_Activate();
    QDialog::showEvent(event);
}

void AboutBox::Form_Activate()
{
    m_label1->setText(m_text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}
