#include "frmAbout.h"

#include "AboutText.h"
#include "Twips.h"
#include "VelkinTexts.h"
#include "WindowParts.h"

using platform::twipsRect;

namespace typefinder {

frmAbout::frmAbout(QWidget *parent)
    : AboutBox({texts::AboutCaption.toString(), twipsRect(0, 0, 4680, 3585).size(),
                twipsRect(480, 240, 3615, 2415), parts::arial(9.75), parts::DarkBlue,
                parts::PaleYellow, twipsRect(1920, 3000, 855, 375), QColor(),
                texts::AboutFinishedTip.toString()},
               aboutText, parent)
{ }

} // namespace typefinder
