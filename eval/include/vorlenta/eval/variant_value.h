// SPDX-License-Identifier: MIT
#pragma once

// The evaluator's dynamically typed value: empty, a number (double) or a text.
// The stack and the symbol table keep values with their kind; arithmetic
// counts the empty value as 0.

#include <variant>

#include <QString>

#include <vorlenta/eval_export.h>

namespace vorlenta {

class VORLENTA_EVAL_EXPORT VariantValue {
public:
    enum class Kind { Empty, Number, Text };

    VariantValue() = default;
    VariantValue(double number) : m_value(number) {}
    VariantValue(QString text) : m_value(std::move(text)) {}
    VariantValue(const char *) = delete; // say QStringLiteral or QString explicitly

    Kind kind() const noexcept { return Kind(m_value.index()); }
    bool is_empty() const noexcept { return kind() == Kind::Empty; }
    bool is_number() const noexcept { return kind() == Kind::Number; }
    bool is_text() const noexcept { return kind() == Kind::Text; }

    // Only valid for the matching kind.
    double number() const { return std::get<double>(m_value); }
    const QString &text() const { return std::get<QString>(m_value); }

    friend bool operator==(const VariantValue &, const VariantValue &) = default;

private:
    std::variant<std::monostate, double, QString> m_value;
};

} // namespace vorlenta
