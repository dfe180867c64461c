#include "splashscreen.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QRegion>

SplashScreen *SplashScreen::instance()
{
    // One splash for the whole run; it is never destroyed.
    static SplashScreen *splash = new SplashScreen(QPixmap(QStringLiteral(":/res/res/splash2.png")));
    return splash;
}

SplashScreen::SplashScreen(const QPixmap &pixmap) : QSplashScreen(pixmap)
{
}

void SplashScreen::setProgress(const int &percent, QString message)
{
    if (isHidden())
        show();
    if (!isActiveWindow()) {
        activateWindow();
        raise();
    }
    mMessage = message;
    // Small steps, each painted at once, so the bar visibly runs.
    while (double(percent) > mProgress) {
        mProgress += 0.02;
        QCoreApplication::processEvents();
        repaint();
    }
}

void SplashScreen::setStart(QWidget *window, QString title, QString logoPath)
{
    if (!window)
        return;
    mMainWindow = window;
    mLogo = QPixmap(logoPath);
    mTitle = title;
    window->setWindowOpacity(0.0);
    if (!mAnimation) {
        mAnimation = new QPropertyAnimation(window, "windowOpacity");
        mAnimation->setDuration(mDuration);
        mAnimation->setStartValue(0.0);
        mAnimation->setEndValue(1.0);
    } else {
        mAnimation->stop();
        mAnimation->setTargetObject(window);   // a window built again fades in too
    }
}

void SplashScreen::finishStart()
{
    close();
    if (mMainWindow) {
        mMainWindow->activateWindow();
        mMainWindow->raise();
    }
    if (mAnimation)
        mAnimation->start();
}

void SplashScreen::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("微软雅黑"));
    painter.setFont(font);

    // Empty bar.
    painter.setPen(Qt::white);
    painter.setBrush(QBrush(QColor(100, 100, 100)));
    painter.drawRoundedRect(QRect(70, h - 70, w - 140, 8), 4, 10);

    // Message.
    font.setPixelSize(16);
    font.setWeight(75);
    painter.setFont(font);
    painter.setPen(Qt::yellow);
    painter.drawText(QRect(0, h - 140, w, 70), Qt::AlignCenter, mMessage);

    // Filled part.
    painter.setPen(Qt::white);
    if (mProgress != 0.0) {
        painter.setBrush(QBrush(QColor(150, 230, 100)));
        const int filled = int((w - 140) * mProgress / 100);
        painter.drawRoundedRect(QRect(70, h - 70, filled, 8), 4, 10);
    }

    // Percentage.
    font.setPixelSize(14);
    font.setWeight(50);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, h - 70, w, 70), Qt::AlignCenter,
                     QString::number(mProgress, 'f', 0) + QLatin1Char('%'));
    painter.end();

    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, w, h), 8, 8, Qt::RelativeSize);
    setMask(QRegion(path.toFillPolygon().toPolygon(), Qt::OddEvenFill));
}
