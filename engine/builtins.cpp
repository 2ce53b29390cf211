// TEMPORARY: replaced by the built-in function computations.
#include "engine/builtins.h"
#include "engine/zqerrors.h"
Extended ComputeFunction(int, const Extended*, bool) { throw EZQParserError(strid::SyntaxError); }
Extended PiValue() { return 3.14159265358979323851L; }
Extended EValue() { return 2.71828182845904523536L; }
