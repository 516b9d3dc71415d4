// SPDX-License-Identifier: MIT
#include "cli/fault_report.h"

#include <algorithm>
#include <cwchar>
#include <locale.h>
#include <vector>

#include "text/utf8.h"

namespace vorlenta::cli {

namespace {

constexpr std::string_view program = "vorlenta-eval: ";

// Characters shown either side of the fault; a longer expression is cut.
constexpr std::size_t shown_before = 50;
constexpr std::size_t shown_after = 20;

// One character of the expression as the terminal shows it.
struct Glyph {
    std::string_view text;
    int columns;
};

// The terminal columns of a printable character, by the C library's Unicode
// tables (an East Asian wide character takes two, a combining mark none),
// whatever the user's own locale.
int columns_of(char32_t point)
{
    static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
    if (point < 0x80 || utf8 == locale_t(nullptr))
        return 1;
    const locale_t previous = ::uselocale(utf8);
    const int columns = ::wcwidth(static_cast<wchar_t>(point));
    ::uselocale(previous);
    return columns < 0 ? 1 : columns;
}

// Tabs and other control characters become blanks, and a byte that is no
// UTF-8 the replacement character, so that the caret stays under its
// character and the report itself is valid UTF-8.
std::vector<Glyph> glyphs(std::string_view expression)
{
    std::vector<Glyph> shown;
    for (std::size_t offset = 0; offset < expression.size();) {
        const text::Utf8Char c = text::decode_utf8(expression, offset);
        if (c.length == 0) {
            shown.push_back({"\xef\xbf\xbd", 1});
            ++offset;
            continue;
        }
        if (c.code_point < 0x20 || (c.code_point >= 0x7f && c.code_point < 0xa0))
            shown.push_back({" ", 1});
        else
            shown.push_back({expression.substr(offset, c.length), columns_of(c.code_point)});
        offset += c.length;
    }
    return shown;
}

void append(std::string &text, const std::vector<Glyph> &shown, std::size_t first, std::size_t last)
{
    for (std::size_t i = first; i < last; ++i)
        text += shown[i].text;
}

} // namespace

std::string fault_report(std::string_view where, std::string_view expression, const LineResult &result)
{
    const std::vector<Glyph> shown = glyphs(expression);
    std::string report(program);
    report += where;
    if (result.outcome != Outcome::SyntaxFault) {
        const std::size_t last = std::min(shown.size(), shown_before + shown_after);
        append(report, shown, 0, last);
        report += last < shown.size() ? "...: " : ": ";
        return report + result.text + '\n';
    }
    // The fault's place as an index into the characters; at most one past their end.
    const std::size_t fault = std::min(std::size_t(result.position - 1), shown.size());
    const std::size_t first = fault > shown_before ? fault - shown_before : 0;
    const std::size_t last = std::min(shown.size(), fault + shown_after);
    if (first > 0)
        report += "...";
    std::size_t indent = report.size(); // the lead is ASCII: one column a byte
    append(report, shown, first, last);
    if (last < shown.size())
        report += "...";
    for (std::size_t i = first; i < fault; ++i)
        indent += std::size_t(shown[i].columns);
    report += '\n';
    report.append(indent, ' ');
    report += "^ " + result.text + " (position " + std::to_string(result.position) + ")" + result.hint + '\n';
    return report;
}

} // namespace vorlenta::cli
