// SPDX-License-Identifier: GPL-3.0-or-later
// Every interface language has every help topic, each leading to the same
// pages and styled by the same sheet as the Russian one.
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "platform/helpdocument.h"

namespace {
QString Page(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The link targets and anchors of a page, which the translation must keep.
QStringList Anchors(const QString& html) {
  QStringList found;
  static const QRegularExpression attribute("\\b(href|id|name)=\"([^\"]*)\"");
  for (const auto& m : attribute.globalMatch(html)) found << m.captured(1) + "=" + m.captured(2);
  return found;
}
}  // namespace

class TestHelpTopics : public QObject {
  Q_OBJECT
 private slots:
  void everyLanguageHasEveryTopic_data() {
    HelpTopicUrl("Tamrix.hlp", 1);  // links the pages in
    // A language is a catalogue of the interface or a help folder; each needs both.
    QSet<QString> codes;
    for (const QString& ts : QDir(qEnvironmentVariable("TAMRIX_SOURCE_DIR") + "/language").entryList({"tamrix_*.ts"}))
      codes << ts.section('_', 1).section('.', 0, 0);
    for (const QString& folder : QDir(":/help").entryList(QDir::Dirs)) codes << folder;
    QVERIFY(!codes.isEmpty());
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("topic");
    for (const QString& code : codes)
      for (int topic = 1; topic <= kHelpTopicCount; ++topic)
        QTest::addRow("%s topic %d", qPrintable(code), topic) << code << topic;
  }
  void everyLanguageHasEveryTopic() {
    QFETCH(QString, code);
    QFETCH(int, topic);
    const QString name = QString("topic%1.html").arg(topic);
    const QString russian = Page(":/help/" + name);
    const QString translated = Page(":/help/" + code + "/" + name);
    QVERIFY2(!translated.isEmpty(), qPrintable(code + "/" + name));
    // The code as the catalogue spells it ("pt_BR") or as HTML does ("pt-BR").
    QVERIFY(translated.contains(QString("<html lang=\"%1\">").arg(code)) ||
            translated.contains(QString("<html lang=\"%1\">").arg(QString(code).replace('_', '-'))));
    QCOMPARE(Anchors(translated), Anchors(russian));
    QVERIFY(QFile::exists(":/help/" + code + "/help.css"));
  }
};

QTEST_MAIN(TestHelpTopics)
#include "tst_helptopics.moc"
