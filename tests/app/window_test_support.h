#pragma once

// Shared helpers of the window tests: a fresh, shown and active window for
// each test, and ways to reach its controls by their object names and to act
// on them as a user does.

#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "frm_calc.h"

namespace vorlenta::testing {

inline std::unique_ptr<frm_calc> show_window(const StringTable &strings = StringTable::builtin())
{
    auto window = std::make_unique<frm_calc>(strings);
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");
    return window;
}

template <typename T = QWidget>
T *control(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

inline QLineEdit *field(const QWidget &window, const char *name)
{
    return control<QLineEdit>(window, name);
}

inline QString text_of(const QWidget &window, const char *name)
{
    return field(window, name)->text();
}

inline QString focused_name()
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return {};
    // The tab control's row of tabs takes its focus.
    if (qobject_cast<const QTabBar *>(focus))
        return focus->parentWidget()->objectName();
    return focus->objectName();
}

// Clicks into a field, selects what it holds and types the text, as a user
// replacing a value does.
inline void type_into(const QWidget &window, const char *name, const QString &text)
{
    QLineEdit *edit = field(window, name);
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

// Shows the tab that holds the control, clicking the tab as a user would.
inline void show_tab(const QWidget &window, int index)
{
    auto *tabs = control<QTabWidget>(window, "SSTab1");
    if (tabs->currentIndex() == index)
        return;
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

inline void press_tab(int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

} // namespace vorlenta::testing
