#include "commondialog.h"

#include "controls/interface/checked_block.h"

#include <QStringList>
#include <QWidget>
#include <limits>

namespace qv::mscomdlg
{

qsizetype filterPairs(const QString &filter)
{
    if (filter.isEmpty())
        return 0;
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() % 2 != 0)
        return -1;
    for (qsizetype i = 1; i < parts.size(); i += 2) {
        if (parts[i].trimmed().isEmpty())
            return -1;
    }
    return parts.size() / 2;
}

ControlLibrary::Creation createCommonDialog(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const bool cancelError = state.flag(u"CancelError", false);
    const QString title = state.text(u"DialogTitle", {});
    const QString filter = state.text(u"Filter", {});
    const int filterIndex = state.integer(u"FilterIndex", 0, 0, std::numeric_limits<std::int32_t>::max());
    const int flags = state.integer(u"Flags", 0, 0, std::numeric_limits<std::int32_t>::max());
    const qsizetype pairs = filterPairs(filter);
    if (pairs < 0)
        state.refuse(QStringLiteral("Filter \"%1\" is not pairs of description and pattern").arg(filter));
    else if (filterIndex > pairs)
        state.refuse(
            QStringLiteral("FilterIndex is %1, but Filter has %2 pair(s)").arg(filterIndex).arg(pairs));
    if (!state.ok())
        return { nullptr, state.error() };

    auto *dialog = new QObject(&container);
    dialog->setProperty("CancelError", cancelError);
    dialog->setProperty("DialogTitle", title);
    dialog->setProperty("Filter", filter);
    dialog->setProperty("FilterIndex", filterIndex);
    dialog->setProperty("Flags", flags);
    return { dialog, {} };
}

} // namespace qv::mscomdlg
