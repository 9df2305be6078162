#include "ChamberLayers.h"

void convertChamberToFeet(ChamberDesignData &record)
{
    record.Width = single(record.Width / 12.0);
    record.Height = single(record.Height / 12.0);
    record.Length = single(record.Length / 12.0);
    for (float &stage : record.Stage)
        stage = single(stage / 12.0);
}

ChamberLayers::ChamberLayers(const ChamberDesignData &record)
{
    const std::size_t layers = record.Stage.size() - 1;
    DeltaStage.resize(layers);
    DeltaChamber.resize(layers);
    for (std::size_t i = 0; i < layers; ++i) {
        DeltaStage[i] = single(double(record.Stage[i + 1]) - record.Stage[i]);
        DeltaChamber[i] = single(double(record.Storage[i + 1]) - record.Storage[i]);
    }
}

void appendFoundationRows(std::vector<float> &stage, std::vector<float> &area,
                          const FoundationRows &rows)
{
    const float E0 = rows.baseElevation;
    if (rows.bottomAreaRow) {
        stage.push_back(E0);
        area.push_back(rows.bottomArea);
        stage.push_back(single(double(E0) + rows.firstRowHeight));
        area.push_back(rows.stoneArea);
    } else {
        stage.push_back(E0);
        area.push_back(rows.stoneArea);
    }
    stage.push_back(single(double(E0) + rows.foundationDepth));
    area.push_back(rows.stoneArea);
}

void appendCoverRows(std::vector<float> &stage, std::vector<float> &area, float coverThickness,
                     float stoneArea)
{
    const float lastChamberStage = stage.back();
    stage.push_back(single(double(lastChamberStage) + CoverRowHeight));
    area.push_back(stoneArea);
    stage.push_back(single(double(lastChamberStage) + coverThickness));
    area.push_back(stoneArea);
}
