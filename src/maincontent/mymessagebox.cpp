#include "mymessagebox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "globals.h"

namespace {

// Button captions per language: confirm, cancel.
const char *const kCaptions[4][2] = {
    {"确认", "取消"},
    {"OK", "Cancel"},
    {"Да", "отменить"},
    {"OK", "Cancelar"},
};

bool runBox(const QString &iconPath, bool ask, const QString &title, const QString &text)
{
    QDialog dialog;
    auto *iconLabel = new QLabel(&dialog);
    auto *textLabel = new QLabel(&dialog);
    auto *buttons = new QDialogButtonBox(ask ? (QDialogButtonBox::Ok | QDialogButtonBox::Cancel)
                                             : QDialogButtonBox::Ok);
    auto *column = new QVBoxLayout;
    auto *row = new QHBoxLayout;

    dialog.setStyleSheet(QStringLiteral(
        "QDialog {background-color: white;font-family: 'Microsoft YaHei';font-size: 9pt;}"));
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog.setWindowTitle(title);

    const QPixmap icon = QPixmap(iconPath).scaled(50, 50, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    textLabel->setText(text);
    iconLabel->setPixmap(icon);
    iconLabel->resize(icon.size());
    iconLabel->move(20, 5);
    textLabel->move(iconLabel->x() + iconLabel->width() + 20, 50 - iconLabel->height() / 2);
    textLabel->setStyleSheet(QStringLiteral("QLabel {font-family: 'Microsoft YaHei';font-size: 9pt;}"));

    const QString buttonStyle = QStringLiteral("font-family: 'Microsoft YaHei'; font-size: 9pt;");
    QPushButton *confirm = buttons->button(QDialogButtonBox::Ok);
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    for (QPushButton *b : {confirm, cancel}) {
        if (b) {
            b->setFixedSize(80, 30);
            b->setStyleSheet(buttonStyle);
        }
    }
    // Another language number keeps the buttons' own texts.
    if (g_languageIndex >= 0 && g_languageIndex < 4) {
        confirm->setText(QString::fromUtf8(kCaptions[g_languageIndex][0]));
        if (cancel)
            cancel->setText(QString::fromUtf8(kCaptions[g_languageIndex][1]));
    }

    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    if (ask)
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    textLabel->adjustSize();
    // 100 high as a rule; a text of several lines makes room above the buttons
    // instead of running under them.
    const int height = qMax(100, textLabel->y() + textLabel->height() + 45);
    dialog.resize(textLabel->x() + textLabel->width() + 50, height);

    row->addStretch(1);
    row->addWidget(buttons);
    column->addStretch(1);
    column->addLayout(row);
    dialog.setLayout(column);

    if (ask)
        dialog.setFixedSize(dialog.width(), dialog.height());

    return dialog.exec() == QDialog::Accepted;
}

} // namespace

MyMessageBox::MyMessageBox(QWidget *parent) : QWidget(parent) {}

bool MyMessageBox::question(QWidget *, const QString &title, const QString &text)
{
    return runBox(QStringLiteral(":/res/res/questionIcon.png"), true, title, text);
}

bool MyMessageBox::error(QWidget *, const QString &title, const QString &text)
{
    return runBox(QStringLiteral(":/res/res/errorIcon.png"), false, title, text);
}

bool MyMessageBox::information(QWidget *, const QString &title, const QString &text)
{
    return runBox(QStringLiteral(":/res/res/informationIcon.png"), false, title, text);
}

bool MyMessageBox::warning(QWidget *, const QString &title, const QString &text)
{
    return runBox(QStringLiteral(":/res/res/warningIcon.png"), false, title, text);
}
