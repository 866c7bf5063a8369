#pragma once

#include <QStringView>

// What a button says: its caption, its tooltip and, where the caption reads
// badly aloud, the name a screen reader speaks instead.
struct ButtonText
{
    QStringView caption;
    QStringView toolTip;
    QStringView spoken = {};
};
