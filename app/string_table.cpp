#include "string_table.h"

namespace vorlenta {

const StringTable &StringTable::builtin()
{
    static const StringTable table(QHash<int, QString>{
            {134, QStringLiteral("Acceleration (m/s\u00b2)")},
            {135, QStringLiteral("1RM")},
            {136, QStringLiteral("FF Mass")},
            {137, QStringLiteral("Body mass (kg)")},
            {138, QStringLiteral("Rep")},
            {139, QStringLiteral("1RM/kg")},
            {140, QStringLiteral("Resist. (kg)")},
            {141, QStringLiteral("Dist 1")},
            {142, QStringLiteral("Time 1")},
            {143, QStringLiteral("Dist 2")},
            {144, QStringLiteral("Time 2")},
            {145, QStringLiteral("Accel.")},
            {146, QStringLiteral("BF %")},
            {147, QStringLiteral("FFM")},
            {148, QStringLiteral("Target BF%")},
            {149, QStringLiteral("Target Bmass")},
            {162, QStringLiteral("Vorlenta")},
            {177, QStringLiteral("&Exit")},
            {210, QStringLiteral("Body Mass and Strength")},
            {211, QStringLiteral("Power and Acceleration")},
            {214, QStringLiteral("Speed (kph)")},
            {215, QStringLiteral("Grade (%)")},
            {216, QStringLiteral("Watts")},
            {217, QStringLiteral("Watts/kg")},
            {219, QStringLiteral("Running speed <==> Cycling power")},
            {220, QStringLiteral("Running speed (km/h)")},
            {221, QStringLiteral("Cycling Power (Watts)")},
            {222, QStringLiteral("Bike mass")},
            {253, QStringLiteral("&File")},
            {318, QStringLiteral("lb <--> kg")},
            {319, QStringLiteral("kg")},
            {320, QStringLiteral("lb")},
            {321, QStringLiteral("Please insert body mass first.")},
            {458, QStringLiteral("/public_docs/vorlenta_en.htm")},
            {459, QStringLiteral("&Help")},
            {461, QStringLiteral("For more coaching tools, visit")},
    });
    return table;
}

std::optional<QString> StringTable::load(int id) const
{
    const auto found = m_strings.constFind(id);
    if (found == m_strings.cend())
        return std::nullopt;
    return *found;
}


} // namespace vorlenta
