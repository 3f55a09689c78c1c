// SPDX-License-Identifier: MIT
#include "cli/output_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

// A link is written through to its file, as an editor saves it; a dangling one names the file
// to create.
std::string targetOf(const std::string& path)
{
    struct stat link = {};
    if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved))
        return resolved;
    char target[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
    if (length <= 0)
        return path;
    const std::string named(target, std::size_t(length));
    const std::size_t slash = path.rfind('/');
    return named.front() == '/' || slash == std::string::npos ? named
                                                              : path.substr(0, slash + 1) + named;
}

mode_t modeFor(const std::string& path)
{
    struct stat existing = {};
    if (stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

} // namespace

std::optional<std::string> writeFileWhole(const std::string& path, std::string_view bytes)
{
    const std::string target = targetOf(path);
    struct stat existing = {};
    if (stat(target.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode))
        return std::string(std::strerror(EISDIR));
    const std::size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + '.' + name + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return std::string(std::strerror(errno));
    const bool written = fchmod(fd, modeFor(target)) == 0 && writeAll(fd, bytes) && fsync(fd) == 0;
    const int cause = errno;
    if (close(fd) != 0 || !written) {
        unlink(temporary.c_str());
        return std::string(std::strerror(written ? errno : cause));
    }
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        const int renameCause = errno;
        unlink(temporary.c_str());
        return std::string(std::strerror(renameCause));
    }
    return std::nullopt;
}

} // namespace cli
