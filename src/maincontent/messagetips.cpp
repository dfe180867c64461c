#include "messagetips.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

MessageTips::MessageTips(const QString &text, QWidget *parent)
    : QWidget(parent), mLayout(new QHBoxLayout(this)), mLabel(new QLabel(this)), mText(text)
{
    setWindowFlags(Qt::Tool | Qt::BypassWindowManagerHint | Qt::FramelessWindowHint
                   | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    mLayout->addWidget(mLabel);
    prepare();
}

void MessageTips::setOpacity(double opacity)
{
    mOpacity = opacity;
    prepare();
}

void MessageTips::setFontSize(int size)
{
    mFontSize = size;
    prepare();
}

void MessageTips::setTextColor(const QColor &color)
{
    mTextColor = color;
    prepare();
}

void MessageTips::setShowTime(int msec)
{
    mShowTime = msec;
    prepare();
}

void MessageTips::setCloseTimeSpeed(int closeTime, double closeSpeed)
{
    mCloseTime = closeTime;
    if (closeSpeed > 0 && closeSpeed <= 1)
        mCloseSpeed = closeSpeed;
    prepare();
}

void MessageTips::prepare()
{
    setWindowOpacity(mOpacity);

    mFont = QFont(QStringLiteral("微软雅黑"), mFontSize, QFont::Bold);
    mLabel->setFont(mFont);
    mLabel->setText(mText);
    mLabel->setAlignment(Qt::AlignCenter);

    QPalette palette = mLabel->palette();
    palette.setColor(QPalette::WindowText, mTextColor);
    mLabel->setPalette(palette);

    if (!mFadeTimer) {
        mFadeTimer = new QTimer(this);
        mFadeTimer->setObjectName(QStringLiteral("fadeTimer"));
        mFadeTimer->setTimerType(Qt::PreciseTimer);
        connect(mFadeTimer, &QTimer::timeout, this, &MessageTips::fadeStep);

        mShowTimer = new QTimer(this);
        mShowTimer->setObjectName(QStringLiteral("showTimer"));
        mShowTimer->setTimerType(Qt::PreciseTimer);
        mShowTimer->setSingleShot(true);
        connect(mShowTimer, &QTimer::timeout, this, [this] { mFadeTimer->start(mCloseTime); });
    }
    mFadeTimer->stop();
    mShowTimer->start(mShowTime);

    // Placed by its size before it is first laid out, as the tip is built.
    const QRect desktop = QGuiApplication::primaryScreen()
                              ? QGuiApplication::primaryScreen()->virtualGeometry()
                              : QRect();
    move((desktop.width() - width()) / 2, (desktop.height() - height()) / 2);

    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MessageTips::fadeStep()
{
    if (mOpacity <= 0) {
        close();
        mFadeTimer->stop();
        mShowTimer->stop();
        return;
    }
    mOpacity -= mCloseSpeed;
    setWindowOpacity(mOpacity);
}

void MessageTips::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setBrush(mBackgroundColor);
    painter.setPen(QPen(mFrameColor, mFrameSize, Qt::SolidLine));
    painter.drawRoundedRect(QRect(0, 0, width(), height()), 15, 15, Qt::AbsoluteSize);
}
