// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmMain: the calculator window. Every change of the input line evaluates
// the whole expression at once and shows the value in three output fields,
// each in its own numeral format. The window has no caption bar, can stay on
// top, slides its lower panel out and back, hides into the notification area
// and answers the global hot key.
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/zqparser.h"
#include "storage/mainsettings.h"
#include "storage/profilefile.h"
#include "ui/main/mainservices.h"
#include "ui/widgets/outputfield.h"

class QAction;
class QFrame;
class QLineEdit;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QToolButton;
class TAnchors;
class TButtonRow;
class TFormatButton;
class TzqComboBox;

// Commands of the window menu (the Windows system-command numbers, so the
// about entry keeps its customary 1025).
namespace syscmd {
inline constexpr int Restore = 0xF120;
inline constexpr int Move = 0xF010;
inline constexpr int Minimize = 0xF020;
inline constexpr int Close = 0xF060;
inline constexpr int About = 1025;
}  // namespace syscmd

class TfrmMain : public QWidget {
  Q_OBJECT
 public:
  // Reads the settings and the history of services.ProgramDir (FormCreate).
  explicit TfrmMain(TMainServices services, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Controls, under the names their objectName carries too.
  QFrame* Panel1 = nullptr;
  QFrame* Panel2 = nullptr;
  QToolButton* btnSys = nullptr;
  QToolButton* btnOnTop = nullptr;
  QToolButton* btnCopy = nullptr;
  QToolButton* btnPaste = nullptr;
  QToolButton* btnFunc = nullptr;
  QToolButton* btnOptions = nullptr;
  QToolButton* btnAngle = nullptr;
  QToolButton* btnError = nullptr;
  QToolButton* btnRollUp = nullptr;
  QToolButton* btnHelp = nullptr;
  QToolButton* btnMinimize = nullptr;
  QToolButton* btnClose = nullptr;
  TzqComboBox* cbInput = nullptr;
  QToolButton* btnStore = nullptr;
  TOutputField* edOutput = nullptr;
  TOutputField* edOutput2 = nullptr;
  TOutputField* edOutput3 = nullptr;
  TFormatButton* btnNFormat = nullptr;
  TFormatButton* btnNFormat2 = nullptr;
  TFormatButton* btnNFormat3 = nullptr;
  QMenu* FormatMenu = nullptr;
  QMenu* SysMenu = nullptr;
  QSystemTrayIcon* TrayIcon = nullptr;
  QMenu* TrayMenu = nullptr;
  QAction* miOpen = nullptr;
  QAction* miClose = nullptr;
  QTimer* Timer1 = nullptr;

  // State shared with the other windows.
  TZQParser Parser;
  std::unique_ptr<TProfileFile> Settings;  // "Tamrix.ini" in ProgramDir
  std::string ProgramDir;
  bool CloseQuery = false;
  std::string Language = kSourceLanguage;  // the interface's language in force, "ru", "en"…
  // The language the user chose, as the settings file keeps it: empty while
  // the interface follows the desktop's language.
  std::string LanguageChoice;
  bool ExprMem = false;
  bool DropOut = false;
  bool OnTop = false;
  bool InTray = true;
  std::int32_t NExpres = 10;
  std::uint16_t VK_Code = 123;  // F12
  std::uint16_t fsModifiers = 2;  // Control
  int CollapsedHeight = 0;
  int ExpandedHeight = 0;
  TFormatButton* FormatTarget = nullptr;

  // The global hot key (the settings dialog registers a new combination here).
  THotKeyService& HotKey() { return *m_services.HotKey; }

  // Windows that come with later parts of the program plug in here; until
  // then their buttons and keys do nothing.
  std::function<void()> ShowAbout;    // window menu "О программе..." (1025)
  std::function<bool()> ShowOptions;  // btnOptions, F7: true when ended with OK and applied
  std::function<void()> ShowFunc;     // btnFunc, F5: the catalogue, not modal

  // Font of the input line and the three output fields.
  QFont OutputFont() const;
  void ApplyOutputFont(const QFont& font);

  // The evaluation cycle and the handlers that start it.
  void cbInputChange();
  void FormActivate();
  void btnAngleClick();
  void btnErrorClick();
  void btnStoreClick();
  void btnCopyClick();
  void btnPasteClick();
  void btnFuncClick();
  void btnOptionsClick();
  void btnNFormatClick(QObject* sender);
  void N1Click(QObject* sender);
  void btnCloseClick();
  void btnMinimizeClick();
  void AppActivate();
  void AppDeactivate();

  // Window behaviours.
  void btnSysClick();
  void SysCommand(int command);
  void AddAboutItem();
  void AppMinimize();
  void AppRestore();
  void TrayIconClick();
  void miOpenClick();
  void miCloseClick();
  void WMHotKey();
  // Restores the window if need be, brings it to the front and gives the
  // keyboard to its active control (the catalogue after an insertion).
  void Activate();
  void btnOnTopClick();
  void btnRollUpClick();
  void Timer1Timer();  // grow step of the lower panel
  void Timer2Timer();  // shrink step
  void btnHelpClick();
  void ArrangeControls();
  // Sets every text of the window, its menus and its tray icon in the
  // interface's language (at construction and when the language changes).
  void Retranslate();
  // The desktop session ends (or the program was told to stop by a signal):
  // the closing writes run without any question, and the window closes for
  // good whatever they gave. A close waiting for its question's answer
  // finishes that way instead, once the question is gone.
  void EndSession();
  // The session manager asks for the user's data before a logout that
  // another program may still cancel: the history and the settings are
  // written unasked, and the window stays as it is.
  void SaveSession();

 signals:
  // The window was closed for good (history and settings written).
  void Closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void BuildFormatMenu();
  void BuildSysMenu();
  void BuildTray();
  // The hints of the three toggles, for their present states.
  void ShowToggleHints();
  static QString SysCommandText(int command);
  void ConnectControls();
  void FormCreate();
  bool FormCloseQuery();
  bool FormClose();
  TMainSettings CurrentSettings() const;
  std::vector<std::string> HistoryEntries() const;
  // Writes the history file as the closing does, right after each store, so
  // a crash or a kill loses none of the day's entries.
  void SaveHistory();
  void Finish();
  void FormKeyDown(QKeyEvent* event);
  // The keys FormKeyDown acts on (the others only pass through it).
  static bool IsFormKey(int key);
  void FormMouseDown(QMouseEvent* event);
  void ApplyHeightLock();
  void SetOutputs(const QString& text);
  // A button lit by the pointer stays lit when the window moves away under
  // a still pointer (no crossing event comes); this puts out such a light.
  void ForgetStaleHover();
  void StartKeyboardMove();
  void EndKeyboardMove(bool keep);
  bool TrayAvailable() const;
  // The program's other open windows (the catalogue) go and come back with
  // the main window, since minimising minimises the whole program.
  void HideCompanionWindows();
  void ShowCompanionWindows();
  // Where the desktop keeps its abilities to itself (frmmain_desktop.cpp):
  // hiding into the notification area without waiting for a minimised
  // state that is never reported, and back; the always-on-top button shown
  // unavailable; the place to save; the window menu's move.
  bool HideToTrayDirectly();
  void ReturnFromTray();
  bool ShowOnTopUnavailable();
  QPoint PlaceToSave() const;
  bool StartDesktopMove();

  TMainServices m_services;
  TAnchors* m_anchors = nullptr;
  std::unique_ptr<TButtonRow> m_topRow;
  QWidget* m_client = nullptr;
  bool m_timerGrows = true;
  bool m_wasMinimized = false;
  bool m_moving = false;
  bool m_endingSession = false;
  bool m_closing = false;  // the closing steps are under way (perhaps waiting for an answer)
  bool m_closed = false;
  // A store could not write the history file and said so; the next failures
  // stay quiet until a write succeeds again.
  bool m_historyWriteFailed = false;
  // The key press FormKeyDown last handled, so the same event is not handled
  // again while it travels on to the parents (cleared by the key's release).
  const QEvent* m_handledKeyPress = nullptr;
  int m_formKeyDepth = 0;
  QPoint m_moveOrigin;
  QPoint m_moveStart;
  std::vector<QPointer<QWidget>> m_hiddenCompanions;
  TWindowAbilities m_abilities;
  bool m_inTrayDirectly = false;
  QPoint m_storedPlace;  // Left and Top as the settings file had them
};
