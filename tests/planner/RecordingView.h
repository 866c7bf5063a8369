#pragma once

#include "PlannerView.h"

#include <QString>
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

    void setCaption(planner::Control c, const QString &caption) override
    {
        controls[c].caption = caption;
    }
    void setControlVisible(planner::Control c, bool visible) override
    {
        controls[c].visible = visible;
    }
    void setControlEnabled(planner::Control c, bool enabled) override
    {
        controls[c].enabled = enabled;
    }
    void setControlTop(planner::Control c, int twips) override { controls[c].top = twips; }
    void setControlHeight(planner::Control c, int twips) override { controls[c].height = twips; }
    void focusControl(planner::Control c) override { focused = c; }
    QString answerText() const override { return answer; }
    void setAnswerText(const QString &text) override { answer = text; }
    void setAnswerMode(planner::AnswerMode m) override { mode = m; }
    void showAboutBox() override { ++aboutBoxes; }
    void screenShown() override { ++screensShown; }
    void closeWindow() override { ++closes; }

    const ControlState &operator[](planner::Control c) { return controls[c]; }

    // Which of the controls that come and go are shown, in the order of Control.
    QString shown() const
    {
        using enum planner::Control;
        const std::pair<planner::Control, const char16_t *> names[] = {
            {Frame2, u"Frame2"},     {Text1, u"Text1"},       {Command3, u"Command3"},
            {Frame3, u"Frame3"},     {Picture1, u"Picture1"}, {Picture2, u"Picture2"},
            {Command2, u"Command2"}, {Print, u"Print"}};
        QStringList list;
        for (const auto &[control, name] : names) {
            if (controls.at(control).visible)
                list.append(QString::fromUtf16(name));
        }
        return list.join(u' ');
    }

    std::map<planner::Control, ControlState> controls;
    planner::Control focused = planner::Control::Form;
    QString answer;
    planner::AnswerMode mode = planner::FreeAnswer;
    int aboutBoxes = 0;
    int screensShown = 0;
    int closes = 0;
};
