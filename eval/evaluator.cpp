// SPDX-License-Identifier: MIT
#include <vorlenta/eval/evaluator.h>

#include <QLocale>

#include "eval/postfix_conversion.h"
#include "eval/postfix_evaluation.h"

namespace vorlenta {

CEval::CEval()
    : m_DecimalSeparator(QLocale().decimalPoint() == QStringLiteral(".") ? u'.' : u',')
{
}

void CEval::set_decimal_separator(QChar separator)
{
    if (separator != u'.' && separator != u',')
        throw EvalError(eval_errors::InvalidDecimalSeparator, QStringLiteral("CEval"),
                        QStringLiteral("Invalid decimal separator"));
    m_DecimalSeparator = separator;
}

double CEval::Evaluate(const QString &sExpression)
{
    // Every token but the operators takes at least one character.
    Postfix postfix(sExpression.size() + 1);
    // A conversion fault stops here: evaluating the tokens converted before it
    // would answer 2 for "2*(3".
    if (const std::int16_t position = convert_infix_to_postfix(
            sExpression, m_DecimalSeparator, m_SymbolTable, postfix, m_ErrorMessage))
        throw EvalError(eval_errors::SyntaxFault, QStringLiteral("CEval"), m_ErrorMessage, position);

    const PostfixOutcome outcome = evaluate_postfix(postfix);
    if (outcome.error) {
        const Notice notice = notice_for(outcome.error->number(), outcome.error->description());
        if (m_NoticeHandler)
            m_NoticeHandler(notice);
        else
            show_notice(notice);
    }
    return outcome.result;
}

} // namespace vorlenta
