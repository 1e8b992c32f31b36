// Waits for a line on standard input, then prints the path to start it again and ends.
#include "app/program_path.h"

#include <iostream>
#include <string>

int main()
{
    std::string line;
    std::getline(std::cin, line);
    std::cout << tarnivel::runningProgramPath().string() << std::endl;
}
