#pragma once

#include <QIcon>

namespace plorik::gui {

// Icons for the clipboard tool buttons, drawn at run time (the style has none of its own).
QIcon copyIcon();
QIcon cutIcon();
QIcon pasteIcon();

} // namespace plorik::gui
