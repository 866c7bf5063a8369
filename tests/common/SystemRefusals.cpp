// The C library's calls, defined in this test program so that the platform
// library linked into it calls these (a link seam); each asks the kernel
// itself unless told to refuse.
#include "SystemRefusals.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool refused(const std::function<int(const char *)> &refusal, const char *name)
{
    errno = refusal ? refusal(name) : 0;
    return errno != 0;
}

} // namespace

extern "C" int renameat2(int fromFolder, const char *from, int toFolder, const char *to,
                         unsigned int flags)
{
    if (refused(refusals::renameat2, to))
        return -1;
    return int(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
}

extern "C" int link(const char *from, const char *to)
{
    if (refused(refusals::link, to))
        return -1;
    return int(::syscall(SYS_linkat, AT_FDCWD, from, AT_FDCWD, to, 0));
}
