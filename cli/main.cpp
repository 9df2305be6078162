#include "CalcCommand.h"
#include "DecimalSeparator.h"

#include <unistd.h>

#include <iostream>

int main(int argc, char **argv)
{
    CalcCommand command(std::cout, std::cerr);
    command.setDecimalSeparator(decimalSeparatorFromEnvironment());
    command.setTerminalOutput(isatty(STDOUT_FILENO) == 1);
    return command.run(argc, argv);
}
