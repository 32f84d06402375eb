#include "graphs/ChartPainter.h"

#include "app/number_format.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fiscalia {

namespace {

constexpr QRgb Palette[] = {0x3a6ea5, 0xe07b39, 0x5b9e4d, 0xc9453d, 0x8064a2, 0x4aa3a8, 0xd4a72c, 0x9b5b3a,
                            0x6c7a89, 0xd16ba5, 0x2e8b57, 0x7f8c1f};
constexpr Qt::BrushStyle Patterns[] = {Qt::SolidPattern,  Qt::BDiagPattern, Qt::Dense4Pattern, Qt::FDiagPattern,
                                       Qt::CrossPattern,  Qt::HorPattern,   Qt::DiagCrossPattern,
                                       Qt::VerPattern,    Qt::Dense6Pattern, Qt::Dense2Pattern};

QString qstr(const std::string& s) { return QString::fromStdString(s); }

QBrush pointBrush(int index, bool colour, int shade = 0)
{
    if (colour) {
        QColor c = chartColour(index);
        if (shade > 0)
            c = c.lighter(100 + shade);
        else if (shade < 0)
            c = c.darker(100 - shade);
        return QBrush(c);
    }
    const Qt::BrushStyle style = Patterns[static_cast<std::size_t>(index) % std::size(Patterns)];
    if (style == Qt::SolidPattern)
        return QBrush(shade > 0 ? QColor(200, 200, 200) : shade < 0 ? QColor(90, 90, 90) : QColor(140, 140, 140));
    return QBrush(shade < 0 ? QColor(60, 60, 60) : Qt::black, style);
}

// A "nice" step for about `count` intervals over `span`.
double niceStep(double span, int count)
{
    if (span <= 0)
        return 1;
    const double raw = span / count;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    const double nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 2.5 ? 2.5 : fraction <= 5 ? 5 : 10;
    return nice * magnitude;
}

// The value axis: from low to high in `ticks` steps. The ticks are counted,
// never reached by adding steps to a double, which may not move when the step
// is below the spacing of doubles at the values drawn.
struct ValueAxis {
    double low = 0;
    double high = 1;
    double step = 1;
    int ticks = 1;
    double at(int k) const { return low + step * k; }
};

ValueAxis valueAxis(const std::vector<double>& values)
{
    // The axis always shows 0; values beyond what can be drawn count as the
    // largest that can.
    constexpr double Largest = 1e300;
    double low = 0, high = 0;
    for (double v : values) {
        if (std::isnan(v))
            continue;
        v = std::clamp(v, -Largest, Largest);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    if (!(high > low))
        high = low + 1;
    ValueAxis axis;
    axis.step = niceStep(high - low, 6);
    if (!std::isfinite(axis.step) || axis.step <= 0)
        axis.step = (high - low) / 6;
    axis.low = std::floor(low / axis.step) * axis.step;
    axis.high = std::ceil(high / axis.step) * axis.step;
    const double steps = (axis.high - axis.low) / axis.step;
    axis.ticks = std::isfinite(steps) ? static_cast<int>(std::clamp(std::llround(steps), 1LL, 1000LL)) : 1;
    if (!(axis.high > axis.low)) {
        axis.low = low;
        axis.high = high;
    }
    return axis;
}

QString tickText(double value, double step, const NumberSymbols& symbols)
{
    const char* pattern = step >= 1 ? "#,,##0" : step >= 0.1 ? "#,,##0.0" : "#,,##0.00";
    if (std::fabs(value) < step * 1e-9)
        value = 0;
    if (std::fabs(value) >= 1e15) {
        // Beyond a thousand million million the axis speaks in powers of ten.
        QString text = QString::number(value, 'g', 6);
        return text.replace(QLatin1Char('.'), qstr(symbols.decimal));
    }
    return qstr(formatNumber(value, pattern, symbols));
}

struct Fonts {
    QFont title, axis, labels;
};

Fonts fontsFor(const QPainter& painter, const QRectF& rect)
{
    // Sizes follow the drawing's height, so a printed graph looks as on screen.
    Fonts f;
    const qreal unit = std::clamp(rect.height() / 34.0, 6.0, 400.0);
    f.title = painter.font();
    f.title.setPixelSize(std::max(1, int(unit * 1.35)));
    f.title.setBold(true);
    f.axis = painter.font();
    f.axis.setPixelSize(std::max(1, int(unit * 0.95)));
    f.labels = f.axis;
    f.labels.setPixelSize(std::max(1, int(unit * 0.9)));
    return f;
}

std::vector<ChartItem> paintBars(QPainter& p, const QRectF& area, const GraphSeries& s, bool colour,
                                 const NumberSymbols& symbols, const Fonts& fonts, bool threeD, bool onePerColour)
{
    std::vector<ChartItem> items;
    const int n = static_cast<int>(s.values.size());
    const ValueAxis axis = valueAxis(s.values);
    const double low = axis.low, high = axis.high, step = axis.step;

    // Margins: the left axis title and tick labels, the point labels below.
    const QFontMetricsF axisMetrics(fonts.axis);
    const QFontMetricsF labelMetrics(fonts.labels);
    qreal tickWidth = 0;
    for (int k = 0; k <= axis.ticks; ++k)
        tickWidth = std::max(tickWidth, axisMetrics.horizontalAdvance(tickText(axis.at(k), step, symbols)));
    const qreal left = area.left() + axisMetrics.height() * 1.6 + tickWidth + axisMetrics.averageCharWidth();
    const qreal right = area.right() - axisMetrics.averageCharWidth() * 2;
    const qreal top = area.top() + axisMetrics.height() * 0.6;
    qreal longestLabel = 0;
    for (const auto& label : s.labels)
        longestLabel = std::max(longestLabel, labelMetrics.horizontalAdvance(qstr(label)));
    const qreal slot = n > 0 ? (right - left) / n : (right - left);
    // Labels lie flat when they fit, else slanted.
    const bool slanted = n > 0 && longestLabel > slot * 0.95 && longestLabel > labelMetrics.height() * 2.5;
    const qreal labelBand = slanted ? std::min(longestLabel * 0.75 + labelMetrics.height(), area.height() * 0.35)
                                    : labelMetrics.height() * 1.6;
    const qreal bottom = area.bottom() - labelBand;
    if (right <= left || bottom <= top)
        return items;
    const QRectF plot(QPointF(left, top), QPointF(right, bottom));
    auto yOf = [&](double v) {
        const double share = std::clamp((v - low) / (high - low), -1.0, 2.0);
        return plot.bottom() - (std::isfinite(share) ? share : 0.0) * plot.height();
    };

    // Grid lines and tick labels.
    p.setFont(fonts.axis);
    for (int k = 0; k <= axis.ticks; ++k) {
        const double t = axis.at(k);
        const qreal y = yOf(t);
        p.setPen(QPen(QColor(220, 220, 220), 0));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(Qt::black);
        const QString text = tickText(t, step, symbols);
        p.drawText(QRectF(area.left(), y - axisMetrics.height(), left - area.left() - axisMetrics.averageCharWidth() * 0.6,
                          axisMetrics.height() * 2),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    }
    // The left axis title, turned up the axis.
    p.save();
    p.translate(area.left() + axisMetrics.ascent(), plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -axisMetrics.ascent(), plot.height(), axisMetrics.height()),
               Qt::AlignCenter, qstr(s.axisTitle));
    p.restore();

    // The axes: the value axis and the zero line.
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(plot.topLeft(), plot.bottomLeft());
    const qreal zero = yOf(std::clamp(0.0, low, high));
    p.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));

