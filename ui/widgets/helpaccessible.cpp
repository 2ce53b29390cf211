// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/helpaccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
namespace {
// A text browser that is a window of its own (the help): the window a frame
// named by its title, the page inside it a document.
QTextBrowser* BrowserWindow(QObject* object) {
  auto* browser = qobject_cast<QTextBrowser*>(object);
  return browser && browser->isWindow() ? browser : nullptr;
}
QTextBrowser* BrowserOfPage(QWidget* widget) {
  QTextBrowser* browser = BrowserWindow(widget->parentWidget());
  return browser && browser->viewport() == widget ? browser : nullptr;
}

// A link of the page shown, from its first character to the one after its
// last. It stands for the page it was found on: once the page changes it is
// no longer valid, and the document finds the links anew.
class TTextLinkInterface : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TTextLinkInterface(QTextBrowser* browser, int start, int end)
      : m_browser(browser), m_revision(browser->document()->revision()), m_start(start), m_end(end) {}

  bool isValid() const override { return m_browser && m_browser->document()->revision() == m_revision; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return m_browser ? m_browser->windowHandle() : nullptr; }
  QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override {
    return {};
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return m_browser ? QAccessible::queryAccessibleInterface(m_browser->viewport()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) {
      QString words = Cursor().selectedText();
      words.replace(QChar::ParagraphSeparator, QLatin1Char(' ')).replace(QChar::LineSeparator, QLatin1Char(' '));
      return words.simplified();
    }
    if (t == QAccessible::Value) return Href();
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    QTextCursor at(m_browser->document());
    at.setPosition(m_start);
    QRect r = m_browser->cursorRect(at);
    at.setPosition(m_end);
    r = r.united(m_browser->cursorRect(at));
    return QRect(m_browser->viewport()->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.focusable = true;
    s.linked = true;
    s.invisible = !m_browser->isVisible();
    const QRect page(m_browser->viewport()->mapToGlobal(QPoint(0, 0)), m_browser->viewport()->size());
    s.offscreen = s.invisible || !page.intersects(rect());
    const QTextCursor selected = m_browser->textCursor();
    s.focused = m_browser->hasFocus() && selected.selectionStart() == m_start && selected.selectionEnd() == m_end;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  // Both put the browser's cursor on the link, as Tab does; a press then
  // hands the browser an Enter, which follows the link as a click does
  // (a page of the help in the window, an address in the desktop's
  // program). Posted, so that the screen reader is answered first.
  void doAction(const QString& name) override {
    if (!isValid() || !m_browser->isEnabled() || (name != pressAction() && name != setFocusAction())) return;
    m_browser->setTextCursor(Cursor());
    if (name == setFocusAction()) return m_browser->setFocus(Qt::OtherFocusReason);
    QCoreApplication::postEvent(m_browser, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    QCoreApplication::postEvent(m_browser, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier));
  }

 private:
  QTextCursor Cursor() const {
    QTextCursor c(m_browser->document());
    c.setPosition(m_start);
    c.setPosition(m_end, QTextCursor::KeepAnchor);
    return c;
  }
  QString Href() const {
    QTextCursor c(m_browser->document());
    c.setPosition(m_start + 1);  // the format of the character before
    return c.charFormat().anchorHref();
  }

  QPointer<QTextBrowser> m_browser;
  int m_revision;
  int m_start;
  int m_end;
};

// The page of the help: its text read as a document's (a read-only text
// with a cursor and a selection, which Tab moves from link to link), its
// links as its children, found again whenever the page has changed.
class TDocumentInterface : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TDocumentInterface(QWidget* page) : QAccessibleWidget(page, QAccessible::Document) {
    // A new page (a link followed, another topic, the language changed):
    // the reader is told once, after the page is in.
    m_watch = QObject::connect(Browser()->document(), &QTextDocument::contentsChanged, page, [page] {
      if (page->property(kReorderDue).toBool()) return;
      page->setProperty(kReorderDue, true);
      QTimer::singleShot(0, page, [page] {
        page->setProperty(kReorderDue, false);
        QAccessibleEvent event(page, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
      });
    });
  }
  ~TDocumentInterface() override {
    QObject::disconnect(m_watch);
    DropLinks();
  }

  QTextBrowser* Browser() const { return static_cast<QTextBrowser*>(widget()->parentWidget()); }
  QTextDocument* Document() const { return Browser()->document(); }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const QString title = Browser()->documentTitle();
    return title.isEmpty() ? Browser()->windowTitle() : title;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.multiLine = true;
    s.focusable = true;
    s.focused = Browser()->hasFocus();
    return s;
  }
  QAccessibleInterface* focusChild() const override {
    for (int i = 0; i < childCount(); ++i)
      if (child(i)->state().focused) return child(i);
    return nullptr;
  }
  int childCount() const override { return Links().size(); }
  QAccessibleInterface* child(int index) const override {
    const QList<QAccessible::Id>& links = Links();
    return index >= 0 && index < links.size() ? QAccessible::accessibleInterface(links[index]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    const QList<QAccessible::Id>& links = Links();
    for (int i = 0; i < links.size(); ++i)
      if (QAccessible::accessibleInterface(links[i]) == c) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (child(i)->rect().contains(x, y)) return child(i);
    return nullptr;
  }

  // The text, as a read-only one.
  void selection(int index, int* start, int* end) const override {
    const QTextCursor c = Browser()->textCursor();
    *start = *end = 0;
    if (index == 0 && c.hasSelection()) *start = c.selectionStart(), *end = c.selectionEnd();
  }
  int selectionCount() const override { return Browser()->textCursor().hasSelection() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override {
    QTextCursor c = Browser()->textCursor();
    c.clearSelection();
    Browser()->setTextCursor(c);
  }
  void setSelection(int, int start, int end) override {
    QTextCursor c(Document());
    c.setPosition(Clamped(start));
    c.setPosition(Clamped(end), QTextCursor::KeepAnchor);
    Browser()->setTextCursor(c);
  }
  int cursorPosition() const override { return Browser()->textCursor().position(); }
  void setCursorPosition(int position) override {
    QTextCursor c(Document());
    c.setPosition(Clamped(position));
    Browser()->setTextCursor(c);
  }
  // Positions of the document and of its plain text agree: each block's and
  // each table's boundary is one character of both.
  QString text(int start, int end) const override {
    const QString all = Document()->toPlainText();
    start = qBound(0, start, int(all.size()));
    end = end < 0 ? int(all.size()) : qBound(start, end, int(all.size()));
    return all.mid(start, end - start);
  }
  int characterCount() const override { return Document()->characterCount() - 1; }
  QRect characterRect(int offset) const override {
    QTextCursor c(Document());
    c.setPosition(Clamped(offset));
    const QRect r = Browser()->cursorRect(c);
    return QRect(widget()->mapToGlobal(r.topLeft()), r.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint at = widget()->mapFromGlobal(point);
    return widget()->rect().contains(at) ? Browser()->cursorForPosition(at).position() : -1;
  }
  void scrollToSubstring(int start, int end) override {
    setSelection(0, start, end);
    Browser()->ensureCursorVisible();
  }
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = Clamped(offset);
    return {};
  }

 private:
  static constexpr char kReorderDue[] = "tamrixReorderDue";

  int Clamped(int position) const { return qBound(0, position, characterCount()); }

  // The links of the page, one for each run of characters leading to the
  // same address.
  const QList<QAccessible::Id>& Links() const {
    if (m_revision == Document()->revision() && m_document == Document()) return m_links;
    DropLinks();
    m_document = Document();
    m_revision = Document()->revision();
    int start = -1, end = -1;
    QString href;
    const auto add = [&] {
      if (start >= 0) m_links << QAccessible::registerAccessibleInterface(new TTextLinkInterface(Browser(), start, end));
    };
    for (QTextBlock block = Document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (!format.isAnchor() || format.anchorHref().isEmpty()) continue;
        if (fragment.position() == end && format.anchorHref() == href) {
          end += fragment.length();
          continue;
        }
        add();
        start = fragment.position();
        end = start + fragment.length();
        href = format.anchorHref();
      }
    }
    add();
    return m_links;
  }
  void DropLinks() const {
    for (QAccessible::Id id : std::as_const(m_links)) QAccessible::deleteAccessibleInterface(id);
    m_links.clear();
  }

  QMetaObject::Connection m_watch;
  mutable QPointer<QTextDocument> m_document;
  mutable int m_revision = -1;
  mutable QList<QAccessible::Id> m_links;
};

}  // namespace

QAccessibleInterface* HelpAccessibleInterface(QWidget* widget) {
  if (BrowserWindow(widget)) return new QAccessibleWidget(widget, QAccessible::Window);
  if (BrowserOfPage(widget)) return new TDocumentInterface(widget);
  return nullptr;
}
