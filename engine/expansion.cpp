// TEMPORARY: replaced by the user-function expansion.
#include "engine/expansion.h"
std::string ExtractField(std::string_view, int, char) { return {}; }
void ExpandUserFunctions(std::string&, const TZQTextList&) {}
