#pragma once

#include <functional>

// The system calls the file writer falls back from, refused the way some
// systems and sandboxes refuse them. Each, when set, is asked first with the
// name the call would make: an error number refuses the call with it, 0 lets
// it through to the kernel.
namespace refusals {
inline std::function<int(const char *name)> renameat2;
inline std::function<int(const char *name)> link;
} // namespace refusals
