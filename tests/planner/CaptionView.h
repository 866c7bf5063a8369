#pragma once

#include "PlannerView.h"

#include <map>

// A window for the planner logic that only keeps the captions it is given.
class CaptionView final : public planner::PlannerView
{
public:
    void setCaption(planner::Control control, const QString &caption) override
    {
        captions[control] = caption;
    }
    void setControlVisible(planner::Control, bool) override { }
    void setControlEnabled(planner::Control, bool) override { }
    void setControlTop(planner::Control, int) override { }
    void setControlHeight(planner::Control, int) override { }
    void focusControl(planner::Control) override { }
    QString answerText() const override { return {}; }
    void setAnswerText(const QString &) override { }
    void setAnswerMaxLength(int) override { }
    void closeWindow() override { }

    std::map<planner::Control, QString> captions;
};
