// SPDX-License-Identifier: MIT
#include "frm_calc.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "apiconstants.h"
#include "apiconstants_desktop.h"
#include "exchange_button_widget.h"
#include "field_edit.h"
#include "fonts.h"
#include "help_page.h"
#include "layout_table.h"
#include "link_label.h"
#include "locale_notation.h"
#include "version_info.h"

namespace vorlenta {

frm_calc::frm_calc(const StringTable &strings, QWidget *parent)
    : QMainWindow(parent), m_strings(strings), m_model(notation_of(QLocale()))
{
    build_menu();
    build_controls();
    connect_model();
    const Captions captions = captions_after_load();
    apply_layout(captions);
    Form_Load(captions);
    place_labels();
    describe_for_assistive_technology();
    add_keyboard_shortcuts();

    // The window opens with the focus in the body mass, its text selected.
    FieldEdit *first = m_fields.at(Field::Text11);
    first->setFocus(Qt::OtherFocusReason);
    first->selectAll();
}

frm_calc::~frm_calc()
{
    // The widgets outlive the model by a moment: a field losing the focus as
    // they go is not the user leaving it, and must not reach the model.
    for (const auto &[field, edit] : m_fields)
        edit->disconnect(this);
}

void frm_calc::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Reading the icon's images loads Qt's image plugins: do it once the
    // window is on the screen rather than before.
    if (!m_icon_set) {
        m_icon_set = true;
        QTimer::singleShot(0, this, [this] {
            // The build puts each size it renders for the window in a folder
            // of its own, named "16x16" and so on.
            QIcon icon;
            const QDir sizes(QStringLiteral(":/vorlenta/icons"));
            for (const QString &folder : sizes.entryList(QDir::Dirs)) {
                const int size = folder.section(QLatin1Char('x'), 0, 0).toInt();
                icon.addFile(sizes.filePath(folder + QStringLiteral("/vorlenta.png")), QSize(size, size));
            }
            setWindowIcon(icon);
        });
    }
}

void frm_calc::build_menu()
{
    m_mnufile = menuBar()->addMenu(QStringLiteral("&file"));
    m_mnufile->setObjectName(QStringLiteral("mnufile"));
    m_mnuhelp = m_mnufile->addAction(QStringLiteral("help"));
    m_mnuhelp->setObjectName(QStringLiteral("mnuhelp"));
    m_mnuexit = m_mnufile->addAction(QStringLiteral("exit"));
    m_mnuexit->setObjectName(QStringLiteral("mnuexit"));
    connect(m_mnuhelp, &QAction::triggered, this, &frm_calc::mnuhelp_Click);
    connect(m_mnuexit, &QAction::triggered, this, &frm_calc::mnuexit_Click);
}

void frm_calc::build_controls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("frm_calc_client"));
    setCentralWidget(client);
    const QFont regular = vorlenta::regular(font());

    QWidget *pages[2] = {};
    for (const LayoutEntry &entry : layout_table()) {
        const QString name = QString::fromLatin1(entry.name);
        QWidget *container = entry.container == Container::Window ? client
            : entry.container == Container::Frame                 ? m_frames.at(entry.frame)
                                                                  : pages[entry.container == Container::Tab1];
        QWidget *control = nullptr;
        switch (entry.kind) {
        case ControlKind::TabControl: {
            m_tabs = new QTabWidget(container);
            m_tabs->tabBar()->setFont(bold(regular));
            // The row of tabs is the tab control's one focus stop, by Tab or
            // click. (A focus policy set on the tab control passes on to its
            // row of tabs, hence this order.)
            m_tabs->setFocusPolicy(Qt::NoFocus);
            m_tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
            for (int i = 0; i < 2; ++i) {
                pages[i] = new QWidget;
                pages[i]->setObjectName(QStringLiteral("SSTab1_page%1").arg(i));
                pages[i]->installEventFilter(this);
                m_tabs->addTab(pages[i], QStringLiteral("Tab %1").arg(i));
            }
            control = m_tabs;
            break;
        }
        case ControlKind::Frame:
            control = m_frames[entry.frame] = new QGroupBox(name, container);
            control->setFont(bold(regular));
            break;
        case ControlKind::ExchangeButton:
            control = m_buttons[entry.button] = new ExchangeButtonWidget(name, container);
            break;
        case ControlKind::TextBox:
            control = m_fields[entry.field] = new FieldEdit(entry.field, container);
            control->setFont(regular);
            break;
        case ControlKind::Label:
        case ControlKind::LinkLabel: {
            QLabel *label =
                entry.kind == ControlKind::Label ? new QLabel(container) : (m_link = new LinkLabel(container));
            // The link is reached by keyboard after every field, and a click on
            // it does not take the focus from the field being edited.
            if (label == m_link)
                label->setFocusPolicy(Qt::TabFocus);
            label->setText(name);
            label->setFont(entry.bold ? bold(regular) : regular);
            label->setAlignment(stands_centred(entry) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            control = label;
            break;
        }
        }
        control->setObjectName(name);
        m_controls.emplace_back(control, &entry);
    }

    // The link comes last, after every control of the layout's tab order.
    std::vector<QWidget *> stops;
    for (const LayoutEntry *entry : tab_order()) {
        const auto found = std::ranges::find(m_controls, entry, &std::pair<QWidget *, const LayoutEntry *>::second);
        stops.push_back(found->first == m_tabs ? m_tabs->tabBar() : found->first);
    }
    stops.push_back(m_link);
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1], stops[i]);
}

