// What both halves of Platform.h share: the C library's own calls.
#include "base/Platform.h"

#include <cerrno>
#include <cstring>

namespace tq3 {

std::string ErrnoReason() {
    return std::strerror(errno);
}

}  // namespace tq3
