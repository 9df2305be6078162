#include "BedQuantities.h"

#include "CalcMethod.h"
#include "StorageSummary.h"

Result<DesignFigures> designFigures(const CalcRecord &record, std::optional<double> elevation,
                                    std::optional<double> infiltrationRate)
{
    const CalcMethod *method = calcMethod(record.inputs.method);
    if (!method)
        return Failure{"The inputs do not describe a bed that calculates."};
    const Result<BedModel> described = describeBed(*method, record.values, record.chamber);
    if (!described)
        return described.failure();
    const BedModel &bed = *described;
    const BedGeometry geometry = method->bedGeometry(record.values, record.chamber);

    DesignFigures figures;
    BedQuantities &q = figures.quantities;
    q.chambers = bed.chamberCount;
    q.planArea = bed.planArea;
    const double chamberHeight = bed.chamberHeight.empty() ? 0.0 : bed.chamberHeight.back();
    q.bedHeight = bed.foundationDepth + chamberHeight + bed.coverThickness;
    q.excavation = q.planArea * q.bedHeight;
    // The chambers' storage stands for the volume they displace, as the calculation assumes.
    const double displaced =
        bed.chamberStorage.empty() ? 0.0 : bed.chamberCount * bed.chamberStorage.back();
    q.stoneVolume = q.excavation - displaced;
    q.geotextile = 2 * q.planArea;
    if (method->hasSystemDimensions) {
        q.geotextile += 2 * (geometry.length + geometry.width) * q.bedHeight;
        q.geotextileHasSides = true;
    }

    const double whole = bed.storageBelow(bed.top());
    if (elevation) {
        const double storage = bed.storageBelow(*elevation);
        figures.below = StorageBelow{*elevation, storage, whole > 0 ? storage / whole : 0};
    }
    if (infiltrationRate) {
        const double outflow = *infiltrationRate / 12.0 * q.planArea; // ft³/hr
        Drawdown drawdown;
        drawdown.rate = *infiltrationRate;
        drawdown.fullBedHours = whole / outflow;
        if (figures.below)
            drawdown.belowHours = figures.below->storage / outflow;
        figures.drawdown = drawdown;
    }
    return figures;
}
