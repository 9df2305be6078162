#include "CalcCommand.h"
#include "Platform.h"

#include <iostream>

int main(int argc, char **argv)
{
    platform::useBinaryStandardOutput();
    return CalcCommand(std::cout, std::cerr).run(argc, argv);
}
