/* Preloaded into a process: raises SIGKILL at the Nth file operation on a path below a folder.
   QUADERLO_UCCIDI_N: the operation to die at (counting from 1); QUADERLO_UCCIDI_SOTTO: the folder.
   Writes and flushes count only on descriptors opened below the folder.
   QUADERLO_SENZA_SCAMBIO: renameat2 fails as where folders cannot be swapped in one step. */
#include <dlfcn.h>
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

extern "C" {

static long g_count;
static char g_fd[65536];

static int sotto(const char *path)
{
    const char *root = getenv("QUADERLO_UCCIDI_SOTTO");
    if (!root || !path)
        return 0;
    return path[0] != '/' || strncmp(path, root, strlen(root)) == 0; /* relative: the driver works only below */
}

static void conta(void)
{
    const char *n = getenv("QUADERLO_UCCIDI_N");
    if (n && ++g_count == atol(n))
        raise(SIGKILL);
}

static int mio(int fd) { return fd >= 0 && fd < (int)sizeof g_fd && g_fd[fd]; }

#define REAL(ret, name, ...) static ret (*real_##name)(__VA_ARGS__); if (!real_##name) real_##name = reinterpret_cast<ret (*)(__VA_ARGS__)>(dlsym(RTLD_NEXT, #name))

/* The open family: counted by path; the descriptor remembered as below the folder or not. */
#define APRI(name, P, A) \
    int name(P const char *path, int flags, ...) \
    { \
        REAL(int, name, P const char *, int, ...); \
        mode_t mode = 0; \
        if (flags & (O_CREAT | O_TMPFILE)) { va_list ap; va_start(ap, flags); mode = va_arg(ap, mode_t); va_end(ap); } \
        if (sotto(path)) conta(); \
        const int fd = real_##name(A path, flags, mode); \
        if (fd >= 0 && fd < (int)sizeof g_fd) g_fd[fd] = (char)sotto(path); \
        return fd; \
    }
#define DIR_P int dir,
#define DIR_A dir,
APRI(open, , )
APRI(open64, , )
APRI(openat, DIR_P, DIR_A)
APRI(openat64, DIR_P, DIR_A)

/* Any other call: counted when the condition holds, then passed on. */
#define PASSA(ret, name, cond, P, A) \
    ret name P { static ret (*real) P = reinterpret_cast<ret (*) P>(dlsym(RTLD_NEXT, #name)); if (cond) conta(); return real A; }
PASSA(ssize_t, write, mio(fd), (int fd, const void *buf, size_t n), (fd, buf, n))
PASSA(int, fsync, mio(fd), (int fd), (fd))
PASSA(int, rename, sotto(a) || sotto(b), (const char *a, const char *b), (a, b))
PASSA(int, renameat, sotto(a) || sotto(b), (int da, const char *a, int db, const char *b), (da, a, db, b))
PASSA(int, unlink, sotto(path), (const char *path), (path))
PASSA(int, unlinkat, sotto(path), (int dir, const char *path, int flags), (dir, path, flags))
PASSA(int, mkdir, sotto(path), (const char *path, mode_t mode), (path, mode))
PASSA(char *, mkdtemp, sotto(tmpl), (char *tmpl), (tmpl))
PASSA(int, rmdir, sotto(path), (const char *path), (path))

int renameat2(int da, const char *a, int db, const char *b, unsigned int flags)
{
    REAL(int, renameat2, int, const char *, int, const char *, unsigned int);
    if (sotto(a) || sotto(b)) conta();
    /* A file system that cannot swap two folders in one step (a FAT memory stick). */
    if (getenv("QUADERLO_SENZA_SCAMBIO")) { errno = EINVAL; return -1; }
    return real_renameat2(da, a, db, b, flags);
}

} // extern "C"
