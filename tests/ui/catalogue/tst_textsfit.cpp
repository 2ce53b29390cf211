// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window can be read, at the desktop's font and at a
// larger one, on a light and on a dark palette (and, run again by the build
// with a 144-dpi font and at twice the scale): each label, button, tab,
// header, list and visible cell is at least as wide as its text or has a tooltip
// that carries it, tabs stay in view and show their captions whole unless the
// user made the window narrower, rows are as high as their font, a long
// sample shows its start, and every window lies whole on the screen.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QScreen>
#include <QTextBrowser>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <QTreeWidgetItemIterator>

#include "catalogueharness.h"
#include "language/availablelanguages.h"
#include "language/interfacelanguage.h"
#include "tests/doubles/fakehotkeyservice.h"
#include "platform/helpwindow.h"
#include "ui/catalogue/frmedit.h"
#include "ui/main/frmmain.h"
#include "ui/options/frmoptions.h"
#include "ui/widgets/aboutbox.h"

namespace {

int TextWidth(const QFontMetrics& fm, const QString& text) {
  int width = 0;
  for (const QString& line : text.split(u'\n')) width = std::max(width, fm.horizontalAdvance(line));
  return width;
}

// The room a check box, radio button or push button leaves its text.
int ButtonTextRoom(const QAbstractButton& b) {
  const QStyle& s = *b.style();
  if (qobject_cast<const QCheckBox*>(&b))
    return b.width() - s.pixelMetric(QStyle::PM_IndicatorWidth) - s.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  if (qobject_cast<const QRadioButton*>(&b))
    return b.width() - s.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
           s.pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
  return b.width() - 2 * s.pixelMetric(QStyle::PM_DefaultFrameWidth);
}

// The tooltip the tree shows over a cell, as it reads, and how wide it is.
struct TToolTip {
  QString Text;
  int Width = 0;
};

TToolTip CellToolTip(QTreeView& tree, const QRect& cell) {
  QHelpEvent help(QEvent::ToolTip, cell.center(), tree.viewport()->mapToGlobal(cell.center()));
  QCoreApplication::sendEvent(tree.viewport(), &help);
  TToolTip tip{QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText(), 0};
  if (!Qt::mightBeRichText(QToolTip::text())) tip.Text = QToolTip::text();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->inherits("QTipLabel") && w->isVisible()) tip.Width = w->width();
  QToolTip::hideText();
  return tip;
}

// A tip wraps its text at about 80 average characters.
constexpr int kReadableTipChars = 90;

void CheckTree(QTreeWidget& tree, QStringList& cut) {
  const QStyleOptionViewItem option;
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    for (int c = 0; c < tree.columnCount(); ++c) {
      const QModelIndex index = tree.model()->index(tree.indexFromItem(*it).row(), c, tree.indexFromItem(*it).parent());
      const QRect cell = tree.visualRect(index);
      const QString text = (*it)->text(c);
      if (text.isEmpty() || !tree.viewport()->rect().intersects(cell)) continue;
      const QFontMetrics fm((*it)->font(c));
      if (cell.height() < fm.height() + 1) cut << tree.objectName() + " row too low: " + text;
      const int room = cell.width() - 2 * (tree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
      if (fm.horizontalAdvance(text) <= room) continue;
      const TToolTip tip = CellToolTip(tree, cell);
      if (tip.Text != text) cut << tree.objectName() + ": " + text + " / " + tip.Text;
      if (tip.Width > kReadableTipChars * QFontMetrics(QToolTip::font()).averageCharWidth())
        cut << tree.objectName() + " tip too wide: " + text;
    }
  }
  QHeaderView& header = *tree.header();
  for (int c = 0; c < header.count(); ++c)
    if (header.sectionSize(c) < header.sectionSizeHint(c)) cut << tree.objectName() + " header: " + tree.headerItem()->text(c);
}

// The texts of window's visible controls that are cut, as "name: text". A tab
// caption may be cut, with its whole text in the tab's hint, only where
// hintedTabs says so: in a window the user made narrower than it opens.
QStringList CutTexts(QWidget& window, bool hintedTabs) {
  QStringList cut;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    const QFontMetrics fm(w->font());
    const auto note = [&](const QString& text) { cut << w->objectName() + ": " + text; };
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (TextWidth(fm, label->text()) > label->contentsRect().width() && label->toolTip() != label->text())
        note(label->text());
      // A caption must not be covered by the field below it, descenders
      // included.
      const QRect text(label->geometry().topLeft(), QSize(label->width(), fm.height()));
      for (QWidget* sibling : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (sibling != label && sibling->isVisible() && !qobject_cast<QLabel*>(sibling) &&
            sibling->geometry().intersects(text))
          note("covered by " + sibling->objectName() + ": " + label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (!button->text().isEmpty() && fm.horizontalAdvance(button->text()) > ButtonTextRoom(*button))
        note(button->text());
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      if (fm.horizontalAdvance(edit->text()) > edit->contentsRect().width() && edit->cursorPosition() != 0)
        note("shows its end: " + edit->text());
    } else if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable()) {
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.frame = combo->hasFrame();
      const QRect field =
          combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
      if (fm.horizontalAdvance(combo->currentText()) > field.width()) note("list shows " + combo->currentText());
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) {
        const QRect r = tabs->tabRect(i);
        const int needed = fm.size(Qt::TextShowMnemonic, tabs->tabText(i)).width() +
                           tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
        if (!tabs->rect().contains(r)) note("out of view: " + tabs->tabText(i));
        else if (r.width() < needed && (!hintedTabs || tabs->tabToolTip(i) != tabs->tabText(i)))
          note("tab cut to " + QString::number(r.width()) + " of " + QString::number(needed) + ": " + tabs->tabText(i));
      }
    } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
      CheckTree(*tree, cut);
    }
  }
  return cut;
}

