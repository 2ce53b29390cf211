// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/aboutbox.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

#include "platform/glyphs.h"
#include "resources/version.h"
#include "ui/widgets/zqLink.h"

namespace {

const char* const kWebSite = "www.tamrix.example.org";
const char* const kMail = "tamrix@tamrix.example.org";
constexpr int kDesignWidth = 249;
constexpr int kDesignHeight = 133;

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
  setFixedSize(kDesignWidth, kDesignHeight);
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
  FitTexts();
  FormCreate();
}

void TAboutBox::Retranslate() {
  setWindowTitle(tr("О программе Tamrix"));
  Version->setText(tr("Версия %1").arg(QLatin1String(kTamrixVersion)));
  Image->setAccessibleName(tr("Значок Tamrix"));
  Copyright->setText(tr("© 2026 Разработчики Tamrix\nЛицензия GPL-3.0-or-later"));
}

void TAboutBox::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    FitTexts();
  }
}

// The design places the texts for one 8-point font; in the desktop's font a
// text may be wider or taller. Each label then grows about its middle, the
// labels below it move down, all texts move right of the icon if need be,
// and the box grows to hold them.
void TAboutBox::FitTexts() {
  constexpr int kGap = 8;
  const int textsLeft = Image->geometry().right() + 1 + kGap;
  int shiftDown = 0;
  int leftmost = width();
  QList<QLabel*> texts{ProductName, Version, Copyright, zqLink2, zqLink1};
  for (QLabel* label : texts) {
    const QFontMetrics fm(label->font());
    const QStringList lines = label->text().split(u'\n');
    int textWidth = 0;
    for (const QString& line : lines) textWidth = std::max(textWidth, fm.horizontalAdvance(line));
    QRect r = label->geometry().translated(0, shiftDown);
    const int extraHeight = static_cast<int>(lines.size()) * fm.height() - r.height();
    if (textWidth > r.width()) r = QRect(r.center().x() - textWidth / 2, r.top(), textWidth, r.height());
    if (extraHeight > 0) {
      r.setHeight(r.height() + extraHeight);
      shiftDown += extraHeight;
    }
    label->setGeometry(r);
    leftmost = std::min(leftmost, r.left());
  }
  int right = 0;
  int bottom = 0;
  for (QLabel* label : texts) {
    if (leftmost < textsLeft) label->move(label->x() + textsLeft - leftmost, label->y());
    right = std::max(right, label->geometry().right() + 1);
    bottom = std::max(bottom, label->geometry().bottom() + 1);
  }
  setFixedSize(std::max(kDesignWidth, right + kGap), std::max(kDesignHeight, bottom + kGap));
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
