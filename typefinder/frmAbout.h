#pragma once

#include "AboutBox.h"

namespace typefinder {

// About Velkin: the maker's text and a Finished button.
class frmAbout : public AboutBox
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent);
};

} // namespace typefinder
