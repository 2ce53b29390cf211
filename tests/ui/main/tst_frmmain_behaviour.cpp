// SPDX-License-Identifier: GPL-3.0-or-later
// Window behaviours: layout heights, the sliding panel, the height lock,
// always-on-top with the hot key and the window menu, minimising into the
// notification area, the hot key's three cases, help.
#include <QAccessible>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "mainfixture.h"
#include "platform/helpdocument.h"
#include "platform/helpwindow.h"
#include "language/availablelanguages.h"
#include "storage/mainsettings.h"
#include "storage/profilefile.h"
#include "ui/main/formatbutton.h"
#include "ui/main/formattexts.h"
#include "ui/main/programwindows.h"
#include "ui/main/mainfonts.h"
#include "ui/widgets/legiblecolor.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {
int AboutEntries(TfrmMain& w) {
  int n = 0;
  for (QAction* a : w.SysMenu->actions()) n += a->data().toInt() == syscmd::About;
  return n;
}

// The strongest contrast of the icon's drawing against the button face.
double IconContrast(const QToolButton* b) {
  const QImage image = b->icon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
  const QColor face = b->palette().color(QPalette::Button);
  double best = 1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 200) best = std::max(best, ContrastRatio(QColor(image.pixel(x, y)), face));
  return best;
}

QAction* SysItem(TfrmMain& w, int command) {
  for (QAction* a : w.SysMenu->actions())
    if (a->data().toInt() == command) return a;
  return nullptr;
}
// A window of the accessibility walk: how it is opened, the toggles it has
// with their states, the controls it hides, its links, and the links at
// least its document holds (the help page's).
struct TAccessibleWindowRow {
  struct TToggle {
    const char* name;
    bool on;
  };
  const char* what;
  std::function<QWidget*(TProgramWindows&)> open;  // null: the modal window it opens
  std::vector<TToggle> toggles;
  std::vector<const char*> hidden;  // neither showing nor focusable
  std::vector<const char*> links;
  int documentLinks = 0;
};

void WalkAccessibleTree(const QString& where, QWidget* window, const TAccessibleWindowRow& row) {
  QVERIFY2(window, qPrintable(where + QStringLiteral("no window")));
  const QSet<QAccessible::Role> controls{QAccessible::Button,   QAccessible::CheckBox, QAccessible::RadioButton,
                                         QAccessible::EditableText, QAccessible::ComboBox, QAccessible::SpinBox,
                                         QAccessible::Link,     QAccessible::PageTab,  QAccessible::Tree,
                                         QAccessible::Graphic,  QAccessible::Window,   QAccessible::Dialog};
  const QSet<QAccessible::Role> fields{QAccessible::EditableText, QAccessible::ComboBox, QAccessible::SpinBox};
  // Lists are offered while open; once closed again, their items are not.
  for (QComboBox* box : window->findChildren<QComboBox*>()) {
    box->showPopup();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
    int offered = 0;
    for (int i = 0; i < a->childCount(); ++i) offered += a->child(i)->object() == box->view();
    QVERIFY2(offered == (box->count() > 0), qPrintable(where + box->objectName() + QStringLiteral(" does not offer its open list")));
    box->hidePopup();
  }
  QHash<QString, QString> buttonNames;
  int documentLinks = 0;
  QList<std::pair<QAccessibleInterface*, bool>> todo{{QAccessible::queryAccessibleInterface(window), false}};
  for (int next = 0; next < todo.size(); ++next) {
    auto [a, parentHidden] = todo[next];
    const QAccessible::State state = a->state();
    QWidget* widget = qobject_cast<QWidget*>(a->object());
    const QString what = where + (widget ? widget->objectName() + QLatin1Char('/') + widget->metaObject()->className()
                                         : a->text(QAccessible::Name));
    for (int i = 0; i < a->childCount(); ++i) todo.append({a->child(i), state.invisible});
    QVERIFY2(!parentHidden || state.invisible, qPrintable(what + QStringLiteral(" shows inside a hidden one")));
    if (state.invisible) continue;
    const QAccessible::Role role = a->role();
    const QString name = a->text(QAccessible::Name);
    if (controls.contains(role)) QVERIFY2(!name.isEmpty(), qPrintable(what + QStringLiteral(" has no name")));
    if (fields.contains(role) && widget)
      QVERIFY2(!widget->accessibleName().isEmpty() || !a->relations(QAccessible::Label).isEmpty(),
               qPrintable(what + QStringLiteral(" has no label")));
    if (role == QAccessible::CheckBox || role == QAccessible::RadioButton)
      QVERIFY2(state.checkable, qPrintable(what + QStringLiteral(" has no checked state")));
    if (role == QAccessible::Link)
      QVERIFY2(a->actionInterface() &&
                   a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
               qPrintable(what + QStringLiteral(" cannot be pressed")));
    if (role == QAccessible::Document)
      for (int i = 0; i < a->childCount(); ++i) documentLinks += a->child(i)->role() == QAccessible::Link;
    if (role == QAccessible::SpinBox) {
      QAccessibleValueInterface* v = a->valueInterface();
      QVERIFY2(v && v->maximumValue().toInt() > v->minimumValue().toInt(), qPrintable(what + QStringLiteral(" has no range")));
      QCOMPARE(v->currentValue().toString(), a->text(QAccessible::Value));
    }
    if (role == QAccessible::Button && widget) {
      QVERIFY2(!buttonNames.contains(name), qPrintable(what + QStringLiteral(" shares its name with ") + buttonNames[name]));
      buttonNames.insert(name, widget->objectName());
    }
  }
  for (const auto& toggle : row.toggles) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(toggle.name));
    QVERIFY2(a->state().checkable && a->state().checked == toggle.on, qPrintable(where + toggle.name));
  }
  for (const char* name : row.hidden) {
    const QAccessible::State state = QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(name))->state();
    QVERIFY2(state.invisible && !state.focusable, qPrintable(where + name));
  }
  QVERIFY2(documentLinks >= row.documentLinks, qPrintable(where + QStringLiteral("the document's links are missing")));
  for (const char* name : row.links)
    QCOMPARE(QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(name))->role(), QAccessible::Link);
}
}  // namespace

