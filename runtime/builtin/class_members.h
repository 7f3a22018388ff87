#pragma once
// Which members object each built-in class gets, and the meta-object that describes it: its own where it has
// one, else the members every control with a window has. The class table names one of these per class.

#include "runtime/builtin/button_members.h"
#include "runtime/builtin/data_control.h"
#include "runtime/builtin/data_members.h"
#include "runtime/builtin/file_system.h"
#include "runtime/builtin/file_system_members.h"
#include "runtime/builtin/list_members.h"
#include "runtime/builtin/ole_container.h"
#include "runtime/builtin/ole_members.h"
#include "runtime/builtin/picture_members.h"
#include "runtime/builtin/pictures.h"
#include "runtime/builtin/scroll_bar_members.h"
#include "runtime/builtin/shape_members.h"
#include "runtime/builtin/text_members.h"
#include "runtime/builtin/timer_members.h"
#include "runtime/core/control_maker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace qv::builtin
{

// The members M of a class whose maker makes a W; a maker that made something else gets the common ones.
template<class M, class W> MemberObject *membersOf(QObject &object, const ControlRecord &record)
{
    if (auto *made = qobject_cast<W *>(&object))
        return new M(*made, record);
    if (auto *widget = qobject_cast<QWidget *>(&object))
        return new WindowedMembers(*widget, record);
    return new ControlMembers(object, record);
}

// A class's members: how they are made, and their description, which its controls' type information and the
// typed classes read without making a control.
struct ClassMembers {
    MembersMaker make;
    const QMetaObject *description;
};

template<class M, class W> inline constexpr ClassMembers membersFor { membersOf<M, W>, &M::staticMetaObject };

inline MemberObject *makeTimerMembers(QObject &object, const ControlRecord &record)
{
    return new TimerMembers(object, record);
}

inline constexpr ClassMembers timerMembers { makeTimerMembers, &TimerMembers::staticMetaObject };
inline constexpr ClassMembers labelMembers = membersFor<LabelMembers, QLabel>;
inline constexpr ClassMembers textBoxMembers = membersFor<TextBoxMembers, QLineEdit>;
inline constexpr ClassMembers frameMembers = membersFor<FrameMembers, QGroupBox>;
inline constexpr ClassMembers commandButtonMembers = membersFor<CommandButtonMembers, QPushButton>;
inline constexpr ClassMembers checkBoxMembers = membersFor<CheckBoxMembers, QCheckBox>;
inline constexpr ClassMembers optionButtonMembers = membersFor<OptionButtonMembers, QRadioButton>;
inline constexpr ClassMembers comboBoxMembers = membersFor<ComboBoxMembers, QComboBox>;
inline constexpr ClassMembers listBoxMembers = membersFor<ListBoxMembers, QListWidget>;
inline constexpr ClassMembers scrollBarMembers = membersFor<ScrollBarMembers, QScrollBar>;
inline constexpr ClassMembers driveListBoxMembers = membersFor<DriveListMembers, QComboBox>;
inline constexpr ClassMembers dirListBoxMembers = membersFor<DirListMembers, DirectoryList>;
inline constexpr ClassMembers fileListBoxMembers = membersFor<FileListMembers, FileList>;
inline constexpr ClassMembers shapeMembers = membersFor<ShapeMembers, ShapeWidget>;
inline constexpr ClassMembers lineMembers = membersFor<LineMembers, LineWidget>;
inline constexpr ClassMembers imageMembers = membersFor<ImageMembers, QLabel>;
inline constexpr ClassMembers pictureBoxMembers = membersFor<PictureBoxMembers, PictureBoxFrame>;
inline constexpr ClassMembers dataMembers = membersFor<DataMembers, DataControlBar>;
inline constexpr ClassMembers oleMembers = membersFor<OleMembers, OleContainer>;

} // namespace qv::builtin
