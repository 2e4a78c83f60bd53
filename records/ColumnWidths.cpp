#include "records/ColumnWidths.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <optional>

namespace kilnward::records {

namespace {

// A cell's padding and rule on both sides, with room to spare for rounding.
constexpr double kCellExtraPoints = 8.0;
// Measured at a large size, so the widths do not depend on a screen's resolution or hinting.
constexpr int kMeasurePixels = 1000;

class Measure {
  public:
    explicit Measure(const QFont& font, bool bold) : points_(font.pointSizeF()) {
        QFont measured = font;
        measured.setPixelSize(kMeasurePixels);
        measured.setBold(bold);
        metrics_.emplace(measured);
    }

    // The text's width in points on one line.
    double line(const QString& text) const {
        return metrics_->horizontalAdvance(text) * points_ / kMeasurePixels;
    }
    // The width of its longest word in points.
    double longestWord(const QString& text) const {
        static const QRegularExpression space(QStringLiteral("\\s+"));
        double widest = 0.0;
        for (const QString& word : text.split(space, Qt::SkipEmptyParts)) {
            widest = std::max(widest, line(word));
        }
        return widest;
    }

  private:
    double points_;
    std::optional<QFontMetricsF> metrics_;
};

}  // namespace

ColumnLayout SizeColumns(const QStringList& headers, const std::vector<QStringList>& rows,
                         const QFont& font, double widthPoints, double leastPoints) {
    std::size_t columns = static_cast<std::size_t>(headers.size());
    for (const QStringList& row : rows) {
        columns = std::max(columns, static_cast<std::size_t>(row.size()));
    }
    ColumnLayout layout{{}, font.pointSizeF()};
    if (columns == 0) {
        return layout;
    }
    const Measure plain(font, false);
    const Measure bold(font, true);
    std::vector<double> least(columns, kCellExtraPoints);
    std::vector<double> whole(columns, kCellExtraPoints);
    const auto take = [&](const QStringList& cells, const Measure& measure) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const auto c = static_cast<std::size_t>(i);
            least[c] = std::max(least[c], measure.longestWord(cells[i]) + kCellExtraPoints);
            whole[c] = std::max(whole[c], measure.line(cells[i]) + kCellExtraPoints);
        }
    };
    take(headers, bold);
    for (const QStringList& row : rows) {
        take(row, plain);
    }
    const double leastSum = std::accumulate(least.begin(), least.end(), 0.0);
    const double wholeSum = std::accumulate(whole.begin(), whole.end(), 0.0);
    const double padding = kCellExtraPoints * static_cast<double>(columns);
    if (leastSum > widthPoints && leastSum > padding) {
        // The words scale with the text, the padding does not.
        const double scale = std::max(leastPoints / layout.fontPoints,
                                      (widthPoints - padding) / (leastSum - padding));
        layout.fontPoints *= scale;
        for (double& width : least) {
            width = kCellExtraPoints + (width - kCellExtraPoints) * scale;
        }
    }
    std::vector<double> widths(columns);
    for (std::size_t c = 0; c < columns; ++c) {
        if (wholeSum <= widthPoints) {
            widths[c] = whole[c];  // everything on one line
        } else if (leastSum >= widthPoints) {
            widths[c] = least[c];  // only room for the longest words
        } else {
            widths[c] =
                least[c] + (whole[c] - least[c]) * (widthPoints - leastSum) / (wholeSum - leastSum);
        }
    }
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    for (double& width : widths) {
        layout.shares.push_back(100.0 * width / total);
    }
    return layout;
}

}  // namespace kilnward::records
