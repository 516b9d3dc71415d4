// SPDX-License-Identifier: MIT
#pragma once

// What an action of the page's model answers: which of its state changed, as
// bits. Bit n-1 stands for the field Textn whose text changed; the two bits
// above the fields for the panels' enabled state and an exchange button's
// caption. The build hands the same bits to the page's script.

#include <cstdint>

#include "fields/field_table.h"

namespace vorlenta::page_changes {

inline constexpr std::uint32_t field(Field field)
{
    return 1u << index_of(field);
}
inline constexpr std::uint32_t panels = 1u << field_count;
inline constexpr std::uint32_t caption = 1u << (field_count + 1);

} // namespace vorlenta::page_changes
