#pragma once
#include "graphs/graph_data.h"

#include <QPainterPath>
#include <QRectF>

#include <vector>

class QPainter;

namespace fiscalia {

struct NumberSymbols;

// A drawn point: its bar or slice, for finding the point under the mouse.
struct ChartItem {
    QPainterPath shape;
    int index = 0;
};

// Draws one series as 2D bars, 3D bars or a 3D pie inside `rect`, on a
// screen widget, a QImage or a printer alike: title, left axis title, value
// axis with grouped tick labels, point labels (thinned out when they would
// overlap), and the bars or slices, in colour or in black-and-white
// patterns. Nothing is drawn outside `rect`. Returns the drawn points.
std::vector<ChartItem> paintChart(QPainter& painter, const QRectF& rect, const GraphSeries& series, bool colour,
                                  const NumberSymbols& symbols);

// The colour of point `index` (and of all year bars with index 0).
QColor chartColour(int index);

} // namespace fiscalia
