#ifndef BANNACONTROL_H
#define BANNACONTROL_H

#include <QButtonGroup>
#include <QParallelAnimationGroup>
#include <QVector>
#include <QWidget>

class QLabel;
class QPropertyAnimation;
class QPushButton;
class QTimer;

namespace Ui { class BannaControl; }

// One picture of the carousel with its dot and the labels of its neighbours,
// whose frames it takes on a step.
struct CarouselEntry
{
    QPushButton *dotButton = nullptr;
    QLabel *pictureLabel = nullptr;
    QLabel *nextLabel = nullptr;
    QLabel *prevLabel = nullptr;
    QPropertyAnimation *animation = nullptr;   // owned by the animation group
};

// Five pictures in five fixed frames, the middle one largest and in front;
// every 3000 ms or on an arrow they all slide one frame over.
class BannaControl : public QWidget
{
    Q_OBJECT
public:
    explicit BannaControl(QWidget *parent = nullptr);
    ~BannaControl() override;

public slots:
    void slot_changeImageTimer();

private slots:
    void on_pushButtonLeft_clicked();
    void on_pushButtonRight_clicked();

private:
    enum class Step { Advance, Back };
    void step(Step direction);
    void restack(Step direction, const QVector<QRect> &framesBefore);

    Ui::BannaControl *ui;
    QTimer *mTimer;
    QVector<CarouselEntry> mEntries;
    QButtonGroup mButtonGroup;
    QParallelAnimationGroup mAnimationGroup;
};

#endif