class TestMainBehaviour : public QObject {
  Q_OBJECT

 private slots:
  void arrangeControlsWithTwentyFourPixelFields() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QCOMPARE(w.cbInput->height(), 24);
    QCOMPARE(w.edOutput->height(), 24);
    QCOMPARE(w.CollapsedHeight, 100);
    QCOMPARE(w.ExpandedHeight, 160);
    QCOMPARE(w.height(), 100);
    QCOMPARE(w.minimumHeight(), 100);
    QCOMPARE(w.maximumHeight(), 100);
    QCOMPARE(w.Panel1->height(), 92);
    QCOMPARE(w.Panel2->y(), 30);
    QCOMPARE(w.Panel2->height(), 60);
    QCOMPARE(w.edOutput->y(), 64);
    QCOMPARE(w.edOutput3->y(), 36);
    QCOMPARE(w.btnNFormat->y(), 64);
    QCOMPARE(w.btnNFormat3->y(), 36);
    w.DropOut = true;
    w.ArrangeControls();
    QCOMPARE(w.height(), 160);
    QCOMPARE(w.minimumHeight(), 160);
    QCOMPARE(w.maximumHeight(), 160);
    QCOMPARE(w.Panel2->y(), 88);
    // The lower panel's fields are inside the window.
    QVERIFY(w.Panel2->mapTo(&w, w.edOutput3->geometry().bottomLeft()).y() < w.height());
  }

  void aLargerFontMakesBothHeightsGrow() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    w.ApplyOutputFont(FieldFont(QStringLiteral("DejaVu Sans"), 24, false, false));
    const int field = w.edOutput->height();
    QVERIFY(field > 24);
    QCOMPARE(w.cbInput->height(), field);
    QCOMPARE(w.CollapsedHeight, 24 + 2 * field + 28);
    QCOMPARE(w.ExpandedHeight, w.CollapsedHeight + 2 * field + 12);
    QCOMPARE(w.height(), w.CollapsedHeight);
    QCOMPARE(w.btnNFormat->height(), field);
    QCOMPARE(w.btnStore->height(), field);
  }

  void onlyTheWidthCanChangeDownTo320() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    w.resize(200, 300);
    QCOMPARE(w.width(), 320);
    QCOMPARE(w.height(), 100);
    w.resize(600, 50);
    QCOMPARE(w.width(), 600);
    QCOMPARE(w.height(), 100);
    // The stretching controls follow the width, the right-hand ones move with it.
    QCOMPARE(w.btnClose->x() + w.btnClose->width(), w.Panel1->width() - 2);
    QCOMPARE(w.edOutput->x() + w.edOutput->width(), w.btnNFormat->x() - 2);
  }

  void thePanelSlidesOutAndBackAndReversesMidWay() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QTest::mouseClick(w.btnRollUp, Qt::LeftButton);
    QVERIFY(w.DropOut);
    QVERIFY(w.Timer1->isActive());
    QCOMPARE(w.Timer1->interval(), 10);
    QCOMPARE(w.btnRollUp->toolTip(), QStringLiteral("Свернуть (Ctrl+L)"));
    QTRY_VERIFY(w.height() >= 120);
    QVERIFY(w.height() < 160);  // still on its way
    QCOMPARE(w.height() % 2, 0);  // 2-pixel steps from 100
    const int reversedAt = w.height();
    QTest::mouseClick(w.btnRollUp, Qt::LeftButton);  // reverse mid-way
    QVERIFY(!w.DropOut);
    QCOMPARE(w.btnRollUp->toolTip(), QStringLiteral("Развернуть (Ctrl+L)"));
    QVERIFY(w.height() >= reversedAt - 2);  // no jump
    QTRY_VERIFY(!w.Timer1->isActive());
    QCOMPARE(w.height(), 100);
    QCOMPARE(w.maximumHeight(), 100);
    QCOMPARE(w.minimumHeight(), 100);

    QTest::mouseClick(w.btnRollUp, Qt::LeftButton);
    QTRY_VERIFY(!w.Timer1->isActive());
    QCOMPARE(w.height(), 160);
    QCOMPARE(w.minimumHeight(), 160);
    QCOMPARE(w.maximumHeight(), 160);
    // Panel2 moved down with the bottom edge and shows below Panel1.
    QVERIFY(w.Panel2->y() >= w.Panel1->height() - 4);
  }

  void alwaysOnTopKeepsTheHotKeyTheLockAndOneAboutEntry() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QCOMPARE(AboutEntries(w), 1);
    const int before = f.hotKey.Unregistrations;
    QTest::mouseClick(w.btnOnTop, Qt::LeftButton);
    QVERIFY(w.OnTop);
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(w.isVisible());
    QCOMPARE(w.btnOnTop->toolTip(), QStringLiteral("Поверх всех окон/Откл (Ctrl+T)"));
    QCOMPARE(f.hotKey.Unregistrations, before + 1);
    QCOMPARE(*f.hotKey.Registered, (TFakeHotKeyService::Combination{2, 123}));
    QCOMPARE(w.height(), 100);
    QCOMPARE(w.maximumHeight(), 100);
    QTest::mouseClick(w.btnOnTop, Qt::LeftButton);
    QVERIFY(!w.OnTop);
    QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(w.btnOnTop->toolTip(), QStringLiteral("Поверх всех окон/Вкл (Ctrl+T)"));
    QVERIFY(f.hotKey.Registered.has_value());
    QCOMPARE(AboutEntries(w), 1);
    QCOMPARE(w.SysMenu->actions().last()->text(), QStringLiteral("О программе..."));
  }

  void aRefusedHotKeyIsNoObstacle() {
    TMainFixture f;
    f.hotKey.Refuse(2, 123);
    TfrmMain& w = f.Show();
    QVERIFY(!f.hotKey.Registered.has_value());
    QVERIFY(w.isVisible());
    QVERIFY(f.boxes.Boxes.isEmpty());
  }

  void theWindowMenuOpensAtTheButtonAndRunsItsCommands() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    int about = 0;
    w.ShowAbout = [&] { ++about; };
    QTest::mouseClick(w.btnSys, Qt::LeftButton);
    QTRY_VERIFY(w.SysMenu->isVisible());
    QCOMPARE(w.SysMenu->pos(), w.btnSys->mapToGlobal(QPoint(w.btnSys->width(), 0)));
    QVERIFY(!SysItem(w, syscmd::Restore)->isEnabled());  // nothing to restore
    SysItem(w, syscmd::About)->trigger();
    w.SysMenu->hide();
    QCOMPARE(about, 1);
    SysItem(w, syscmd::Minimize)->trigger();
    QTRY_VERIFY(w.isMinimized() || !w.isVisible());
  }

  void theMenusMoveFollowsTheArrowKeysAndEscPutsTheWindowBack() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    w.cbInput->setEditText(QStringLiteral("1+1"));
    const QPoint start = w.pos();
    w.SysCommand(syscmd::Move);
    QTest::keyClick(&w, Qt::Key_Left);
    QTest::keyClick(&w, Qt::Key_Down);
    QCOMPARE(w.pos(), start + QPoint(-8, 8));
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(w.pos(), start);
    QCOMPARE(w.cbInput->currentText(), QStringLiteral("1+1"));  // Esc ended the move only
    w.SysCommand(syscmd::Move);
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(w.pos(), start + QPoint(8, 0));
    QTest::keyClick(&w, Qt::Key_Right);  // the move is over
    QCOMPARE(w.pos(), start + QPoint(8, 0));
  }

  void theHotKeyMinimisesIntoTheTrayAndBringsTheWindowBack() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.hotKey.Press();  // active: minimise
    QTRY_VERIFY(w.TrayIcon->isVisible());
    QVERIFY(!w.isVisible());  // no taskbar entry while in the tray
    f.hotKey.Press();  // in the tray: restore
    QVERIFY(!w.TrayIcon->isVisible());
    QVERIFY(w.isVisible());
    QVERIFY(!w.isMinimized());
  }

  void withoutInTrayMinimisingKeepsTheTaskbarEntry() {
    TMainFixture f;
    f.WriteFile("Tamrix.ini", "[Main]\r\nInTray=0\r\n");
    TfrmMain& w = f.Show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.hotKey.Press();
    QTRY_VERIFY(w.isMinimized());
    QTest::qWait(20);  // the queued tray step has had its turn
    QVERIFY(w.isVisible());
    QVERIFY(!w.TrayIcon->isVisible());
    f.hotKey.Press();  // not active: the window comes back and takes the keyboard
    QVERIFY(!w.isMinimized());
    QVERIFY(w.isVisible());
  }

  void whereTheDesktopHasNoTrayMinimisingStaysOrdinary() {
    TMainFixture f;
    f.trayAvailable = false;
    TfrmMain& w = f.Show();
    QVERIFY(w.InTray);
    w.btnMinimizeClick();
    QTRY_VERIFY(w.isMinimized());
    QTest::qWait(20);
    QVERIFY(w.isVisible());
    QVERIFY(!w.TrayIcon->isVisible());
  }

  // A Wayland desktop: it places windows, keeps none on top for a program
  // and never reports the window minimised.
  void whereTheDesktopKeepsItsAbilitiesTheWindowDoesWithout() {
    TMainFixture f;
    f.abilities = TWindowAbilities{.PlacesWindows = false, .KeepsOnTop = false, .ReportsMinimized = false};
    f.WriteFile("Tamrix.ini", "[Main]\r\nLeft=31\r\nTop=47\r\nOnTop=1\r\n");
    TfrmMain& w = f.Show();
    QVERIFY(w.OnTop);  // kept for a desktop that can
    QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(!w.btnOnTop->isEnabled());
    QVERIFY(w.btnOnTop->toolTip().contains(QStringLiteral("«Поверх других окон»")));

    QWidget companion;
    companion.show();
    w.btnMinimizeClick();  // into the tray at once
    QVERIFY(w.TrayIcon->isVisible());
    QVERIFY(!w.isVisible());
    QVERIFY(!companion.isVisible());
    f.hotKey.Press();
    QVERIFY(w.isVisible());
    QVERIFY(!w.TrayIcon->isVisible());
    QVERIFY(companion.isVisible());

    w.move(200, 300);  // where the desktop says nothing of
    QVERIFY(w.close());
    const TMainSettings s = ReadMainSettings(TProfileFile(f.Dir() + "Tamrix.ini"));
    QCOMPARE(QPoint(s.Left, s.Top), QPoint(31, 47));
    QVERIFY(s.OnTop);
  }

  void theTrayMenuRestoresAndClosesWithConfirmation() {
    TMainFixture f;
    f.WriteFile("Tamrix.ini", "[Main]\r\nCloseQuery=1\r\n");
    TfrmMain& w = f.Show();
    QCOMPARE(w.TrayIcon->toolTip(), QStringLiteral("Tamrix"));
    QCOMPARE(w.TrayIcon->contextMenu(), w.TrayMenu);
    QCOMPARE(w.miOpen->text(), QStringLiteral("Активизировать"));
    QCOMPARE(w.miClose->text(), QStringLiteral("Закрыть"));
    w.btnMinimizeClick();
    QTRY_VERIFY(w.TrayIcon->isVisible());
    f.boxes.Answers = {false};
    w.miClose->trigger();
    QCOMPARE(f.boxes.Texts(TScriptedMessageBoxes::Kind::Confirm).size(), 1);
    QVERIFY(w.TrayIcon->isVisible());  // still there
    w.TrayIconClick();
    QVERIFY(w.isVisible());
    QVERIFY(!w.TrayIcon->isVisible());
  }

  void helpShowsTopicOneOfTheHelpFile() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QTest::mouseClick(w.btnHelp, Qt::LeftButton);
    QTest::keyClick(w.cbInput->lineEdit(), Qt::Key_F1);
    const TRecordingHelpViewer::Request expected{QStringLiteral("Tamrix.hlp"), 1};
    QCOMPARE(f.help.Requests, (QList<TRecordingHelpViewer::Request>{expected, expected}));
  }

  void noButtonCoversAnotherFromTheLeastWidthUp() {
    for (int points : {0, 12}) {
      TMainFixture f;
      TfrmMain& w = f.Show();
      if (points) w.ApplyOutputFont(FieldFont(QStringLiteral("DejaVu Sans"), points, false, false));
      for (int width : {320, 330, 343, 400}) {
        w.resize(width, w.height());
        const QList<QToolButton*> buttons = w.findChildren<QToolButton*>();
        for (QToolButton* a : buttons) {
          if (!a->isVisible()) continue;  // the lower panel's, while it is in
          QVERIFY(a->parentWidget()->rect().contains(a->geometry()));
          for (QToolButton* b : buttons)
            QVERIFY2(a == b || a->parentWidget() != b->parentWidget() || !a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + b->objectName() + QString::number(width)));
        }
        QCOMPARE(w.Panel1->childAt(w.btnRollUp->geometry().center()), w.btnRollUp);
      }
    }
  }

  void aLitButtonGoesOutWhenTheWindowMovesAway() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QTest::mouseMove(w.btnHelp);
    QTRY_VERIFY(w.btnHelp->underMouse());
    w.move(w.pos() + QPoint(0, 200));  // the pointer stays where it was
    QTRY_VERIFY(!w.btnHelp->underMouse());
  }

  // Every window as a screen reader meets it, in every interface language:
  // each control named, each field by its label, each toggle with its state,
  // nothing hidden offered, each link pressable, each spin field with its
  // number and range, no two buttons of a window under one name.
  void screenReadersFindEveryControlWithItsNameAndState() {
    const auto page = [](int index) {
      return [index](TProgramWindows& p) -> QWidget* {
        p.frmFunc.ShowCatalogue();
        p.frmFunc.PageControl->setCurrentIndex(index);
        return &p.frmFunc;
      };
    };
    // The editor as the catalogue's Add opens it: modal, so walked while it runs.
    const auto editor = [](int index) {
      return [index](TProgramWindows& p) -> QWidget* {
        p.frmFunc.ShowCatalogue();
        p.frmFunc.PageControl->setCurrentIndex(index);
        QTest::mouseClick(p.frmFunc.btnAdd, Qt::LeftButton);
        return nullptr;
      };
    };
    const TAccessibleWindowRow rows[] = {
        {"main, panel in", [](TProgramWindows& p) -> QWidget* { return &p.frmMain; },
         {{"btnOnTop", false}, {"btnError", true}, {"btnRollUp", false}},
         {"edOutput2", "btnNFormat2", "edOutput3", "btnNFormat3"}, {}},
        {"main, panel out",
         [](TProgramWindows& p) -> QWidget* {
           p.frmMain.cbInput->addItem(QStringLiteral("2*3"));
           QTest::mouseClick(p.frmMain.btnRollUp, Qt::LeftButton);
           QTest::mouseClick(p.frmMain.btnOnTop, Qt::LeftButton);
           return &p.frmMain;
         },
         {{"btnOnTop", true}, {"btnRollUp", true}}, {}, {}},
        {"catalogue, functions", page(0), {}, {}, {}},
        {"catalogue, constants", page(1), {}, {}, {}},
        {"catalogue, user functions", page(2), {}, {}, {}},
        {"editor, constant", editor(1), {}, {}, {}},
        {"editor, function", editor(2), {}, {}, {}},
        {"settings", [](TProgramWindows& p) -> QWidget* { p.frmOptions.show(); return &p.frmOptions; }, {}, {}, {}},
        {"about", [](TProgramWindows& p) -> QWidget* { p.aboutBox.show(); return &p.aboutBox; }, {}, {},
         {"zqLink1", "zqLink2"}},
        {"help",
         [](TProgramWindows&) -> QWidget* {
           static THelpWindowViewer help;
           help.ShowTopic(QStringLiteral("Tamrix.hlp"), 2);
           return help.Browser();
         },
         {}, {}, {}, kHelpTopicCount},
    };
    for (const TLanguageChoice& language : AvailableLanguages()) {
      for (const TAccessibleWindowRow& row : rows) {
        TMainFixture f;
        TProgramWindows program(f.Dir(), &f.hotKey);
        program.Language.SwitchTo(language.code.toStdString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        program.frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.frmMain));
        const QString where = language.code + QStringLiteral(", ") + QLatin1String(row.what) + QStringLiteral(": ");
        bool walked = false;
        QWidget* window = nullptr;
        // Walked from the event loop, where a modal window runs its own.
        std::function<void()> walk = [&] {
          QWidget* modal = QApplication::activeModalWidget();
          if (!modal && !window) return QTimer::singleShot(10, walk);  // the modal one is yet to open
          WalkAccessibleTree(where, modal ? modal : window, row);
          if (modal) modal->close();
          walked = true;
        };
        QTimer::singleShot(0, walk);
        window = row.open(program);
        QTRY_VERIFY(!program.frmMain.Timer1->isActive());
        QTRY_VERIFY(walked);
        if (QTest::currentTestFailed()) return;
      }
    }
  }

  // A screen reader's press of a button that opens a modal window is
  // answered at once: the window opens after the press has returned.
  void aPressThatOpensAModalWindowReturnsAtOnce() {
    const std::pair<const char*, std::function<QAbstractButton*(TProgramWindows&)>> rows[] = {
        {"settings", [](TProgramWindows& p) -> QAbstractButton* { return p.frmMain.btnOptions; }},
        {"catalogue, add",
         [](TProgramWindows& p) -> QAbstractButton* {
           p.frmFunc.ShowCatalogue();
           p.frmFunc.PageControl->setCurrentIndex(1);
           return p.frmFunc.btnAdd;
         }},
    };
    for (const auto& [what, button] : rows) {
      TMainFixture f;
      TProgramWindows program(f.Dir(), &f.hotKey);
      program.frmMain.show();
      QVERIFY(QTest::qWaitForWindowExposed(&program.frmMain));
      QAbstractButton* b = button(program);
      bool pressing = true, openedWhilePressing = false, opened = false;
      std::function<void()> closeModal = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return QTimer::singleShot(10, closeModal);
        openedWhilePressing = pressing;
        opened = true;
        modal->close();
      };
      QTimer::singleShot(0, closeModal);
      QAccessible::queryAccessibleInterface(b)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
      pressing = false;
      QTRY_VERIFY2(opened, what);
      QVERIFY2(!openedWhilePressing, what);
    }
  }

  // A settled result is told once (by the result field's description, whose
  // change goes to the screen reader); keys that follow each other, and a
  // held key's repeats, tell nothing until they stop.
  void aSettledResultIsToldOnce() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QList<QString> told;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      const QString now = QAccessible::queryAccessibleInterface(w.edOutput)->text(QAccessible::Description);
      if (!now.isEmpty() && (told.isEmpty() || told.last() != now)) told << now;
    });
    watch.start(5);
    QTest::keyClicks(w.cbInput->lineEdit(), QStringLiteral("12+3"));
    QTest::qWait(TOutputField::kSettleMs / 2);
    QCOMPARE(told.size(), 0);
    QTRY_COMPARE(told, QList<QString>{w.edOutput->text()});
    for (int i = 0; i < 40; ++i) {  // a held "1", repeating every 30 ms
      QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), i > 0);
      QCoreApplication::sendEvent(w.cbInput->lineEdit(), &press);
      QTest::qWait(30);
    }
    QCOMPARE(told.size(), 1);
    QTRY_COMPARE(told.size(), 2);
    QCOMPARE(told.last(), w.edOutput->text());
  }

  void screenReadersHearTheRussianNamesAsWritten() {
    TMainFixture f;
    TfrmMain& w = f.Show();
    QTest::mouseClick(w.btnOnTop, Qt::LeftButton);  // a toggle's name outlives its state
    const std::pair<QWidget*, const char*> rows[] = {
        {w.btnOnTop, "Поверх всех окон"}, {w.btnError, "Сообщения об ошибках"}, {w.btnMinimize, "Свернуть"},
        {w.btnRollUp, "Нижняя панель"}, {w.btnCopy, "Копировать результат в буфер обмена"},
        {w.btnNFormat2, "Формат результата 2"}, {w.cbInput, "Выражение"}, {w.edOutput, "Результат 1"},
        {w.edOutput3, "Результат 3"}};
    for (const auto& [control, name] : rows)
      QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), QString(name));
    QCOMPARE(QAccessible::queryAccessibleInterface(w.btnNFormat)->text(QAccessible::Description),
             FormatCodeText(w.btnNFormat->Tag));
    QAccessibleInterface* angle = QAccessible::queryAccessibleInterface(w.btnAngle);
    const QString before = angle->text(QAccessible::Description);
    QTest::mouseClick(w.btnAngle, Qt::LeftButton);
    QVERIFY(!before.isEmpty() && angle->text(QAccessible::Description) != before);
  }

  void onADarkDesktopEveryTextAndGlyphKeepsItsContrast() {
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    QApplication::setPalette(dark);
    {
      TMainFixture f;
      TfrmMain& w = f.Show();
      for (QToolButton* b : w.findChildren<QToolButton*>())
        QVERIFY2(b->icon().isNull() || IconContrast(b) >= 3, qPrintable(b->objectName()));
      for (QWidget* field : std::initializer_list<QWidget*>{w.cbInput, w.edOutput, w.edOutput2, w.edOutput3})
        QVERIFY(ContrastRatio(field->palette().color(QPalette::Text), field->palette().color(QPalette::Base)) >= 4.5);
    }
    QApplication::setPalette(light);
  }

  void everyControlCarriesItsName() {
    TMainFixture f;
    TfrmMain& w = f.Create();
    for (const char* name : {"Panel1", "Panel2", "btnSys", "btnOnTop", "btnCopy", "btnPaste", "btnFunc",
                             "btnOptions", "btnAngle", "btnError", "btnRollUp", "btnHelp", "btnMinimize",
                             "btnClose", "cbInput", "btnStore", "edOutput", "btnNFormat", "edOutput2",
                             "btnNFormat2", "edOutput3", "btnNFormat3"})
      QVERIFY2(w.findChild<QWidget*>(QString::fromLatin1(name)), name);
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.btnCopy->toolTip(), QStringLiteral("Копировать результат\nв буфер обмена (Ctrl+Shift+C)"));
    QCOMPARE(w.btnMinimize->text(), QStringLiteral("_"));
    QVERIFY(w.edOutput->isReadOnly() && !w.edOutput->hasFrame());
  }
};

QTEST_MAIN(TestMainBehaviour)
#include "tst_frmmain_behaviour.moc"
