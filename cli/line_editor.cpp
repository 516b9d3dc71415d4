// SPDX-License-Identifier: MIT
#include "cli/line_editor.h"

#include <cerrno>
#include <cstdio>
#include <clocale>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <sys/stat.h>

namespace vorlenta::cli {

namespace {

// Entries kept in the history file.
constexpr int history_entries = 1000;

template <typename T>
bool find(void *library, const char *name, T &symbol)
{
    symbol = reinterpret_cast<T>(::dlsym(library, name));
    return symbol != nullptr;
}

} // namespace

// The part of libedit's readline interface the editor uses.
struct LineEditor::Library {
    void *handle = nullptr;
    char *(*readline)(const char *prompt) = nullptr;
    int (*add_history)(const char *line) = nullptr;
    int (*read_history)(const char *file) = nullptr;
    int (*write_history)(const char *file) = nullptr;
    void (*stifle_history)(int entries) = nullptr;
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
    library->handle = ::dlopen("libedit.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library->handle)
        return nullptr;
    void *handle = library->handle;
    if (!find(handle, "readline", library->readline) || !find(handle, "add_history", library->add_history)
        || !find(handle, "read_history", library->read_history)
        || !find(handle, "write_history", library->write_history)
        || !find(handle, "stifle_history", library->stifle_history)
        || !find(handle, "rl_outstream", library->outstream)
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
    if (!m_history_file.empty() && !m_last.empty() && m_library->write_history(m_history_file.c_str()) == 0)
        ::chmod(m_history_file.c_str(), S_IRUSR | S_IWUSR); // what was computed is the user's own business
}

bool LineEditor::next(std::string &line)
{
    char *read = m_library->readline(m_prompt);
    if (!read)
        return false;
    line = read;
    std::free(read);
    if (line.find_first_not_of(" \t") != std::string::npos && line != m_last) {
        m_library->add_history(line.c_str());
        m_last = line;
    }
    return true;
}

std::string LineEditor::default_history_file()
{
    std::string folder;
    if (const char *state = std::getenv("XDG_STATE_HOME"); state && state[0] == '/') {
        folder = state;
    } else if (const char *home = std::getenv("HOME"); home && home[0] == '/') {
        folder = std::string(home) + "/.local";
        ::mkdir(folder.c_str(), 0755);
        folder += "/state";
    } else {
        return {};
    }
    ::mkdir(folder.c_str(), 0700);
    folder += "/vorlenta";
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    return folder + "/eval_history";
}

} // namespace vorlenta::cli
