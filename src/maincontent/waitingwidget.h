#ifndef WAITINGWIDGET_H
#define WAITINGWIDGET_H

#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QPointer>

class QFrame;
class QMovie;
class QTimer;

// Frameless busy box: built on the stack and run with exec(), which returns
// when the box closes itself after msec milliseconds (0: no timer, the box
// stays until closed otherwise). The flag is accepted and not used.
class WaitingWidget : public QDialog
{
    Q_OBJECT
public:
    explicit WaitingWidget(const QString &text, int msec, int flag = 0);
    ~WaitingWidget() override;

    // Size of every box built afterwards; the language switch sets it
    // (250 x 100 for Chinese and English, 450 x 100 for Russian and Spanish).
    static void setSize(int width, int height);
    static int boxWidth() { return sWidth; }
    static int boxHeight() { return sHeight; }

    QLabel *textLabel() const { return mTextLabel; }
    QMovie *movie() const { return mMovie; }

private:
    static int sWidth;
    static int sHeight;

    QLabel *mAnimationLabel = nullptr;
    QMovie *mMovie = nullptr;
    QLabel *mTextLabel = nullptr;
    QFrame *mFrame = nullptr;
    QFont mFont;
};

// Grey rounded label centred over a parent window that shows a short text for
// about ms milliseconds (ms / 50 + 1 ticks of 50 ms), its background fading
// out over the last 20 ticks, and then hides itself.
class NoticeWidget : public QLabel
{
    Q_OBJECT
public:
    explicit NoticeWidget(QWidget *parent = nullptr);
    ~NoticeWidget() override;

    void Notice(QWidget *parent, const QString &text, int ms);

    // Shows a notice through the caller's holder, making a new one when the
    // holder is empty or its notice went away with an earlier parent.
    static NoticeWidget *showNotice(QPointer<NoticeWidget> &holder, QWidget *parent,
                                    const QString &text, int ms);
    // The same with one holder shared by all callers of this overload.
    static NoticeWidget *showNotice(QWidget *parent, const QString &text, int ms);

    int ticksLeft() const { return mTicks; }
    int alpha() const { return mAlpha; }
    bool isRunning() const;

public slots:
    void OnTimerTimeout();

private:
    void fitToParent();
    QPoint centredPosition() const;
    void applyAlpha(int alpha);

    QPointer<QWidget> mParent;
    QTimer *mTimer = nullptr;
    int mTicks = 20;
    int mTextWidth = 0;
    int mLineHeight = 0;
    int mAlpha = 255;
};

#endif
