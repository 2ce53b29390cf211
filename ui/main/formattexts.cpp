// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/formattexts.h"

#include <QCoreApplication>

#include "format/formatmenu.h"
#include "format/zqformat.h"
#include "language/messagecatalogue.h"

namespace {

// The items by their indices, as the catalogues know them.
constexpr const char* kTopIds[kFormatMenuTopCount] = {
    QT_TRANSLATE_NOOP("FormatMenu", "0"),  // "Инженерный"
    QT_TRANSLATE_NOOP("FormatMenu", "1"),  // "Научный"
    QT_TRANSLATE_NOOP("FormatMenu", "2"),  // "Десятичный"
    QT_TRANSLATE_NOOP("FormatMenu", "3"),  // "Шестнадцатеричный"
    QT_TRANSLATE_NOOP("FormatMenu", "4"),  // "Восьмиричный"
    QT_TRANSLATE_NOOP("FormatMenu", "5"),  // "Двоичный"
};
constexpr const char* kScaleIds[kEngineeringScaleCount] = {
    QT_TRANSLATE_NOOP("EngineeringScale", "0"),  QT_TRANSLATE_NOOP("EngineeringScale", "1"),
    QT_TRANSLATE_NOOP("EngineeringScale", "2"),  QT_TRANSLATE_NOOP("EngineeringScale", "3"),
    QT_TRANSLATE_NOOP("EngineeringScale", "4"),  QT_TRANSLATE_NOOP("EngineeringScale", "5"),
    QT_TRANSLATE_NOOP("EngineeringScale", "6"),  QT_TRANSLATE_NOOP("EngineeringScale", "7"),
    QT_TRANSLATE_NOOP("EngineeringScale", "8"),  QT_TRANSLATE_NOOP("EngineeringScale", "9"),
    QT_TRANSLATE_NOOP("EngineeringScale", "10"),
};
// The buttons' captions are their own ids.
[[maybe_unused]] constexpr const char* kButtonCaptions[] = {
    QT_TRANSLATE_NOOP("FormatButton", "Fix"), QT_TRANSLATE_NOOP("FormatButton", "Sci"),
    QT_TRANSLATE_NOOP("FormatButton", "D"),   QT_TRANSLATE_NOOP("FormatButton", "H"),
    QT_TRANSLATE_NOOP("FormatButton", "O"),   QT_TRANSLATE_NOOP("FormatButton", "B"),
};


}  // namespace

QString FormatMenuText(int topIndex) {
  if (topIndex < 0 || topIndex >= kFormatMenuTopCount) return {};
  return TranslatedOr("FormatMenu", kTopIds[topIndex], FormatMenuCaption(topIndex));
}

QString EngineeringScaleText(int scaleIndex) {
  if (scaleIndex < 0 || scaleIndex >= kEngineeringScaleCount) return {};
  return TranslatedOr("EngineeringScale", kScaleIds[scaleIndex], EngineeringScaleCaption(scaleIndex));
}

QString FormatButtonText(int code) {
  return QCoreApplication::translate("FormatButton", FormatCaption(code));
}

QString FormatCodeText(int code) {
  const TFormatMenuMarks marks = MarksForCode(code);
  QString text = FormatMenuText(marks.topIndex);
  if (marks.scaleIndex >= 0) text += QStringLiteral(", ") + EngineeringScaleText(marks.scaleIndex);
  return text;
}
