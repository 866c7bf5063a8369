#pragma once

#include <QDialog>

#include <functional>

class QLabel;

// The shape of an About box: its panel of text and its Finished button, in twips.
struct AboutLayout
{
    QString caption;
    QSize client;
    QRect panel;
    QFont font;
    QColor text;
    QColor background;
    QRect button;
    QColor buttonColour; // invalid for the window's own
    QString buttonToolTip; // none when empty
};

// A modal box about the program: its text, filled each time it comes up,
// and a Finished button that closes it. Made afresh for each showing.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    AboutBox(const AboutLayout &layout, std::function<QString()> text, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Activate();

    std::function<QString()> m_text;
    QLabel *m_label1 = nullptr;
};
