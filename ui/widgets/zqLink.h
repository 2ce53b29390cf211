// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text label that looks and acts like a link in a web page: underlined,
// in a link colour that changes while the pointer is over it and after it
// is pressed, with a hand pointer; a click opens its address on the desktop
// (a web page in the browser, a mailto: address in the mail program).
#include <QColor>
#include <QLabel>
#include <functional>

class TzqLink : public QLabel {
  Q_OBJECT
 public:
  explicit TzqLink(QWidget* parent = nullptr);

  // Opened on a click; when empty the caption is opened instead.
  QString URL;
  // Text colours at rest, under the pointer, and from a press until the
  // pointer leaves. Setting one only stores it; the text takes it at the
  // next pointer event.
  QColor LinkColor{0, 0, 255};
  QColor ALinkColor{255, 0, 0};
  QColor DLinkColor{128, 0, 128};

  QColor FontColor() const;
  void SetFontColor(const QColor& color);

  // What a click opens: URL, else the caption, with every space as "%20";
  // empty when both are empty.
  QString Target() const;
  // What a click does: tells clicked, then opens the target.
  Q_INVOKABLE void Click();

 signals:
  // A left click, reported before the address is opened.
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:

  bool m_pressed = false;
};

// Opens a link's target on the desktop. Tests install one that records the
// target instead; an empty function restores the desktop's opener.
using TLinkOpener = std::function<void(const QString& target)>;
void SetLinkOpener(TLinkOpener opener);
