#include "BedSizing.h"

#include "CalcMethod.h"
#include "StorageSummary.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int MostChambers = std::numeric_limits<int16_t>::max();

// The bed of one layout, sharing the chamber table of the form's bed.
class LayoutBed
{
public:
    LayoutBed(const CalcRecord &form, BedModel bed, std::optional<double> elevation)
        : m_values(form.values), m_chamber(form.chamber), m_bed(std::move(bed)),
          m_elevation(elevation.value_or(std::numeric_limits<double>::infinity()))
    {
    }

    BedGeometry geometry(int rows, int perRow)
    {
        m_values.rows = static_cast<int16_t>(rows);
        m_values.cols = static_cast<int16_t>(perRow);
        return RectangularArrayMethod.bedGeometry(m_values, m_chamber);
    }

    double storage(int rows, int perRow)
    {
        const BedGeometry bed = geometry(rows, perRow);
        m_bed.chamberCount = bed.chambers;
        m_bed.planArea = bed.planArea;
        return m_bed.storageBelow(m_elevation);
    }

private:
    InputValues m_values;
    const ChamberDesignData &m_chamber;
    BedModel m_bed;
    double m_elevation;
};

// The most chambers per row a number of rows allows (0: none).
int mostPerRow(LayoutBed &bed, int rows, const SizingTarget &target)
{
    int most = std::min(MostChambers / rows, target.maxPerRow.value_or(MostChambers));
    if (target.maxLength) {
        // The length grows with the chambers per row: the largest that fits, found by halving.
        int low = 0;
        int high = most;
        while (low < high) {
            const int middle = low + (high - low + 1) / 2;
            if (bed.geometry(rows, middle).length <= *target.maxLength)
                low = middle;
            else
                high = middle - 1;
        }
        most = low;
    }
    return most;
}

SizedLayout layout(LayoutBed &bed, int rows, int perRow, const SizingTarget &target)
{
    const BedGeometry geometry = bed.geometry(rows, perRow);
    SizedLayout layout;
    layout.rows = rows;
    layout.chambersPerRow = perRow;
    layout.chambers = geometry.chambers;
    layout.length = geometry.length;
    layout.width = geometry.width;
    layout.planArea = geometry.planArea;
    layout.storage = bed.storage(rows, perRow);
    layout.surplus = (layout.storage - target.requiredStorage) / target.requiredStorage * 100.0;
    return layout;
}
} // namespace

SizingAnswer sizeRectangularArray(const CalcRecord &form, const SizingTarget &target)
{
    SizingAnswer answer;
    const Result<BedModel> described =
        describeBed(RectangularArrayMethod, form.values, form.chamber);
    if (!described)
        return answer;
    LayoutBed bed(form, *described, target.elevation);
    const int mostRows = std::min(MostChambers, target.maxRows.value_or(MostChambers));
    for (int rows = 1; rows <= mostRows; ++rows) {
        if (target.maxWidth && bed.geometry(rows, 1).width > *target.maxWidth)
            break;
        const int most = mostPerRow(bed, rows, target);
        if (most < 1)
            break;
        const double largest = bed.storage(rows, most);
        if (!(largest >= target.requiredStorage)) {
            answer.mostStorage = std::max(answer.mostStorage, largest);
            continue;
        }
        // The bed's storage grows with the chambers per row: the fewest that hold the target.
        int low = 1;
        int high = most;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (bed.storage(rows, middle) >= target.requiredStorage)
                high = middle;
            else
                low = middle + 1;
        }
        answer.layouts.push_back(layout(bed, rows, low, target));
        if (low == 1)
            break;
    }
    std::sort(answer.layouts.begin(), answer.layouts.end(),
              [](const SizedLayout &a, const SizedLayout &b) {
                  if (a.chambers != b.chambers)
                      return a.chambers < b.chambers;
                  if (a.planArea != b.planArea)
                      return a.planArea < b.planArea;
                  return a.rows < b.rows;
              });
    return answer;
}
