#include "frmAbout.h"

#include "AboutText.h"
#include "ShellTexts.h"
#include "Twips.h"
#include "WindowParts.h"

using platform::twipsRect;

namespace planner {

frmAbout::frmAbout(QWidget *parent)
    : AboutBox({texts::AboutCaption.toString(),
                twipsRect(0, 0, 5445, 4200).size(),
                twipsRect(360, 240, 4695, 3015),
                parts::msSansSerif(9.75),
                parts::DarkBlue,
                parts::PaleYellow,
                twipsRect(2280, 3600, 1095, 375),
                parts::LightYellow,
                {}},
               aboutText, parent)
{ }

} // namespace planner
