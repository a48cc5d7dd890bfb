#pragma once

class QWidget;

namespace plorik::gui {

// Sets the Tab order of every widget under `root` to the order in which its layouts read: a grid
// row by row and left to right, box layouts in their order, a group box's or page's own layout where
// the group or page stands, and the pages of a tab widget after its tab bar. A window is then walked
// with Tab as it is laid out, whatever order its widgets were made in.
void setTabOrderFromLayout(QWidget* root);

} // namespace plorik::gui
