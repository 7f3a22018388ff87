#include "runtime/core/bstr.h"

namespace qv
{

int vbaStrCmp(QStringView left, QStringView right)
{
    const int order = left.compare(right, Qt::CaseSensitive);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // namespace qv
