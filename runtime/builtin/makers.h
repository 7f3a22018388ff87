#pragma once
// The makers of the built-in classes, one per class, all of one signature, kept in small files by group. A
// maker builds its widget (or, for a class without a window, its plain object) inside the container and gives
// it what the record holds; the form load then names, places and sets the font of every one alike.

#include "runtime/core/control_maker.h"
#include <quorvane/form_description.h>

#include <QObject>

namespace qv::builtin
{

using Maker = Outcome<QObject *> (*)(const ControlRecord &record, const MakeSite &site);

// text.cpp
Outcome<QObject *> makeTextBox(const ControlRecord &record, const MakeSite &site);
Outcome<QObject *> makeLabel(const ControlRecord &record, const MakeSite &site);

// buttons.cpp
Outcome<QObject *> makeCommandButton(const ControlRecord &record, const MakeSite &site);
Outcome<QObject *> makeCheckBox(const ControlRecord &record, const MakeSite &site);
Outcome<QObject *> makeOptionButton(const ControlRecord &record, const MakeSite &site);

// pictures.cpp
Outcome<QObject *> makePictureBox(const ControlRecord &record, const MakeSite &site);
Outcome<QObject *> makeImage(const ControlRecord &record, const MakeSite &site);

// frame.cpp
Outcome<QObject *> makeFrame(const ControlRecord &record, const MakeSite &site);

// lists.cpp
Outcome<QObject *> makeComboBox(const ControlRecord &record, const MakeSite &site);
Outcome<QObject *> makeListBox(const ControlRecord &record, const MakeSite &site);

// scroll_bars.cpp
Outcome<QObject *> makeHScrollBar(const ControlRecord &record, const MakeSite &site);
Outcome<QObject *> makeVScrollBar(const ControlRecord &record, const MakeSite &site);

// timer.cpp
Outcome<QObject *> makeTimer(const ControlRecord &record, const MakeSite &site);

// file_system.cpp
Outcome<QObject *> makeDriveListBox(const ControlRecord &record, const MakeSite &site);
Outcome<QObject *> makeDirListBox(const ControlRecord &record, const MakeSite &site);
Outcome<QObject *> makeFileListBox(const ControlRecord &record, const MakeSite &site);

// shapes.cpp
Outcome<QObject *> makeShape(const ControlRecord &record, const MakeSite &site);
Outcome<QObject *> makeLine(const ControlRecord &record, const MakeSite &site);

// data_control.cpp
Outcome<QObject *> makeDataControl(const ControlRecord &record, const MakeSite &site);

// ole_container.cpp
Outcome<QObject *> makeOleContainer(const ControlRecord &record, const MakeSite &site);

} // namespace qv::builtin
