#include "screen/DesignMapping.h"

#include "base/Units.h"

#include <algorithm>
#include <cmath>

int DesignMapping::edge(int design) const
{
    return Units::toPixel(design * m_zoom);
}

QRect DesignMapping::toWindow(const QRect &design) const
{
    const int left = edge(design.x());
    const int top = edge(design.y());
    const auto extent = [](int from, int to, int designExtent) {
        return designExtent > 0 ? std::max(1, to - from) : 0;
    };
    return QRect(m_origin.x() + left, m_origin.y() + top,
        extent(left, edge(design.x() + design.width()), design.width()),
        extent(top, edge(design.y() + design.height()), design.height()));
}

QPoint DesignMapping::toWindow(QPoint design) const
{
    return m_origin + QPoint(edge(design.x()), edge(design.y()));
}

QRect DesignMapping::toDesign(const QRect &window) const
{
    const auto back = [this](int v) { return Units::toPixel(v / m_zoom); };
    const QPoint from = window.topLeft() - m_origin;
    const int left = back(from.x());
    const int top = back(from.y());
    return QRect(
        left, top, back(from.x() + window.width()) - left, back(from.y() + window.height()) - top);
}

QRect DesignMapping::covering(const QRect &design) const
{
    const auto lower = [this](int v) { return static_cast<int>(std::floor(v * m_zoom)); };
    const auto upper = [this](int v) { return static_cast<int>(std::ceil(v * m_zoom)); };
    return QRect(QPoint(lower(design.left()), lower(design.top())),
        QPoint(upper(design.right() + 1) - 1, upper(design.bottom() + 1) - 1))
        .translated(m_origin);
}
