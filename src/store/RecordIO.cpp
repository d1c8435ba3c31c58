#include "RecordIO.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

bool ReadFileRecord(const std::string& path, std::span<uint8_t> out)
{
    // Opened without waiting, and read only when it is a plain file: a pipe or a device in its
    // place would hold the start (or a load) forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    size_t done = 0;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        while (done < out.size()) {
            const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
    }
    ::close(fd);
    return done == out.size() && S_ISREG(st.st_mode);
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

// A temporary's name: hidden, marked as this program's, with the saving process and a count, so
// that a later save can tell whose it is and no name a user gives a file of their own is taken
// for one (".<name>.lexory-<pid>-<n>.tmp").
constexpr std::string_view TempMark = ".lexory-";
constexpr std::string_view TempSuffix = ".tmp";

std::string TemporaryName(std::string_view name, pid_t pid, unsigned count)
{
    return "." + std::string(name) + std::string(TempMark) + std::to_string(pid) + "-" + std::to_string(count) +
           std::string(TempSuffix);
}

// The process that made `entry`, a temporary of the file named `name`; 0 when it is not one.
pid_t TemporaryOwner(std::string_view entry, std::string_view name)
{
    if (!entry.starts_with('.') || !entry.ends_with(TempSuffix))
        return 0;
    entry.remove_prefix(1);
    entry.remove_suffix(TempSuffix.size());
    if (!entry.starts_with(name) || !entry.substr(name.size()).starts_with(TempMark))
        return 0;
    const std::string_view middle = entry.substr(name.size() + TempMark.size());
    const char* const end = middle.data() + middle.size();
    pid_t pid = 0;
    unsigned count = 0;
    const auto [afterPid, pidError] = std::from_chars(middle.data(), end, pid);
    if (pidError != std::errc() || afterPid == end || *afterPid != '-')
        return 0;
    const auto [afterCount, countError] = std::from_chars(afterPid + 1, end, count);
    return countError == std::errc() && afterCount == end ? pid : 0;
}

// A save killed part way (or a power cut) leaves its temporary behind: the next save removes those
// whose process has ended. One of a copy still running, or of a process this user may not signal,
// is left alone.
void RemoveEndedTemporaries(const fs::path& target)
{
    const std::string name = target.filename().string();
    std::error_code ec;
    fs::directory_iterator it(target.has_parent_path() ? target.parent_path() : fs::path("."), ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const pid_t owner = TemporaryOwner(it->path().filename().native(), name);
        if (owner > 0 && owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH)
            ::unlink(it->path().c_str());
    }
}

// A temporary of this save's own beside the target, created exclusively: two programs (or
// threads) saving the same file never share one. It is made with the old file's permission bits,
// never more open than the file it replaces, less the umask.
int CreateTemporary(const fs::path& target, mode_t mode, std::string& name)
{
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.parent_path();
    const std::string file = target.filename().string();
    for (int tries = 0; tries < 100; ++tries) {
        name = (folder / TemporaryName(file, ::getpid(), counter.fetch_add(1))).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new file gets the old one's owner, group and exact mode where the saver may give them: owner
// and group together, else the group alone (a member of a shared folder's group may give the group,
// not the owner). A file system without modes (FAT) or a user who may not give the owner refuses,
// which is no reason to lose the save: the file was created no more open than the old one. False
// when the group was not given and the old file lets its group do more than everyone else: a
// rename would lock the others of that group out.
bool CopyOwnerAndMode(int fd, const struct stat& old)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return true;
    if (now.st_uid != old.st_uid && ::fchown(fd, old.st_uid, old.st_gid) == 0)
        now.st_gid = old.st_gid;
    if (now.st_gid != old.st_gid && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0)
        now.st_gid = old.st_gid;
    (void)!::fchmod(fd, old.st_mode & 07777);
    const mode_t groupOnly = old.st_mode & 060 & ~((old.st_mode & 06) << 3);
    return now.st_gid == old.st_gid || groupOnly == 0;
}

// Two copies writing into one file take turns; a lock held past a few seconds is given up on
// rather than hanging the close. A file system without locks is written unlocked.
bool LockForWriting(int fd)
{
    for (int tries = 0; tries < 500; ++tries) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return errno == ENOLCK || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP;
        ::usleep(10000);
    }
    return false;
}

// Where the folder refuses a new file but the file itself may be written: the record goes into
// the file itself, whole from its start, then the file is cut to the record's size.
bool WriteInPlace(int fd, std::span<const uint8_t> record)
{
    if (!LockForWriting(fd) || ::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    return WriteAll(fd, record) && ::ftruncate(fd, static_cast<off_t>(record.size())) == 0 && ::fsync(fd) == 0;
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
    // An old file must be a plain file this user may write: one made read-only is never replaced,
    // nor a device or a pipe (opened without waiting, so that a pipe fails rather than blocks).
    const int old = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (old < 0 && errno != ENOENT)
        return false;
    struct stat oldStat {};
    if (old >= 0 && (::fstat(old, &oldStat) != 0 || !S_ISREG(oldStat.st_mode))) {
        ::close(old);
        return false;
    }
    // Where the folder will not take the new file (no new files at all, a rename over another
    // user's file in a sticky folder, a group the new file cannot keep), a writable old file is
    // written in place. Only then: on any other failure (a full disk, no file handles left) the
    // old file stays as it was.
    const auto inPlace = [&] {
        bool ok = old >= 0 && WriteInPlace(old, record);
        if (old >= 0)
            ok = ::close(old) == 0 && ok;
        return ok;
    };
    const auto closeOld = [&] {
        if (old >= 0)
            ::close(old);
    };
    RemoveEndedTemporaries(target);
    std::string temp;
    const int fd = CreateTemporary(target, old >= 0 ? (oldStat.st_mode & 0777) : 0666, temp);
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM)
            return inPlace();
        closeOld();
        return false;
    }
    bool ok = WriteAll(fd, record);
    const bool groupKept = old < 0 || CopyOwnerAndMode(fd, oldStat);
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(temp.c_str());  // this save's own temporary, nothing else
        closeOld();
        return false;
    }
    if (groupKept && ::rename(temp.c_str(), target.c_str()) == 0) {
        closeOld();
        FlushFolder(target);
        return true;
    }
    const bool refused = !groupKept || errno == EACCES || errno == EPERM;
    ::unlink(temp.c_str());
    if (refused)
        return inPlace();
    closeOld();
    return false;
}
