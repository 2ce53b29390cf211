// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings dialog: tray, history, confirmation, digits, separators, the
// global hot key and the font of the input and output fields. The caller
// fills it, shows it modally and reads it back only after OK; the hot key is
// applied by the dialog itself, because a combination the desktop refuses
// must keep the dialog open.
#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>

#include "ui/options/optionsvalues.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class THotKeyService;
class TSpinEdit;

class TfrmOptions : public QDialog {
  Q_OBJECT
 public:
  // Asks for a font starting from the given one; nothing when cancelled.
  using TFontChooser = std::function<std::optional<QFont>(const QFont& initial, QWidget* owner)>;

  explicit TfrmOptions(THotKeyService& hotKeys, QWidget* parent = nullptr);

  // Opening: every control from the caller's values, the hot key captured
  // from values.VK_Code.
  void Fill(const TOptionsValues& values);
  // After OK: the controls' values, and the hot key now in force.
  TOptionsValues Read() const;

  // Pending hot key: the captured key's code (0: none) and modifier flags.
  quint8 FKeyCode = 0;
  quint16 FModifiers = 0;

  // The font dialog; tests put a script in its place.
  TFontChooser FontChooser;

  QGroupBox* GroupBox1;
  QCheckBox* cbInTray;
  QCheckBox* cbMemory;
  QCheckBox* cbCloseQuery;
  QLabel* Label2;
  TSpinEdit* edNExpression;
  QLabel* Label1;
  TSpinEdit* edNDigit;
  QGroupBox* rgSeparators;
  QRadioButton* rgSeparatorsItem0;
  QRadioButton* rgSeparatorsItem1;
  QLabel* lbSize;
  QLabel* lbHotKey;
  QComboBox* cbModifiers;
  QLineEdit* edKey;
  // In place of cbModifiers and edKey where the desktop chooses the key:
  // its binding, read only, with a button to its own key settings; or,
  // with no global key at all, a line on how to bind one.
  QLineEdit* edDesktopKey;
  QPushButton* btnDesktopKeys;
  QLabel* lbDesktopKeyHint;
  QLabel* lbLanguage;
  QComboBox* cbLanguage;
  QPushButton* btnFont;
  QLineEdit* edFont;
  QPushButton* btnOk;
  QPushButton* btnCancel = nullptr;

  // The capture of a key pressed in edKey (the shift state is not used).
  void edKeyKeyDown(quint16 key, Qt::KeyboardModifiers shift);
  void cbModifiersChange(int index);
  void btnFontClick();
  void btnOkClick();
  void btnCancelClick();
  // Sets every text in the interface's language.
  void Retranslate();
  // Shows the capture, or what the desktop has bound, as the hot-key
  // service says (at every opening and when the desktop's binding changes).
  void ShowHotKeyRow();
  // Fits the height to the font of edFont.
  void AdjustHeight();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void CreateControls();
  // The index of the selected separator pair, -1 when none.
  int SeparatorIndex() const;

  THotKeyService& m_hotKeys;
  QButtonGroup* m_separatorGroup;
  // The hot key in force, as the caller gave it and as OK changes it.
  quint16 m_fsModifiers = 0;
  quint16 m_VK_Code = 0;
};
