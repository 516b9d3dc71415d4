// SPDX-License-Identifier: MIT
// The floor for any C++ command: a plain "hello" on the standard library.
#include <iostream>

int main()
{
    std::cout << "hello\n";
}
