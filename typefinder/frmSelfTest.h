#pragma once

#include "TraitTest.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class TextPanel;

namespace platform {
class Platform;
}

namespace typefinder {

struct TypeFinderValues;

// The detailed test: 24 questions, then the counts as bars. Created afresh
// for each test; its result is left in TypeFinderValues::testResult.
class frmSelfTest : public QDialog
{
    Q_OBJECT

public:
    // `self`: the user is testing themselves, which changes the wording.
    frmSelfTest(TypeFinderValues &values, bool self, platform::Platform &platform,
                QWidget *parent = nullptr);
    ~frmSelfTest() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    QPushButton *answerButton(int index); // Command2: 0 is "Don't Know"
    void Form_Load();
    void firstQuestion();
    void Command2_Click(int index); // an answer, 0 is "Don't Know"
    void showAnswers();
    void showResults();
    void Frame1_Click(int bar);
    void Command3_Click(); // Print
    void Command4_Click(); // Clear
    void setBarsVisible(bool visible);

    TypeFinderValues &m_values;
    platform::Platform &m_platform;
    const bool m_self;
    TraitTest m_test;
    bool m_started = false;
    int m_shownBar = 0; // whose traits are on show, to come back to

    QLabel *m_label1 = nullptr;
    std::array<QPushButton *, 5> m_command2{};
    QToolButton *m_command1 = nullptr;
    QToolButton *m_command3 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    std::array<QPushButton *, 4> m_frame1{};
    TextPanel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr; // the bars' names
    QLabel *m_label5 = nullptr; // how to read the chart
    QPushButton *m_command4 = nullptr;
};

} // namespace typefinder
