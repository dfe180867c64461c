#include "flowlayout.h"

#include <QWidget>

FlowLayout::FlowLayout(QWidget *parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent), mHorizontalSpace(hSpacing), mVerticalSpace(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::FlowLayout(int margin, int hSpacing, int vSpacing)
    : mHorizontalSpace(hSpacing), mVerticalSpace(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    mItems.append(item);
}

int FlowLayout::count() const
{
    return mItems.size();
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return index >= 0 && index < mItems.size() ? mItems.at(index) : nullptr;
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    return index >= 0 && index < mItems.size() ? mItems.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrangeItems(QRect(0, 0, width, 0), true);
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrangeItems(rect, false);
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

QSize FlowLayout::minimumSize() const
{
    QSize size(-1, -1);
    for (const QLayoutItem *item : mItems)
        size = size.expandedTo(item->minimumSize());
    int left, top, right, bottom;
    getContentsMargins(&left, &top, &right, &bottom);
    return size + QSize(left + right, top + bottom);
}

int FlowLayout::horizontalGap() const
{
    return mHorizontalSpace >= 0 ? mHorizontalSpace : styleSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::verticalGap() const
{
    return mVerticalSpace >= 0 ? mVerticalSpace : styleSpacing(QStyle::PM_LayoutVerticalSpacing);
}

int FlowLayout::styleSpacing(QStyle::PixelMetric metric) const
{
    QObject *owner = parent();
    if (!owner)
        return -1;
    if (owner->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(owner);
        return widget->style()->pixelMetric(metric, nullptr, widget);
    }
    return static_cast<QLayout *>(owner)->spacing();
}

namespace {

// Gap beside an item when the layout has none of its own. Some styles give no
// pair spacing (-1), which would overlap the items; their plain layout
// spacing is used then, and nothing at all stands for no gap.
int itemGap(QLayoutItem *item, Qt::Orientation orientation)
{
    const QWidget *widget = item->widget();
    if (!widget)
        return 0;
    QStyle *style = widget->style();
    int gap = style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, orientation);
    if (gap < 0)
        gap = style->pixelMetric(orientation == Qt::Horizontal ? QStyle::PM_LayoutHorizontalSpacing
                                                               : QStyle::PM_LayoutVerticalSpacing,
                                 nullptr, widget);
    return qMax(0, gap);
}

} // namespace

int FlowLayout::arrangeItems(const QRect &rect, bool measureOnly) const
{
    int left, top, right, bottom;
    getContentsMargins(&left, &top, &right, &bottom);
    const QRect area = rect.adjusted(left, top, -right, -bottom);
    int x = area.x();
    int y = area.y();
    int rowHeight = 0;

    for (QLayoutItem *item : mItems) {
        int spaceX = horizontalGap();
        if (spaceX < 0)
            spaceX = itemGap(item, Qt::Horizontal);
        int spaceY = verticalGap();
        if (spaceY < 0)
            spaceY = itemGap(item, Qt::Vertical);

        const QSize hint = item->sizeHint();
        int nextX = x + hint.width() + spaceX;
        if (x + hint.width() - 1 > area.right() && rowHeight > 0) {
            x = area.x();
            y = y + rowHeight + spaceY;
            nextX = x + hint.width() + spaceX;
            rowHeight = 0;
        }
        if (!measureOnly)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x = nextX;
        rowHeight = qMax(rowHeight, hint.height());
    }
    return y + rowHeight - rect.y() + bottom;
}
