#pragma once
// The order in which a search visits the board: column by column (columns
// outer, rows inner), each ascending or descending. The look-ahead's searches
// always scan ascending; the searches for the real move draw both directions
// at random for every scan, fallback scans included.

#include "core/ai/randomsource.h"

namespace zelvan {

struct ScanOrder {
    bool colsUp = true;  // columns 1..n, else n..1
    bool rowsUp = true;  // rows 1..n, else n..1
};

inline constexpr ScanOrder kFixedOrder{true, true};

// Where a random-order scan takes its directions from; asked once per scan.
class ScanDraw {
public:
    virtual ~ScanDraw() = default;
    virtual ScanOrder next() = 0;
};

// Two draws in 0..1: the first 0 means columns ascending, the second 0 rows
// ascending, so each of the four orders has probability one quarter.
class RandomScanDraw final : public ScanDraw {
public:
    explicit RandomScanDraw(RandomSource& random) : random_(random) {}
    ScanOrder next() override {
        const bool colsUp = random_.below(2) == 0;
        const bool rowsUp = random_.below(2) == 0;
        return {colsUp, rowsUp};
    }

private:
    RandomSource& random_;
};

// Given directions: the first scan gets `main`, every later one `fallback`.
class FixedScanDraw final : public ScanDraw {
public:
    FixedScanDraw(ScanOrder main, ScanOrder fallback) : main_(main), fallback_(fallback) {}
    ScanOrder next() override {
        const ScanOrder o = used_ ? fallback_ : main_;
        used_ = true;
        return o;
    }

private:
    ScanOrder main_;
    ScanOrder fallback_;
    bool used_ = false;
};

// Visits every cell of an n x n board in the given order; stops early when
// visit returns true.
template <class Visit> void scanBoard(int n, ScanOrder order, Visit visit) {
    const int colStep = order.colsUp ? 1 : -1;
    const int rowStep = order.rowsUp ? 1 : -1;
    const int firstCol = order.colsUp ? 1 : n;
    const int firstRow = order.rowsUp ? 1 : n;
    for (int i = 0, c = firstCol; i < n; ++i, c += colStep)
        for (int j = 0, r = firstRow; j < n; ++j, r += rowStep)
            if (visit(c, r)) return;
}

}  // namespace zelvan
