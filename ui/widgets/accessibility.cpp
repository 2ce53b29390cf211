// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/accessibility.h"

#include "ui/widgets/helpaccessible.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

namespace {
// The marks, as dynamic properties of the widget.
constexpr char kKind[] = "tamrixAccessibleKind";
constexpr char kRole[] = "tamrixAccessibleRole";
constexpr char kOn[] = "tamrixAccessibleOn";
enum TKind { RoleOnly = 1, Toggle, PurposeList, Link, OpensModal, ClosedList, ShownPages };

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

// A drop-down list: its line (when it can be typed in) always, its list
// only while it is open. The toolkit's items reckon with their list's place
// and not with whether it shows, so the items of a list opened once and
// closed again would still say they show.
class TListBoxInterface : public TMarkedInterface {
 public:
  explicit TListBoxInterface(QWidget* w) : TMarkedInterface(w, QAccessible::ComboBox) {}
  QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Box()->currentText();
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return Children().size(); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? int(Children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
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

 private:
  QList<QWidget*> Children() const {
    QList<QWidget*> children;
    if (QWidget* line = Box()->lineEdit()) children << line;
    if (Box()->view()->isVisible()) children << Box()->view();
    return children;
  }
};

// Named by what it sets, its current item told as its description as well.
class TPurposeListInterface : public TListBoxInterface {
 public:
  using TListBoxInterface::TListBoxInterface;
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) return Box()->currentText();
    return TListBoxInterface::text(t);
  }
};

// The pages of a tab widget: the one shown only. A hidden page of lists
// would otherwise offer its items as showing (see the lists above).
class TShownPagesInterface : public TMarkedInterface {
 public:
  explicit TShownPagesInterface(QWidget* w) : TMarkedInterface(w, QAccessible::LayeredPane) {}
  int childCount() const override { return Shown().size(); }
  QAccessibleInterface* child(int index) const override { return Shown().value(index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return int(Shown().indexOf(const_cast<QAccessibleInterface*>(child)));
  }

 private:
  QList<QAccessibleInterface*> Shown() const {
    QList<QAccessibleInterface*> shown;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
      QAccessibleInterface* page = QAccessibleWidget::child(i);
      if (page && !page->state().invisible) shown << page;
    }
    return shown;
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
  if (QAccessibleInterface* help = HelpAccessibleInterface(w)) return help;
  switch (w->property(kKind).toInt()) {
    case RoleOnly: return new TMarkedInterface(w, static_cast<QAccessible::Role>(w->property(kRole).toInt()));
    case Toggle: return new TToggleInterface(w);
    case PurposeList: return new TPurposeListInterface(w);
    case Link: return new TLinkInterface(w);
    case OpensModal: return new TOpensModalInterface(w);
    case ClosedList: return new TListBoxInterface(w);
    case ShownPages: return new TShownPagesInterface(w);
    default: return nullptr;
  }
}

void Mark(QWidget* widget, TKind kind) {
  InstallAccessibleInterfaces();
  if (widget->property(kKind).toInt() == kind) return;
  widget->setProperty(kKind, kind);
  // A change of the widget's name or text before the mark may have made the
  // toolkit's interface already; it gives way to the marked one.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
  if (made && !dynamic_cast<TMarkedInterface*>(made)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

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

void HideClosedList(QComboBox* box) { Mark(box, ClosedList); }

void ExposeShownPageOnly(QTabWidget* tabs) {
  if (auto* pages = tabs->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly)) Mark(pages, ShownPages);
}

void PressLaterForScreenReaders(QAbstractButton* button) { Mark(button, OpensModal); }

void SetAccessibleLink(QLabel* label) { Mark(label, Link); }

