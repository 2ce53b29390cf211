// Program entry. The windows and the command-line evaluator are added here as
// they are built.
#include <cstdio>

int main() {
  std::puts("Tamrix");
  return 0;
}
