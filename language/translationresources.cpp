// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/translationresources.h"

#include <QtGlobal>

// Outside any namespace, as the resource macro needs.
void InitTranslationResources() { Q_INIT_RESOURCE(translations); }
