#pragma once
// The pictures of the catalogue's button strip, painted in code on a
// 16-pixel design grid and rendered at 1x and 2x.
#include <QIcon>

QIcon AddGlyph();     // a green plus
QIcon ChangeGlyph();  // a pencil
QIcon DeleteGlyph();  // a red cross
QIcon HelpGlyph();    // a question mark in a circle
QIcon CloseGlyph();   // a door-shut cross
