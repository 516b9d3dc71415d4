// SPDX-License-Identifier: MIT
#include "cli/history_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlenta::cli {

namespace {

std::string failure(const char *what, const std::string &path)
{
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

// Makes each missing folder of the absolute `path`, readable by the user
// alone, as the XDG base directories ask.
bool make_folders(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

// Waits up to two seconds for a session that is writing the file: a lock
// held longer than that belongs to something stuck, and the lines are worth
// more than the order among sessions.
void lock(int folder)
{
    for (int tries = 0; tries < 100; ++tries) {
        if (::flock(folder, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        ::usleep(20000);
    }
}

// Writes the new file beside the old one and renames it over it.
std::string replace(const std::string &file, const HistoryWriter &write)
{
    struct stat status {};
    const bool current = ::stat(file.c_str(), &status) == 0 && status.st_size > 0;
    std::string temporary = file + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC); // mode 0600
    if (fd < 0)
        return failure("cannot write", temporary);
    std::FILE *out = ::fdopen(fd, "w");
    if (!out) {
        std::string problem = failure("cannot write", temporary);
        ::close(fd);
        ::unlink(temporary.c_str());
        return problem;
    }
    std::string problem = write(current ? file : std::string(), out);
    if (problem.empty() && (std::fflush(out) != 0 || ::fsync(fd) != 0))
        problem = failure("cannot write", temporary);
    if (std::fclose(out) != 0 && problem.empty())
        problem = failure("cannot write", temporary);
    if (problem.empty() && ::rename(temporary.c_str(), file.c_str()) != 0)
        problem = failure("cannot replace", file);
    if (!problem.empty())
        ::unlink(temporary.c_str());
    return problem;
}

} // namespace

HistoryPlace history_place()
{
    std::string folder;
    if (const char *state = std::getenv("XDG_STATE_HOME"); state && state[0] == '/')
        folder = state;
    else if (const char *home = std::getenv("HOME"); home && home[0] == '/')
        folder = std::string(home) + "/.local/state";
    else
        return {};
    folder += "/vorlenta";
    if (!make_folders(folder))
        return {{}, failure("cannot make the folder", folder)};
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return {{}, failure("cannot write in", folder)};
    return {folder + "/eval_history", {}};
}

std::string replace_locked(const std::string &file, const HistoryWriter &write)
{
    const std::string folder = file.substr(0, file.rfind('/'));
    const int folder_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd < 0)
        return failure("cannot open", folder);
    lock(folder_fd);
    std::string problem = replace(file, write);
    ::close(folder_fd); // and with it the lock
    return problem;
}

} // namespace vorlenta::cli
