// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/zqLink.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>

#include "ui/widgets/accessibility.h"
#include "ui/widgets/legiblecolor.h"

namespace {

// Underlined link texts need less than body text to be told apart.
constexpr double kLeastLinkContrast = 3.0;

void OpenOnDesktop(const QString& target) {
  // A bare "www." address means a web page, as the desktop shell takes it.
  // Whether anything could open it is not reported: a dead link stays quiet.
  QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

TLinkOpener& Opener() {
  static TLinkOpener opener = OpenOnDesktop;
  return opener;
}

}  // namespace

void SetLinkOpener(TLinkOpener opener) { Opener() = opener ? std::move(opener) : TLinkOpener(OpenOnDesktop); }

TzqLink::TzqLink(QWidget* parent) : QLabel(parent) {
  SetFontColor(LinkColor);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  // A placeholder: every form that places a link gives it its own caption.
  setText(QStringLiteral("http://www.example.com/"));
  setCursor(Qt::PointingHandCursor);
  // Reached by Tab and opened by Enter or Space, as a screen reader's user
  // expects of a link.
  setFocusPolicy(Qt::TabFocus);
  SetAccessibleLink(this);
}

void TzqLink::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return QLabel::keyPressEvent(event);
  event->accept();
  Click();
}

QColor TzqLink::FontColor() const { return palette().color(QPalette::WindowText); }

void TzqLink::SetFontColor(const QColor& color) {
  QPalette p = palette();
  // The designed blue, red and purple vanish on a dark desktop; there they
  // are lightened just enough to be read.
  p.setColor(QPalette::WindowText, LegibleOn(color, p.color(QPalette::Window), kLeastLinkContrast));
  setPalette(p);
}

QString TzqLink::Target() const {
  QString target = URL.isEmpty() ? text() : URL;
  return target.replace(u' ', QStringLiteral("%20"));
}

void TzqLink::enterEvent(QEnterEvent* event) {
  SetFontColor(ALinkColor);
  QLabel::enterEvent(event);
}

void TzqLink::leaveEvent(QEvent* event) {
  SetFontColor(LinkColor);
  QLabel::leaveEvent(event);
}

void TzqLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    SetFontColor(DLinkColor);
    m_pressed = true;
  }
  QLabel::mousePressEvent(event);
  // The press is the link's own: the form under it must not take it as a
  // click of its own.
  event->accept();
}

void TzqLink::mouseReleaseEvent(QMouseEvent* event) {
  const bool left = event->button() == Qt::LeftButton;
  if (left) SetFontColor(DLinkColor);
  QLabel::mouseReleaseEvent(event);
  event->accept();
  if (left && m_pressed) {
    m_pressed = false;
    if (rect().contains(event->position().toPoint())) Click();
  }
}

void TzqLink::Click() {
  emit clicked();
  const QString target = Target();
  if (target.isEmpty()) return;
  Opener()(target);
}
