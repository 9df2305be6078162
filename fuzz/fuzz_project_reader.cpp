// Any bytes as a project file: decoding and reading must never crash or hang, and a file
// that reads must write and read back to the same bytes.
#include "ProjectFile.h"
#include "TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    ProjectDocument document;
    if (!ReadProjectFile(decodeProjectText(bytes), document).ok())
        return 0;
    const std::string written = encodeProjectText(WriteProjectFile(document));
    ProjectDocument reread;
    if (!ReadProjectFile(decodeProjectText(written), reread).ok())
        std::abort();
    if (encodeProjectText(WriteProjectFile(reread)) != written)
        std::abort();
    return 0;
}
