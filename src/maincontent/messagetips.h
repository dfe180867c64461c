#ifndef MESSAGETIPS_H
#define MESSAGETIPS_H

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QTimer;

// Frameless tip with bold text on a grey rounded panel, centred on the
// desktop: it stands for the show time, then loses the close speed of its
// opacity every close time and closes at 0. Mouse events pass through it.
// The creator shows it and keeps no pointer; the parent owns it.
class MessageTips : public QWidget
{
    Q_OBJECT
public:
    explicit MessageTips(const QString &text, QWidget *parent = nullptr);

    double opacity() const { return mOpacity; }
    void setOpacity(double opacity);
    int fontSize() const { return mFontSize; }
    void setFontSize(int size);
    QColor textColor() const { return mTextColor; }
    void setTextColor(const QColor &color);
    QColor backgroundColor() const { return mBackgroundColor; }
    void setBackgroundColor(const QColor &color) { mBackgroundColor = color; }
    QColor frameColor() const { return mFrameColor; }
    void setFrameColor(const QColor &color) { mFrameColor = color; }
    int frameSize() const { return mFrameSize; }
    void setFrameSize(int size) { mFrameSize = size; }
    int showTime() const { return mShowTime; }
    void setShowTime(int msec);
    // The close time is always taken; the speed only within (0, 1].
    void setCloseTimeSpeed(int closeTime, double closeSpeed);

    // Applies font, colours and opacity and starts the show time afresh.
    void prepare();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fadeStep();

    QHBoxLayout *mLayout = nullptr;
    QLabel *mLabel = nullptr;
    QString mText;
    double mOpacity = 1.0;
    QFont mFont;
    int mFontSize = 10;                          // points
    QColor mTextColor = QColor(255, 255, 255);
    QColor mBackgroundColor = QColor(192, 192, 192);
    QColor mFrameColor = QColor(211, 211, 211);
    int mFrameSize = 2;                          // pixels
    int mShowTime = 1500;                        // ms before the fade starts
    int mCloseTime = 2;                          // ms between fade steps
    double mCloseSpeed = 0.5;                    // opacity taken per step
    // Made by the first prepare and reused, so a setter does not start a
    // second fade beside the first.
    QTimer *mShowTimer = nullptr;
    QTimer *mFadeTimer = nullptr;
};

#endif
