// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compiled catalogues are resources linked from a static library: their
// registration runs only when called for. Safe to call any number of times.
void InitTranslationResources();
