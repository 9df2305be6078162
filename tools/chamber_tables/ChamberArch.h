#pragma once

#include <string>
#include <vector>

// The stated geometry of one chamber model and the stage-storage table derived from it.
// The inside of the chamber is a half ellipse (an elliptical arch) standing on its base:
// the base is the major axis, the crown is the top of the minor semi-axis. The cross-section
// is constant over the inside length between the two end caps.
struct ChamberGeometry
{
    std::string name;        // list entry, also the file name without ".dat"
    double outsideWidth = 0; // inches, across the row
    double outsideHeight = 0;
    double outsideLength = 0; // laid length along the row
    double insideWidth = 0;   // inches, width of the arch at its base
    double insideHeight = 0;  // inches, base to crown
    double insideLength = 0;  // inches, between the inner faces of the end caps
};

struct StageStorageRow
{
    double stageInches = 0;
    double storageCubicFeet = 0;
};

class ChamberArch
{
public:
    explicit ChamberArch(ChamberGeometry geometry);

    const ChamberGeometry &geometry() const { return m_geometry; }

    // Wetted cross-section area (in^2) of the arch filled to the given depth (inches).
    double wettedArea(double depthInches) const;
    // Water held by one chamber filled to the given depth, ft^3.
    double storageAt(double depthInches) const;
    // Full inside volume, ft^3 (closed form: pi/4 * Wi * Hi * Li / 1728).
    double fullVolume() const;
    // One row per whole inch from 0 up to the outside height.
    std::vector<StageStorageRow> table() const;
    // The chamber design data file text, CR LF line ends.
    std::string dataFileText() const;

    // The two shipped models.
    static std::vector<ChamberArch> shippedModels();

private:
    ChamberGeometry m_geometry;
};
