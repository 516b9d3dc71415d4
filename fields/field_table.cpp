// SPDX-License-Identifier: MIT
#include "field_table.h"

#include <algorithm>

namespace vorlenta {

std::optional<Field> field_named(QStringView name)
{
    const auto found = std::ranges::find_if(
        field_entries(), [&](const FieldEntry &entry) { return name == QLatin1String(entry.name); });
    if (found == field_entries().end())
        return std::nullopt;
    return found->field;
}

} // namespace vorlenta
