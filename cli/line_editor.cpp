// SPDX-License-Identifier: MIT
#include "cli/line_editor.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>

#include "cli/history_file.h"

namespace vorlenta::cli {

namespace {

// Entries kept in the history file.
constexpr int history_entries = 1000;

// libedit's native history interface (histedit.h), whose numbers are part of
// the ABI of libedit.so.2.
struct HistEvent {
    int num;
    const char *str;
};
constexpr int H_SETSIZE = 1;
constexpr int H_ENTER = 10;
constexpr int H_LOAD = 17;
constexpr int H_SAVE_FP = 26;

template <typename T>
bool find(void *library, const char *name, T &symbol)
{
    symbol = reinterpret_cast<T>(::dlsym(library, name));
    return symbol != nullptr;
}

} // namespace

// The part of libedit the editor uses: the readline interface for the
// session, the native history interface for the file.
struct LineEditor::Library {
    void *handle = nullptr;
    char *(*readline)(const char *prompt) = nullptr;
    int (*add_history)(const char *line) = nullptr;
    int (*read_history)(const char *file) = nullptr;
    void (*stifle_history)(int entries) = nullptr;
    void *(*history_init)() = nullptr;
    void (*history_end)(void *history) = nullptr;
    int (*history)(void *history, HistEvent *event, int operation, ...) = nullptr;
    FILE **outstream = nullptr;
    int *inhibit_completion = nullptr;
    const char **readline_name = nullptr;

    ~Library()
    {
        if (handle)
            ::dlclose(handle);
    }
};

std::unique_ptr<LineEditor> LineEditor::open(const char *prompt, std::string history_file)
{
    // libedit reads characters by the C library's LC_CTYPE: the user's, and
    // UTF-8 where that is plain ASCII, so that a "中" typed stays one.
    const char *ctype = std::setlocale(LC_CTYPE, "");
    if (!ctype || std::strcmp(ctype, "C") == 0 || std::strcmp(ctype, "POSIX") == 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
    auto library = std::make_unique<Library>();
    // The readline interface keeps its state in libedit's globals, with no
    // way to free it: the library stays loaded, that state reachable, until
    // the process ends.
    library->handle = ::dlopen("libedit.so.2", RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!library->handle)
        return nullptr;
    void *handle = library->handle;
    if (!find(handle, "readline", library->readline) || !find(handle, "add_history", library->add_history)
        || !find(handle, "read_history", library->read_history)
        || !find(handle, "stifle_history", library->stifle_history)
        || !find(handle, "history_init", library->history_init) || !find(handle, "history_end", library->history_end)
        || !find(handle, "history", library->history) || !find(handle, "rl_outstream", library->outstream)
        || !find(handle, "rl_inhibit_completion", library->inhibit_completion)
        || !find(handle, "rl_readline_name", library->readline_name))
        return nullptr;
    return std::unique_ptr<LineEditor>(new LineEditor(std::move(library), prompt, std::move(history_file)));
}

LineEditor::LineEditor(std::unique_ptr<Library> library, const char *prompt, std::string history_file)
    : m_library(std::move(library)), m_prompt(prompt), m_history_file(std::move(history_file))
{
    // The prompt and the editing go to standard error, like the plain
    // prompt, so that standard output holds only values.
    *m_library->outstream = stderr;
    // Tab would complete file names: there are none in an expression.
    *m_library->inhibit_completion = 1;
    // ~/.editrc may hold bindings for "vorlenta-eval" alone.
    *m_library->readline_name = "vorlenta-eval";
    m_library->stifle_history(history_entries);
    if (!m_history_file.empty())
        m_library->read_history(m_history_file.c_str());
}

LineEditor::~LineEditor()
{
    if (m_history_file.empty() || m_added.empty())
        return;
    if (const std::string problem = save_history(); !problem.empty()) {
        const std::string message = "vorlenta-eval: the lines of this session are not kept: " + problem + "\n";
        std::fputs(message.c_str(), stderr);
    }
}

// Another session may have added its lines since this one started: they
// stay, and this session's come after them.
std::string LineEditor::save_history() const
{
    return replace_locked(m_history_file, [this](const std::string &current, std::FILE *out) -> std::string {
        const Library &library = *m_library;
        void *history = library.history_init();
        if (!history)
            return "out of memory";
        HistEvent event{};
        library.history(history, &event, H_SETSIZE, history_entries);
        std::string problem;
        if (!current.empty() && library.history(history, &event, H_LOAD, current.c_str()) == -1)
            problem = current + " is no history file of libedit: move it away to keep the lines";
        for (std::size_t i = 0; problem.empty() && i < m_added.size(); ++i)
            library.history(history, &event, H_ENTER, m_added[i].c_str());
        if (problem.empty() && library.history(history, &event, H_SAVE_FP, out) == -1)
            problem = "cannot write the history file";
        library.history_end(history);
        return problem;
    });
}

bool LineEditor::next(std::string &line)
{
    char *read = m_library->readline(m_prompt);
    if (!read)
        return false;
    line = read;
    std::free(read);
    if (line.find_first_not_of(" \t") != std::string::npos && (m_added.empty() || line != m_added.back())) {
        m_library->add_history(line.c_str());
        m_added.push_back(line);
        if (m_added.size() > 2 * std::size_t(history_entries)) // the file keeps the last ones only
            m_added.erase(m_added.begin(), m_added.end() - history_entries);
    }
    return true;
}

} // namespace vorlenta::cli