// A dark palette of the kind a dark desktop theme gives.
QPalette DarkPalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(45, 45, 48));
  p.setColor(QPalette::WindowText, QColor(230, 230, 230));
  p.setColor(QPalette::Base, QColor(30, 30, 30));
  p.setColor(QPalette::AlternateBase, QColor(50, 50, 54));
  p.setColor(QPalette::Text, QColor(230, 230, 230));
  p.setColor(QPalette::Button, QColor(60, 60, 64));
  p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
  p.setColor(QPalette::Highlight, QColor(38, 79, 120));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
  p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
  return p;
}

// A window that does not lie whole on the screen it is shown on.
QStringList OffScreen(QWidget& window) {
  QScreen* screen = window.screen();
  if (!screen || screen->availableGeometry().contains(window.frameGeometry())) return {};
  QString place;
  QDebug(&place) << window.frameGeometry() << "on" << screen->availableGeometry();
  return {window.objectName() + " off the screen: " + place};
}

}  // namespace

class TestTextsFit : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    m_desktopFont = QApplication::font();
    m_desktopPalette = QApplication::palette();
  }
  void cleanup() {
    QApplication::setFont(m_desktopFont);
    QApplication::setPalette(m_desktopPalette);
  }
  void everyTextFits_data();
  void everyTextFits();

 private:
  QFont m_desktopFont;
  QPalette m_desktopPalette;
};

void TestTextsFit::everyTextFits_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<int>("pointSize");  // 0: the desktop's font
  QTest::addColumn<bool>("dark");
  QTest::addColumn<QString>("language");
  // Every window in every interface language: German and French texts run
  // long, Chinese needs its own glyphs. A dark palette changes no width: it
  // is tried in Russian only, to keep the run short.
  QStringList languages;
  for (const TLanguageChoice& choice : AvailableLanguages()) languages << choice.code;
  for (const char* window : {"main", "help", "about", "editor", "options", "catalogue", "catalogue at its smallest",
                             "catalogue, font changed while open"}) {
    for (const QString& language : languages) {
      for (bool dark : {false, true}) {
        if (dark && language != kSourceLanguage) continue;
        const QString look = (dark ? ", dark" : "") + (language == kSourceLanguage ? QString() : ", " + language);
        QTest::newRow(qPrintable(QString("%1, desktop font%2").arg(window, look))) << window << 0 << dark << language;
        // Run with a larger screen font or scale, the desktop font is the
        // large one already.
        if (qEnvironmentVariableIsEmpty("QT_FONT_DPI") && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
          QTest::newRow(qPrintable(QString("%1, 12 pt%2").arg(window, look))) << window << 12 << dark << language;
      }
    }
  }
}

void TestTextsFit::everyTextFits() {
  QFETCH(QString, window);
  QFETCH(int, pointSize);
  QFETCH(bool, dark);
  QFETCH(QString, language);
  TInterfaceLanguage interfaceLanguage(language.toStdString());
  interfaceLanguage.Install();
  if (dark) QApplication::setPalette(DarkPalette());
  QFont font = m_desktopFont;
  if (pointSize > 0) font.setPointSize(pointSize);
  const bool laterFont = window.endsWith("while open");
  if (!laterFont) QApplication::setFont(font);

  TCatalogueHarness h;
  h.WriteFile("variables.lst", "[Physics]\r\ngravity_of_earth=9.80665|9.80665|standard gravity\r\n");
  h.WriteFile("functions.lst", "[Geometry]\r\nhypotenuse(a,b)=sqrt(a*a+b*b)|the long side\r\n"
                              "leg(c,a)=sqrt(c*c-a*a)|" + QByteArray("the other side of a right triangle, ").repeated(3) +
                              "\r\n");
  h.Start();
  QStringList cut;
  const bool narrowed = window.endsWith("smallest");
  const auto check = [&](QWidget& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    cut += CutTexts(w, narrowed);
    cut += OffScreen(w);
  };
  if (window == "main") {
    TFakeHotKeyService hotKeys;
    TfrmMain main(TMainServices{h.ProgramDir(), &hotKeys, [] { return false; }});
    main.cbInput->setEditText(QStringLiteral("1/3"));
    main.cbInputChange();
    main.btnRollUpClick();
    check(main);
  } else if (window == "help") {
    THelpWindowViewer help;
    for (int topic = 1; topic <= 5; ++topic) {
      help.ShowTopic(QStringLiteral("Tamrix.hlp"), topic);
      check(*help.Browser());
    }
  } else if (window == "about") {
    TAboutBox box;
    check(box);
  } else if (window == "editor") {
    check(h.Edit());
  } else if (window == "options") {
    TFakeHotKeyService hotKeys;
    TfrmOptions dialog(hotKeys);
    TOptionsValues values;
    values.Font = font;
    values.Font.setPointSize(2 * QFontInfo(font).pointSize());
    dialog.Fill(values);
    check(dialog);
  } else {
    if (narrowed) h.Func().resize(h.Func().minimumSize());
    h.ShowCatalogue(0);
    if (laterFont) h.Func().setFont(font);
    for (int page = 0; page < 3; ++page) {
      h.Func().PageControl->setCurrentIndex(page);
      QCoreApplication::processEvents();
      check(h.Func());
    }
  }
  QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
}

QTEST_MAIN(TestTextsFit)
#include "tst_textsfit.moc"
