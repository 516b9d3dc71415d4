// SPDX-License-Identifier: MIT
#include "cli/line_evaluation.h"

#include <QStringDecoder>

namespace vorlenta::cli {

namespace {

QString arithmetic_words(const Notice &notice)
{
    switch (notice.number) {
    case eval_errors::DivisionByZero:
        return QStringLiteral("division by zero");
    case eval_errors::InvalidArgument:
        return QStringLiteral("a value outside the domain of a square root, logarithm or power");
    case eval_errors::Overflow:
        return QStringLiteral("a number or result too large");
    default:
        return QString::fromStdString(notice.text);
    }
}

// The 1-based UTF-16 position at which the decoded text of bytes[0, offset) ends.
int position_after(std::string_view bytes, std::size_t offset)
{
    return int(QString::fromUtf8(bytes.data(), qsizetype(offset)).size()) + 1;
}

} // namespace

LineEvaluator::LineEvaluator(QChar decimal_separator)
{
    m_eval.set_decimal_separator(char(decimal_separator.unicode()));
    m_eval.set_notice_handler([this](const Notice &notice) {
        m_noticed = true;
        m_notice = arithmetic_words(notice);
    });
}

LineResult LineEvaluator::evaluate(const QString &expression)
{
    m_noticed = false;
    try {
        const double value = m_eval.Evaluate(expression.toStdString());
        if (m_noticed)
            return {Outcome::ArithmeticFault, m_notice};
        return {Outcome::Value, number_text(value)};
    } catch (const EvalError &error) {
        if (error.number() == eval_errors::SyntaxFault)
            return {Outcome::SyntaxFault, QString::fromStdString(error.description()), error.position()};
        if (error.number() == eval_errors::Overflow)
            return {Outcome::ArithmeticFault,
                    QStringLiteral("too long or too deeply nested to evaluate "
                                   "(32,767 characters or 32,760 open operators at most)")};
        return {Outcome::ArithmeticFault, QString::fromStdString(error.description())};
    }
}

LineResult LineEvaluator::evaluate_bytes(std::string_view line, QString &expression)
{
    if (const auto nul = line.find('\0'); nul != std::string_view::npos) {
        expression = QString::fromUtf8(line.data(), qsizetype(nul));
        return {Outcome::SyntaxFault, QStringLiteral("NUL byte in the line"), position_after(line, nul)};
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    expression = decoder.decode(QByteArrayView(line.data(), qsizetype(line.size())));
    if (decoder.hasError()) {
        const int bad = int(expression.indexOf(QChar::ReplacementCharacter));
        return {Outcome::SyntaxFault, QStringLiteral("Invalid UTF-8"), bad < 0 ? 1 : bad + 1};
    }
    return evaluate(expression);
}

QString LineEvaluator::number_text(double value) const
{
    return cli::number_text(value, decimal_separator());
}

} // namespace vorlenta::cli
