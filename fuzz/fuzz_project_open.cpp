// Any bytes as a project file on disk, through the open path the window and tessivane-calc
// use (read the file, decode, read the project), then written back as a save would write
// it: the written bytes must read back to the same document, and write the same bytes again.
// What opens is then calculated with the shipped chamber data.
#include "FuzzCalculation.h"
#include "NumberText.h"
#include "ProjectFileIO.h"
#include "ScratchDirectory.h"
#include "TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {
const std::string &scratchFile()
{
    static const std::string path = scratchDirectory() + "/p.tvc";
    return path;
}

// Numbers are kept to the file's seven significant digits, so they compare as written.
bool sameNumbers(const std::vector<float> &a, const std::vector<float> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (NumToText(a[i]) != NumToText(b[i]))
            return false;
    }
    return true;
}

bool sameDocument(const ProjectDocument &a, const ProjectDocument &b)
{
    const CalcInputs &x = a.inputs;
    const CalcInputs &y = b.inputs;
    const bool inputs =
        x.method == y.method && x.projectName == y.projectName &&
        x.chamberTypeIndex == y.chamberTypeIndex && x.numChambers == y.numChambers &&
        x.bedArea == y.bedArea && x.rows == y.rows && x.cols == y.cols &&
        x.foundationDepth == y.foundationDepth && x.coverThickness == y.coverThickness &&
        x.internalSpacing == y.internalSpacing && x.perimeterThickness == y.perimeterThickness &&
        x.porosity == y.porosity && x.baseElevation == y.baseElevation &&
        x.bottomAreaValue == y.bottomAreaValue;
    const ResultState &r = a.results;
    const ResultState &s = b.results;
    const bool results = r.ResultsValid == s.ResultsValid && r.EquivRows == s.EquivRows &&
                         sameNumbers(r.EquivStage, s.EquivStage) &&
                         sameNumbers(r.EquivArea, s.EquivArea) &&
                         sameNumbers({r.SystemLength, r.SystemWidth, r.BottomArea},
                                     {s.SystemLength, s.SystemWidth, s.BottomArea});
    return inputs && results && a.reportText == b.reportText;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        std::ofstream file(scratchFile(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
        if (!file)
            std::abort();
    }
    const Result<ProjectDocument> opened = openProjectFile(scratchFile());
    if (!opened)
        return 0;
    const ProjectDocument &document = *opened;
    const std::string written = encodeProjectText(WriteProjectFile(document));
    const Result<ProjectDocument> reread = ReadProjectFile(decodeProjectText(written));
    if (!reread || !sameDocument(document, *reread))
        std::abort();
    if (encodeProjectText(WriteProjectFile(*reread)) != written)
        std::abort();
    calculateAsTheCommandLineDoes(document.inputs, SHIPPED_DATA_DIR);
    return 0;
}
