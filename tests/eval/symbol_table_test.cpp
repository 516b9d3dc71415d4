// SPDX-License-Identifier: MIT
// CSymbolTable: names in any case, values that must be numbers, the errors
// callers rely on, order, and count.

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

TEST(SymbolTable, NamesMatchAnyCaseAndOnlyNumbersAreStoredWithTheirKind) {
    for (const Notation notation : {Point, Comma}) {
        const Evaluator user_locale(notation);
        CSymbolTable table;
        table.Add("x", 5.0);
        table.Add("X", 7.0); // taken: ignored
        for (const VariantValue &no_number : {VariantValue(QString("abc")), VariantValue(in(notation, "1,5")),
                                              VariantValue(HUGE_VAL), VariantValue(std::nan(""))})
            table.Add("n", no_number);
        table.Add("t", in(notation, "2.5"));
        table.Add("e", VariantValue());
        EXPECT_EQ(table.Value("X"), VariantValue(5.0));
        EXPECT_EQ(table.Value("t"), VariantValue(in(notation, "2.5")));
        EXPECT_TRUE(table.IsSymbolDefined("E") && !table.IsSymbolDefined("n"));
        EXPECT_EQ(table.Count(), 3);
    }
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
    EXPECT_EQ(raised([&] { table.Value("c", QString("abc")); }), "raised -2147221494 at 0: Invalid symbol value");
    QStringList names;
    for (const auto &entry : table.m_Symbols.entries())
        names << entry.name;
    EXPECT_EQ(names, QStringList({"c", "MASS", "a"}));
    EXPECT_EQ(table.Value("c"), VariantValue(1.0)); // found behind a removed name
    EXPECT_EQ(table.Value("mass"), VariantValue(9.0));
    EXPECT_TRUE(table.Value("b").is_empty());
}

TEST(SymbolTable, CountingPast32767Overflows) {
    CSymbolTable table;
    for (int i = 0; i < 32767; ++i)
        table.m_Symbols.add(QString::number(i), 0.0);
    EXPECT_EQ(table.Count(), 32767);
    table.m_Symbols.add("one more", 0.0);
    EXPECT_EQ(raised([&] { table.Count(); }), "raised 6 at 0: Overflow");
}
