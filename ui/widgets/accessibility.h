// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader hears of a control where its class alone does not
// tell: a window or a panel made of a plain widget, a tool button that
// switches something on and off, a list box named by what it sets, a
// hand-made link. Each call marks the widget; a factory installed with the
// first call gives marked widgets their accessible interface, so the marks
// go on before the widget is first asked about (in its window's
// constructor).
#include <QAccessible>

class QAbstractButton;
class QComboBox;
class QLabel;
class QTabWidget;
class QWidget;

// The role a plain widget is announced with: a window as a frame rather
// than a filler, an inner panel as a panel rather than a window.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);
// A button that switches a state on and off without being a checkable
// button (its picture shows the state): announced as checkable, checked
// while on. Called again after every switch with the new state.
void SetAccessibleToggle(QAbstractButton* button, bool on);
// A button whose click opens a modal window: a screen reader's press clicks
// it once the press has returned, so that the reader is answered at once
// rather than when the window closes (a click of the mouse is unchanged).
void PressLaterForScreenReaders(QAbstractButton* button);
// A drop-down list announced by its accessible name (what it sets) with
// its current item as value and description; its list is part of the tree
// only while open.
void NameListByPurpose(QComboBox* box);
// A drop-down list named by its label: its list is part of the tree only
// while open, so that the items of a closed one are not offered.
void HideClosedList(QComboBox* box);
// A tab widget whose hidden pages are not offered, nor what they hold.
void ExposeShownPageOnly(QTabWidget* tabs);
// A label that opens something when clicked: a link whose press action
// calls the label's invokable Click().
void SetAccessibleLink(QLabel* label);
// Makes the interfaces of this file known to the toolkit. The calls above
// do it themselves; it is needed only where a widget is read without a mark:
// a text browser shown as a window of its own (the help) is a window holding
// a document, whose links are links a screen reader can press.
void InstallAccessibleInterfaces();
