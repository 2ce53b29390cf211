// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/helpdocument.h"

#include <QFileInfo>

// The pages live in the resource library; naming its initialiser here links
// them into every program that can show help.
static void InitHelpResources() { Q_INIT_RESOURCE(tamrix); }

QUrl HelpTopicUrl(const QString& helpFile, int topic) {
  if (QFileInfo(helpFile).fileName().compare(QLatin1String("Tamrix.hlp"), Qt::CaseInsensitive) != 0) {
    return {};
  }
  InitHelpResources();
  if (topic < 1 || topic > kHelpTopicCount) topic = 1;
  return QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic));
}
