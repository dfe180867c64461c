#include "bannacontrol.h"
#include "ui_bannacontrol.h"

#include "bannaconstants.h"

#include <QEasingCurve>
#include <QPropertyAnimation>
#include <QTimer>

namespace {

const int kStepIntervalMs = 3000;
const int kSlideDurationMs = 200;

} // namespace

BannaControl::BannaControl(QWidget *parent) : QWidget(parent), ui(new Ui::BannaControl)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    mTimer = new QTimer(this);
    connect(mTimer, &QTimer::timeout, this, &BannaControl::slot_changeImageTimer);
    mTimer->setInterval(kStepIntervalMs);
    mTimer->start();

    for (QPushButton *dot : {ui->pushButtonFirst, ui->pushButtonSecond, ui->pushButtonThird,
                             ui->pushButtonFourth, ui->pushButtonFifth})
        mButtonGroup.addButton(dot);
    mButtonGroup.setExclusive(true);

    ui->labelThird->raise();
    ui->labelFifth->lower();

    const struct { QPushButton *dot; QLabel *label, *next, *prev; } order[] = {
        {ui->pushButtonFirst, ui->labelFirst, ui->labelSecond, ui->labelFifth},
        {ui->pushButtonSecond, ui->labelSecond, ui->labelThird, ui->labelFirst},
        {ui->pushButtonThird, ui->labelThird, ui->labelFourth, ui->labelSecond},
        {ui->pushButtonFourth, ui->labelFourth, ui->labelFifth, ui->labelThird},
        {ui->pushButtonFifth, ui->labelFifth, ui->labelFirst, ui->labelFourth},
    };
    for (const auto &o : order) {
        CarouselEntry entry;
        entry.dotButton = o.dot;
        entry.pictureLabel = o.label;
        entry.nextLabel = o.next;
        entry.prevLabel = o.prev;
        entry.animation = new QPropertyAnimation(o.label, kBannerAnimatedProperty);
        entry.animation->setDuration(kSlideDurationMs);
        entry.animation->setEasingCurve(QEasingCurve(QEasingCurve::BezierSpline));
        mAnimationGroup.addAnimation(entry.animation);
        mEntries.append(entry);
    }

    if (!kBannerImages.isEmpty() && kBannerImages.size() == mEntries.size()) {
        for (int i = 0; i < mEntries.size(); ++i)
            mEntries[i].pictureLabel->setStyleSheet(kBannerIndicatorStyle.arg(kBannerImages.at(i)));
    }

    ui->pushButtonLeft->raise();
    ui->pushButtonRight->raise();
}

BannaControl::~BannaControl()
{
    delete ui;
}

void BannaControl::slot_changeImageTimer()
{
    step(Step::Advance);
}

void BannaControl::on_pushButtonRight_clicked()
{
    step(Step::Advance);
}

void BannaControl::on_pushButtonLeft_clicked()
{
    step(Step::Back);
}

void BannaControl::step(Step direction)
{
    // A step during the slide is dropped, not queued, so slides never overlap.
    if (mAnimationGroup.state() == QAbstractAnimation::Running)
        return;

    QVector<QRect> framesBefore;
    for (const CarouselEntry &entry : qAsConst(mEntries))
        framesBefore.append(entry.pictureLabel->geometry());
    for (const CarouselEntry &entry : qAsConst(mEntries)) {
        const QLabel *target = direction == Step::Advance ? entry.prevLabel : entry.nextLabel;
        entry.animation->setStartValue(entry.pictureLabel->geometry());
        entry.animation->setEndValue(target->geometry());
    }
    mAnimationGroup.start();
    restack(direction, framesBefore);
}

// Orders the labels by the frames they leave, right to left, so that the
// picture travelling into the middle frame ends up in front.
void BannaControl::restack(Step direction, const QVector<QRect> &framesBefore)
{
    QVector<int> remaining;
    for (int i = 0; i < mEntries.size(); ++i)
        remaining.append(i);

    QLabel *arriving = nullptr;
    for (int pass = 0; !remaining.isEmpty(); ++pass) {
        int pick = 0;
        int bestX = 0;
        for (int k = 0; k < remaining.size(); ++k) {
            const int x = framesBefore.at(remaining.at(k)).x();
            if (x > bestX) {
                bestX = x;
                pick = k;
            }
        }
        const CarouselEntry &entry = mEntries.at(remaining.takeAt(pick));
        QLabel *label = entry.pictureLabel;

        const bool advance = direction == Step::Advance;
        switch (pass) {
        case 0:
            label->lower();
            break;
        case 1:
            if (advance) {
                entry.dotButton->setChecked(true);
                arriving = label;
            }
            label->raise();
            break;
        case 2:
            label->raise();
            break;
        case 3:
            if (!advance) {
                entry.dotButton->setChecked(true);
                arriving = label;
            }
            label->lower();
            break;
        default:
            if (advance)
                label->lower();
            else
                label->raise();
            break;
        }
    }

    if (arriving)
        arriving->raise();
    ui->pushButtonLeft->raise();
    ui->pushButtonRight->raise();
}
