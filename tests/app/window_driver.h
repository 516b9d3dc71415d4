// SPDX-License-Identifier: MIT
#pragma once

// Drives the real window as a user does, finding controls by their object
// names, and plays scenarios on it (scenario.h), with these steps besides:
//
//   @Text1     Text1 has the keyboard focus (SSTab1: the row of tabs)
//   *          the focused field's whole text is selected
//   >Text12    clicks into Text12 without typing
//   show:1     clicks the second tab;  shown:1  the second tab is shown
//   Backtab Left Right Enter Space PgDown (Ctrl+PgDown)  keys to the focused control
//   menu       opens the File menu by Alt+F and closes it again
//   elsewhere  another window becomes active, then this one again
//   mnuhelp    chooses File > Help by its access keys;  Label24  clicks the link
//   opened:A   the desktop was asked to open the address A ($WEB: the maker's;
//              $HELP: the folder of the installed help pages)
//
// Every message box is answered with Enter and recorded as "title icon: text";
// a scenario must expect every box and every address it causes.

#include <map>
#include <memory>

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "frm_calc.h"
#include "scenario.h"
#include "version_info.h"

namespace vorlenta::testing {

inline QString web_address()
{
    return QString::fromUtf8(version_info::web_address);
}

// Where the program finds its help pages, beside its bin folder.
inline QString help_folder()
{
    return QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/" VORLENTA_HELP_FROM_PROGRAM))
        .canonicalFilePath();
}

class WindowDriver : public QObject {
    Q_OBJECT

public:
    explicit WindowDriver(const StringTable &strings = StringTable::builtin())
        : window(std::make_unique<frm_calc>(strings))
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
        connect(&m_answerer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                const QMessageBox::Icon icon = box->icon();
                const char *kind = icon == QMessageBox::Warning ? " warning: "
                    : icon == QMessageBox::Information          ? " information: "
                                                                : " ";
                boxes << box->windowTitle() + QLatin1String(kind) + box->text();
                QTest::keyClick(box, Qt::Key_Enter);
            }
        });
        m_answerer.start(5);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    ~WindowDriver() override
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QTabWidget *tabs() const { return find<QTabWidget>(QStringLiteral("SSTab1")); }
    QMenu *menu() const { return find<QMenu>(QStringLiteral("mnufile")); }

    QString focused() const
    {
        const QWidget *focus = QApplication::focusWidget();
        return !focus                              ? QString()
            : qobject_cast<const QTabBar *>(focus) ? QStringLiteral("SSTab1")
                                                   : focus->objectName();
    }

    void show_tab(int index)
    {
        if (tabs()->currentIndex() != index)
            QTest::mouseClick(tabs()->tabBar(), Qt::LeftButton, {}, tabs()->tabBar()->tabRect(index).center());
    }

    // Clicks a control, on its tab; a field not yet focused selects its text.
    void click(QWidget *control)
    {
        show_tab(tabs()->widget(1)->isAncestorOf(control));
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        // A closed message box leaves no window active on the offscreen platform.
        if (!QApplication::focusWidget()) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        }
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    void play(const Step &step)
    {
        const QString &name = step.name;
        const QString target = name.mid(1);
        if (step.action == u'=') {
            auto *edit = find<QLineEdit>(name);
            QApplication::focusWidget() == edit ? key(Qt::Key_A, Qt::ControlModifier) : click(edit);
            step.text.isEmpty() ? key(Qt::Key_Delete) : QTest::keyClicks(edit, step.text);
        } else if (step.action == u':') {
            if (name == u"shown")
                QCOMPARE(tabs()->currentIndex(), step.text.toInt());
            else if (name == u"show")
                show_tab(step.text.toInt());
            else if (name == u"opened")
                QCOMPARE(opened.isEmpty() ? QString() : opened.takeFirst(),
                         QUrl::fromUserInput(QString(step.text)
                                                 .replace(QStringLiteral("$WEB"), web_address())
                                                 .replace(QStringLiteral("$HELP"), help_folder()))
                             .toString());
            else if (auto *edit = window->findChild<QLineEdit *>(name))
                QCOMPARE(edit->text(), step.text);
            else
                QCOMPARE(find<QPushButton>(name)->text(), step.text);
        } else if (name.startsWith(u'@')) {
            QCOMPARE(focused(), target);
        } else if (name.startsWith(u'>')) {
            click(find(target));
        } else if (name == u"*") {
            auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            QVERIFY(edit && edit->selectedText() == edit->text());
        } else if (name.endsWith(u"panels")) {
            QCOMPARE(find(QStringLiteral("Frame4"))->isEnabled(), find(QStringLiteral("Frame3"))->isEnabled());
            QCOMPARE(find(QStringLiteral("Frame3"))->isEnabled(), name.front() == u'+');
        } else if (name == u"!message") {
            QCOMPARE(std::exchange(boxes, {}),
                     QStringList{QStringLiteral("Vorlenta warning: Please insert body mass first.")});
        } else if (name == u"menu" || name == u"mnuhelp") {
            key(Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(menu()->isVisible());
            QTest::keyClick(menu(), name == u"menu" ? Qt::Key_Escape : Qt::Key_H);
            if (name == u"menu")
                key(Qt::Key_Escape);
        } else if (name == u"elsewhere") {
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        } else if (name.startsWith(u"Command") || name == u"Label24") {
            click(find(name));
        } else {
            static const std::map<QString, Qt::Key> keys{
                {QStringLiteral("Tab"), Qt::Key_Tab},        {QStringLiteral("Backtab"), Qt::Key_Backtab},
                {QStringLiteral("Left"), Qt::Key_Left},      {QStringLiteral("Right"), Qt::Key_Right},
                {QStringLiteral("Enter"), Qt::Key_Enter},    {QStringLiteral("Space"), Qt::Key_Space},
                {QStringLiteral("PgDown"), Qt::Key_PageDown}};
            QVERIFY2(keys.contains(name), qPrintable(QStringLiteral("unknown step ") + name));
            key(keys.at(name), name == u"PgDown" ? Qt::ControlModifier : Qt::NoModifier);
        }
    }

    // Nothing happened that the scenario did not expect.
    void finish()
    {
        QTest::qWait(10);
        QCOMPARE(boxes, QStringList());
        QCOMPARE(opened, QStringList());
    }

    std::unique_ptr<frm_calc> window;
    QStringList boxes;
    QStringList opened;

public slots:
    void open(const QUrl &url) { opened << url.toString(); }

private:
    QTimer m_answerer;
};

} // namespace vorlenta::testing
