#pragma once

#include "PlannerView.h"

#include <QStringList>

#include <map>

// The planner's window as the logic sees it: what each control was last told.
class RecordingView final : public planner::PlannerView
{
public:
    struct ControlState
    {
        QString caption;
        bool visible = true;
        bool enabled = true;
        int top = 0;
        int height = 0;
    };
    using Control = planner::Control;

    void setCaption(Control c, const QString &caption) override { controls[c].caption = caption; }
    void setControlVisible(Control c, bool visible) override { controls[c].visible = visible; }
    void setControlEnabled(Control c, bool enabled) override { controls[c].enabled = enabled; }
    void setControlTop(Control c, int twips) override { controls[c].top = twips; }
    void setControlHeight(Control c, int twips) override { controls[c].height = twips; }
    void focusControl(Control c) override { focused = c; }
    QString answerText() const override { return answer; }
    void setAnswerText(const QString &text) override { answer = text; }
    void setAnswerMode(planner::AnswerMode m) override { mode = m; }
    void showAboutBox() override { ++aboutBoxes; }
    void screenShown() override { ++screensShown; }
    void closeWindow() override { ++closes; }

    const ControlState &operator[](Control c) { return controls[c]; }
    // Which of the controls that come and go are shown, in the order of Control.
    QString shown() const
    {
        QStringList list;
        for (const auto &[c, name] : {std::pair{Control::Frame2, "Frame2"},
                                      {Control::Text1, "Text1"},
                                      {Control::Command3, "Command3"},
                                      {Control::Frame3, "Frame3"},
                                      {Control::Picture1, "Picture1"},
                                      {Control::Picture2, "Picture2"},
                                      {Control::Command2, "Command2"},
                                      {Control::Print, "Print"}}) {
            if (controls.at(c).visible)
                list.append(QString::fromLatin1(name));
        }
        return list.join(u' ');
    }

    std::map<Control, ControlState> controls;
    Control focused = Control::Form;
    QString answer;
    planner::AnswerMode mode = planner::FreeAnswer;
    int aboutBoxes = 0;
    int screensShown = 0;
    int closes = 0;
};
