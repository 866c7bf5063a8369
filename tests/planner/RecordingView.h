#pragma once

#include "FakePlatform.h"
#include "PlannerView.h"

#include <QStringList>

#include <map>

// The planner's window as the logic sees it: what each control was last told,
// and its message boxes. Sizes and places are the window tests' to check, in pixels.
class RecordingView final : public planner::PlannerView, public ScriptedBoxes
{
public:
    struct ControlState
    {
        QString caption;
        bool visible = true;
        bool enabled = true;
    };
    using Control = planner::Control;

    void setCaption(Control c, const QString &caption) override { controls[c].caption = caption; }
    void setControlVisible(Control c, bool visible) override { controls[c].visible = visible; }
    void setControlEnabled(Control c, bool enabled) override { controls[c].enabled = enabled; }
    void setControlTop(Control, int) override { }
    void setControlHeight(Control, int) override { }
    void focusControl(Control c) override { focus = c; }
    QString answerText() const override { return text; }
    void setAnswerText(const QString &shown) override { text = shown; }
    void setAnswerMode(planner::AnswerMode shown) override { mode = shown; }
    platform::Answer messageBox(const platform::Message &box) override { return answer(box); }
    void showAboutBox() override { ++abouts; }
    void screenShown() override { }
    void closeWindow() override { ++closes; }

    const ControlState &operator[](Control c) { return controls[c]; }
    // Which of the controls that come and go are shown, in the order of Control.
    QString shown() const
    {
        static const std::pair<Control, const char *> comeAndGo[] = {
            {Control::Frame2, "Frame2"},     {Control::Text1, "Text1"},
            {Control::Command3, "Command3"}, {Control::Frame3, "Frame3"},
            {Control::Picture1, "Picture1"}, {Control::Picture2, "Picture2"},
            {Control::Command2, "Command2"}, {Control::Print, "Print"}};
        QStringList list;
        for (const auto &[c, name] : comeAndGo) {
            if (controls.at(c).visible)
                list.append(QString::fromLatin1(name));
        }
        return list.join(u' ');
    }

    std::map<Control, ControlState> controls;
    QString text; // in the answer box
    planner::AnswerMode mode = planner::FreeAnswer;
    Control focus = Control::Form;
    int abouts = 0;
    int closes = 0;
};
