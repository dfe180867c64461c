#include "makerpage.h"

#include <QCursor>
#include <QDesktopServices>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

namespace MakerPage {

QString forLanguage(int languageIndex)
{
    if (languageIndex == 0)
        return Chinese;
    if (languageIndex >= 1 && languageIndex <= 3)
        return International;
    return QString();
}

void open(const QString &address)
{
    if (!address.isEmpty())
        QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void setLinkCursor(QWidget *widget)
{
    const QPixmap pointer(QStringLiteral(":/res/res/image/2/pointer.png"));
    if (pointer.isNull())
        return;
    widget->setCursor(QCursor(pointer.scaled(20, 20, Qt::KeepAspectRatio, Qt::FastTransformation)));
}

} // namespace MakerPage
