// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list files "variables.lst" (user constants) and "functions.lst" (user
// functions): profile files with one section per category and one key per
// entry:
//   variables.lst  [Category]  Name=Expression|Value|Description
//   functions.lst  [Category]  Head=Expression|Description
// Files in the older binary tree stream are recognised and converted once.
#include <string>

#include "engine/zqtextlist.h"
#include "storage/listrecords.h"

enum class TListLoadMode {
  Convert,   // a legacy file is replaced by a profile file after reading
  ReadOnly,  // nothing is ever written (the command line)
};

// Fills the page (category rows, entry rows, category list) and appends one
// parser line per entry, in reading order. A missing file, or one that
// cannot be opened, leaves both as they are. Damaged content never throws:
// whatever can be read is taken, in time linear in the file's size. Values
// are read whole, and so are the lists of sections and keys.
// Throws EStorageError when reading breaks off midway ("Stream read error:
// <path>", the rows read so far stay) or when the conversion of a legacy
// file cannot write it ("Unable to write to <path>"; the page and the lines
// are filled, and the legacy file stays).
void LoadConstFile(const std::string& path, TConstPage& page, TZQTextList& userConstants,
                   TListLoadMode mode = TListLoadMode::Convert);
void LoadFuncFile(const std::string& path, TFuncPage& page, TZQTextList& userFunctions,
                  TListLoadMode mode = TListLoadMode::Convert);

// Replaces the file by the page's entries (an entry needs a non-empty first
// field and Expression), each under the section of its own Category field.
// Sections and keys match without regard to letter case: a later entry of the
// same category and name replaces the earlier one's value. Throws
// EStorageError "Unable to write to <path>"; the old file then stays intact.
void SaveConstFile(const std::string& path, const TConstPage& page);
void SaveFuncFile(const std::string& path, const TFuncPage& page);

// The file texts (UTF-8, CR LF line ends) that the saves write.
std::string ConstFileText(const TConstPage& page);
std::string FuncFileText(const TFuncPage& page);
