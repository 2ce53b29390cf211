// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/aboutbox.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "platform/glyphs.h"
#include "resources/version.h"
#include "ui/widgets/zqLink.h"

namespace {

const char* const kWebSite = "www.tamrix.example.org";
const char* const kMail = "tamrix@tamrix.example.org";

QFont PixelFont(const QFont& base, int pixels, bool bold = false) {
  QFont f = base;
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(249, 133);
  setFont(QFont(QStringLiteral("MS Sans Serif")));
  QPalette p = palette();
  p.setColor(QPalette::Window, p.color(QPalette::Button));
  setPalette(p);
  setAutoFillBackground(true);

  Image = MakeLabel(this, "Image", QString(), QRect(16, 16, 32, 32));

  // The texts stand on the button colour, so they take the colour meant for it.
  const QColor textColor = p.color(QPalette::ButtonText);
  auto textLabel = [&](const char* name, const QString& text, const QRect& geometry, int pixels, bool bold) {
    QLabel* label = MakeLabel(this, name, text, geometry);
    label->setFont(PixelFont(font(), pixels, bold));
    QPalette lp = label->palette();
    lp.setColor(QPalette::WindowText, textColor);
    label->setPalette(lp);
    return label;
  };
  ProductName = textLabel("ProductName", QStringLiteral("Tamrix"), QRect(89, 12, 106, 24), 21, true);
  ProductName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Version = textLabel("Version", QString(), QRect(101, 34, 82, 16), 13, false);
  Copyright = textLabel("Copyright", QString(), QRect(54, 59, 138, 32), 13, false);
  Copyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  auto link = [&](const char* name, const QString& caption, const QString& url, const QRect& geometry) {
    auto* l = new TzqLink(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(PixelFont(font(), 13));
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    l->SetFontColor(QColor(0, 0, 255));
    l->setText(caption);
    l->URL = url;
    l->setGeometry(geometry);
    return l;
  };
  zqLink2 = link("zqLink2", QStringLiteral("e-mail: ") + QLatin1String(kMail),
                 QStringLiteral("mailto:") + QLatin1String(kMail) + QStringLiteral("?subject=\"Tamrix\""),
                 QRect(56, 94, 138, 16));
  zqLink1 = link("zqLink1", QLatin1String(kWebSite), QString(), QRect(67, 113, 116, 16));

  Retranslate();
  FormCreate();
}

void TAboutBox::Retranslate() {
  setWindowTitle(tr("О программе Tamrix"));
  Version->setText(tr("Версия %1").arg(QLatin1String(kTamrixVersion)));
  Copyright->setText(tr("© 2026 Разработчики Tamrix\nЛицензия GPL-3.0-or-later"));
}

void TAboutBox::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) Retranslate();
}

void TAboutBox::FormCreate() {
  Image->setPixmap(Glyph("MAINICON").pixmap(32, 32));
}

void TAboutBox::ImageClick() { reject(); }

void TAboutBox::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
  // Esc closes; no other key does anything (there is nothing to type into).
  if (event->key() == Qt::Key_Escape) reject();
  event->accept();
}

QWidget* TAboutBox::ClickTarget(const QPoint& pos) {
  if (!rect().contains(pos)) return nullptr;
  QWidget* child = childAt(pos);
  return child ? child : this;
}

void TAboutBox::mousePressEvent(QMouseEvent* event) {
  m_pressedOn = event->button() == Qt::LeftButton ? ClickTarget(event->position().toPoint()) : nullptr;
  event->accept();
}

void TAboutBox::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release of the left button on the same thing.
  QWidget* pressedOn = m_pressedOn;
  m_pressedOn = nullptr;
  event->accept();
  if (event->button() == Qt::LeftButton && pressedOn && pressedOn == ClickTarget(event->position().toPoint())) {
    ImageClick();
  }
}
