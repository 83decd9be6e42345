#include "platform/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

void OpenStandardDescriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0) continue;
        // The lowest free descriptor, so this one: those below it are open.
        const int placeholder = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (placeholder >= 0 && placeholder != fd) ::close(placeholder);
    }
}
