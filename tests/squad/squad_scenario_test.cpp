// SPDX-License-Identifier: MIT
// The athletes of tests/scenarios/squad.txt, which the model, the window and
// the page play field by field, played as rows of a squad's file in both
// dialects: each derived cell must be the text the window shows.

#include <gtest/gtest.h>

#include "squad/squad_stream.h"
#include "tests/scenarios/played_rows.h"

namespace vorlenta::testing {
namespace {

using namespace squad;

class SquadScenarios : public ::testing::TestWithParam<Played> {};

const char *input_named(const std::string &field)
{
    for (const InputColumn &input : input_columns)
        if (field == name_of(input.field))
            return input.name;
    return nullptr;
}

const char *derived_named(const std::string &field)
{
    for (const DerivedColumn &derived : derived_columns)
        if (field == name_of(derived.field))
            return derived.name;
    return nullptr;
}

TEST_P(SquadScenarios, DerivedCellsAreTheWindowsTexts)
{
    const bool comma = GetParam().notation == Notation::Comma;
    const char separator = comma ? ';' : ',';
    std::string header, row;
    std::vector<std::pair<std::string, std::string>> expected; // column, text
    for (const std::string &word : words_of(GetParam().row, comma)) {
        const std::size_t at = word.find_first_of("=:");
        if (at == std::string::npos)
            continue; // Tab, Command2: the squad leaves and converts by itself
        const std::string field = word.substr(0, at), text = word.substr(at + 1);
        if (word[at] == '=') {
            ASSERT_TRUE(input_named(field)) << field << " is no input of a squad";
            header += (header.empty() ? "" : std::string(1, separator)) + input_named(field);
            row += (row.empty() ? "" : std::string(1, separator)) + text;
        } else if (derived_named(field)) {
            expected.emplace_back(derived_named(field), text);
        }
    }
    const std::string file = header + "\n" + row + "\n";
    TextSource source(file);
    SquadStream stream(source, {});
    std::string out;
    std::vector<Problem> problems;
    while (stream.next(out, problems) != SquadStream::Output::End) {}
    EXPECT_TRUE(problems.empty()) << problems.front().column << ": " << problems.front().message;

    TextSource written(out);
    CsvReader reader(written);
    Record names, cells;
    ASSERT_TRUE(reader.next(names) && reader.next(cells));
    std::vector<std::string> name_list(names.cells.begin(), names.cells.end());
    EXPECT_EQ(reader.dialect().separator, separator);
    for (const auto &[column, text] : expected) {
        const auto found = std::find(name_list.begin(), name_list.end(), column);
        ASSERT_NE(found, name_list.end()) << column << " was not appended";
        EXPECT_EQ(cells.cells[std::size_t(found - name_list.begin())], text) << column;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SquadScenarios, ::testing::ValuesIn(in_both_notations(read_scenarios("squad.txt"))),
                         test_name);

} // namespace
} // namespace vorlenta::testing
