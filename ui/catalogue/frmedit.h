// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmEdit: the modal editor of one user constant or user function. The
// catalogue window fills it, shows it and, on OK, reads the fields back. In
// constant mode it refuses to close with OK until the name is a free
// identifier and the value evaluates, and leaves the value's text in
// ComputedValue. In function mode it lets a function in only with a free
// name, a parameter list of distinct names and a body. No field may keep a
// character that the list files cannot store.
#include <QDialog>
#include <string>

#include "ui/catalogue/entrynames.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TProfileFile;
class TZQParser;

class TfrmEdit : public QDialog {
  Q_OBJECT
 public:
  TfrmEdit(TZQParser& parser, TProfileFile& settings, QWidget* parent = nullptr);

  bool ConstMode = true;
  std::string OldName;        // the entry's name when changing, empty when adding
  std::string ComputedValue;  // the constant's value text after a successful OK
  int HelpContext = 4;        // 4 constant editor, 5 function editor

  QLabel* Label4 = nullptr;
  QComboBox* cbCategory = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* edName = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* edValue = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* edDescription = nullptr;
  QPushButton* btnOk = nullptr;
  QPushButton* btnCancel = nullptr;

  // (Re)sets the labels and buttons in the interface's language: at creation
  // and whenever the language changes.
  void Retranslate();
  // Label2 after the mode: "Значение" for a constant, "Выражение" for a function.
  void SetValueLabel();

  // Shows the dialog modally; QDialog::Accepted or QDialog::Rejected.
  int ShowModal() { return exec(); }

  // Client height at the design font: the bottom of btnOk plus 6 pixels; a
  // larger font makes the rows, and so the window, higher. Only the width
  // can be changed by the user.
  static constexpr int kFixedHeight = 138 + 23 + 6;
  static constexpr int kMinWidth = 256;

 protected:
  void changeEvent(QEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormCreate();
  void FormClose();
  bool FormCloseQuery();
  // The checks on OK, in the order of the fields; each throws EZQEditError
  // for the first fault it finds, with the caret put in that field.
  std::string CheckConstant();  // returns the value's text
  void CheckFunction();
  void CheckName(TNameFault fault);
  void CheckStorable(QWidget* field, const QLabel* label);
  [[noreturn]] void Refuse(QWidget* field, const QString& message);
  bool edNameKeyPress(char32_t c);
  bool edValueKeyPress(char32_t c);

  TZQParser& m_parser;
  TProfileFile& m_settings;
};
