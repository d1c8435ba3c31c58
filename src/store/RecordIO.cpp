#include "RecordIO.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

bool ReadFileRecord(const std::string& path, std::span<uint8_t> out)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    const size_t got = std::fread(out.data(), 1, out.size(), f);
    std::fclose(f);
    return got == out.size();
}

namespace {

// The file a save must replace: the path itself, or where its chain of symbolic links ends (also
// when that end does not exist yet), so that a linked file keeps its link. A loop of links is
// given up on and the path itself used: the rename then replaces the link, as the write to a
// looping path would fail anyway.
fs::path SaveTarget(const fs::path& path)
{
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            return p;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            return p;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return path;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// A temporary of this save's own beside the target, created exclusively with the usual
// permissions less the umask: two programs (or threads) saving the same file never share one.
int CreateTemporary(const fs::path& target, std::string& name)
{
    static std::atomic<unsigned> counter{0};
    const std::string stem = target.string() + "." + std::to_string(::getpid()) + "-";
    for (int tries = 0; tries < 100; ++tries) {
        name = stem + std::to_string(counter.fetch_add(1)) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself durable: a crash after the save reported success finds the new file.
void FlushFolder(const fs::path& file)
{
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);  // some file systems cannot flush a folder; the file itself is already on disk
    ::close(fd);
}

}  // namespace

bool WriteFileRecord(const std::string& path, std::span<const uint8_t> record)
{
    const fs::path target = SaveTarget(path);
    std::string temp;
    const int fd = CreateTemporary(target, temp);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, record);
    // The replacement keeps the permissions the user gave the old file.
    struct stat old {};
    if (ok && ::stat(target.c_str(), &old) == 0)
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());  // this save's own temporary, nothing else
        return false;
    }
    FlushFolder(target);
    return true;
}
