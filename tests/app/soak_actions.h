#pragma once

// The user actions of the soak test and the seeded stream that picks them.
// The stream depends on nothing but its seed (std::mt19937 is the same on
// every platform), so a seed and a count replay a run action for action.

#include <iterator>
#include <random>
#include <utility>

#include <QLocale>
#include <QString>

namespace vorlenta::soak {

enum class Action {
    TypeCharacter, Backspace, Delete, CursorKey, SelectAll, Enter, Tab, BackTab,
    ClickField, ClickButton, ClickTab, CtrlTab, CtrlShiftTab, CtrlPage, Paste, Cut, Undo,
};

// Weights out of their sum: mostly typing, as a user does.
constexpr std::pair<Action, int> action_weights[] = {
    {Action::TypeCharacter, 400}, {Action::Backspace, 90}, {Action::Delete, 15},
    {Action::CursorKey, 35},      {Action::SelectAll, 25}, {Action::Enter, 10},
    {Action::Tab, 100},           {Action::BackTab, 40},   {Action::ClickField, 120},
    {Action::ClickButton, 50},    {Action::ClickTab, 30},  {Action::CtrlTab, 15},
    {Action::CtrlShiftTab, 10},   {Action::CtrlPage, 10},  {Action::Paste, 35},
    {Action::Cut, 5},             {Action::Undo, 10},
};

// Digits weigh most; both decimal separators, signs, exponents, letters and
// spaces come often enough to reach every rule.
inline const QString typed_characters = QStringLiteral("0123456789012345678901234567890123456789..,,--+eE axZ%");

// Keys that a shortcut of the window takes before the focused field sees them.
inline bool is_window_shortcut(Action action)
{
    return action == Action::CtrlPage;
}

// Actions whose key reaches the focused field (Tab keys move the focus and
// are no key press in the field).
inline bool sends_key_to_field(Action action)
{
    switch (action) {
    case Action::TypeCharacter:
    case Action::Backspace:
    case Action::Delete:
    case Action::CursorKey:
    case Action::SelectAll:
    case Action::Enter:
    case Action::Paste:
    case Action::Cut:
    case Action::Undo:
        return true;
    default:
        return false;
    }
}

// Actions that add text of the user's own. Undo is not one: it brings back
// what the field held before, which may be a longer text the program wrote.
inline bool types_into_field(Action action)
{
    return action == Action::TypeCharacter || action == Action::Paste;
}

class ActionStream {
public:
    explicit ActionStream(unsigned seed) : m_random(seed) {}

    // A number in [0, bound); 0 when bound is 0.
    unsigned below(unsigned bound) { return bound ? unsigned(m_random() % bound) : 0; }

    Action next_action()
    {
        int total = 0;
        for (const auto &[action, weight] : action_weights)
            total += weight;
        int draw = int(below(unsigned(total)));
        for (const auto &[action, weight] : action_weights) {
            if (draw < weight)
                return action;
            draw -= weight;
        }
        return Action::TypeCharacter;
    }

    QChar next_character() { return typed_characters.at(below(unsigned(typed_characters.size()))); }

    QString next_paste()
    {
        const QString decimal = QLocale().decimalPoint();
        switch (below(6)) {
        case 0: // a plausible number in the user's notation
            return QString::number(below(2000)) + decimal + QString::number(below(100));
        case 1: // a number with the other separator
            return QString::number(below(200)) + (decimal == u"." ? QStringLiteral(",") : QStringLiteral("."))
                + QString::number(below(10));
        case 2: { // extremes and forms at the edge of the numeric test
            static const char *const edges[] = {"1e38", "-1e39", "1e-45", "1e-46", "999999", "-0", "+5", " 7 ",
                                                "1e", "e5", "--1", "0x10", "inf", "nan", "1 000", ""};
            return QString::fromLatin1(edges[below(unsigned(std::size(edges)))]);
        }
        default: { // anything typed, up to three times the longest field
            QString text;
            const unsigned length = below(19);
            for (unsigned i = 0; i < length; ++i)
                text += next_character();
            return text;
        }
        }
    }

private:
    std::mt19937 m_random;
};

} // namespace vorlenta::soak
