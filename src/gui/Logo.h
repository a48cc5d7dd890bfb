#pragma once

#include <QPixmap>
#include <QSize>

namespace plorik::gui {

// The program's logo, drawn at run time: the name on a dark sky with a few stars.
QPixmap paintLogo(const QSize& size);

} // namespace plorik::gui
