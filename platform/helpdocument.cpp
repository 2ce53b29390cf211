// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/helpdocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPalette>

// The pages live in the resource library; naming its initialiser here links
// them into every program that can show help.
static void InitHelpResources() { Q_INIT_RESOURCE(tamrix); }

QUrl HelpTopicUrl(const QString& helpFile, int topic) {
  if (QFileInfo(helpFile).fileName().compare(QLatin1String("Tamrix.hlp"), Qt::CaseInsensitive) != 0) {
    return {};
  }
  InitHelpResources();
  if (topic < 1 || topic > kHelpTopicCount) topic = 1;
  // Each language's catalogue names the folder of its pages; the Russian
  // pages, the source texts' language, are in the top folder and serve any
  // page a language does not have.
  const QString folder = QCoreApplication::translate("HelpDocument", "help");
  const QString page = QStringLiteral("%1/topic%2.html").arg(folder).arg(topic);
  if (folder != QLatin1String("help") && QFile::exists(QLatin1Char(':') + page))
    return QUrl(QStringLiteral("qrc:/") + page);
  return QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic));
}

QString HelpColourSheet(const QPalette& palette) {
  const auto name = [&palette](QPalette::ColorRole role) { return palette.color(role).name(); };
  return QStringLiteral("body { color: %1; background: %2; }\n"
                        "h1, h2 { color: %1; }\n"
                        "th { color: %3; background: %4; }\n"
                        "a { color: %5; }\n")
      .arg(name(QPalette::Text), name(QPalette::Base), name(QPalette::ButtonText), name(QPalette::Button),
           name(QPalette::Link));
}
