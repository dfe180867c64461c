#ifndef FLOWLAYOUT_H
#define FLOWLAYOUT_H

#include <QLayout>
#include <QList>
#include <QStyle>

// Places its items left to right at their preferred sizes and starts a new row
// when the next item would cross the right edge, so its height follows its width.
class FlowLayout : public QLayout
{
public:
    // A negative gap is taken from the parent widget's style, the parent
    // layout's spacing or, without a parent, from each item widget's style.
    explicit FlowLayout(QWidget *parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    explicit FlowLayout(int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    Qt::Orientations expandingDirections() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

    int horizontalGap() const;
    int verticalGap() const;

private:
    // Returns the height used; with measureOnly the items are not moved.
    int arrangeItems(const QRect &rect, bool measureOnly) const;
    int styleSpacing(QStyle::PixelMetric metric) const;

    QList<QLayoutItem *> mItems;
    int mHorizontalSpace;
    int mVerticalSpace;
};

#endif
