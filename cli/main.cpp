#include "CalcCommand.h"
#include "DecimalSeparator.h"
#include "Platform.h"

#include <iostream>

int main(int argc, char **argv)
{
    platform::useBinaryStandardOutput();
    CalcCommand command(std::cout, std::cerr);
    command.setDecimalSeparator(decimalSeparatorFromEnvironment());
    command.setTerminalOutput(platform::standardOutputIsTerminal());
    return command.run(argc, argv);
}
