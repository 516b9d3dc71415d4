// SPDX-License-Identifier: MIT
#include "cli/options.h"

namespace vorlenta::cli {

namespace {

bool is_ascii_letter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// "-2*3", "-(1)", "-.5": a negative expression, not an option.
bool starts_expression(const char *argument)
{
    const char c = argument[1];
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '(' || c == ' ';
}

} // namespace

bool is_symbol_name(const QString &name)
{
    if (name.isEmpty() || !(is_ascii_letter(name[0]) || name[0] == QLatin1Char('_')))
        return false;
    if (name[0] == QLatin1Char('E') || name[0] == QLatin1Char('S') || name[0] == QLatin1Char('L'))
        return false;
    for (QChar c : name)
        if (!(is_ascii_letter(c) || c.isDigit() || c == QLatin1Char('_')) || c.unicode() > 0x7f)
            return false;
    return true;
}

QString parse_options(int argc, char *argv[], Options &options)
{
    bool only_expressions = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (only_expressions || argument.size() < 2 || argument[0] != '-' || starts_expression(argv[i])) {
            options.expressions.push_back(argument);
        } else if (argument == "--") {
            only_expressions = true;
        } else if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "-p" || argument == "--point") {
            options.point = true;
        } else if (argument == "-D" || argument == "--define") {
            if (i + 1 == argc)
                return QStringLiteral("%1 needs NAME=VALUE").arg(QString::fromStdString(argument));
            options.defines.emplace_back(QString::fromStdString(argument), QString::fromLocal8Bit(argv[++i]));
        } else if (argument.starts_with("-D")) {
            options.defines.emplace_back(QStringLiteral("-D"), QString::fromLocal8Bit(argv[i] + 2));
        } else if (argument.starts_with("--define=")) {
            options.defines.emplace_back(QStringLiteral("--define"), QString::fromLocal8Bit(argv[i] + 9));
        } else {
            return QStringLiteral("unknown option %1 (put -- before an expression that starts with -)")
                .arg(QString::fromLocal8Bit(argv[i]));
        }
    }
    return {};
}

} // namespace vorlenta::cli
