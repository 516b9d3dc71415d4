// SPDX-License-Identifier: MIT
// Moved-from objects work as new ones: every operation on an evaluator, a
// table or a stack left behind by a move gives what it gives on a new one
// (under AddressSanitizer too: scripts/test-sanitized.sh).

#include "eval_test_support.h"

using namespace vorlenta::eval_test;

// What a series of operations gives, as text.
std::string use(CEval &eval)
{
    std::string seen = {eval.decimal_separator(), ' '};
    seen += raised([&] { eval.Evaluate("x"); }) + ", " + value(eval.evaluate("2*3").value);
    eval.set_notice_handler([&](const Notice &n) { seen += ", notice " + std::to_string(n.number); });
    eval.Evaluate("1/0");
    seen += ", " + std::to_string(eval.define("x", 4.0)) + std::to_string(eval.m_SymbolTable.Count());
    const CEval copy(eval);
    return seen + ", " + value(copy.compile("x*2").evaluate({copy.m_SymbolTable.Value("X").number()}).value);
}

std::string use(CSymbolTable &table)
{
    std::string seen = std::to_string(table.Count()) + std::to_string(table.IsSymbolDefined("a"));
    seen += raised([&] { table.Value("a", 1.0); });
    table.Add("a", 2.0);
    table.Add("b", "2.5");
    table.Value("A", 3.0);
    table.Delete("b");
    const CSymbolTable copy(table);
    return seen + ", " + copy.m_Symbols.name_at(0) + "=" + value(copy.Value("a").number())
        + std::to_string(copy.m_Symbols.size());
}

std::string use(CStack &stack)
{
    std::string seen = std::to_string(stack.StackSize()) + raised([&] { stack.GetPopValue(); });
    seen += std::to_string(stack.Pop().is_empty()) + std::to_string(stack.pending_error().has_value());
    stack.Push(1.0);
    const CStack copy(stack);
    return seen + ", " + std::to_string(copy.StackSize()) + value(copy.GetPopValue().number());
}

// A used object, then left behind by a move of each kind.
template <typename T>
void expect_like_new()
{
    T fresh, by_construction, by_assignment;
    use(by_construction);
    use(by_assignment);
    const T moved(std::move(by_construction));
    T target;
    target = std::move(by_assignment);
    const std::string expected = use(fresh);
    EXPECT_EQ(use(by_construction), expected);
    EXPECT_EQ(use(by_assignment), expected);
}

TEST(MovedFrom, EvaluatorsTablesAndStacksWorkAsNewOnes)
{
    expect_like_new<CEval>();
    expect_like_new<CSymbolTable>();
    expect_like_new<CStack>();
    CEval without_table, fresh;
    use(without_table);
    const CSymbolTable taken(std::move(without_table.m_SymbolTable));
    EXPECT_EQ(use(without_table), use(fresh));
}
