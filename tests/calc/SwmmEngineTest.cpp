// The exported SWMM files run in the real SWMM 5.2 engine, built from the reference source
// beside the checkout; without it these tests skip.
#include "Calculator.h"
#include "ProjectFileIO.h"
#include "RoutingExports.h"
#include "StorageSummary.h"

#include "SwmmFileReading.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <fstream>
#include <sstream>

namespace {
// The engine's toolkit, as its swmm5.h declares it.
constexpr int NodeObject = 2, NodeDepth = 303, NodeVolume = 305;

struct SwmmEngine
{
    int (*open)(const char *, const char *, const char *) = nullptr;
    int (*start)(int) = nullptr;
    int (*step)(double *) = nullptr;
    int (*end)() = nullptr;
    int (*close)() = nullptr;
    int (*getIndex)(int, const char *) = nullptr;
    double (*getValue)(int, int) = nullptr;

    // The engine build.sh made for this build folder, or nothing.
    static const SwmmEngine *load()
    {
        static const SwmmEngine *engine = []() -> SwmmEngine * {
            std::ifstream paths(SWMM_ENGINE_PATHS);
            std::string runner, library;
            if (!std::getline(paths, runner) || !std::getline(paths, library))
                return nullptr;
            void *handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!handle)
                return nullptr;
            auto *e = new SwmmEngine;
            const auto bind = [handle](auto &function, const char *name) {
                function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                    dlsym(handle, name));
                return function != nullptr;
            };
            if (!(bind(e->open, "swmm_open") && bind(e->start, "swmm_start") &&
                  bind(e->step, "swmm_step") && bind(e->end, "swmm_end") &&
                  bind(e->close, "swmm_close") && bind(e->getIndex, "swmm_getIndex") &&
                  bind(e->getValue, "swmm_getValue")))
                return nullptr;
            return e;
        }();
        return engine;
    }
};

struct NodeState
{
    int error = 0;
    double depth = 0;  // ft
    double volume = 0; // ft³
};

// Runs the model for the hours and gives the storage node's state then.
NodeState run(const SwmmEngine &swmm, const std::string &model, const std::string &node,
              double hours)
{
    test::TempDir dir;
    test::writeFile(dir.file("model.inp"), model);
    NodeState state;
    state.error = swmm.open(dir.file("model.inp").c_str(), dir.file("model.rpt").c_str(),
                            dir.file("model.out").c_str());
    if (state.error == 0)
        state.error = swmm.start(0);
    const int index = swmm.getIndex(NodeObject, node.c_str());
    for (double elapsed = 1e-9; state.error == 0 && elapsed > 0 && elapsed * 24 < hours - 1e-9;)
        state.error = swmm.step(&elapsed);
    state.depth = swmm.getValue(NodeDepth, index);
    state.volume = swmm.getValue(NodeVolume, index);
    swmm.end();
    swmm.close();
    return state;
}

// The line of the section whose first token is the name, with one token replaced.
std::string withToken(const std::string &model, const std::string &name, std::size_t token,
                      const std::string &value)
{
    const std::size_t at = model.find("\n" + name + " ") + 1;
    const std::size_t end = model.find("\r\n", at);
    std::vector<std::string> tokens = test::swmmTokens(model.substr(at, end - at));
    tokens.at(token) = value;
    std::string line;
    for (const std::string &t : tokens)
        line += t + " ";
    return model.substr(0, at) + line + model.substr(end);
}

// The depth at which the bed holds the volume.
double bedDepthHolding(const BedModel &bed, double volume)
{
    double low = 0, high = bed.top() - bed.baseElevation;
    for (int i = 0; i < 100; ++i) {
        const double middle = (low + high) / 2;
        (bed.storageBelow(bed.baseElevation + middle) < volume ? low : high) = middle;
    }
    return low;
}

CalcRecord example(const std::string &file)
{
    const Result<ProjectDocument> document =
        openProjectFile(std::string(EXAMPLES_DIR) + "/" + file);
    EXPECT_TRUE(document) << document.reason();
    const CalcOutcome outcome = test::calculateAnsweringYes(document->inputs, SHIPPED_DATA_DIR);
    EXPECT_EQ(outcome.status, CalcOutcome::Status::Done) << outcome.message;
    return *outcome.record;
}
} // namespace

// As exported the model runs; water routed in sits at the depth where the bed holds it,
// nothing leaving before the bed is full; at 1 in/hr the bed seeps through its plan area.
TEST(SwmmEngine, TheExamplesRunStoreAndSeepAsTheBedDoes)
{
    const SwmmEngine *swmm = SwmmEngine::load();
    if (!swmm)
        GTEST_SKIP() << "no SWMM engine (../shared/reference/swmm is not there)";
    // ft³ seeped in the hour: the plan area times 1 inch.
    for (const auto &[file, seepage] :
         {std::pair{"known-bed-area.tvc", 200.0}, {"rectangular-array.tvc", 105.07}}) {
        SCOPED_TRACE(file);
        const CalcRecord record = example(file);
        const BedModel bed = *describeBed(record);
        const auto exported =
            routingExportText(RoutingExport::SwmmStorageNode, record, {"Bed", std::nullopt});
        ASSERT_TRUE(exported) << exported.reason();
        EXPECT_EQ(run(*swmm, *exported, "Bed", 6).error, 0);

        const double full = bed.storageBelow(bed.top());
        for (const double share : {0.1, 0.5, 0.9}) {
            // A constant inflow that brings the share of the bed's storage in one hour.
            const double inflow = share * full / 3600;
            const NodeState state =
                run(*swmm, *exported + "\r\n[DWF]\r\nBed FLOW " + std::to_string(inflow) + "\r\n",
                    "Bed", 1);
            ASSERT_EQ(state.error, 0);
            EXPECT_NEAR(state.volume, share * full, 0.002 * full) << share;
            EXPECT_NEAR(state.depth, bedDepthHolding(bed, state.volume), 0.001) << share;
        }

        const auto seeping =
            routingExportText(RoutingExport::SwmmStorageNode, record, {"Bed", 1.0});
        ASSERT_TRUE(seeping);
        const double startDepth = bedDepthHolding(bed, 0.6 * full);
        const std::string model = withToken(*seeping, "Bed", 3, std::to_string(startDepth));
        const double before = bed.storageBelow(bed.baseElevation + startDepth);
        const NodeState after = run(*swmm, model, "Bed", 1);
        ASSERT_EQ(after.error, 0);
        const double bottom = test::SwmmFile(*seeping).curve("Bed_Curve").front().second;
        EXPECT_NEAR(bottom, bed.planArea, 0.0005);
        EXPECT_NEAR(before - after.volume, seepage, 0.002 * seepage);
    }
}
