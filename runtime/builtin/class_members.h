#pragma once
// Which members object each built-in class gets: its own where it has one, else the members every control
// with a window has. The class table names one of these per class.

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

inline MemberObject *timerMembers(QObject &object, const ControlRecord &record)
{
    return new TimerMembers(object, record);
}

inline constexpr MembersMaker labelMembers = membersOf<LabelMembers, QLabel>;
inline constexpr MembersMaker textBoxMembers = membersOf<TextBoxMembers, QLineEdit>;
inline constexpr MembersMaker frameMembers = membersOf<FrameMembers, QGroupBox>;
inline constexpr MembersMaker commandButtonMembers = membersOf<CommandButtonMembers, QPushButton>;
inline constexpr MembersMaker checkBoxMembers = membersOf<CheckBoxMembers, QCheckBox>;
inline constexpr MembersMaker optionButtonMembers = membersOf<OptionButtonMembers, QRadioButton>;
inline constexpr MembersMaker comboBoxMembers = membersOf<ComboBoxMembers, QComboBox>;
inline constexpr MembersMaker listBoxMembers = membersOf<ListBoxMembers, QListWidget>;
inline constexpr MembersMaker scrollBarMembers = membersOf<ScrollBarMembers, QScrollBar>;
inline constexpr MembersMaker driveListBoxMembers = membersOf<DriveListMembers, QComboBox>;
inline constexpr MembersMaker dirListBoxMembers = membersOf<DirListMembers, DirectoryList>;
inline constexpr MembersMaker fileListBoxMembers = membersOf<FileListMembers, FileList>;
inline constexpr MembersMaker shapeMembers = membersOf<ShapeMembers, ShapeWidget>;
inline constexpr MembersMaker lineMembers = membersOf<LineMembers, LineWidget>;
inline constexpr MembersMaker imageMembers = membersOf<ImageMembers, QLabel>;
inline constexpr MembersMaker pictureBoxMembers = membersOf<PictureBoxMembers, PictureBoxFrame>;
inline constexpr MembersMaker dataMembers = membersOf<DataMembers, DataControlBar>;
inline constexpr MembersMaker oleMembers = membersOf<OleMembers, OleContainer>;

} // namespace qv::builtin
