// SPDX-License-Identifier: MIT
#include "cli/session.h"

#include "text/utf8.h"

namespace vorlenta::cli {

namespace {

using text::characters_before;

// What the evaluator skips between tokens: blanks and other control characters.
bool is_space(char c)
{
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

bool is_blank(std::string_view text)
{
    for (const char c : text)
        if (!is_space(c))
            return false;
    return true;
}

// Names match whatever the case of their ASCII letters.
bool is_ans(std::string_view name)
{
    constexpr std::string_view ans = "ans";
    if (name.size() != ans.size())
        return false;
    for (std::size_t i = 0; i < ans.size(); ++i)
        if ((name[i] | 0x20) != ans[i])
            return false;
    return true;
}

} // namespace

SessionLine Session::run(std::string_view line)
{
    if (const std::size_t equals = line.find('='); equals != std::string_view::npos)
        return assign(line, equals);
    SessionLine done{m_line.evaluate(line)};
    if (done.result.outcome == Outcome::Value)
        remember(done.result.value);
    return done;
}

SessionLine Session::assign(std::string_view line, std::size_t equals)
{
    const std::string_view expression = line.substr(equals + 1);
    if (is_blank(expression))
        return {{Outcome::SyntaxFault, "Expression expected after \"=\"", characters_before(line, line.size()) + 1},
                true};
    SessionLine done{m_line.evaluate(expression), true};
    LineResult &result = done.result;
    if (result.outcome == Outcome::SyntaxFault)
        result.position += characters_before(line, equals + 1);
    if (result.outcome != Outcome::Value)
        return done;

    std::size_t first = 0;
    while (first < equals && is_space(line[first]))
        ++first;
    std::size_t last = equals;
    while (last > first && is_space(line[last - 1]))
        --last;
    const std::string_view name = line.substr(first, last - first);
    std::string why;
    if (!m_line.evaluator().define(name, result.value, &why))
        return {{Outcome::SyntaxFault, std::move(why), characters_before(line, name.empty() ? equals : first) + 1},
                true};
    if (is_ans(name))
        m_ans_is_ours = false;
    remember(result.value);
    return done;
}

void Session::remember(double value)
{
    CEval &eval = m_line.evaluator();
    if (!m_ans_is_ours && eval.m_SymbolTable.IsSymbolDefined("ans"))
        return; // the user's own
    eval.define("ans", value);
    m_ans_is_ours = true;
}

} // namespace vorlenta::cli
