// TEMPORARY: replaced by the evaluator.
#include "engine/zqparser.h"
bool TZQParser::Evaluate(std::string_view, Extended& v, std::string& e) { v = 0; e.clear(); return false; }
bool TZQParser::EvaluateToText(std::string_view, std::string& t) { t.clear(); return false; }
Extended TZQParser::Calculate(std::string_view) { return 0; }
bool TZQParser::IsValidName(std::string_view) { return false; }
bool TZQParser::IsNameFree(std::string_view) const { return false; }
