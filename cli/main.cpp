#include "CalcCommand.h"

#include <iostream>

int main(int argc, char **argv)
{
    return CalcCommand(std::cout, std::cerr).run(argc, argv);
}
