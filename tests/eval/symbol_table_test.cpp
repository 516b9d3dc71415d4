// SPDX-License-Identifier: MIT
// CSymbolTable: names in any case, values that must be numbers in the owning
// evaluator's notation, the errors callers rely on, order, and count.

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

TEST(SymbolTable, NamesMatchAnyCaseAndOnlyNumbersAreStoredWithTheirKind) {
    for (const Notation notation : {Point, Comma}) {
        Evaluator owner(notation);
        CSymbolTable &table = owner.eval.m_SymbolTable;
        table.Add("y", 5.0);
        table.Add("Y", 7.0); // taken: ignored
        for (const VariantValue &no_number : {VariantValue("abc"), VariantValue(in(notation, "1,5")),
                                              VariantValue(HUGE_VAL), VariantValue(std::nan(""))})
            table.Add("n", no_number);
        table.Add("u", in(notation, "2.5"));
        table.Add("e", VariantValue());
        EXPECT_EQ(table.Value("Y"), VariantValue(5.0));
        EXPECT_EQ(table.Value("U"), VariantValue(in(notation, "2.5")));
        EXPECT_TRUE(table.IsSymbolDefined("E") && !table.IsSymbolDefined("n"));
        EXPECT_EQ(owner("y*u"), 12.5);
    }
    CSymbolTable alone; // reads "." like a table on its own
    alone.Add("p", "2.5");
    alone.Add("c", "2,5");
    EXPECT_EQ(alone.Count(), 1);
}

TEST(SymbolTable, WritingTakesTheNewCaseAndMovesTheNameToTheEndOrRaises) {
    CSymbolTable table;
    for (const char *name : {"a", "b", "c", "mass"})
        table.Add(name, 1.0);
    table.Delete("B");
    table.Delete("undefined");
    table.Value("MASS", 9.0);
    table.Value("a", 2.0);
    EXPECT_EQ(raised([&] { table.Value("b", 1.0); }), "raised -2147221492 at 0: Symbol not defined");
    EXPECT_EQ(raised([&] { table.Value("c", "abc"); }), "raised -2147221494 at 0: Invalid symbol value");
    std::vector<std::string> names;
    for (std::size_t i = 0; i < table.m_Symbols.size(); ++i)
        names.push_back(table.m_Symbols.name_at(i));
    EXPECT_EQ(names, (std::vector<std::string>{"c", "MASS", "a"}));
    EXPECT_EQ(table.Value("c"), VariantValue(1.0)); // found behind a removed name
    EXPECT_EQ(table.Value("mass"), VariantValue(9.0));
    EXPECT_TRUE(table.Value("b").is_empty());
}

TEST(SymbolTable, CountingPast32767Overflows) {
    CSymbolTable table;
    for (int i = 0; i < 32767; ++i)
        table.m_Symbols.add(std::to_string(i), 0.0);
    EXPECT_EQ(table.Count(), 32767);
    EXPECT_EQ(table.Value("32766"), VariantValue(0.0));
    table.m_Symbols.add("one more", 0.0);
    EXPECT_EQ(raised([&] { table.Count(); }), "raised 6 at 0: Overflow");
}
