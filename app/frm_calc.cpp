#include "frm_calc.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "apiconstants_desktop.h"
#include "captions.h"
#include "exchange_button_widget.h"
#include "field_edit.h"
#include "fonts.h"
#include "fields/apiconstants.h"
#include "fields/number_format.h"
#include "layout_table.h"
#include "link_label.h"
#include "version_info.h"

namespace vorlenta {
namespace {

// The tag property carries the address a click hands to the desktop.
constexpr const char *tag = "Tag";

} // namespace

frm_calc::frm_calc(const StringTable &strings, QWidget *parent)
    : QMainWindow(parent), m_strings(strings)
{
    build_menu();
    build_controls();
    connect_model();
    apply_layout();
    Form_Load();
    describe_for_assistive_technology();
    add_keyboard_shortcuts();

    // The window opens with the focus in the body mass, its text selected.
    FieldEdit *first = m_fields.at(Field::Text11);
    first->setFocus(Qt::OtherFocusReason);
    first->selectAll();
}

frm_calc::~frm_calc()
{
    // Widgets losing the focus while the window goes are not the user leaving.
    m_ending = true;
}

void frm_calc::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Reading the icon's images loads Qt's image plugins: do it once the
    // window is on the screen rather than before.
    if (!m_icon_set) {
        m_icon_set = true;
        QTimer::singleShot(0, this, [this] {
            QIcon icon;
            for (const int size : {16, 24, 32, 48, 64})
                icon.addFile(QStringLiteral(":/vorlenta/icons/%1x%1/vorlenta.png").arg(size), QSize(size, size));
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
        QWidget *container = client;
        if (entry.container == Container::Tab0 || entry.container == Container::Tab1)
            container = pages[entry.container == Container::Tab0 ? 0 : 1];
        else if (entry.container == Container::Frame)
            container = m_controls.at(QString::fromLatin1(entry.frame));

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
        case ControlKind::Frame: {
            auto *frame = new QGroupBox(name, container);
            frame->setFont(bold(regular));
            control = frame;
            break;
        }
        case ControlKind::ExchangeButton: {
            auto *button = new ExchangeButtonWidget(name, container);
            const ExchangeButton which = name == u"Command1" ? ExchangeButton::Command1 : ExchangeButton::Command2;
            m_buttons[which] = button;
            control = button;
            break;
        }
        case ControlKind::TextBox: {
            const Field field = *field_named(name);
            auto *edit = new FieldEdit(field, container);
            edit->setFont(regular);
            m_fields[field] = edit;
            control = edit;
            break;
        }
        case ControlKind::Label:
        case ControlKind::LinkLabel: {
            auto *label = entry.kind == ControlKind::LinkLabel ? new LinkLabel(container) : new QLabel(container);
            // The link is reached by keyboard after every field, and a click on
            // it does not take the focus from the field being edited.
            if (entry.kind == ControlKind::LinkLabel)
                label->setFocusPolicy(Qt::TabFocus);
            label->setText(name);
            label->setFont(has_bold_caption(entry) ? bold(regular) : regular);
            label->setAlignment(stands_centred(entry) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            control = label;
            break;
        }
        }
        control->setObjectName(name);
        m_controls[name] = control;
        m_entries[control] = &entry;
    }

    // The link comes last, after every control of the layout's tab order.
    std::vector<QWidget *> stops;
    for (const LayoutEntry *entry : tab_order()) {
        QWidget *control = m_controls.at(QString::fromLatin1(entry->name));
        stops.push_back(control == m_tabs ? m_tabs->tabBar() : control);
    }
    stops.push_back(m_controls.at(QStringLiteral("Label24")));
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1], stops[i]);
}

