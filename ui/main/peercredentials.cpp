// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/peercredentials.h"

#include <sys/socket.h>

std::optional<unsigned> PeerUserId(long long descriptor) {
  if (descriptor < 0) return std::nullopt;
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
      size != sizeof credentials)
    return std::nullopt;
  return static_cast<unsigned>(credentials.uid);
}

bool PeerIsUser(long long descriptor, unsigned userId) {
  const std::optional<unsigned> peer = PeerUserId(descriptor);
  return peer && *peer == userId;
}
