// SPDX-License-Identifier: MIT
#include "cli/fault_report.h"

namespace vorlenta::cli {

namespace {

const QString program = QStringLiteral("vorlenta-eval: ");

// Characters shown either side of the fault; a longer expression is cut.
constexpr qsizetype shown_before = 50;
constexpr qsizetype shown_after = 20;

// One terminal column per character: tabs and other control characters
// become blanks so that the caret stays under its character.
QString printable(QString text)
{
    for (QChar &c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    return text;
}

} // namespace

QString fault_report(const QString &where, const QString &expression, const LineResult &result)
{
    if (result.outcome != Outcome::SyntaxFault) {
        QString shown = expression.size() > shown_before + shown_after
            ? expression.left(shown_before + shown_after) + QStringLiteral("...")
            : expression;
        return program + where + printable(shown) + QStringLiteral(": ") + result.text + QLatin1Char('\n');
    }
    // The fault's place as an index into the expression; at most one past its end.
    const qsizetype fault = qMin(qsizetype(result.position - 1), expression.size());
    const qsizetype first = qMax(qsizetype(0), fault - shown_before);
    QString shown = expression.mid(first, fault - first + shown_after);
    QString lead = program + where;
    if (first > 0) {
        shown.prepend(QStringLiteral("..."));
        lead.append(QStringLiteral("..."));
    }
    if (fault + shown_after < expression.size())
        shown.append(QStringLiteral("..."));
    // A character outside the BMP is two code units but one column.
    qsizetype columns = 0;
    for (qsizetype i = first; i < fault; ++i)
        columns += expression.at(i).isLowSurrogate() ? 0 : 1;
    return program + where + printable(shown) + QLatin1Char('\n')
        + QString(lead.size() + columns, QLatin1Char(' ')) + QStringLiteral("^ ")
        + result.text + QStringLiteral(" (position %1)\n").arg(result.position);
}

} // namespace vorlenta::cli
