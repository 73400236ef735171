#include "ProportionalLayout.h"

#include <QWidget>
#include <cmath>

namespace quillmere {

ProportionalLayout::ProportionalLayout(QSize reference, QWidget *parent) : QLayout(parent), m_reference(reference)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

ProportionalLayout::~ProportionalLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void ProportionalLayout::addWidget(QWidget *widget, const QRect &twips)
{
    addChildWidget(widget);
    m_entries.append({new QWidgetItem(widget), twips});
    invalidate();
}

void ProportionalLayout::addItem(QLayoutItem *item)
{
    // An item without a design rectangle sits at the top left, empty.
    m_entries.append({item, QRect()});
}

QLayoutItem *ProportionalLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).item : nullptr;
}

QLayoutItem *ProportionalLayout::takeAt(int index)
{
    return index >= 0 && index < m_entries.size() ? m_entries.takeAt(index).item : nullptr;
}

int ProportionalLayout::count() const
{
    return int(m_entries.size());
}

QSize ProportionalLayout::sizeHint() const
{
    return m_reference;
}

QSize ProportionalLayout::minimumSize() const
{
    // Small enough to shrink a window well below its design size, large enough
    // that nothing collapses to nothing.
    return m_reference / 4;
}

QRect ProportionalLayout::scaled(const QRect &twips, QSize reference, QSize client)
{
    // Each edge is scaled and rounded on its own, so controls that touch in the
    // design still touch after scaling.
    const double sx = double(client.width()) / (double(reference.width()) * TwipsPerPixel);
    const double sy = double(client.height()) / (double(reference.height()) * TwipsPerPixel);
    const auto edge = [](int at, double scale) { return int(std::lround(at * scale)); };
    const int left = edge(twips.left(), sx);
    const int top = edge(twips.top(), sy);
    const int right = edge(twips.left() + twips.width(), sx);
    const int bottom = edge(twips.top() + twips.height(), sy);
    return QRect(left, top, right - left, bottom - top);
}

void ProportionalLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    for (const Entry &entry : std::as_const(m_entries)) {
        const QRect target = scaled(entry.twips, m_reference, rect.size()).translated(rect.topLeft());
        // Widgets are placed directly, hidden ones too, and without the size
        // limits a widget item would impose: the design rectangle is the size.
        if (QWidget *widget = entry.item->widget())
            widget->setGeometry(target);
        else
            entry.item->setGeometry(target);
    }
}

} // namespace quillmere
