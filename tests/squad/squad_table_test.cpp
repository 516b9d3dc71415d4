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
    for (const std::string_view bad :
         {std::string_view(""), std::string_view("a\n\xff\n"), std::string_view("a\n1\n2\n")}) {
        std::vector<Problem> problems;
        EXPECT_FALSE(table.import_csv(bad, problems, 1));
        EXPECT_FALSE(problems.empty());
        EXPECT_EQ(column_of(table, "name"), "kept|");
    }
    std::vector<Problem> problems;
    ASSERT_TRUE(table.import_csv("name;Body_Mass;load;reps\r\nAnna;72,5;100;10\r\n=x;abc;1,5;1\r\n", problems));
    EXPECT_EQ(problems.size(), 1u); // abc is no body mass
    EXPECT_EQ(table.export_csv(),
              "name,Body_Mass,load,reps,one_rm,one_rm_per_kg\n"
              "Anna,72.5,100,10,133.37,1.84\n\"'=x\",abc,1.5,1,1.50,\n");
}

TEST(SquadTable, ItsOwnExportComesBackAsItWasAndAFilesOwnResultsStay)
{
    SquadTable table(',', {"name", "body_mass", "load", "reps"});
    table.set_formulas({{"rel", "one_rm/body_mass"}});
    table.paste("=Anna\t80\t100\t10\nBen\t72,5\t150\t5\n", 0, 0);
    const std::string exported = table.export_csv();
    SquadTable again(',');
    again.set_formulas(table.formulas());
    std::vector<Problem> problems;
    ASSERT_TRUE(again.import_csv(exported, problems));
    EXPECT_EQ(again.columns(), table.columns());
    EXPECT_EQ(again.export_csv(), exported);
    EXPECT_TRUE(problems.empty());
    // A 1RM measured on the day is the coach's, not ours: it stays, and what differs is said.
    ASSERT_TRUE(again.import_csv("name;load;reps;one_rm;rel\nAnna;100;10;140;\nBen;150;5;168,77;2\n", problems));
    EXPECT_EQ(again.columns(), (std::vector<std::string>{"name", "load", "reps", "one_rm", "rel"}));
    EXPECT_EQ(problems.size(), 1u); // Anna's 1RM
}

TEST(SquadTable, ColumnsComeAndGoWithTheirCellsAndAKeptSquadComesBackInTheTablesNotation)
{
    SquadTable table('.', {"name", "load"});
    EXPECT_EQ(table.paste("Anna\t100\nBen\nCara\n", 0, 0, 2), 2u);
    table.add_column("reps", 1);
    table.set_cell(0, 1, "10");
    EXPECT_EQ(column_of(table, "one_rm"), "133.37||");
    table.remove_column(0);
    EXPECT_EQ(table.columns(), (std::vector<std::string>{"reps", "load"}));
    EXPECT_EQ(column_of(table, "load"), "100||");
    table.restore({"name", "body_mass", "note"}, {{"Anna", "72,5", "3,5 km"}, {"Ben"}}, ',');
    EXPECT_EQ(column_of(table, "body_mass"), "72.5||");
    EXPECT_EQ(column_of(table, "note"), "3,5 km||");
    table.remove_row(0);
    EXPECT_EQ(column_of(table, "name"), "Ben|");
}

} // namespace
} // namespace vorlenta::squad
