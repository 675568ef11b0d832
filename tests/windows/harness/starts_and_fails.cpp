// A program that starts, says so as a GoogleTest runner does, and fails.
#include <cstdio>

int main() {
    std::printf("Running main() from starts_and_fails.cpp\n");
    return 1;
}
