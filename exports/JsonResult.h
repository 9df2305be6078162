#pragma once

#include <string>

struct ResultExport;

// The result as one JSON document for scripts: program and version, project, method, the
// inputs as the numbers the calculation used, the chamber data, the system size (method #2
// only), the equivalent pond table and the storage table with its summary.
std::string jsonResultText(const ResultExport &data);
