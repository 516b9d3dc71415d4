// SPDX-License-Identifier: MIT
#pragma once

// What an action of the page's model answers: which of its state changed, as
// bits. Bit n-1 stands for the field Textn whose text changed; the three bits
// above the fields for the panels' enabled state, an exchange button's
// caption, and a request for the "body mass first" message. The build hands
// the same bits to the page's script.

#include <cstdint>

#include "fields/field_table.h"

namespace vorlenta::page_changes {

inline constexpr std::uint32_t field(Field field)
{
    return 1u << index_of(field);
}
inline constexpr std::uint32_t panels = 1u << field_count;
inline constexpr std::uint32_t caption = 1u << (field_count + 1);
inline constexpr std::uint32_t body_mass_missing = 1u << (field_count + 2);

} // namespace vorlenta::page_changes
