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

bool same_letters(std::string_view text, std::size_t at, std::string_view lower)
{
    for (std::size_t i = 0; i < lower.size(); ++i)
        if ((text[at + i] | 0x20) != lower[i])
            return false;
    return true;
}

// Names match whatever the case of their ASCII letters.
bool is_ans(std::string_view name)
{
    return name.size() == 3 && same_letters(name, 0, "ans");
}

bool mentions_ans(std::string_view line)
{
    for (std::size_t at = 0; at + 3 <= line.size(); ++at)
        if (same_letters(line, at, "ans"))
            return true;
    return false;
}

} // namespace

SessionLine Session::run(std::string_view line)
{
    provide_ans(line);
    if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
        if (std::optional<LineResult> fault = LineEvaluator::unreadable(line))
            return {std::move(*fault), true};
        return assign(line, equals);
    }
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
    m_last = value;
    m_last_is_new = true;
}

// Defining a symbol costs more than evaluating most lines, so ans is only
// brought up to date for a line that may name it.
void Session::provide_ans(std::string_view line)
{
    if (!m_last_is_new || !mentions_ans(line))
        return;
    CEval &eval = m_line.evaluator();
    if (!m_ans_is_ours && eval.m_SymbolTable.IsSymbolDefined("ans"))
        return; // the user's own
    eval.define("ans", m_last);
    m_ans_is_ours = true;
    m_last_is_new = false;
}

} // namespace vorlenta::cli
