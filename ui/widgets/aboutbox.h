// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "about" window: program name, version, maker, and two links (web site
// and mail). A click anywhere but on the links, or Esc, closes it.
#include <QDialog>

class QLabel;
class TzqLink;

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* Image;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Copyright;
  TzqLink* zqLink2;  // mail
  TzqLink* zqLink1;  // web site

  void ImageClick();
  // The window's texts in the interface's language.
  void Retranslate();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FormCreate();
  void FitTexts();
  // The window itself or one of its labels under pos (links take their own
  // clicks and never get here).
  QWidget* ClickTarget(const QPoint& pos);

  QWidget* m_pressedOn = nullptr;
};
