/* Preloaded into a process: raises SIGKILL at the Nth file operation on a path below a folder.
   QUADERLO_UCCIDI_N: the operation to die at (counting from 1); QUADERLO_UCCIDI_SOTTO: the folder.
   Writes and flushes count only on descriptors opened below the folder.
   QUADERLO_SENZA_SCAMBIO: renameat2 fails as where folders cannot be swapped in one step. */
#include <dlfcn.h>
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
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
    if (path[0] != '/')
        return 1; /* relative paths: the driver works only below the folder */
    return strncmp(path, root, strlen(root)) == 0;
}

static void conta(void)
{
    const char *n = getenv("QUADERLO_UCCIDI_N");
    if (n && ++g_count == atol(n))
        raise(SIGKILL);
}

#define REAL(ret, name, ...) static ret (*real_##name)(__VA_ARGS__); if (!real_##name) real_##name = reinterpret_cast<ret (*)(__VA_ARGS__)>(dlsym(RTLD_NEXT, #name))

static int apri(const char *path, int fd)
{
    if (fd >= 0 && fd < (int)sizeof g_fd)
        g_fd[fd] = (char)sotto(path);
    return fd;
}

int open(const char *path, int flags, ...)
{
    REAL(int, open, const char *, int, ...);
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) { va_list ap; va_start(ap, flags); mode = va_arg(ap, mode_t); va_end(ap); }
    if (sotto(path)) conta();
    return apri(path, real_open(path, flags, mode));
}
int open64(const char *path, int flags, ...)
{
    REAL(int, open64, const char *, int, ...);
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) { va_list ap; va_start(ap, flags); mode = va_arg(ap, mode_t); va_end(ap); }
    if (sotto(path)) conta();
    return apri(path, real_open64(path, flags, mode));
}
int openat(int dir, const char *path, int flags, ...)
{
    REAL(int, openat, int, const char *, int, ...);
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) { va_list ap; va_start(ap, flags); mode = va_arg(ap, mode_t); va_end(ap); }
    if (sotto(path)) conta();
    return apri(path, real_openat(dir, path, flags, mode));
}
int openat64(int dir, const char *path, int flags, ...)
{
    REAL(int, openat64, int, const char *, int, ...);
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) { va_list ap; va_start(ap, flags); mode = va_arg(ap, mode_t); va_end(ap); }
    if (sotto(path)) conta();
    return apri(path, real_openat64(dir, path, flags, mode));
}
ssize_t write(int fd, const void *buf, size_t n)
{
    REAL(ssize_t, write, int, const void *, size_t);
    if (fd >= 0 && fd < (int)sizeof g_fd && g_fd[fd]) conta();
    return real_write(fd, buf, n);
}
int fsync(int fd)
{
    REAL(int, fsync, int);
    if (fd >= 0 && fd < (int)sizeof g_fd && g_fd[fd]) conta();
    return real_fsync(fd);
}
int rename(const char *a, const char *b)
{
    REAL(int, rename, const char *, const char *);
    if (sotto(a) || sotto(b)) conta();
    return real_rename(a, b);
}
int renameat(int da, const char *a, int db, const char *b)
{
    REAL(int, renameat, int, const char *, int, const char *);
    if (sotto(a) || sotto(b)) conta();
    return real_renameat(da, a, db, b);
}
int renameat2(int da, const char *a, int db, const char *b, unsigned int flags)
{
    REAL(int, renameat2, int, const char *, int, const char *, unsigned int);
    if (sotto(a) || sotto(b)) conta();
    /* A file system that cannot swap two folders in one step (a FAT memory stick). */
    if (getenv("QUADERLO_SENZA_SCAMBIO")) { errno = EINVAL; return -1; }
    return real_renameat2(da, a, db, b, flags);
}
int unlink(const char *path)
{
    REAL(int, unlink, const char *);
    if (sotto(path)) conta();
    return real_unlink(path);
}
int unlinkat(int dir, const char *path, int flags)
{
    REAL(int, unlinkat, int, const char *, int);
    if (sotto(path)) conta();
    return real_unlinkat(dir, path, flags);
}
int mkdir(const char *path, mode_t mode)
{
    REAL(int, mkdir, const char *, mode_t);
    if (sotto(path)) conta();
    return real_mkdir(path, mode);
}
char *mkdtemp(char *tmpl)
{
    REAL(char *, mkdtemp, char *);
    if (sotto(tmpl)) conta();
    return real_mkdtemp(tmpl);
}
int rmdir(const char *path)
{
    REAL(int, rmdir, const char *);
    if (sotto(path)) conta();
    return real_rmdir(path);
}

} // extern "C"
