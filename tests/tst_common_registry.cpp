#include <QtTest>

#include "Graphics/inputsourceinformation.h"
#include "maincontent/widgetcontextmanage.h"

class TstCommonRegistry : public QObject
{
    Q_OBJECT
private slots:
    void oneInstanceEmptyAtFirst()
    {
        WidgetContextManage *registry = WidgetContextManage::getInstance();
        QVERIFY(registry);
        QCOMPARE(WidgetContextManage::getInstance(), registry);
        QCOMPARE(registry->mainWindow(), nullptr);
        QCOMPARE(registry->mainTitleBar(), nullptr);
        QCOMPARE(registry->parent(), nullptr);
    }

    void defaultRecordsCarrySourcesOneToFour()
    {
        const auto records = createDefaultSourceRecords();
        QCOMPARE(int(records.size()), 4);
        const InputSourceInformation defaults;
        for (int i = 0; i < 4; ++i) {
            const InputSourceInformation &r = *records[i];
            QCOMPARE(r.mInputSourceIndex, i + 1);
            QCOMPARE(r.mRect, defaults.mRect);
            QCOMPARE(r.mText1, QStringLiteral("NOTHING"));
            QCOMPARE(r.mRed, 136);
            QCOMPARE(r.mSolidBlue, 177);
        }
        QVERIFY(records[0].get() != records[1].get());
    }
};

QTEST_MAIN(TstCommonRegistry)
#include "tst_common_registry.moc"
