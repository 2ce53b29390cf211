// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few functions of GCC's libquadmath (113-bit significands) that the
// engine uses, declared here rather than through <quadmath.h>, which only
// GCC's own include folder has (the fuzzing build compiles with clang).
extern "C" {
__float128 sinq(__float128);
__float128 cosq(__float128);
void sincosq(__float128, __float128*, __float128*);
}
