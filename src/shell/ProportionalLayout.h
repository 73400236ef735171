#pragma once

#include "DesignUnits.h"

#include <QLayout>
#include <QList>
#include <QRect>

namespace quillmere {

// Lays a window's controls out in proportion to its client area. Every control
// has a design rectangle in twips (15 to a pixel) for the window's reference
// size; x and width scale by the ratio of the client width to the reference
// width, y and height by the height ratio, always against the reference, so a
// client area of the reference size gives the design layout exactly.
class ProportionalLayout final : public QLayout {
    Q_OBJECT
public:
    explicit ProportionalLayout(QSize reference, QWidget *parent = nullptr);
    ~ProportionalLayout() override;

    void addWidget(QWidget *widget, const QRect &twips);

    // Where a design rectangle lands in a client area of the given size.
    static QRect scaled(const QRect &twips, QSize reference, QSize client);

    QSize reference() const { return m_reference; }

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    struct Entry {
        QLayoutItem *item;
        QRect twips;
    };

    QList<Entry> m_entries;
    QSize m_reference;
};

} // namespace quillmere
