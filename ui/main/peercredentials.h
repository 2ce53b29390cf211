// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who is at the other end of a local socket: the kernel's record of the
// peer's user (SO_PEERCRED), which the peer cannot forge.
#include <optional>

// The user id of the process at the other end of the connected local socket
// descriptor; nothing when the kernel cannot tell.
std::optional<unsigned> PeerUserId(long long descriptor);

// True only when the peer is known to run as userId.
bool PeerIsUser(long long descriptor, unsigned userId);
