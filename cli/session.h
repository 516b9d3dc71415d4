// SPDX-License-Identifier: MIT
#pragma once

// The lines of one run, each seeing what the lines before it defined:
// `name = expression` defines or redefines the symbol `name`, and `ans` holds
// the value of the last line that had one, until the user defines `ans`.

#include <string_view>

#include "cli/line_evaluation.h"

namespace vorlenta::cli {

struct SessionLine {
    LineResult result;       // a syntax fault's position counts in the whole line
    bool assignment = false; // the line defined a name; a value is the name's
};

class Session {
public:
    explicit Session(bool point) : m_line(point) {}

    LineEvaluator &line() { return m_line; }

    // A line holding "=", which no expression can, is an assignment: the
    // name before the first "=", blanks around it ignored, takes the value of
    // the expression after it. Any other line is an expression.
    SessionLine run(std::string_view line);

private:
    SessionLine assign(std::string_view line, std::size_t equals);
    void remember(double value);
    void provide_ans(std::string_view line);

    LineEvaluator m_line;
    double m_last = 0.0;        // the value of the last line that had one
    bool m_last_is_new = false; // not yet given to ans
    bool m_ans_is_ours = false; // false while ans is undefined or the user's (-D or "=")
};

} // namespace vorlenta::cli
