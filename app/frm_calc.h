// SPDX-License-Identifier: MIT
#pragma once

// The one window of the program: two tabs of calculator panels, a menu and a
// link to the maker's site. It is built from its layout table, mirrors the
// calculator model into its widgets and forwards typing, leaving, key presses
// and clicks to it; the model reads and writes numbers in the notation of the
// default locale (QLocale()) at the window's creation.

#include <array>
#include <map>
#include <optional>
#include <vector>

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
class LinkLabel;
struct LayoutEntry;

class frm_calc : public QMainWindow {
    Q_OBJECT

public:
    explicit frm_calc(const StringTable &strings = StringTable::builtin(), QWidget *parent = nullptr);
    ~frm_calc() override;

    CalcModel &model() { return m_model; }

private:
    // The captions loading gives, worked out once for the layout and the
    // load: each frame's and label's, from the string table or, for the lines
    // under the tabs, from the version information; and the two tabs'. A
    // control whose string the table lacks has none here and keeps its
    // designed one.
    struct Captions {
        std::map<const LayoutEntry *, QString> controls;
        std::array<std::optional<QString>, 2> tabs;
    };

    void build_controls();
    void build_menu();
    Captions captions_after_load() const;
    void apply_layout(const Captions &captions);
    void place_frames_on(QWidget *page);
    void place_labels();
    void connect_model();
    void Form_Load(const Captions &captions);
    void describe_for_assistive_technology();
    void add_keyboard_shortcuts();

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
    bool m_icon_set = false;
    QString m_web_address;  // what the link opens
    QString m_help_address; // what File > Help opens

    QTabWidget *m_tabs = nullptr;
    QMenu *m_mnufile = nullptr;
    QAction *m_mnuhelp = nullptr;
    QAction *m_mnuexit = nullptr;
    LinkLabel *m_link = nullptr;
    std::map<Field, FieldEdit *> m_fields;
    std::map<Panel, QGroupBox *> m_frames;
    std::map<ExchangeButton, ExchangeButtonWidget *> m_buttons;
    std::vector<std::pair<QWidget *, const LayoutEntry *>> m_controls; // every control of the layout table
};

} // namespace vorlenta
