// Any bytes as a project file: decoding and reading must never crash or hang, and a file
// that reads must write and read back to the same bytes. A stored result is then used as
// the window uses it without calculating again: the clipboard texts and the Storage tab's
// check against the bed of the stored inputs; then the inputs are calculated afresh. A design
// target is sized as the window's dialog sizes it: every layout holds the required storage,
// fewest chambers first.
#include "ClipboardText.h"
#include "DesignSession.h"
#include "FuzzCalculation.h"
#include "ProjectFile.h"
#include "StorageSummary.h"
#include "TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void sizeAsTheDialogDoes(const ProjectDocument &document)
{
    DesignSession session(SHIPPED_DATA_DIR);
    session.adopt(document);
    const DesignSession::Sizing sizing = session.sizeBed();
    if (!sizing.sized())
        return;
    const auto &layouts = sizing.answer.layouts;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        if (!(layouts[i].storage >= sizing.target.requiredStorage) ||
            (i > 0 && layouts[i].chambers < layouts[i - 1].chambers))
            std::abort();
    }
    if (layouts.empty() && !(sizing.answer.mostStorage < sizing.target.requiredStorage))
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const Result<ProjectDocument> read = ReadProjectFile(decodeProjectText(bytes));
    if (!read)
        return 0;
    const ProjectDocument &document = *read;
    const std::string written = encodeProjectText(WriteProjectFile(document));
    const Result<ProjectDocument> reread = ReadProjectFile(decodeProjectText(written));
    if (!reread)
        std::abort();
    if (encodeProjectText(WriteProjectFile(*reread)) != written)
        std::abort();

    calculateAsTheCommandLineDoes(document.inputs, SHIPPED_DATA_DIR);
    if (document.target.used())
        sizeAsTheDialogDoes(document);
    const ResultState &result = document.results;
    if (!result.ResultsValid)
        return 0;
    if (StageAreaClipboardText(result).empty() || LengthClipboardText(result).empty() ||
        WidthClipboardText(result).empty())
        std::abort();
    const CalcOutcome described =
        recordOfResult(document.inputs, SHIPPED_DATA_DIR, result, document.reportText);
    const StorageSummary summary =
        described.record ? summarizeStorage(*described.record) : summarizeStorage(result, nullptr);
    if (summary.rows.size() != result.rowCount())
        std::abort();
    return 0;
}
