#pragma once

#include "Navigation.h"
#include "PlannerState.h"
#include "PlannerView.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QToolButton;

namespace platform {
class Platform;
class WindowPlatform;
} // namespace platform

namespace planner {

class AnswerBox;

// The planner's one window: the tool menu, the planner screens and the work sheet.
class frmPresenting : public QWidget, public PlannerView
{
    Q_OBJECT

public:
    frmPresenting(platform::Platform &platform, platform::WindowPlatform &windows,
                  QWidget *parent = nullptr);
    ~frmPresenting() override;

    const PlannerState &state() const { return m_state; }

    // PlannerView
    void setCaption(Control control, const QString &caption) override;
    void setControlVisible(Control control, bool visible) override;
    void setControlEnabled(Control control, bool enabled) override;
    void setControlTop(Control control, int twips) override;
    void setControlHeight(Control control, int twips) override;
    void focusControl(Control control) override;
    QString answerText() const override;
    void setAnswerText(const QString &text) override;
    void setAnswerMode(AnswerMode mode) override;
    platform::Answer messageBox(const platform::Message &message) override;
    void showAboutBox() override;
    void screenShown() override;
    void closeWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void Form_Unload();
    void Command4_MouseMove(int index);
    void Frame2_MouseMove();
    // True when the key is swallowed.
    bool Text1_KeyPress(const QKeyEvent &key);
    QWidget *control(Control control) const;
    AnswerBox *answerBox();
    QToolButton *saveButton();
    AnswerBox *newAnswerBox(const QRect &geometry);
    void renewAnswerBox(const QString &title, const QString &guidance);

    platform::Platform &m_platform;
    platform::WindowPlatform &m_windows;
    PlannerState m_state;
    Navigation m_navigation;

    QGroupBox *m_frame1 = nullptr;
    QLabel *m_label1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QLabel *m_label2 = nullptr;
    AnswerBox *m_text1 = nullptr;
    QToolButton *m_command3 = nullptr;
    QGroupBox *m_frame3 = nullptr;
    std::array<QPushButton *, 5> m_command4{};
    std::array<QLabel *, 5> m_label3{};
    QLabel *m_picture1 = nullptr;
    QLabel *m_picture2 = nullptr;
    std::array<QPushButton *, 5> m_command1{};
    QPushButton *m_command2 = nullptr;
};

} // namespace planner
