#include "attributedialogdriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "link/devicepacket.h"
#include "setitemattribute.h"

void applyAttributeEdit(SetItemAttribute *dialog, const QStringList &typed, int colour, int level)
{
    const char *names[4] = {"posXLdt", "posYLdt", "widthLdt", "heightLdt"};
    for (int i = 0; i < 4; ++i) {
        if (typed.value(i).isNull())
            continue;
        auto *field = dialog->findChild<QLineEdit *>(names[i]);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, typed.at(i));
    }
    if (colour >= 0)
        dialog->findChild<QComboBox *>("colorCbx")->setCurrentIndex(colour);
    if (level >= 0)
        dialog->findChild<QComboBox *>("levelCbx")->setCurrentIndex(level);
    QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
}

void addAttributeChangeRows()
{
    QTest::addColumn<QStringList>("typed");   // x, y, width, height
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("startLayer");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QRectF>("geometry");
    QTest::addColumn<int>("layer");
    const QStringList keep;
    const QRectF start(0, 0, 1920, 1080);
    QTest::newRow("nothing changed") << keep << -1 << -1 << 1 << QStringList() << start << 1;
    QTest::newRow("colour blue") << keep << 3 << -1 << 1 << QStringList{"00702e", "008094", "0090b9"} << start << 1;
    QTest::newRow("level 1 from layer 3") << keep << -1 << 0 << 3 << QStringList{"00b001"} << start << 1;
    QTest::newRow("level 4 from layer 1") << keep << -1 << 3 << 1 << QStringList{"00b004"} << start << 4;
    QTest::newRow("geometry") << QStringList{"100", "200", "1000", "500"} << -1 << -1 << 1
                              << QStringList{"001064", "0020c8", "0033e8", "0041f4"} << QRectF(100, 200, 1000, 500) << 1;
    // Shrinking while moving toward the right edge: the old size must not hold it back.
    QTest::newRow("narrow at the right edge") << QStringList{"3040", QString(), "800", QString()} << -1 << -1 << 1
                                              << QStringList{"001be0", "003320"} << QRectF(3040, 0, 800, 1080) << 1;
}

void runAttributeChangeRow(ResolutionRatioScene *scene, const std::function<QByteArray(int)> &read)
{
    QFETCH(QStringList, typed);
    QFETCH(int, colour);
    QFETCH(int, level);
    QFETCH(int, startLayer);
    QFETCH(QStringList, texts);
    QFETCH(QRectF, geometry);
    QFETCH(int, layer);
    InputChannel *window = scene->mChannels.at(0);
    while (window->mLayer < startLayer)
        scene->setLayer(0, ResolutionRatioScene::LayerDown);
    QPointer<SetItemAttribute> dialog = new SetItemAttribute(0, scene);
    dialog->show();
    applyAttributeEdit(dialog, typed, colour, level);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool closed = dialog.isNull();
    delete dialog.data();
    QVERIFY(closed);

    // Each packet: three command bytes and their CRC-8.
    const QByteArray raw = read(4 * texts.size());
    QStringList seen;
    for (int at = 0; at < raw.size(); at += 4) {
        const QByteArray command = raw.mid(at, 3);
        seen << (raw.mid(at, 4).size() == 4 && quint8(raw.at(at + 3)) == calculateCrc8(command)
                     ? QString::fromLatin1(command.toHex()) : QStringLiteral("bad packet"));
    }
    QCOMPARE(seen, texts);
    QCOMPARE(QRectF(window->pos(), window->mRect.size()), geometry);
    QCOMPARE(window->mLayer, layer);
    QCOMPARE(window->zValue(), qreal(5 - layer));
}
