#include "platform/helpwindow.h"

#include <QCoreApplication>
#include <QTextBrowser>

#include "platform/helpdocument.h"

// Widgets can only be deleted while the application object lives; after it
// has gone the process is ending anyway.
THelpWindowViewer::~THelpWindowViewer() {
  if (QCoreApplication::instance()) delete m_browser;
}

QTextBrowser* THelpWindowViewer::Browser() const { return m_browser; }

void THelpWindowViewer::ShowTopic(const QString& helpFile, int topic) {
  if (!m_browser) {
    m_browser = new QTextBrowser;
    m_browser->setWindowTitle(QStringLiteral("Справка Tamrix"));
    m_browser->setOpenExternalLinks(true);
    m_browser->resize(520, 560);
    // A window without owner outlives nothing: it goes with the program.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_browser, [this] { delete m_browser; });
  }
  const QUrl page = HelpTopicUrl(helpFile, topic);
  if (page.isEmpty()) {
    m_browser->clearHistory();
    m_browser->setHtml(QStringLiteral("<p>Не удаётся открыть файл справки «%1».</p>")
                           .arg(helpFile.toHtmlEscaped()));
  } else {
    m_browser->setSource(page);
  }
  m_browser->show();
  m_browser->raise();
  m_browser->activateWindow();
}
