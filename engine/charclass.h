#pragma once
// Character classes of the working text. Bytes of 128 and above (Cyrillic,
// UTF-8 sequences) belong to no class.
namespace charclass {

// Characters that may end an operand: the end mark and the operators.
inline bool IsOperandTerminator(char c) {
  switch (c) {
    case '\0': case '%': case '&': case ')': case '*': case '+': case ',':
    case '-': case '/': case '<': case '>': case '\\': case '^': case '|':
      return true;
    default:
      return false;
  }
}

inline bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsNameStart(char c) { return IsAsciiLetter(c) || c == '_'; }
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Value of c as a digit of base (2, 8, 10 or 16), or -1.
inline int DigitValue(char c, int base) {
  int d = -1;
  if (IsDigit(c)) d = c - '0';
  else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
  return d < base ? d : -1;
}

}  // namespace charclass
