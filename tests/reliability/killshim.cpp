// Preloaded into a child process (LD_PRELOAD) to play a crash at an exact point: it counts the
// calls that change files (writes to regular files, fsync of files and folders, truncate,
// rename, link, unlink) and kills the process with SIGKILL just before the call numbered
// $CW_KILL_AT, so that call and everything after it never happen.
//
// No libc header that declares the wrapped functions is included, so their definitions here
// need not repeat glibc's exception specifications.

#include <dlfcn.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>

#include <cstdlib>

namespace {

long g_killAt = -1;
long g_count = 0;
bool g_ready = false;

void init()
{
    if (g_ready)
        return;
    g_ready = true;
    if (const char* at = std::getenv("CW_KILL_AT"))
        g_killAt = std::strtol(at, nullptr, 10);
}

template <typename Fn> Fn next(const char* name)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

void event()
{
    init();
    if (++g_count == g_killAt)
        raise(SIGKILL);
}

bool regular(int fd)
{
    struct stat st;
    return fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

void fileEvent(int fd)
{
    if (regular(fd))
        event();
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* buf, size_t n)
{
    fileEvent(fd);
    return next<ssize_t (*)(int, const void*, size_t)>("write")(fd, buf, n);
}

ssize_t pwrite64(int fd, const void* buf, size_t n, off_t offset)
{
    fileEvent(fd);
    return next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite64")(fd, buf, n, offset);
}

ssize_t pwrite(int fd, const void* buf, size_t n, off_t offset)
{
    fileEvent(fd);
    return next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite")(fd, buf, n, offset);
}

ssize_t writev(int fd, const struct iovec* iov, int count)
{
    fileEvent(fd);
    return next<ssize_t (*)(int, const struct iovec*, int)>("writev")(fd, iov, count);
}

int fsync(int fd)
{
    // A folder's too: syncing the folder is what makes a rename in it last.
    event();
    return next<int (*)(int)>("fsync")(fd);
}

int fdatasync(int fd)
{
    fileEvent(fd);
    return next<int (*)(int)>("fdatasync")(fd);
}

int ftruncate64(int fd, off_t length)
{
    fileEvent(fd);
    return next<int (*)(int, off_t)>("ftruncate64")(fd, length);
}

int ftruncate(int fd, off_t length)
{
    fileEvent(fd);
    return next<int (*)(int, off_t)>("ftruncate")(fd, length);
}

int rename(const char* from, const char* to)
{
    event();
    return next<int (*)(const char*, const char*)>("rename")(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    event();
    return next<int (*)(int, const char*, int, const char*)>("renameat")(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    event();
    return next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(
        fromDir, from, toDir, to, flags);
}

int link(const char* from, const char* to)
{
    event();
    return next<int (*)(const char*, const char*)>("link")(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    event();
    return next<int (*)(int, const char*, int, const char*, int)>("linkat")(fromDir, from, toDir,
                                                                            to, flags);
}

int unlink(const char* path)
{
    event();
    return next<int (*)(const char*)>("unlink")(path);
}

int unlinkat(int dir, const char* path, int flags)
{
    event();
    return next<int (*)(int, const char*, int)>("unlinkat")(dir, path, flags);
}

} // extern "C"
