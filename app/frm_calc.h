#pragma once

// The one window of the program: two tabs of calculator panels, a menu and a
// link to the maker's site. It is built from its layout table, mirrors the
// calculator model into its widgets and forwards typing, leaving, key presses
// and clicks to it.

#include <map>
#include <memory>

#include <QMainWindow>

#include "calc/calc_model.h"
#include "string_table.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QTabWidget;

namespace vorlenta {

class ExchangeButtonWidget;
class FieldEdit;
struct LayoutEntry;

class frm_calc : public QMainWindow {
    Q_OBJECT

public:
    explicit frm_calc(const StringTable &strings = StringTable::builtin(), QWidget *parent = nullptr);
    ~frm_calc() override;

    CalcModel &model() { return m_model; }

private:
    void build_controls();
    void build_menu();
    void apply_layout();
    void place_frames_on(QWidget *page);
    void place_label(QLabel *label);
    void connect_model();
    void Form_Load();
    void describe_for_assistive_technology();
    void add_keyboard_shortcuts();

    void set_caption(QWidget *control, const QString &caption);
    void mirror(Field field);
    void show_message(const QString &text);
    void Label24_Click();
    void mnuhelp_Click();
    void mnuexit_Click();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

    StringTable m_strings;
    CalcModel m_model;
    double m_scale = 1.0;
    bool m_ending = false;
    bool m_icon_set = false;

    QTabWidget *m_tabs = nullptr;
    QMenu *m_mnufile = nullptr;
    QAction *m_mnuhelp = nullptr;
    QAction *m_mnuexit = nullptr;
    std::map<Field, FieldEdit *> m_fields;
    std::map<ExchangeButton, ExchangeButtonWidget *> m_buttons;
    std::map<QString, QWidget *> m_controls;   // every control of the layout table by name
    std::map<QWidget *, const LayoutEntry *> m_entries;
};

} // namespace vorlenta
