// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computations of the 24 built-in functions of FuncTable.
#include "engine/zqvalue.h"

// Computes function `index` of FuncTable on its arguments (args[0] is X,
// args[1] is N for ROL and ROR). angleRadians is the parser's Angle. The
// function's own checks throw EZQParserError; arithmetic faults throw
// EZQArithmeticError (the caller's guarded region turns them into 61150).
Extended ComputeFunction(int index, const Extended* args, bool angleRadians);

// The built-in constants.
Extended PiValue();  // sign and exponent 4000h, significand C90FDAA22168C235h
Extended EValue();   // exp(1) in extended precision
