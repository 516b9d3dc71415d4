// SPDX-License-Identifier: MIT
#include "string_table.h"

#include <QCoreApplication>

namespace vorlenta {
namespace {

// The English texts; the comment of each is its id, which keys its
// translation (translations/*.ts).
struct English {
    const char *text;
    const char *id;
};
constexpr English english[] = {
    QT_TRANSLATE_NOOP3("StringTable", "Acceleration (m/s²)", "134"),
    QT_TRANSLATE_NOOP3("StringTable", "1RM", "135"),
    QT_TRANSLATE_NOOP3("StringTable", "FF Mass", "136"),
    QT_TRANSLATE_NOOP3("StringTable", "Body mass (kg)", "137"),
    QT_TRANSLATE_NOOP3("StringTable", "Rep", "138"),
    QT_TRANSLATE_NOOP3("StringTable", "1RM/kg", "139"),
    QT_TRANSLATE_NOOP3("StringTable", "Resist. (kg)", "140"),
    QT_TRANSLATE_NOOP3("StringTable", "Dist 1", "141"),
    QT_TRANSLATE_NOOP3("StringTable", "Time 1", "142"),
    QT_TRANSLATE_NOOP3("StringTable", "Dist 2", "143"),
    QT_TRANSLATE_NOOP3("StringTable", "Time 2", "144"),
    QT_TRANSLATE_NOOP3("StringTable", "Accel.", "145"),
    QT_TRANSLATE_NOOP3("StringTable", "BF %", "146"),
    QT_TRANSLATE_NOOP3("StringTable", "FFM", "147"),
    QT_TRANSLATE_NOOP3("StringTable", "Target BF%", "148"),
    QT_TRANSLATE_NOOP3("StringTable", "Target Bmass", "149"),
    QT_TRANSLATE_NOOP3("StringTable", "Vorlenta", "162"),
    QT_TRANSLATE_NOOP3("StringTable", "&Exit", "177"),
    QT_TRANSLATE_NOOP3("StringTable", "Body Mass and Strength", "210"),
    QT_TRANSLATE_NOOP3("StringTable", "Power and Acceleration", "211"),
    QT_TRANSLATE_NOOP3("StringTable", "Speed (kph)", "214"),
    QT_TRANSLATE_NOOP3("StringTable", "Grade (%)", "215"),
    QT_TRANSLATE_NOOP3("StringTable", "Watts", "216"),
    QT_TRANSLATE_NOOP3("StringTable", "Watts/kg", "217"),
    QT_TRANSLATE_NOOP3("StringTable", "Running speed <==> Cycling power", "219"),
    QT_TRANSLATE_NOOP3("StringTable", "Running speed (km/h)", "220"),
    QT_TRANSLATE_NOOP3("StringTable", "Cycling Power (Watts)", "221"),
    QT_TRANSLATE_NOOP3("StringTable", "Bike mass", "222"),
    QT_TRANSLATE_NOOP3("StringTable", "&File", "253"),
    QT_TRANSLATE_NOOP3("StringTable", "lb <--> kg", "318"),
    QT_TRANSLATE_NOOP3("StringTable", "kg", "319"),
    QT_TRANSLATE_NOOP3("StringTable", "lb", "320"),
    QT_TRANSLATE_NOOP3("StringTable", "Please insert body mass first.", "321"),
    QT_TRANSLATE_NOOP3("StringTable", "/public_docs/vorlenta_en.htm", "458"),
    QT_TRANSLATE_NOOP3("StringTable", "&Help", "459"),
    QT_TRANSLATE_NOOP3("StringTable", "For more coaching tools, visit", "461"),
};

} // namespace

const StringTable &StringTable::builtin()
{
    static const StringTable table = [] {
        QHash<int, QString> strings;
        for (const English &entry : english)
            strings.insert(QByteArray(entry.id).toInt(), QString::fromUtf8(entry.text));
        return StringTable(strings);
    }();
    return table;
}

std::optional<QString> StringTable::load(int id) const
{
    const auto found = m_strings.constFind(id);
    if (found == m_strings.cend())
        return std::nullopt;
    // The translation keyed by the id, in the window's language; the English
    // text where there is none.
    return QCoreApplication::translate("StringTable", found->toUtf8().constData(), QByteArray::number(id).constData());
}

} // namespace vorlenta
