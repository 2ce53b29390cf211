// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder only the user can enter, for sockets and locks another local user
// must not make first or reach: the runtime folder ($XDG_RUNTIME_DIR) when
// it is one, else "tamrix-<uid>" in the temporary folder, made with mode 0700.
// Either is taken only when it is a real folder (no symbolic link) owned by
// the user, which neither group nor others may enter.
#include <QString>

// The folder's path, or an empty text when there is no such folder (a
// stranger made "tamrix-<uid>" first, or it cannot be made).
QString PrivateRuntimeFolder(unsigned userId);

// Whether path is a folder, not a link, owned by userId and closed to group
// and others.
bool IsPrivateFolder(const QString& path, unsigned userId);
