#include "inputsourcebutton.h"

#include <QMouseEvent>
#include <QSettings>

#include "inisettings.h"
#include "inputsourcebuttoneditline.h"

const QString InputSourceButton::kSettingsFile = QStringLiteral("./inputSourceButton.ini");

QString InputSourceButton::settingsKey(int number, const QString &name)
{
    return QStringLiteral("inputSourceButton_%1/%2").arg(number).arg(name);
}

namespace {

// Whole-pixel global mouse position (halves go up, as qRound does).
QPoint globalPixel(const QMouseEvent *event)
{
    return QPoint(qRound(event->screenPos().x()), qRound(event->screenPos().y()));
}

} // namespace

InputSourceButton::InputSourceButton(QWidget *parent)
    : QPushButton(parent)
{
    setMouseTracking(true);
    mEditLine = new InputSourceButtonEditLine(this);
    mEditLine->setFixedSize(75, 25);
    mEditLine->hide();
}

void InputSourceButton::setHomePos(int x, int y)
{
    mHomePos = QPoint(x, y);
}

void InputSourceButton::loadSavedCaption()
{
    QSettings settings(kSettingsFile, QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    const QString text = iniValue(settings, settingsKey(mInputSourceIndex, QStringLiteral("text"))).toString();
    const QString enable = iniValue(settings, settingsKey(mInputSourceIndex, QStringLiteral("enable"))).toString();
    if (enable == QLatin1String("1")) {
        setText(text);
        mDefaultCaption = 0;
    }
}

void InputSourceButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        mLastPos = globalPixel(event);
        mDragging = true;
    } else if (event->button() == Qt::RightButton && mEditLine->mEditing == 0) {
        mEditLine->show();
        mEditLine->mEditing = 1;
        mEditLine->clear();
        mEditLine->setFocus();
    }
    QPushButton::mousePressEvent(event);
}

void InputSourceButton::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && mDragging) {
        const QPoint now = globalPixel(event);
        move(pos() + (now - mLastPos));
        mLastPos = now;
    }
    QPushButton::mouseMoveEvent(event);
}

void InputSourceButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && mDragging) {
        mDragging = false;
        emit releaseMouseLeft(mInputSourceIndex, globalPixel(event));
        move(mHomePos);
    }
    QPushButton::mouseReleaseEvent(event);
}
