// The shipped chamber data files must be exactly what their stated geometry gives.
#include "ChamberArch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

namespace {

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Items after line 1, split at commas, blanks and line ends as the data file format says.
std::vector<double> numericItems(const std::string &text)
{
    std::vector<double> items;
    const auto firstLineEnd = text.find('\n');
    std::string token;
    auto flush = [&] {
        if (!token.empty())
            items.push_back(std::stod(token));
        token.clear();
    };
    for (std::size_t i = firstLineEnd + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',' || c == ' ' || c == '\r' || c == '\n')
            flush();
        else
            token += c;
    }
    flush();
    return items;
}

// Midpoint-rule volume of the elliptical arch, independent of the closed form.
double integratedStorage(const ChamberGeometry &g, double depth)
{
    const int steps = 20000;
    double area = 0;
    const double h = std::min(depth, g.insideHeight);
    for (int i = 0; i < steps; ++i) {
        const double y = (i + 0.5) * h / steps;
        const double r = y / g.insideHeight;
        area += g.insideWidth * std::sqrt(1 - r * r) * h / steps;
    }
    return area * g.insideLength / 1728.0;
}

class ShippedModel : public ::testing::TestWithParam<int>
{
protected:
    ChamberArch model() const { return ChamberArch::shippedModels().at(GetParam()); }
};

TEST_P(ShippedModel, CommittedFileMatchesDerivationByteForByte)
{
    const auto m = model();
    const std::string path = std::string(TESSIVANE_DATA_DIR) + "/" + m.geometry().name + ".dat";
    const std::string committed = readFile(path);
    ASSERT_FALSE(committed.empty()) << path << " is missing; run tessivane-chamber-tables data";
    EXPECT_EQ(committed, m.dataFileText())
        << path << " differs from its derivation; regenerate it with tessivane-chamber-tables";
}

TEST_P(ShippedModel, FileFollowsTheDataFormat)
{
    const auto m = model();
    const std::string text = m.dataFileText();
    // Every line ends with CR LF.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");

    const auto items = numericItems(text);
    ASSERT_GE(items.size(), 4u);
    EXPECT_EQ(items[0], m.geometry().outsideWidth);
    EXPECT_EQ(items[1], m.geometry().outsideHeight);
    EXPECT_EQ(items[2], m.geometry().outsideLength);
    const auto numPoints = static_cast<std::size_t>(items[3]);
    ASSERT_GE(numPoints, 2u);
    ASSERT_EQ(items.size(), 4 + 2 * numPoints);
    // One row per inch from the base to the top of the chamber.
    EXPECT_EQ(numPoints, static_cast<std::size_t>(m.geometry().outsideHeight) + 1);
    EXPECT_EQ(items[4], 0.0);
    EXPECT_EQ(items[4 + 2 * (numPoints - 1)], m.geometry().outsideHeight);
    for (std::size_t row = 1; row < numPoints; ++row) {
        const double stage = items[4 + 2 * row], previousStage = items[2 + 2 * row];
        const double storage = items[5 + 2 * row], previousStorage = items[3 + 2 * row];
        EXPECT_GT(stage, previousStage) << "row " << row + 1;
        EXPECT_GE(storage, previousStorage) << "row " << row + 1;
    }
    EXPECT_NEAR(items.back(), m.fullVolume(), 0.005);
}

TEST_P(ShippedModel, ClosedFormAgreesWithNumericIntegration)
{
    const auto m = model();
    const auto &g = m.geometry();
    for (double depth : {0.0, 1.0, g.insideHeight / 2, g.insideHeight - 1, g.insideHeight})
        EXPECT_NEAR(m.storageAt(depth), integratedStorage(g, depth), 1e-4) << "depth " << depth;
    EXPECT_NEAR(m.storageAt(g.insideHeight), m.fullVolume(), 1e-9);
    // Above the crown the chamber holds no more water.
    EXPECT_DOUBLE_EQ(m.storageAt(g.outsideHeight), m.fullVolume());
}

INSTANTIATE_TEST_SUITE_P(Models, ShippedModel, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int> &param) {
                             return param.param == 0 ? "RX160" : "RX300";
                         });

TEST(ChamberArch, ModelsAreTheTwoListEntriesOfDifferentSizes)
{
    const auto models = ChamberArch::shippedModels();
    ASSERT_EQ(models.size(), 2u);
    EXPECT_EQ(models[0].geometry().name, "RX-160");
    EXPECT_EQ(models[1].geometry().name, "RX-300");
    EXPECT_NEAR(models[0].geometry().outsideHeight, 16, 2);
    EXPECT_NEAR(models[1].geometry().outsideHeight, 30, 2);
    EXPECT_GT(models[1].fullVolume(), 2 * models[0].fullVolume());
}

TEST(ChamberArch, RefusesImpossibleGeometry)
{
    EXPECT_THROW(ChamberArch({"X", 30, 16, 85, 31, 15, 81}), std::invalid_argument);
    EXPECT_THROW(ChamberArch({"X", 30, 16, 85, 29, 0, 81}), std::invalid_argument);
    EXPECT_THROW(ChamberArch({"X", 30, 16, 80, 29, 15, 81}), std::invalid_argument);
}

TEST(ChamberArch, FractionalHeightEndsTheTableAtTheTop)
{
    const ChamberArch arch({"X", 20, 10.5, 40, 18, 10, 36});
    const auto rows = arch.table();
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[10].stageInches, 10);
    EXPECT_EQ(rows[11].stageInches, 10.5);
}

} // namespace
