// SPDX-License-Identifier: MIT
#include <vorlenta/eval/eval_error.h>

#include "eval/runtime_error.h"

namespace vorlenta {

QString runtime_message(std::int32_t number)
{
    switch (number) {
    case eval_errors::InvalidArgument:
        return QStringLiteral("Invalid procedure call or argument");
    case eval_errors::Overflow:
        return QStringLiteral("Overflow");
    case eval_errors::DivisionByZero:
        return QStringLiteral("Division by zero");
    case eval_errors::TypeMismatch:
        return QStringLiteral("Type mismatch");
    default:
        return {};
    }
}

EvalError runtime_error(std::int32_t number, const QString &source)
{
    return EvalError(number, source, runtime_message(number));
}

EvalError::EvalError(std::int32_t number, QString source, QString description, int position)
    : m_number(number), m_source(std::move(source)), m_description(std::move(description)),
      m_position(position)
{
    QString what = QString::number(m_number) + QStringLiteral(", ") + m_description;
    if (m_position > 0)
        what += QStringLiteral(" (position %1)").arg(m_position);
    m_what = what.toStdString();
}

EvalError::~EvalError() = default;

} // namespace vorlenta
