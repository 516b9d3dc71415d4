#pragma once

// Shared helpers of the window tests: a fresh, shown and active window for
// each test, and ways to reach its controls by their object names and to act
// on them as a user does.

#include <memory>

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "frm_calc.h"
#include "layout_table.h"

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

// Every clipped caption and every pair of overlapping controls, on both tabs.
inline QStringList layout_problems(const QWidget &window)
{
    QStringList problems;
    for (int tab = 0; tab < 2; ++tab) {
        show_tab(window, tab);
        for (const LayoutEntry &entry : layout_table()) {
            QWidget *w = control(window, entry.name);
            if (!w->isVisible())
                continue;
            const QString name = QString::fromLatin1(entry.name);
            if (!w->parentWidget()->rect().contains(w->geometry()))
                problems << name + QStringLiteral(" reaches outside its container");
            if (auto *label = qobject_cast<QLabel *>(w); label && label->width() < label->sizeHint().width())
                problems << name + QStringLiteral(" is too narrow for its caption");
            if (auto *frame = qobject_cast<QGroupBox *>(w)) {
                // The caption, with the frame's indent before it and as much after.
                const int caption = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
                if (frame->width() < caption + 16)
                    problems << name + QStringLiteral(" clips its caption");
                for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                    if (child->y() < frame->contentsRect().top())
                        problems << child->objectName() + QStringLiteral(" covers the caption of ") + name;
                }
            }
            if (auto *edit = qobject_cast<QLineEdit *>(w); edit && edit->height() < edit->minimumSizeHint().height())
                problems << name + QStringLiteral(" is too low for its font");
            for (QWidget *sibling : w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (sibling != w && sibling->isVisible() && !sibling->objectName().isEmpty()
                    && !sibling->objectName().startsWith(u"qt_") && sibling->geometry().intersects(w->geometry()))
                    problems << name + QStringLiteral(" overlaps ") + sibling->objectName();
            }
        }
    }
    return problems;
}

} // namespace vorlenta::testing
