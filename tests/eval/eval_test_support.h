// SPDX-License-Identifier: MIT
#pragma once

// What the evaluator's tables share: the notation a row runs in, an evaluator
// with a few symbols that records its notices, and the check of a table.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>
#include <QLocale>

#include <vorlenta/eval.h>

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace vorlenta::eval_test {

// A test that uses these helpers names the evaluator's classes unqualified too.
using namespace vorlenta;

// Rows are written with "." as the decimal point; in the comma notation "."
// and "," trade places, as a user of a decimal-comma locale types them.
enum Notation { Point = 1, Comma = 2, Both = Point | Comma };

inline QString in(Notation notation, QString text) {
    return notation == Point ? text : text.replace(u'.', u'\1').replace(u',', u'.').replace(u'\1', u',');
}

// The error that the operation raises, as "raised <number> at <position>:
// <description>"; empty when it raises none.
template <typename Operation>
QString raised(Operation &&operation) {
    try {
        operation();
    } catch (const EvalError &e) {
        return QString("raised %1 at %2: %3").arg(e.number()).arg(e.position()).arg(e.description());
    }
    return {};
}

// A fresh evaluator in one notation (the user's locale and the decimal point).
struct Evaluator {
    explicit Evaluator(Notation notation) : notation(notation) {
        QLocale::setDefault(QLocale(notation == Point ? QLocale::English : QLocale::German));
        eval.set_decimal_separator(notation == Point ? u'.' : u',');
        eval.set_notice_handler([this](const Notice &notice) { notices.push_back(notice); });
        const std::pair<const char *, VariantValue> symbols[] = {
            {"x", 2.5}, {"Pi", 3.14159265358979}, {"t", in(notation, " 0.5 ")}, {"nothing", {}},
            {"tiny", 5e-324}, {"neg", -0.1}, {"xE", 1.0}, {"huge", QString("1e400")}, {"d", 0.1}};
        for (const auto &[name, value] : symbols)
            eval.m_SymbolTable.Add(name, value);
        // Stored around the checks of Add: the evaluation must refuse them.
        eval.m_SymbolTable.m_Symbols.add("sneaky", QString("1 2 +")); // pasted in, the operators would run
        eval.m_SymbolTable.m_Symbols.add("infinite", HUGE_VAL);
    }
    double operator()(const QString &expression) { return eval.Evaluate(in(notation, expression)); }

    const Notation notation;
    CEval eval;
    std::vector<Notice> notices;
};

// What an expression gives, as text: its value to the last bit, or the error
// it raises, followed by each notice it shows.
inline QString value(double v) { return QString::number(v, 'g', 17); }
inline QString fault(int at, const char *message) {
    return QString("raised -2147221502 at %1: %2").arg(at).arg(message); // 0x80040002, a syntax fault
}
inline QString notice(std::int32_t number) { return QString("0, information notice %1").arg(number); }

struct Row { const char *protects; QString expression; QString gives; Notation notation = Both; };

template <std::size_t N>
void check(const Row (&rows)[N]) {
    for (const Row &row : rows) {
        for (const Notation notation : {Point, Comma}) {
            if (!(row.notation & notation))
                continue;
            Evaluator evaluate(notation);
            double result = 0;
            QString gives = raised([&] { result = evaluate(row.expression); });
            if (gives.isEmpty())
                gives = value(result);
            for (const Notice &n : evaluate.notices) {
                const bool information = n.icon == NoticeIcon::Information && n.kind == NoticeKind::ArithmeticFault;
                gives += QString(", %1 notice %2").arg(information ? "information" : "other").arg(n.number);
            }
            EXPECT_EQ(gives, row.gives) << row.protects << (notation == Point ? " [.]" : " [,]");
        }
    }
}

} // namespace vorlenta::eval_test
