// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/builtintexts.h"

#include <QCoreApplication>

#include "engine/functable.h"
#include "language/messagecatalogue.h"

namespace {
// The catalogue's keys, one per function and per category, for lupdate to
// find; the look-ups below use the same texts from the table at run time.
[[maybe_unused]] constexpr const char* kDescriptionKeys[] = {
    QT_TRANSLATE_NOOP("FunctionDescription", "SIN"),    QT_TRANSLATE_NOOP("FunctionDescription", "COS"),
    QT_TRANSLATE_NOOP("FunctionDescription", "TAN"),    QT_TRANSLATE_NOOP("FunctionDescription", "ARCSIN"),
    QT_TRANSLATE_NOOP("FunctionDescription", "ARCCOS"), QT_TRANSLATE_NOOP("FunctionDescription", "ARCTAN"),
    QT_TRANSLATE_NOOP("FunctionDescription", "EXP"),    QT_TRANSLATE_NOOP("FunctionDescription", "LOG2"),
    QT_TRANSLATE_NOOP("FunctionDescription", "LN"),     QT_TRANSLATE_NOOP("FunctionDescription", "LG"),
    QT_TRANSLATE_NOOP("FunctionDescription", "SQR"),    QT_TRANSLATE_NOOP("FunctionDescription", "SQRT"),
    QT_TRANSLATE_NOOP("FunctionDescription", "FACT"),   QT_TRANSLATE_NOOP("FunctionDescription", "ABS"),
    QT_TRANSLATE_NOOP("FunctionDescription", "FRAC"),   QT_TRANSLATE_NOOP("FunctionDescription", "INT"),
    QT_TRANSLATE_NOOP("FunctionDescription", "ROUND"),  QT_TRANSLATE_NOOP("FunctionDescription", "CEIL"),
    QT_TRANSLATE_NOOP("FunctionDescription", "FLOOR"),  QT_TRANSLATE_NOOP("FunctionDescription", "ODD"),
    QT_TRANSLATE_NOOP("FunctionDescription", "SIGN"),   QT_TRANSLATE_NOOP("FunctionDescription", "NOT"),
    QT_TRANSLATE_NOOP("FunctionDescription", "ROL"),    QT_TRANSLATE_NOOP("FunctionDescription", "ROR"),
};
[[maybe_unused]] constexpr const char* kCategoryKeys[] = {
    QT_TRANSLATE_NOOP("FunctionCategory", "Тригонометрические"),
    QT_TRANSLATE_NOOP("FunctionCategory", "Показательные и логарифмические"),
    QT_TRANSLATE_NOOP("FunctionCategory", "Другие"),
};
}  // namespace

QString BuiltinDescription(const TFunc& f) {
  return TranslatedOr("FunctionDescription", f.Name, f.Description);
}

QString BuiltinCategoryName(const QString& category) {
  return QCoreApplication::translate("FunctionCategory", category.toUtf8().constData());
}
