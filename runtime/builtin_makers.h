#pragma once
// The widgets of the built-in classes, one maker per class, kept in small files by group. A maker builds its
// widget (or, for a class without a window, its plain object) inside the container and gives it what the
// record holds; createBuiltinControl then names, places and sets the font of every one alike.

#include "form_description.h"
#include "runtime/stored_text.h"
#include "twips.h"

#include <QRect>
#include <QString>
#include <string_view>

class QObject;
class QWidget;

namespace qv
{

class Form;

// builtin_text.cpp
QWidget *makeTextBox(const ControlRecord &record, QWidget &container);
QWidget *makeLabel(const ControlRecord &record, QWidget &container);

// builtin_buttons.cpp
QWidget *makeCommandButton(Form &form, const ControlRecord &record, QWidget &container);
QWidget *makeCheckBox(const ControlRecord &record, QWidget &container);
QWidget *makeOptionButton(const ControlRecord &record, QWidget &container);

// builtin_pictures.cpp
QWidget *makePictureBox(QWidget &container);
QWidget *makeImage(QWidget &container);

// builtin_frame.cpp
QWidget *makeFrame(const ControlRecord &record, QWidget &container);

// builtin_lists.cpp
QWidget *makeComboBox(const ControlRecord &record, QWidget &container);
QWidget *makeListBox(QWidget &container);

// builtin_scroll_bars.cpp
QWidget *makeScrollBar(Qt::Orientation orientation, QWidget &container);

// builtin_timer.cpp
QObject *makeTimer(const ControlRecord &record, QWidget &container);

// builtin_file_system.cpp
QWidget *makeDriveListBox(QWidget &container);
QWidget *makeDirListBox(QWidget &container);
QWidget *makeFileListBox(QWidget &container);

// builtin_shapes.cpp
QWidget *makeShape(QWidget &container);
QWidget *makeLine(const ControlRecord &record, const TwipsScale &scale, QWidget &container);
// A line's record has no size: its widget covers the line from (left, top) to (x2, y2), ends included.
QRect lineBounds(const ControlRecord &record, const TwipsScale &scale);

// builtin_data_control.cpp
QWidget *makeDataControl(const ControlRecord &record, QWidget &container);

} // namespace qv
