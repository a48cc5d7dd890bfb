#pragma once

#include "WidgetBinder.h"

#include <QString>

#include <string_view>

class QGridLayout;
class QGroupBox;
class QTableWidget;
class QWidget;

namespace plorik::gui {

// Small helpers for laying out a window's controls by hand.

// Makes a widget as wide as `characters` digits plus its frame.
void setWidthInCharacters(QWidget* widget, int characters);

// Puts "caption [box] unit" into three cells of a grid row, from `column` on. `characters` sets the
// box's width (0: as wide as the column lets it be). Returns the control's widget.
QWidget* addField(WidgetBinder& binder, QGridLayout* grid, int row, ControlKey key, int column = 0, int characters = 0);
// Puts a widget that carries its own caption (check box, button) into a grid cell.
QWidget* addOwnCaption(WidgetBinder& binder, QGridLayout* grid, int row, ControlKey key, int column = 0,
                       int columnSpan = 1);

// A group box of our own (not a control of the form) with a grid inside.
QGridLayout* framedGrid(const QString& title, QWidget* parent, QGroupBox** group = nullptr);
// The group box of a Group control with a grid inside.
QGridLayout* groupGrid(WidgetBinder& binder, ControlKey key, QWidget* parent);

// Gives a grid's columns at least `columnWidth` pixels (and room for their texts) and sizes the
// widget to show every column and up to `maxRows` rows (0: all) without scrolling.
void fitGrid(QTableWidget* table, int maxRows = 0, int columnWidth = 0);

} // namespace plorik::gui
