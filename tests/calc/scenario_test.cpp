// SPDX-License-Identifier: MIT
// The scenario tables of tests/scenarios played on the model alone, as a face
// forwards what the user does: each typed character is a key reaching the
// field and then the field's new text, the focus moving off a field leaves
// it, a click on an exchange button (or Enter or Space on it) is its click.
// Steps about the face alone (selection, the tabs' looks) are skipped.

#include <gtest/gtest.h>

#include "calc/calc_model.h"
#include "tests/scenarios/played_rows.h"

namespace vorlenta::testing {
namespace {

using enum Field;

std::optional<Field> field_named(const std::string &name)
{
    for (const FieldEntry &entry : field_entries())
        if (name == entry.name)
            return entry.field;
    return std::nullopt;
}

class ModelPlayer {
public:
    explicit ModelPlayer(Notation notation) : m_model(host_notation(notation))
    {
        m_model.on_body_mass_missing([this] { ++m_messages; });
        m_model.load();
    }

    void play(const std::string &word)
    {
        const std::size_t at = word.find_first_of("=:");
        const std::string name = word.substr(0, at), text = at == std::string::npos ? "" : word.substr(at + 1);
        const std::optional<Field> field = field_named(name);
        if (at != std::string::npos && word[at] == '=') {
            move_focus(name);
            for (std::size_t typed = text.empty() ? 0 : 1; typed <= text.size(); ++typed) {
                m_model.key_down(*field);
                m_model.store().set_text(*field, text.substr(0, typed));
            }
        } else if (name == "show") {
            move_focus("SSTab1");     // a click on a tab takes the focus
        } else if (name == "shown") { // the face's own look
        } else if (at != std::string::npos) {
            EXPECT_EQ(field ? m_model.store().text(*field)
                            : m_model.caption(name == "Command1" ? ExchangeButton::Command1 : ExchangeButton::Command2),
                      text)
                << name;
        } else if (name.starts_with('@')) {
            m_focus = name.substr(1); // the face checks it; the model learns it
        } else if (name.starts_with('>') || name.starts_with("Command")) {
            move_focus(name.substr(name[0] == '>'));
            if (name.starts_with("Command"))
                click(name);
        } else if (name == "Tab" || name == "Backtab" || name == "PgDown") {
            move_focus("");
        } else if (name == "Left" || name == "Right" || name == "Enter" || name == "Space") {
            if (const std::optional<Field> focused = field_named(m_focus))
                m_model.key_down(*focused);
            else if (m_focus.starts_with("Command") && (name == "Enter" || name == "Space"))
                click(m_focus);
        } else if (name == "+panels" || name == "-panels") {
            EXPECT_EQ(m_model.panels_enabled(), name[0] == '+');
        } else if (name == "!message") {
            EXPECT_EQ(std::exchange(m_messages, 0), 1);
        } else if (name != "*") {
            ADD_FAILURE() << "the model cannot play " << name;
        }
    }
    int messages() const { return m_messages; }

private:
    // The focus leaves the field it was in; after a Tab only an @ step tells
    // the model where it went.
    void move_focus(const std::string &to)
    {
        ASSERT_TRUE(m_focus != "?" || to.empty())
            << "write @Control after the Tab: the model cannot tell where the focus is";
        if (const std::optional<Field> field = field_named(m_focus); field && m_focus != to)
            m_model.leave(*field);
        m_focus = to.empty() ? "?" : to;
    }
    void click(const std::string &button)
    {
        button == "Command1" ? m_model.Command1_Click() : m_model.Command2_Click();
    }

    CalcModel m_model;
    std::string m_focus = "Text11";
    int m_messages = 0;
};

class Scenarios : public ::testing::TestWithParam<Played> {};

TEST_P(Scenarios, PlayOnTheModel)
{
    ModelPlayer player(GetParam().notation);
    for (const std::string &word : words_of(GetParam().row, GetParam().notation == Notation::Comma)) {
        SCOPED_TRACE("at step " + word);
        player.play(word);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    EXPECT_EQ(player.messages(), 0) << "a message no step expected";
}

std::vector<ScenarioRow> rows_for_the_model()
{
    std::vector<ScenarioRow> rows;
    for (const char *file : {"calculators.txt", "window.txt", "squad.txt"}) {
        for (const ScenarioRow &row : read_scenarios(file))
            if (row.played_by(Player::Model))
                rows.push_back(row);
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Rows, Scenarios, ::testing::ValuesIn(in_both_notations(rows_for_the_model())), test_name);

} // namespace
} // namespace vorlenta::testing