void frm_calc::connect_model()
{
    m_model.store().add_change_listener([this](Field field) { mirror(field); });
    m_model.on_panels_changed([this](bool enabled) {
        m_controls.at(QStringLiteral("Frame3"))->setEnabled(enabled);
        m_controls.at(QStringLiteral("Frame4"))->setEnabled(enabled);
    });
    m_model.on_caption_changed([this](ExchangeButton button, const QString &caption) {
        m_buttons.at(button)->setText(caption);
    });
    m_model.on_body_mass_missing([this] {
        if (const std::optional<QString> text = m_strings.load(string_id::insert_body_mass))
            show_message(*text);
    });

    for (const auto &[field, edit] : m_fields) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, f = field](const QString &text) { m_model.store().set_text(f, text); });
        connect(edit, &FieldEdit::left, this, [this](Field f) {
            if (!m_ending)
                m_model.leave(f);
        });
        connect(edit, &FieldEdit::keyDown, this, [this](Field f) { m_model.key_down(f); });
    }
    connect(m_buttons.at(ExchangeButton::Command1), &QPushButton::clicked, this, [this] { m_model.Command1_Click(); });
    connect(m_buttons.at(ExchangeButton::Command2), &QPushButton::clicked, this, [this] { m_model.Command2_Click(); });
    connect(static_cast<LinkLabel *>(m_controls.at(QStringLiteral("Label24"))), &LinkLabel::clicked, this,
            &frm_calc::Label24_Click);
}

bool frm_calc::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Move) && m_tabs
        && m_tabs->indexOf(static_cast<QWidget *>(watched)) >= 0)
        place_frames_on(static_cast<QWidget *>(watched));
    return QMainWindow::eventFilter(watched, event);
}

void frm_calc::set_caption(QWidget *control, const QString &caption)
{
    if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(caption);
        place_label(label);
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        frame->setTitle(caption);
    }
}

void frm_calc::Form_Load()
{
    // Each step stands alone: a caption the string table lacks leaves its
    // control as designed, and loading goes on.
    const auto with_string = [this](int id, const auto &use) {
        if (const std::optional<QString> text = m_strings.load(id))
            use(*text);
    };
    const auto control = [this](const char *name) { return m_controls.at(QString::fromLatin1(name)); };

    with_string(string_id::window_caption, [this](const QString &s) { setWindowTitle(s); });
    apiconstants::center_form(*this);

    // Every text box, in the order of the control list, starts at zero; each
    // write raises the field's change event and runs its calculations.
    const QString zero = vorlenta::render(0.0, Pattern::TwoDecimals);
    for (const LayoutEntry &entry : layout_table()) {
        if (entry.kind == ControlKind::TextBox)
            m_model.store().set_text(*field_named(QString::fromLatin1(entry.name)), zero);
    }

    with_string(string_id::tab0, [this](const QString &s) { m_tabs->setTabText(0, s); });
    with_string(string_id::tab1, [this](const QString &s) { m_tabs->setTabText(1, s); });
    m_tabs->setCurrentIndex(0);

    set_caption(control("Label25"), QString::fromUtf8(version_info::legal_copyright));
    with_string(string_id::visit_line, [&](const QString &s) { set_caption(control("Label23"), s); });
    QLabel *link = static_cast<QLabel *>(control("Label24"));
    set_caption(link, QString::fromUtf8(version_info::web_address));
    link->setProperty(tag, link->text());

    with_string(string_id::menu_file, [this](const QString &s) { m_mnufile->setTitle(s); });
    with_string(string_id::menu_help, [this](const QString &s) { m_mnuhelp->setText(s); });
    with_string(string_id::help_page_path,
                [&](const QString &s) { m_mnuhelp->setProperty(tag, link->text() + s); });
    with_string(string_id::menu_exit, [this](const QString &s) { m_mnuexit->setText(s); });

    for (const auto table : {frame_captions(), label_captions()}) {
        for (const CaptionId &caption : table)
            with_string(caption.id, [&](const QString &s) { set_caption(control(caption.control), s); });
    }

    for (const auto &[which, button] : m_buttons) {
        m_model.set_caption(which, QStringLiteral("<->"));
        button->set_look(loaded_exchange_button_look());
    }

    apiconstants::DecimalSeparator = apiconstants::get_locale_string(apiconstants::LOCALE_SDECIMAL);
}

void frm_calc::mirror(Field field)
{
    FieldEdit *edit = m_fields.at(field);
    const QString &text = m_model.store().text(field);
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
    apiconstants::open_document(m_controls.at(QStringLiteral("Label24"))->property(tag).toString());
}

void frm_calc::mnuhelp_Click()
{
    apiconstants::open_document(m_mnuhelp->property(tag).toString());
}

void frm_calc::mnuexit_Click()
{
    // Ends at once: the field being edited is not rewritten and nothing asks.
    m_ending = true;
    QCoreApplication::exit(0);
}

} // namespace vorlenta
