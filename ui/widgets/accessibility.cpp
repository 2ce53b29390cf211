// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace {
// The marks, as dynamic properties of the widget.
constexpr char kKind[] = "tamrixAccessibleKind";
constexpr char kRole[] = "tamrixAccessibleRole";
constexpr char kOn[] = "tamrixAccessibleOn";
enum TKind { RoleOnly = 1, Toggle, PurposeList, Link, OpensModal };

// Clicks are given back to the event loop first: a click that opens a modal
// window would otherwise keep the screen reader's call waiting until that
// window closes.
void ClickLater(QAbstractButton* button) { QTimer::singleShot(0, button, &QAbstractButton::click); }

// The interfaces the marks give, told apart from the toolkit's own.
class TMarkedInterface : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;
};

class TToggleInterface : public TMarkedInterface {
 public:
  // A check box to the screen reader: the toolkit's AT-SPI bridge passes a
  // button's checked state on but not that it can be checked, so a button
  // switched off would sound like any other button.
  explicit TToggleInterface(QWidget* w) : TMarkedInterface(w, QAccessible::CheckBox) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = widget()->property(kOn).toBool();
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{toggleAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (!widget()->isEnabled()) return;
    if (name == toggleAction() || name == pressAction()) ClickLater(static_cast<QAbstractButton*>(widget()));
    else QAccessibleWidget::doAction(name);
  }
};

class TOpensModalInterface : public TMarkedInterface {
 public:
  explicit TOpensModalInterface(QWidget* w) : TMarkedInterface(w, QAccessible::Button) {}
  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& name) override {
    if (name != pressAction()) return QAccessibleWidget::doAction(name);
    if (widget()->isEnabled()) ClickLater(static_cast<QAbstractButton*>(widget()));
  }
};

class TPurposeListInterface : public TMarkedInterface {
 public:
  explicit TPurposeListInterface(QWidget* w) : TMarkedInterface(w, QAccessible::ComboBox) {}
  QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value || t == QAccessible::Description) return Box()->currentText();
    return QAccessibleWidget::text(t);
  }
  // The list belongs to the tree only while it shows.
  int childCount() const override { return Box()->view()->isVisible() ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && childCount() ? QAccessible::queryAccessibleInterface(Box()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return childCount() && child && child->object() == Box()->view() ? 0 : -1;
  }
  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (name == showMenuAction() || name == pressAction())
      QTimer::singleShot(0, Box(), &QComboBox::showPopup);
    else
      QAccessibleWidget::doAction(name);
  }
};

class TLinkInterface : public TMarkedInterface {
 public:
  explicit TLinkInterface(QWidget* w) : TMarkedInterface(w, QAccessible::Link) {}
  QLabel* Label() const { return static_cast<QLabel*>(widget()); }
  QString text(QAccessible::Text t) const override {
    QString s = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && s.isEmpty()) s = Label()->text();
    return s;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = true;
    return s;
  }
  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& name) override {
    if (name != pressAction()) return QAccessibleWidget::doAction(name);
    QMetaObject::invokeMethod(widget(), "Click", Qt::QueuedConnection);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  // Asked once for each class of the object's chain: only the first answers.
  if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
    return nullptr;
  auto* w = static_cast<QWidget*>(object);
  switch (w->property(kKind).toInt()) {
    case RoleOnly: return new TMarkedInterface(w, static_cast<QAccessible::Role>(w->property(kRole).toInt()));
    case Toggle: return new TToggleInterface(w);
    case PurposeList: return new TPurposeListInterface(w);
    case Link: return new TLinkInterface(w);
    case OpensModal: return new TOpensModalInterface(w);
    default: return nullptr;
  }
}

void Mark(QWidget* widget, TKind kind) {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
  if (widget->property(kKind).toInt() == kind) return;
  widget->setProperty(kKind, kind);
  // A change of the widget's name or text before the mark may have made the
  // toolkit's interface already; it gives way to the marked one.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
  if (made && !dynamic_cast<TMarkedInterface*>(made)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
}  // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) {
  widget->setProperty(kRole, static_cast<int>(role));
  Mark(widget, RoleOnly);
}

void SetAccessibleToggle(QAbstractButton* button, bool on) {
  const bool changed = button->property(kOn).toBool() != on;
  Mark(button, Toggle);
  button->setProperty(kOn, on);
  if (!changed) return;
  QAccessible::State checked;
  checked.checked = true;
  QAccessibleStateChangeEvent event(button, checked);
  QAccessible::updateAccessibility(&event);
}

void NameListByPurpose(QComboBox* box) { Mark(box, PurposeList); }

void PressLaterForScreenReaders(QAbstractButton* button) { Mark(button, OpensModal); }

void SetAccessibleLink(QLabel* label) { Mark(label, Link); }

void TellAccessibleDescription(QWidget* widget, const QString& description) {
  if (widget->accessibleDescription() == description) return;
  widget->setAccessibleDescription(description);
  QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}
