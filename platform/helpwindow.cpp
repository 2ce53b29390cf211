// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/helpwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>

#include "platform/helpdocument.h"

// Widgets can only be deleted while the application object lives; after it
// has gone the process is ending anyway.
THelpWindowViewer::~THelpWindowViewer() {
  if (QCoreApplication::instance()) delete m_browser;
}

QTextBrowser* THelpWindowViewer::Browser() const { return m_browser; }

void THelpWindowViewer::SetTitle() {
  if (m_browser) m_browser->setWindowTitle(QCoreApplication::translate("THelpWindowViewer", "Справка Tamrix"));
}

bool THelpWindowViewer::TLanguageWatch::eventFilter(QObject* watched, QEvent* event) {
  // A new desktop palette: the page takes its colours again.
  if (event->type() == QEvent::PaletteChange && m_owner.m_browser && watched == m_owner.m_browser) {
    m_owner.m_browser->document()->setDefaultStyleSheet(HelpColourSheet(m_owner.m_browser->palette()));
    m_owner.m_browser->reload();
    return false;
  }
  // The window shows the topic again in the new language, where it stands.
  if (event->type() == QEvent::LanguageChange && m_owner.m_browser && watched == m_owner.m_browser) {
    // The page shown may be one the user went to by a link.
    const QString name = m_owner.m_browser->source().fileName();
    const int shown = name.startsWith(QLatin1String("topic")) ? name.mid(5, name.size() - 10).toInt() : 0;
    const QUrl page = HelpTopicUrl(m_owner.m_helpFile, shown ? shown : m_owner.m_topic);
    if (!page.isEmpty() && page != m_owner.m_browser->source()) m_owner.m_browser->setSource(page);
    m_owner.SetTitle();
  }
  return false;
}

void THelpWindowViewer::ShowTopic(const QString& helpFile, int topic) {
  if (!m_browser) {
    m_browser = new QTextBrowser;
    m_browser->installEventFilter(&m_languageWatch);
    m_browser->setOpenExternalLinks(true);
    // Smaller where the screen is (a large scale makes it so), room left
    // for the window manager's frame.
    QSize size(520, 560);
    if (const QScreen* screen = m_browser->screen())
      size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    m_browser->resize(size);
    // Esc puts the help away, as it closes the program's other windows.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), m_browser);
    QObject::connect(close, &QShortcut::activated, m_browser, [this] { m_browser->close(); });
    // A window without owner outlives nothing: it goes with the program.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_browser, [this] { delete m_browser; });
  }
  // Help asked for from a modal dialog must be usable while the dialog runs,
  // so the window then joins the modal windows (on top of the dialog); help
  // for a window kept above all others is kept above as well.
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality modality = modal && modal != m_browser ? Qt::ApplicationModal : Qt::NonModal;
  QWidget* asking = QApplication::activeWindow();
  const bool onTop = asking && asking != m_browser && asking->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  if (m_browser->windowModality() != modality ||
      m_browser->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
    m_browser->hide();  // both can only change while the window is hidden
    m_browser->setWindowModality(modality);
    m_browser->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  }

  m_browser->document()->setDefaultStyleSheet(HelpColourSheet(m_browser->palette()));
  const QUrl page = HelpTopicUrl(helpFile, topic);
  if (page.isEmpty()) {
    m_browser->clearHistory();
    m_browser->setHtml(
        QCoreApplication::translate("THelpWindowViewer", "<p>Не удаётся открыть файл справки «%1».</p>")
            .arg(helpFile.toHtmlEscaped()));
  } else {
    m_browser->setSource(page);
  }
  m_helpFile = helpFile;
  m_topic = topic;
  SetTitle();
  m_browser->show();
  m_browser->raise();
  m_browser->activateWindow();
}
