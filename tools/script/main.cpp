#include "tools/script/ScriptDriver.h"

#include <iostream>

int main() {
    return zarn::RunScript(std::cin, std::cout, std::cerr);
}
