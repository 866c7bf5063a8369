#pragma once

#include "MessageBox.h"

class QWidget;

namespace platform {

// A QMessageBox for the message, modal over `owner`; its text shown as typed,
// never as markup.
Answer showMessageBox(QWidget &owner, const Message &message);

} // namespace platform
