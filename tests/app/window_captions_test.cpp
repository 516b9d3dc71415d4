// SPDX-License-Identifier: MIT
// The window's words: every caption from the string table in each language,
// the names assistive technology announces, the help page of the language,
// complete translations, and a caption missing from the table.

#include <QAccessible>
#include <QFile>
#include <QGroupBox>
#include <QLabel>

#include "translations.h"
#include "window_driver.h"
#include "window_labels.h"

using namespace vorlenta;
using namespace vorlenta::testing;

namespace {

// Captions after loading; every field's label and the name it is announced by.
const char *const captions[][2] = {
    {"Frame1", "Acceleration (m/s²)"},
    {"Frame2", "1RM"},
    {"Frame3", "FF Mass"},
    {"Frame4", "Cycling Power (Watts)"},
    {"Frame5", "Running speed <==> Cycling power"},
    {"Frame6", "Body mass (kg)"},
    {"Frame7", "lb <--> kg"},
    {"Label1", "Speed (kph)"},
    {"Label2", "Resist. (kg)"},
    {"Label3", "Rep"},
    {"Label4", "1RM"},
    {"Label5", "1RM/kg"},
    {"Label6", "Dist 1"},
    {"Label7", "Time 1"},
    {"Label8", "Dist 2"},
    {"Label9", "Time 2"},
    {"Label10", "Accel."},
    {"Label11", "kg"},
    {"Label12", "BF %"},
    {"Label13", "FFM"},
    {"Label14", "Target BF%"},
    {"Label15", "Target Bmass"},
    {"Label16", "Running speed (km/h)"},
    {"Label17", "Cycling Power (Watts)"},
    {"Label18", "Bike mass"},
    {"Label19", "Grade (%)"},
    {"Label20", "Watts"},
    {"Label21", "Watts/kg"},
    {"Label22", "lb"},
    {"Label23", "For more coaching tools, visit"},
};

QString caption_of(const QWidget *control)
{
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return static_cast<const QLabel *>(control)->text();
}

// The program's English texts by id: what its table gives while no
// translation is installed.
QHash<int, QString> english_strings()
{
    QHash<int, QString> strings;
    for (int id = 0; id < 1000; ++id) {
        if (const std::optional<QString> text = StringTable::builtin().load(id))
            strings.insert(id, *text);
    }
    return strings;
}

} // namespace

class WindowCaptionsTest : public QObject {
    Q_OBJECT

    static void languages()
    {
        QTest::addColumn<QStringList>("preferred"); // the user's interface languages, in order
        QTest::addColumn<QString>("language");      // the one the window speaks
        for (const char *language : {"en", "de", "fr", "es"})
            QTest::newRow(language) << QStringList{QString::fromLatin1(language)} << QString::fromLatin1(language);
        QTest::newRow("English before German") << QStringList{"en-US", "de-DE"} << QStringLiteral("en");
        QTest::newRow("Portuguese before German") << QStringList{"pt-BR", "de-CH"} << QStringLiteral("de");
    }

private slots:
    void captions_and_names_data() { languages(); }
    void captions_and_names()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, language);
        const QHash<int, QString> english = english_strings();
        const Translations translations{preferred};
        // A caption in the window's language: the English one, or its translation.
        const auto in_language = [&english](const char *text) {
            const int id = english.key(QString::fromUtf8(text));
            return QCoreApplication::translate("StringTable", text, QByteArray::number(id).constData());
        };
        WindowDriver driver;
        QCOMPARE(driver.window->windowTitle(), QStringLiteral("Vorlenta"));
        auto *tabs = driver.find<QTabWidget>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->tabText(0) + u'|' + tabs->tabText(1),
                 in_language("Body Mass and Strength") + u'|' + in_language("Power and Acceleration"));
        QCOMPARE(driver.find<QMenu>(QStringLiteral("mnufile"))->title(), in_language("&File"));
        QCOMPARE(driver.window->findChild<QAction *>(QStringLiteral("mnuhelp"))->text(), in_language("&Help"));
        QCOMPARE(driver.window->findChild<QAction *>(QStringLiteral("mnuexit"))->text(), in_language("&Exit"));
        for (const auto &[name, caption] : captions)
            QCOMPARE(caption_of(driver.find(QString::fromLatin1(name))), in_language(caption));
        QCOMPARE(in_language("Body mass (kg)") == QStringLiteral("Body mass (kg)"), language == u"en");
        // Words follow the language, numbers the numeric locale.
        QCOMPARE(driver.find<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("0.00"));
        QCOMPARE(driver.find<QLabel>(QStringLiteral("Label24"))->text(), web_address());
        QCOMPARE(driver.find<QLabel>(QStringLiteral("Label25"))->text(),
                 QString::fromUtf8(version_info::legal_copyright));
        QVERIFY(!driver.window->windowIcon().isNull());

        const QStringList pairs = QString::fromLatin1(labelled_by).split(u' ');
        for (qsizetype i = 0; i < pairs.size(); i += 2) {
            QWidget *field = driver.find(pairs[i]);
            QCOMPARE(field->accessibleName(), caption_of(driver.find(pairs[i + 1])));
        }
        QCOMPARE(driver.find(QStringLiteral("Command1"))->accessibleName(),
                 QCoreApplication::translate("frm_calc", "Convert between kilograms and pounds"));
        QCOMPARE(driver.find(QStringLiteral("Command2"))->accessibleName(),
                 QCoreApplication::translate("frm_calc", "Convert between running speed and cycling power"));

        // Help opens the page of the window's language from the disk.
        driver.window->findChild<QAction *>(QStringLiteral("mnuhelp"))->trigger();
        const QString page = help_folder() + QStringLiteral("/vorlenta_%1.htm").arg(language);
        QCOMPARE(driver.opened, QStringList{QUrl::fromLocalFile(page).toString()});
        driver.opened.clear();
        // The page names every panel and field by the caption the window shows.
        QFile help(page);
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(help.readAll());
        for (const auto &[name, caption] : captions)
            QVERIFY2(qstrcmp(name, "Label23") == 0 || html.contains(in_language(caption).toHtmlEscaped()), caption);
    }

    // Every text of the program has its translation in every language.
    void translations_are_complete_data() { languages(); }
    void translations_are_complete()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language == u"en" || translator.load(QStringLiteral(":/vorlenta/i18n/vorlenta_%1.qm").arg(language)));
        const QHash<int, QString> strings = english_strings();
        for (auto it = strings.begin(); language != u"en" && it != strings.end(); ++it)
            QVERIFY2(
                !translator.translate("StringTable", it->toUtf8().constData(), QByteArray::number(it.key()).constData())
                     .isEmpty(),
                qPrintable(*it));
        for (const char *text :
             {"Convert between kilograms and pounds", "Convert between running speed and cycling power",
              "Opens the maker's web site", "Open %1"})
            QVERIFY(language == u"en" || !translator.translate("frm_calc", text).isEmpty());
    }

    void a_missing_caption_leaves_the_designed_one()
    {
        QHash<int, QString> strings = english_strings();
        strings.remove(211);
        WindowDriver driver{StringTable(strings)};
        auto *tabs = driver.find<QTabWidget>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Tab 1"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(driver.window->findChild<QAction *>(QStringLiteral("mnuexit"))->text(), QStringLiteral("&Exit"));
        QCOMPARE(driver.find<QPushButton>(QStringLiteral("Command2"))->text(), QStringLiteral("<->"));
    }
};

QTEST_MAIN(WindowCaptionsTest)
#include "window_captions_test.moc"
