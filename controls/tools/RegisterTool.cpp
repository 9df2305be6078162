#include "RegisterTool.h"

#include "RegistryFile.h"

#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

#include <cstdint>

namespace {
using EntryPoint = std::int32_t (*)();
}

RegisterTool::RegisterTool(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

void RegisterTool::usage()
{
    m_err << "usage: veldo-register [-u] [-s] LIBRARY\n"
             "  registers the classes of a control library in the per-user registry file\n"
             "  -u  unregister instead\n"
             "  -s  silent: print nothing on success\n";
}

QString RegisterTool::registryProblem()
{
    // The entry point reports only a result code; the registry itself tells what is wrong.
    VeldoHost::RegistryFile registry;
    if (!registry.load())
        return registry.errorString();
    if (registry.isNewerFormat())
        return registry.newerFormatError();
    return QStringLiteral("cannot write %1; check that its directory can be written")
        .arg(registry.path());
}

int RegisterTool::run(const QStringList &arguments)
{
    bool unregister = false, silent = false;
    QString library;
    for (const QString &arg : arguments) {
        if (arg == QLatin1String("-u") || arg == QLatin1String("/u"))
            unregister = true;
        else if (arg == QLatin1String("-s") || arg == QLatin1String("/s"))
            silent = true;
        else if (arg.startsWith(QLatin1Char('-')) || !library.isEmpty()) {
            usage();
            return 2;
        } else
            library = arg;
    }
    if (library.isEmpty()) {
        usage();
        return 2;
    }

    const QString path = QFileInfo(library).absoluteFilePath();
    QLibrary lib(path);
    if (!lib.load()) {
        m_err << "veldo-register: cannot load " << path << ": " << lib.errorString() << "\n";
        return 1;
    }
    const char *entryName = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    const auto entry = reinterpret_cast<EntryPoint>(lib.resolve(entryName));
    if (!entry) {
        m_err << "veldo-register: " << path << " has no entry point " << entryName
              << "; it is not a self-registering library\n";
        return 1;
    }
    const std::int32_t result = entry();
    if (result != 0) {
        m_err << "veldo-register: " << entryName << " in " << path << " failed with 0x"
              << QString::number(static_cast<std::uint32_t>(result), 16) << ": "
              << registryProblem() << "\n";
        return 1;
    }
    if (!silent)
        m_out << entryName << " in " << path << " succeeded.\n";
    return 0;
}
