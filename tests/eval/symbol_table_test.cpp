// SPDX-License-Identifier: MIT
// CSymbolTable: names in any case, values that must be numbers in the owning
// evaluator's notation, the errors callers rely on, order, and count.

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

// Values as people write them: any number, but no null pointer.
// clang-format off
template <typename T>
concept Adds = requires(CSymbolTable table, T value) { table.Add("x", value); };
// clang-format on
static_assert(Adds<int> && Adds<unsigned long> && Adds<float> && Adds<const char *> && !Adds<std::nullptr_t>);

TEST(SymbolTable, NamesMatchAnyCaseAndOnlyNumbersAreStoredWithTheirKind)
{
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
    alone.Add("zero", 0);
    alone.Add("null", static_cast<const char *>(nullptr));
    EXPECT_EQ(alone.Count(), 3);
    EXPECT_TRUE(alone.Value("zero") == VariantValue(0.0) && alone.Value("null").is_empty());
}

TEST(SymbolTable, WritingTakesTheNewCaseAndMovesTheNameToTheEndOrRaises)
{
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

TEST(SymbolTable, CountingPast32767Overflows)
{
    CSymbolTable table;
    for (int i = 0; i < 32767; ++i)
        table.m_Symbols.add(std::to_string(i), 0.0);
    EXPECT_EQ(table.Count(), 32767);
    EXPECT_EQ(table.Value("32766"), VariantValue(0.0));
    table.m_Symbols.add("one more", 0.0);
    EXPECT_EQ(raised([&] { table.Count(); }), "raised 6 at 0: Overflow");
}

// Random adds, deletes and rewrites against a plain list of the same names:
// the order, the values and the names that are found must stay the list's
// through removed entries left in place and compacted away.
TEST(SymbolTable, KeepsItsOrderThroughManyChanges)
{
    CSymbolTable table;
    std::vector<std::pair<std::string, double>> model;
    std::uint32_t random = 12345;
    for (int step = 0; step < 20000; ++step) {
        random = random * 1103515245u + 12345u;
        const std::string name =
            (random >> 8) % 2 ? "n" + std::to_string((random >> 12) % 40) : "N" + std::to_string((random >> 12) % 40);
        const auto in_model = std::find_if(model.begin(), model.end(), [&](const auto &entry) {
            return std::equal(entry.first.begin() + 1, entry.first.end(), name.begin() + 1, name.end());
        });
        if ((random >> 24) % 3 == 0) {
            table.Delete(name);
            if (in_model != model.end())
                model.erase(in_model);
        } else if (in_model != model.end()) {
            table.Value(name, double(step));
            model.erase(in_model);
            model.emplace_back(name, step);
        } else {
            table.Add(name, double(step));
            model.emplace_back(name, step);
        }
        ASSERT_EQ(table.m_Symbols.size(), model.size());
    }
    for (std::size_t i = 0; i < model.size(); ++i) {
        EXPECT_EQ(table.m_Symbols.name_at(i), model[i].first);
        EXPECT_EQ(table.m_Symbols.value_at(i), VariantValue(model[i].second));
        EXPECT_EQ(table.Value(model[i].first), VariantValue(model[i].second));
    }
    EXPECT_THROW(table.m_Symbols.name_at(model.size()), std::out_of_range);
    std::size_t defined = 0;
    for (int n = 0; n < 40; ++n)
        defined += table.IsSymbolDefined("n" + std::to_string(n));
    EXPECT_EQ(defined, model.size());
}
