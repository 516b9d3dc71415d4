#include "evaluator.h"

#include "eval/postfix_conversion.h"
#include "eval/postfix_evaluation.h"

namespace vorlenta {

double CEval::Evaluate(const QString &sExpression)
{
    QString postfix;
    // A conversion fault stops here: evaluating the tokens converted before it
    // would answer 2 for "2*(3".
    if (const std::int16_t position = InfixToPostfix(sExpression, postfix))
        throw EvalError(eval_errors::SyntaxFault, QStringLiteral("CEval"), m_ErrorMessage,
                        position);
    return EvaluatePostfix(postfix);
}

std::int16_t CEval::InfixToPostfix(const QString &sExpression, QString &postfix)
{
    return convert_infix_to_postfix(sExpression, postfix, m_SymbolTable, m_ErrorMessage);
}

double CEval::EvaluatePostfix(const QString &postfix)
{
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
