// Preloaded into a child process (LD_PRELOAD) to play a crash at an exact point: it counts the
// calls that change files (writes to regular files, syncs of files and folders, truncates,
// renames, links, unlinks: those Qt and the store make) and kills the process with SIGKILL
// just before the call numbered $CW_KILL_AT, so that call and everything after it never happen.
// No libc header that declares the wrapped functions is included, so their definitions here
// need not repeat glibc's exception specifications.

#include <dlfcn.h>
#include <signal.h>
#include <sys/stat.h>

#include <cstdlib>

namespace {

long g_count = 0;

void event(int fd = -1)
{
    struct stat st;
    if (fd >= 0 && (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)))
        return;
    static const char* killAt = std::getenv("CW_KILL_AT");
    if (killAt && ++g_count == std::strtol(killAt, nullptr, 10))
        raise(SIGKILL);
}

} // namespace

// Counts the call (for fd calls, on a regular file only), then makes it. ret and params make a
// type, which parentheses would break.
#define SHIM(ret, name, params, args, fd)                                                          \
    extern "C" ret name params                                                                     \
    {                                                                                              \
        event(fd);                                                                                 \
        /* NOLINTNEXTLINE(bugprone-macro-parentheses) */                                           \
        return reinterpret_cast<ret(*) params>(dlsym(RTLD_NEXT, #name)) args;                      \
    }

SHIM(ssize_t, write, (int fd, const void* b, size_t n), (fd, b, n), fd)
SHIM(int, fsync, (int fd), (fd), -1) // a folder's too: that makes a rename in it last
SHIM(int, fdatasync, (int fd), (fd), fd)
SHIM(int, ftruncate, (int fd, off_t n), (fd, n), fd)
SHIM(int, ftruncate64, (int fd, off_t n), (fd, n), fd)
SHIM(int, rename, (const char* a, const char* b), (a, b), -1)
SHIM(int, renameat2, (int d, const char* a, int e, const char* b, unsigned f), (d, a, e, b, f), -1)
SHIM(int, link, (const char* a, const char* b), (a, b), -1)
SHIM(int, linkat, (int d, const char* a, int e, const char* b, int f), (d, a, e, b, f), -1)
SHIM(int, unlink, (const char* path), (path), -1)
