#include "waitingwidget.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QMovie>
#include <QScreen>
#include <QTimer>


int WaitingWidget::sWidth = 250;
int WaitingWidget::sHeight = 100;

void WaitingWidget::setSize(int width, int height)
{
    sWidth = width;
    sHeight = height;
}

WaitingWidget::WaitingWidget(const QString &text, int msec, int)
    : QDialog(nullptr)
{
    const int w = sWidth;
    const int h = sHeight;

    setWindowFlags(Qt::Tool | Qt::BypassWindowManagerHint | Qt::FramelessWindowHint
                   | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(w, h);
    setWindowOpacity(0.9);
    setStyleSheet(QStringLiteral("background-color:transparent;"));

    mFrame = new QFrame(this);
    mFrame->setGeometry(0, 0, w, h);
    mFrame->setStyleSheet(QStringLiteral("background-color: rgb(255,255,255);border-radius:5px;"));

    mFont.setFamily(QStringLiteral("微软雅黑"));
    mFont.setPointSize(18);
    mFont.setBold(true);

    mAnimationLabel = new QLabel(mFrame);
    mAnimationLabel->setFont(mFont);
    mAnimationLabel->setStyleSheet(QStringLiteral(
        "background-color:transparent,rgb(255,255,255);font-size: 18px;font-family: Microsoft YaHei UI;"));
    mAnimationLabel->setGeometry(w / 2 - 20, 15, 40, 40);
    mAnimationLabel->setScaledContents(true);
    mMovie = new QMovie(QStringLiteral(":/res/res/image/icon-wzb/waiting.gif"));
    mAnimationLabel->setMovie(mMovie);

    mTextLabel = new QLabel(mFrame);
    mTextLabel->setAlignment(Qt::AlignHCenter);
    mTextLabel->setFont(mFont);
    mTextLabel->setText(text);
    mTextLabel->setStyleSheet(QStringLiteral(
        "color: black;background-color: transparent;font-size: 18px;font-family: Microsoft YaHei UI;"));
    mTextLabel->setGeometry(0, 70, w, 24);

    mMovie->start();

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - w) / 2, (area.height() - h) / 2 - 100);
    }

    // A negative time closes at once rather than never.
    if (msec != 0)
        QTimer::singleShot(qMax(msec, 0), this, &QDialog::close);
}

WaitingWidget::~WaitingWidget()
{
    delete mAnimationLabel;
    delete mMovie;
    delete mTextLabel;
    delete mFrame;
}

// ---------------------------------------------------------------------------

NoticeWidget::NoticeWidget(QWidget *parent)
    : QLabel(nullptr), mParent(parent)
{
    mTimer = new QTimer(this);
    connect(mTimer, &QTimer::timeout, this, &NoticeWidget::OnTimerTimeout, Qt::UniqueConnection);
    setAlignment(Qt::AlignCenter);
}

NoticeWidget::~NoticeWidget()
{
    if (mTimer->isActive())
        mTimer->stop();
}

bool NoticeWidget::isRunning() const
{
    return mTimer->isActive();
}

void NoticeWidget::applyAlpha(int alpha)
{
    setStyleSheet(QStringLiteral("color:white;border-radius:8px;background-color:rgba(80, 80, 80, %1);").arg(alpha));
}

QPoint NoticeWidget::centredPosition() const
{
    return QPoint((mParent->width() - width()) >> 1, (mParent->height() - height()) >> 1);
}

void NoticeWidget::fitToParent()
{
    // 30 % of the parent's width, as many lines high as the text needs. A
    // parent without width still gets a finite label.
    const double w = qMax(1.0, mParent->width() * 0.3);
    const double h = (mTextWidth / w + 1.0) * mLineHeight;
    setFixedSize(int(w), int(qMin(h, double(QWIDGETSIZE_MAX))));
}

void NoticeWidget::Notice(QWidget *parent, const QString &text, int ms)
{
    if (mTimer->isActive()) {
        mTimer->stop();
        hide();
    }
    if (text.isEmpty() || ms < 1)
        return;

    setParent(parent);
    mParent = parent;

    const QFontMetrics metrics(font());
    mTextWidth = metrics.horizontalAdvance(text);
    mLineHeight = metrics.height() + 4;

    if (mParent)
        fitToParent();
    setWordWrap(true);
    setText(text);
    if (mParent)
        move(centredPosition());

    show();
    applyAlpha(255);
    mAlpha = 255;
    mTicks = ms / 50 + 1;
    mTimer->start(50);
}

void NoticeWidget::OnTimerTimeout()
{
    if (--mTicks <= 0) {
        mTimer->stop();
        hide();
        return;
    }
    if (mParent) {
        const QPoint centre = centredPosition();
        if (centre != pos()) {
            fitToParent();
            move(centre);
        }
    }
    if (mTicks <= 20 && mAlpha > 0) {
        mAlpha = qMax(0, mAlpha - 13);
        applyAlpha(mAlpha);
    }
}

NoticeWidget *NoticeWidget::showNotice(QPointer<NoticeWidget> &holder, QWidget *parent,
                                       const QString &text, int ms)
{
    if (!holder)
        holder = new NoticeWidget;
    holder->Notice(parent, text, ms);
    return holder;
}

NoticeWidget *NoticeWidget::showNotice(QWidget *parent, const QString &text, int ms)
{
    static QPointer<NoticeWidget> shared;
    return showNotice(shared, parent, text, ms);
}
