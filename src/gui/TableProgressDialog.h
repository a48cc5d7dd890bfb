#pragma once

#include <cstddef>
#include <functional>

class QWidget;

namespace plorik::gui {

// The progress of a table export or import: a modal progress dialog over `parent` while a table
// of more than 50 slots goes through, closed when the last slot is done.
std::function<void(std::size_t, std::size_t)> tableProgressDialog(QWidget* parent);

} // namespace plorik::gui
