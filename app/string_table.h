// SPDX-License-Identifier: MIT
#pragma once

// The program's numbered captions, in the user's language where the program
// has a translation (installed as the application's translator) and in
// English otherwise. Loading asks for each id; an id the table lacks leaves
// that control with its designed caption and loading goes on.

#include <optional>

#include <QHash>
#include <QString>

namespace vorlenta {

class StringTable {
public:
    // The program's own table.
    static const StringTable &builtin();

    // A table of these English texts by id.
    explicit StringTable(QHash<int, QString> strings) : m_strings(std::move(strings)) {}

    std::optional<QString> load(int id) const;

private:
    QHash<int, QString> m_strings;
};

// Ids of the captions that loading uses, by what they caption.
namespace string_id {
inline constexpr int window_caption = 162;
inline constexpr int menu_file = 253;
inline constexpr int menu_help = 459;
inline constexpr int menu_exit = 177;
inline constexpr int help_page_path = 458;
inline constexpr int tab0 = 210;
inline constexpr int tab1 = 211;
inline constexpr int insert_body_mass = 321;
} // namespace string_id

} // namespace vorlenta
