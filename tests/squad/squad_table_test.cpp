// SPDX-License-Identifier: MIT
// The squad as the page holds it: an edit computes its row, a paste fills the
// cells it covers, an import replaces the table or leaves it as it was.

#include <gtest/gtest.h>

#include "squad/squad_table.h"

namespace vorlenta::squad {
namespace {

std::string column_of(const SquadTable &table, std::string_view name)
{
    std::string cells;
    const auto &header = table.header();
    const std::size_t column = std::size_t(std::find(header.begin(), header.end(), name) - header.begin());
    for (std::size_t row = 0; row < table.rows(); ++row)
        cells += std::string(table.cell(row, column)) + "|";
    return cells;
}

TEST(SquadTable, EditsPastesAndSortsComputeTheirRows)
{
    SquadTable table('.', {"name", "body_mass", "load", "reps"});
    table.set_formulas({{"rel", "one_rm/body_mass"}});
    table.paste("Anna\t80\t100\t10\r\nBen\t\t150\t5\r\n\"Cara\"\t70\t80\t8\textra\r\n", 0, 0);
    EXPECT_EQ(column_of(table, "one_rm"), "133.37|168.77|99.33|");
    EXPECT_EQ(column_of(table, "rel"), "1.667125||1.419|");
    table.set_cell(1, 1, "75");
    EXPECT_EQ(column_of(table, "one_rm_per_kg"), "1.67|2.25|1.42|");
    table.set_cell(4, 0, "Dan");
    EXPECT_EQ(column_of(table, "name"), "Anna|Ben|Cara||Dan|");
    table.sort(4, true);
    EXPECT_EQ(column_of(table, "name"), "Ben|Anna|Cara||Dan|");
}

TEST(SquadTable, AnImportReplacesTheTableOrLeavesItAsItWas)
{
    SquadTable table('.', {"name", "body_mass", "load", "reps"});
    table.set_cell(0, 0, "kept");
    for (const std::string_view bad : {std::string_view(""), std::string_view("a\n\xff\n"), std::string_view("a\n1\n2\n")}) {
        std::vector<Problem> problems;
        EXPECT_FALSE(table.import_csv(bad, problems, 1));
        EXPECT_FALSE(problems.empty());
        EXPECT_EQ(column_of(table, "name"), "kept|");
    }
    std::vector<Problem> problems;
    ASSERT_TRUE(table.import_csv("name;Body_Mass;load;reps\r\nAnna;72,5;100;10\r\n=x;abc;1,5;1\r\n", problems));
    EXPECT_EQ(problems.size(), 1u); // abc is no body mass
    EXPECT_EQ(table.export_csv(), "name,Body_Mass,load,reps,one_rm,one_rm_per_kg\n"
                                  "Anna,72.5,100,10,133.37,1.84\n\"'=x\",abc,1.5,1,1.50,\n");
}

} // namespace
} // namespace vorlenta::squad
