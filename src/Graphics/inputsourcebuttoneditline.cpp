#include "inputsourcebuttoneditline.h"

#include <QDebug>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QSettings>

#include "globals.h"
#include "inisettings.h"
#include "inputsourcebutton.h"

namespace {

// Default caption per UI language; the button number follows it.
const char *const kDefaultCaptions[4] = {"输入 ", "IN ", "ввод ", "Entrada"};

} // namespace

InputSourceButtonEditLine::InputSourceButtonEditLine(QWidget *parent)
    : QLineEdit(parent)
{
    // A right click here confirms the caption; the standard edit menu would
    // pop up over a field that has just closed.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void InputSourceButtonEditLine::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && mEditing == 1)
        confirmCaption();
    // The press never reaches QLineEdit: no cursor placing, no selection.
}

void InputSourceButtonEditLine::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && mEditing == 1)
        confirmCaption();
    QLineEdit::keyPressEvent(event);
}

void InputSourceButtonEditLine::focusOutEvent(QFocusEvent *event)
{
    if (mEditing == 1)
        confirmCaption();
    QLineEdit::focusOutEvent(event);
}

void InputSourceButtonEditLine::confirmCaption()
{
    // Cleared before hiding: hiding takes the focus away, and that focus loss
    // must not confirm a second time.
    mEditing = 0;
    hide();

    auto *button = qobject_cast<InputSourceButton *>(parentWidget());
    if (!button) {
        qDebug() << "转换为InputSourceButton失败";
        return;
    }

    if (!text().isEmpty()) {
        const QString caption = QString::number(button->mInputSourceIndex) + QLatin1Char('-') + text();
        const int room = geometry().right() - geometry().left() - 4;
        button->setText(fontMetrics().elidedText(caption, Qt::ElideRight, room));
        button->mDefaultCaption = 0;
        saveButtonSettings(true);
    } else {
        button->setText(QString::fromUtf8(kDefaultCaptions[languageColumn()])
                        + QString::number(button->mInputSourceIndex));
        button->mDefaultCaption = 1;
        saveButtonSettings(false);
    }
}

void InputSourceButtonEditLine::saveButtonSettings(bool enable)
{
    auto *button = qobject_cast<InputSourceButton *>(parentWidget());
    if (!button) {
        qDebug() << "转换为InputSourceButton失败";
        return;
    }
    QSettings settings(InputSourceButton::kSettingsFile, QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    const int number = button->mInputSourceIndex;
    if (enable)
        setIniValue(settings, InputSourceButton::settingsKey(number, QStringLiteral("text")), button->text());
    setIniValue(settings, InputSourceButton::settingsKey(number, QStringLiteral("enable")),
                enable ? QStringLiteral("1") : QStringLiteral("0"));
}
