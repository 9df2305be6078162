#pragma once

#include "CommandLine.h"

class DesignSession;
#include <iosfwd>
#include <string>

// tessivane-calc: one project file in, its report (or table, JSON or CSV) out, as the
// window's Calculate and File > Save would do it.
class CalcCommand
{
public:
    enum ExitStatus
    {
        Done = 0,
        BadProject = 1,
        Refused = 2,
        Declined = 3,
    };

    CalcCommand(std::ostream &out, std::ostream &err) : m_out(out), m_err(err) {}

    // The window's decimal separator in this environment, for the report's chamber storage
    // column (the report that --save writes included).
    void setDecimalSeparator(char separator) { m_decimalSeparator = separator; }
    // Standard output is a terminal: the report's control characters are shown escaped.
    void setTerminalOutput(bool terminal) { m_terminalOutput = terminal; }

    int run(int argc, char **argv);
    int run(const CommandLine &line, const std::string &programDir);

private:
    // Saves when asked, after the output is out; the status unless either fails.
    int finish(const CommandLine &line, DesignSession &session, int status);
    int size(const CommandLine &line, DesignSession &session);
    // The storage below the target's elevation and the drawdown, after the report.
    static std::string figuresAfterReport(ExportKind kind, DesignSession &session);

    std::ostream &m_out;
    std::ostream &m_err;
    char m_decimalSeparator = '.';
    bool m_terminalOutput = false;
};
