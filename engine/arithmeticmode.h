#pragma once
// The x87 control settings of an evaluation: 64-bit significand precision,
// rounding to nearest and every exception masked (faults are found by
// testing the flags, never by traps). The caller's control word and enabled
// exceptions come back on destruction. Construct it before the
// TFpEnvironmentScope, so the caller's flags are restored while the
// exceptions are still masked.
#include <cfenv>
#include <fpu_control.h>

class TArithmeticModeScope {
 public:
  TArithmeticModeScope() {
    _FPU_GETCW(m_savedControl);
    m_savedEnabled = fegetexcept();
    fedisableexcept(FE_ALL_EXCEPT);
    fpu_control_t control = m_savedControl;
    control = (control & ~(_FPU_EXTENDED | _FPU_RC_ZERO)) | _FPU_EXTENDED | _FPU_RC_NEAREST;
    control |= FE_ALL_EXCEPT;  // masked
    _FPU_SETCW(control);
  }
  ~TArithmeticModeScope() {
    _FPU_SETCW(m_savedControl);
    if (m_savedEnabled > 0) feenableexcept(m_savedEnabled);
  }
  TArithmeticModeScope(const TArithmeticModeScope&) = delete;
  TArithmeticModeScope& operator=(const TArithmeticModeScope&) = delete;

 private:
  fpu_control_t m_savedControl = 0;
  int m_savedEnabled = 0;
};