    if (n == 0)
        return items;
    const qreal barWidth = std::max<qreal>(1, slot * (threeD ? 0.58 : 0.66));
    const qreal depth = threeD ? std::min(barWidth * 0.45, plot.height() * 0.06) : 0;
    // Every k-th label, so that labels never run into each other.
    const qreal needed = slanted ? labelMetrics.height() * 1.2 : longestLabel + labelMetrics.averageCharWidth() * 1.5;
    const int every = std::max(1, int(std::ceil(needed / std::max<qreal>(slot, 1e-9))));
    p.setFont(fonts.labels);
    for (int i = 0; i < n; ++i) {
        const double v = s.values[static_cast<std::size_t>(i)];
        const qreal x = plot.left() + slot * i + (slot - barWidth - depth) / 2;
        const qreal y = yOf(v);
        QRectF bar(QPointF(x, std::min(y, zero)), QPointF(x + barWidth, std::max(y, zero)));
        const int colourIndex = onePerColour ? 0 : i;
        p.setPen(QPen(colour ? chartColour(colourIndex).darker(150) : Qt::black, 0));
        QPainterPath shape;
        shape.addRect(bar);
        if (threeD && bar.height() >= 0) {
            QPolygonF topFace{QPointF(bar.left(), bar.top()), QPointF(bar.left() + depth, bar.top() - depth),
                              QPointF(bar.right() + depth, bar.top() - depth), QPointF(bar.right(), bar.top())};
            QPolygonF side{QPointF(bar.right(), bar.top()), QPointF(bar.right() + depth, bar.top() - depth),
                           QPointF(bar.right() + depth, bar.bottom() - depth), QPointF(bar.right(), bar.bottom())};
            p.setBrush(pointBrush(colourIndex, colour, -40));
            p.drawPolygon(side);
            p.setBrush(pointBrush(colourIndex, colour, 40));
            p.drawPolygon(topFace);
            shape.addPolygon(topFace);
            shape.addPolygon(side);
        }
        p.setBrush(pointBrush(colourIndex, colour));
        p.drawRect(bar);
        items.push_back({shape.simplified(), i});

        if (i % every == 0) {
            p.setPen(Qt::black);
            const QString label = qstr(s.labels[static_cast<std::size_t>(i)]);
            const qreal cx = plot.left() + slot * (i + 0.5);
            if (slanted) {
                p.save();
                p.translate(cx, plot.bottom() + labelMetrics.ascent() * 0.4);
                p.rotate(-40);
                const qreal w = std::min(labelMetrics.horizontalAdvance(label), labelBand * 1.3);
                p.drawText(QRectF(-w, 0, w, labelMetrics.height()), Qt::AlignRight | Qt::AlignTop,
                           labelMetrics.elidedText(label, Qt::ElideRight, w));
                p.restore();
            } else {
                p.drawText(QRectF(cx - slot * every / 2, plot.bottom() + labelMetrics.height() * 0.2, slot * every,
                                  labelMetrics.height()),
                           Qt::AlignHCenter | Qt::AlignTop, label);
            }
        }
    }
    return items;
}

