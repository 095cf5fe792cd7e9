#include "support/loopback_server.h"

#include <sys/socket.h>

void LoopbackServer::resetSocket(int fd)
{
    if (fd < 0)
        return;
    linger option{};
    option.l_onoff = 1;
    option.l_linger = 0;
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &option, sizeof option);
}
