// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader hears of the help: a text browser that is a window of
// its own is a frame named by its title, its page a document whose links
// are links a reader can press.
class QAccessibleInterface;
class QWidget;

// The interface for the help window or its page; nullptr for any other widget.
QAccessibleInterface* HelpAccessibleInterface(QWidget* widget);
