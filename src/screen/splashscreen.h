#ifndef SPLASHSCREEN_H
#define SPLASHSCREEN_H

#include <QPixmap>
#include <QSplashScreen>
#include <QString>

class QPropertyAnimation;

// Start-up splash: a drawn progress bar with a message above it. When it
// finishes it fades the main window in.
class SplashScreen : public QSplashScreen
{
    Q_OBJECT
public:
    static SplashScreen *instance();

    void setProgress(const int &percent, QString message);
    void setStart(QWidget *window, QString title, QString logoPath);
    void finishStart();

    double mProgress = 0.0;
    QWidget *mMainWindow = nullptr;
    QPixmap mLogo;
    QString mTitle;
    QString mMessage;
    QPropertyAnimation *mAnimation = nullptr;
    int mDuration = 1000;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    explicit SplashScreen(const QPixmap &pixmap);
};

#endif
