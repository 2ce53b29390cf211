// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the topics of the program's help file are. The program asks for
// "Tamrix.hlp" like any help file; its pages are built into the program.
#include <QString>
#include <QUrl>

class QPalette;

inline constexpr int kHelpTopicCount = 5;

// The page of topic (1 main window, 2 catalogue, 3 settings, 4 constant
// editor, 5 function editor) of helpFile, compared by its file name without
// regard to case or folder. A topic outside 1..5 gives the first page; a file
// that is not the program's gives an empty URL. The page is in the
// interface's language where it has one, otherwise the Russian page.
QUrl HelpTopicUrl(const QString& helpFile, int topic);

// The colours of the help pages, taken from the palette of the window that
// shows them, so that headings and table headers read on a dark desktop as
// on a light one (the pages' own style sheet sets no colour).
QString HelpColourSheet(const QPalette& palette);
