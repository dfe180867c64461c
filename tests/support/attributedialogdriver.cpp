#include "attributedialogdriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "link/devicepacket.h"
#include "setitemattribute.h"

namespace {
void typeText(QLineEdit *edit, const QString &text)
{
    if (text.isNull())
        return;
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void chooseItem(QComboBox *combo, int index)
{
    if (index >= 0)
        combo->setCurrentIndex(index);
}
} // namespace

void applyAttributeEdit(SetItemAttribute *dialog, const AttributeEdit &edit)
{
    typeText(dialog->findChild<QLineEdit *>("posXLdt"), edit.x);
    typeText(dialog->findChild<QLineEdit *>("posYLdt"), edit.y);
    typeText(dialog->findChild<QLineEdit *>("widthLdt"), edit.width);
    typeText(dialog->findChild<QLineEdit *>("heightLdt"), edit.height);
    chooseItem(dialog->findChild<QComboBox *>("colorCbx"), edit.colour);
    chooseItem(dialog->findChild<QComboBox *>("levelCbx"), edit.level);
    QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
}

QStringList attributePacketTexts(const QByteArray &raw)
{
    QStringList texts;
    for (int at = 0; at < raw.size(); at += 4) {
        const QByteArray packet = raw.mid(at, 4);
        if (packet.size() < 4) {
            texts << QStringLiteral("short!");
            break;
        }
        const QByteArray command = packet.left(3);
        texts << (quint8(packet.at(3)) == calculateCrc8(command) ? QString::fromLatin1(command.toHex())
                                                                 : QStringLiteral("crc!"));
    }
    return texts;
}

void addAttributeChangeRows()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("startLayer");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QRectF>("geometry");
    QTest::addColumn<int>("layer");

    const QStringList keep{QString(), QString(), QString(), QString()};
    QTest::newRow("nothing changed") << keep << -1 << -1 << 1 << QStringList()
                                     << QRectF(0, 0, 1920, 1080) << 1;
    QTest::newRow("colour blue") << keep << 3 << -1 << 1
                                 << QStringList{"00702e", "008094", "0090b9"}
                                 << QRectF(0, 0, 1920, 1080) << 1;
    QTest::newRow("level 1 from layer 3") << keep << -1 << 0 << 3
                                          << QStringList{"00b001"} << QRectF(0, 0, 1920, 1080) << 1;
    QTest::newRow("level 4 from layer 1") << keep << -1 << 3 << 1
                                          << QStringList{"00b004"} << QRectF(0, 0, 1920, 1080) << 4;
    QTest::newRow("geometry") << QStringList{"100", "200", "1000", "500"} << -1 << -1 << 1
                              << QStringList{"001064", "0020c8", "0033e8", "0041f4"}
                              << QRectF(100, 200, 1000, 500) << 1;
    // Shrinking while moving toward the right edge: the window must not be
    // held back by its old size.
    QTest::newRow("narrow at the right edge") << QStringList{"3040", QString(), "800", QString()} << -1 << -1 << 1
                                              << QStringList{"001be0", "003320"}
                                              << QRectF(3040, 0, 800, 1080) << 1;
}

int runAttributeChangeRow(ResolutionRatioScene *scene)
{
    QFETCH(int, startLayer);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, typed);
    QFETCH(int, colour);
    QFETCH(int, level);
    const AttributeEdit edit{typed.at(0), typed.at(1), typed.at(2), typed.at(3), colour, level};

    while (scene->mChannels.at(0)->mLayer < startLayer)
        scene->setLayer(0, ResolutionRatioScene::LayerDown);
    auto *dialog = new SetItemAttribute(0, scene);
    QPointer<SetItemAttribute> guard(dialog);
    dialog->show();
    applyAttributeEdit(dialog, edit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (guard) {
        delete dialog;
        QTest::qFail("the dialog did not close on OK", __FILE__, __LINE__);
    }
    return texts.size();
}

void verifyAttributeChangeRow(ResolutionRatioScene *scene)
{
    QFETCH(QRectF, geometry);
    QFETCH(int, layer);
    const InputChannel *window = scene->mChannels.at(0);
    QCOMPARE(QRectF(window->pos(), window->mRect.size()), geometry);
    QCOMPARE(window->mLayer, layer);
    QCOMPARE(window->zValue(), qreal(5 - layer));
}