std::vector<ChartItem> paintPie(QPainter& p, const QRectF& area, const GraphSeries& s, bool colour, const Fonts& fonts,
                                const NumberSymbols& symbols)
{
    std::vector<ChartItem> items;
    double total = 0;
    for (double v : s.values)
        total += std::max(0.0, v);
    const QFontMetricsF metrics(fonts.labels);
    // The labels get the room their longest text needs, up to a quarter of
    // the width on each side; the pie takes the rest.
    qreal longest = 0;
    for (std::size_t i = 0; i < s.values.size(); ++i)
        longest = std::max(longest, metrics.horizontalAdvance(qstr(s.labels[i]) + QStringLiteral(" 100.0%")));
    const qreal labelRoom = std::min(longest + metrics.height() * 1.5, area.width() * 0.25);
    // The pie is tilted: an ellipse half as high as wide, with a rim below.
    qreal width = std::min(area.width() - 2 * labelRoom, (area.height() - metrics.height() * 3) / 0.62);
    if (width <= 10)
        width = std::max<qreal>(10, area.width() * 0.5);
    const qreal height = width * 0.5;
    const qreal depth = width * 0.08;
    const QRectF top(area.center().x() - width / 2, area.center().y() - (height + depth) / 2, width, height);
    if (total <= 0) {
        p.setPen(QPen(Qt::gray, 0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(top);
        return items;
    }

    // Slices from 90 degrees clockwise, as their angles in the ellipse.
    struct Slice {
        int index;
        double start, span; // degrees, counter-clockwise as Qt counts
    };
    std::vector<Slice> slices;
    double angle = 90;
    for (int i = 0; i < static_cast<int>(s.values.size()); ++i) {
        const double v = std::max(0.0, s.values[static_cast<std::size_t>(i)]);
        if (v <= 0)
            continue;
        const double span = v / total * 360.0;
        slices.push_back({i, angle - span, span});
        angle -= span;
    }

    // The rim: the front half (180..360 degrees) of every slice, pushed down.
    for (const Slice& slice : slices) {
        for (double a0 = slice.start; a0 < slice.start + slice.span;) {
            const double a1 = std::min(slice.start + slice.span, std::floor(a0 / 180.0) * 180.0 + 180.0);
            const double mid = std::fmod(std::fmod((a0 + a1) / 2, 360.0) + 360.0, 360.0);
            if (mid > 180) {
                QPainterPath rim;
                rim.arcMoveTo(top, a0);
                rim.arcTo(top, a0, a1 - a0);
                QPainterPath lower;
                lower.arcMoveTo(top.translated(0, depth), a1);
                lower.arcTo(top.translated(0, depth), a1, a0 - a1);
                rim.lineTo(lower.pointAtPercent(0));
                rim.connectPath(lower);
                rim.closeSubpath();
                p.setPen(QPen(colour ? chartColour(slice.index).darker(170) : Qt::black, 0));
                p.setBrush(pointBrush(slice.index, colour, -45));
                p.drawPath(rim);
            }
            a0 = a1;
        }
    }
    // The top of the pie and the slice labels.
    p.setFont(fonts.labels);
    for (const Slice& slice : slices) {
        QPainterPath path;
        path.moveTo(top.center());
        path.arcTo(top, slice.start, slice.span);
        path.closeSubpath();
        p.setPen(QPen(colour ? chartColour(slice.index).darker(170) : Qt::black, 0));
        p.setBrush(pointBrush(slice.index, colour));
        p.drawPath(path);
        items.push_back({path, slice.index});

        const double mid = (slice.start + slice.span / 2) * std::numbers::pi / 180.0;
        const QPointF edge(top.center().x() + std::cos(mid) * width / 2, top.center().y() - std::sin(mid) * height / 2);
        const QPointF out(top.center().x() + std::cos(mid) * (width / 2 + metrics.height()),
                          top.center().y() - std::sin(mid) * (height / 2 + metrics.height())
                              + (std::sin(mid) < 0 ? depth : 0));
        p.setPen(QPen(Qt::darkGray, 0));
        p.drawLine(edge, out);
        p.setPen(Qt::black);
        const double share = s.values[static_cast<std::size_t>(slice.index)] / total * 100.0;
        const QString text = QStringLiteral("%1 %2%")
                                 .arg(qstr(s.labels[static_cast<std::size_t>(slice.index)]),
                                      qstr(formatNumber(share, "##0.0", symbols)));
        const bool rightSide = std::cos(mid) >= 0;
        const QString shown = metrics.elidedText(text, Qt::ElideRight, labelRoom * 0.95);
        const qreal w = metrics.horizontalAdvance(shown);
        const QRectF box(rightSide ? out.x() + 2 : out.x() - w - 2, out.y() - metrics.height() / 2, w + 1,
                         metrics.height());
        p.drawText(box, Qt::AlignVCenter | (rightSide ? Qt::AlignLeft : Qt::AlignRight), shown);
    }
    return items;
}

} // namespace

QColor chartColour(int index)
{
    return QColor::fromRgb(Palette[static_cast<std::size_t>(std::abs(index)) % std::size(Palette)]);
}

std::vector<ChartItem> paintChart(QPainter& p, const QRectF& rect, const GraphSeries& series, bool colour,
                                  const NumberSymbols& symbols)
{
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(rect, Qt::white);
    const Fonts fonts = fontsFor(p, rect);
    const QFontMetricsF titleMetrics(fonts.title);
    const qreal margin = rect.height() / 40.0;
    const QRectF inner = rect.adjusted(margin, margin, -margin, -margin);
    p.setFont(fonts.title);
    p.setPen(Qt::black);
    const QRectF titleBox(inner.left(), inner.top(), inner.width(), titleMetrics.height() * 1.3);
    p.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop,
               titleMetrics.elidedText(qstr(series.title), Qt::ElideRight, inner.width()));
    const QRectF body(inner.left(), titleBox.bottom(), inner.width(), inner.bottom() - titleBox.bottom());

    std::vector<ChartItem> items;
    if (series.type == ChartType::Pie3D) {
        items = paintPie(p, body, series, colour, fonts, symbols);
    } else {
        // A single set of year bars takes one colour; comparisons and funds
        // one colour a point.
        const bool years = !series.labels.empty() && std::all_of(series.labels.begin(), series.labels.end(),
                                                                  [](const std::string& l) {
                                                                      return !l.empty() && l.find_first_not_of("0123456789") == std::string::npos;
                                                                  });
        items = paintBars(p, body, series, colour, symbols, fonts, series.type == ChartType::Bar3D, years);
    }
    p.restore();
    return items;
}

} // namespace fiscalia
