#pragma once

#include <QStringList>

class QTextStream;

// Registers or unregisters a control library file by calling its DllRegisterServer or
// DllUnregisterServer entry point: veldo-register [-u] [-s] LIBRARY
class RegisterTool
{
public:
    RegisterTool(QTextStream &out, QTextStream &err);
    int run(const QStringList &arguments);

private:
    void usage();
    static QString registryProblem();

    QTextStream &m_out;
    QTextStream &m_err;
};