void frm_calc::connect_model()
{
    m_model.store().add_change_listener([this](Field field) { mirror(field); });
    m_model.on_panels_changed([this](bool enabled) {
        for (const auto &[panel, frame] : m_frames) {
            if (needs_body_mass(panel))
                frame->setEnabled(enabled);
        }
    });
    m_model.on_caption_changed([this](ExchangeButton button, const std::string &caption) {
        m_buttons.at(button)->setText(from_model(caption));
    });
    m_model.on_body_mass_missing([this] {
        if (const std::optional<QString> text = m_strings.load(string_id::insert_body_mass))
            show_message(*text);
    });

    for (const auto &[field, edit] : m_fields) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, f = field](const QString &text) { m_model.store().set_text(f, to_model(text)); });
        connect(edit, &FieldEdit::left, this, [this](Field f) { m_model.leave(f); });
        connect(edit, &FieldEdit::keyDown, this, [this](Field f) { m_model.key_down(f); });
    }
    connect(m_buttons.at(ExchangeButton::Command1), &QPushButton::clicked, this, [this] { m_model.Command1_Click(); });
    connect(m_buttons.at(ExchangeButton::Command2), &QPushButton::clicked, this, [this] { m_model.Command2_Click(); });
    connect(m_link, &LinkLabel::clicked, this, &frm_calc::Label24_Click);
}

bool frm_calc::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Move) && m_tabs
        && m_tabs->indexOf(static_cast<QWidget *>(watched)) >= 0)
        place_frames_on(static_cast<QWidget *>(watched));
    return QMainWindow::eventFilter(watched, event);
}

frm_calc::Captions frm_calc::captions_after_load() const
{
    Captions captions{.controls = {}, .tabs = {m_strings.load(string_id::tab0), m_strings.load(string_id::tab1)}};
    for (const LayoutEntry &entry : layout_table()) {
        if (entry.caption_id) {
            if (const std::optional<QString> text = m_strings.load(entry.caption_id))
                captions.controls[&entry] = *text;
        } else if (entry.kind == ControlKind::LinkLabel) {
            captions.controls[&entry] = QString::fromUtf8(version_info::web_address);
        } else if (stands_centred(entry)) {
            captions.controls[&entry] = QString::fromUtf8(version_info::legal_copyright);
        }
    }
    return captions;
}

void frm_calc::Form_Load(const Captions &captions)
{
    // Each step stands alone: a caption the string table lacks leaves its
    // control as designed, and loading goes on.
    const auto with_string = [this](int id, const auto &use) {
        if (const std::optional<QString> text = m_strings.load(id))
            use(*text);
    };

    with_string(string_id::window_caption, [this](const QString &s) { setWindowTitle(s); });
    apiconstants::center_form(*this);

    // Every text box, in the order of the control list, starts at zero; each
    // write raises the field's change event and runs its calculations. Both
    // exchange buttons show "<->".
    m_model.load();

    for (int tab = 0; tab < 2; ++tab) {
        if (const std::optional<QString> &caption = captions.tabs[std::size_t(tab)])
            m_tabs->setTabText(tab, *caption);
    }
    m_tabs->setCurrentIndex(0);

    // The labels and frames take their captions (the labels are placed once
    // all have theirs); the link opens what it shows.
    for (const auto &[control, entry] : m_controls) {
        const auto caption = captions.controls.find(entry);
        if (caption == captions.controls.end())
            continue;
        if (auto *frame = qobject_cast<QGroupBox *>(control))
            frame->setTitle(caption->second);
        else
            static_cast<QLabel *>(control)->setText(caption->second);
    }
    m_web_address = m_link->text();

    with_string(string_id::menu_file, [this](const QString &s) { m_mnufile->setTitle(s); });
    with_string(string_id::menu_help, [this](const QString &s) { m_mnuhelp->setText(s); });
    with_string(string_id::help_page_path,
                [this](const QString &s) { m_help_address = help_address(m_web_address, s); });
    with_string(string_id::menu_exit, [this](const QString &s) { m_mnuexit->setText(s); });

    for (const auto &button : m_buttons)
        button.second->set_look(loaded_exchange_button_look());

    apiconstants::DecimalSeparator = apiconstants::get_locale_string(apiconstants::LOCALE_SDECIMAL);
}

void frm_calc::mirror(Field field)
{
    FieldEdit *edit = m_fields.at(field);
    const QString text = from_model(m_model.store().text(field));
    if (edit->text() == text)
        return;
    edit->show_text(text);
    // A long result shows its leading digits while the field is not edited.
    if (!edit->hasFocus())
        edit->setCursorPosition(0);
}

void frm_calc::show_message(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    box.exec();
}

void frm_calc::Label24_Click()
{
    apiconstants::open_document(m_web_address);
}

void frm_calc::mnuhelp_Click()
{
    apiconstants::open_document(m_help_address);
}

void frm_calc::mnuexit_Click()
{
    // Ends at once: the field being edited is not rewritten and nothing asks.
    QCoreApplication::exit(0);
}

} // namespace vorlenta
