#include "platform/single_instance.h"

#include <errno.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

namespace platform {
namespace {

int listener = -1;

// An abstract address: a leading NUL, then the name and the user id.
socklen_t makeAddress(const char* name, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string id = "giftfall:" + std::string(name ? name : "") + ":" + std::to_string(getuid());
    const std::size_t length = std::min(id.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, id.data(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

void knockOnRunningCopy(const sockaddr_un& address, socklen_t length)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
        const char request = 'F';
        [[maybe_unused]] ssize_t sent = send(fd, &request, 1, MSG_NOSIGNAL);
    }
    close(fd);
}

}  // namespace

bool claimSingleInstance(const char* name)
{
    sockaddr_un address;
    const socklen_t length = makeAddress(name, address);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;  // no sockets: nothing can tell, so run
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        const bool taken = errno == EADDRINUSE;
        close(fd);
        if (taken)
            knockOnRunningCopy(address, length);
        return !taken;
    }
    if (listen(fd, 4) != 0) {
        close(fd);
        return true;
    }
    releaseSingleInstance();
    listener = fd;
    return true;
}

bool takeBringToFrontRequest()
{
    if (listener < 0)
        return false;
    bool requested = false;
    for (;;) {
        const int client = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            break;
        requested = true;
        close(client);
    }
    return requested;
}

void releaseSingleInstance()
{
    if (listener >= 0)
        close(listener);
    listener = -1;
}

}  // namespace platform
