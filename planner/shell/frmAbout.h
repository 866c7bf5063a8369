#pragma once

#include "AboutBox.h"

namespace planner {

// About Orvanta: the maker's text and a Finished button.
class frmAbout : public AboutBox
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent);
};

} // namespace planner
