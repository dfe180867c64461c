#include <QtTest>


#include "fakebox.h"
#include "fakeboxtcp.h"
#include "globals.h"
#include "mainwindow.h"
#include "windowfixture.h"
#include "Graphics/inputchannel.h"
#include "Graphics/inputsourcebutton.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"

// The main window's handling of status frames, fed the hex text of one TCP
// read directly: which frames count towards a complete read and what the
// resolution code does to the input-source buttons and the crop.
class TstTcpFrames : public QObject
{
    Q_OBJECT

    WindowFixture *mFixture = nullptr;
    MainWindow *mWindow = nullptr;
    FakeBoxState mState;
    FakeBoxTcp *mBox = nullptr;   // frame builder only, never listens

    void feed(const QByteArray &frame) { mWindow->parsingLowerComputerStatusByTcp(frame.toHex()); }
    InputChannel *channel(int window) const
    {
        auto *view = mWindow->findChild<UserView *>(QStringLiteral("graphicsView"));
        return view->mScenes.at(mWindow->mCurrentSceneIndex)->mChannels.at(window - 1);
    }

private slots:
    void initTestCase()
    {
        mFixture = new WindowFixture;
        mWindow = mFixture->mw;
        mBox = new FakeBoxTcp(&mState, this);
    }
    void cleanupTestCase()
    {
        delete mFixture;
    }
    void init() { mWindow->mReadOk = false; }

    void readCompleteOnlyAfterGlobalAndFourWindows()
    {
        feed(mBox->globalFrame());
        QCOMPARE(g_channelFrameCount, 0);
        feed(mBox->windowFrame(1));
        feed(mBox->windowFrame(2));
        feed(mBox->windowFrame(4));      // third window frame: not yet
        QVERIFY(!mWindow->mReadOk);
        feed(mBox->windowFrame(4));      // fourth frame, but its window is 4: complete
        QVERIFY(mWindow->mReadOk);

        mWindow->mReadOk = false;
        feed(mBox->windowFrame(4));      // a fifth frame never completes a read
        QVERIFY(!mWindow->mReadOk);
        feed(mBox->globalFrame());
        for (int w : {1, 2, 3})
            feed(mBox->windowFrame(w));
        QByteArray bad = mBox->windowFrame(4);
        bad[3] = 9;                      // names no window: not counted
        feed(bad);
        QCOMPARE(g_channelFrameCount, 3);
        QVERIFY(!mWindow->mReadOk);
        feed(mBox->windowFrame(4));
        QVERIFY(mWindow->mReadOk);
    }

    void emptyCanvasKeepsTheGeometry()
    {
        ResolutionRatioScene *scene = qobject_cast<ResolutionRatioScene *>(channel(1)->scene());
        const QRectF canvas = scene->sceneRect();
        scene->setSceneRect(0, 0, 0, 1080);
        const QPointF pos = channel(1)->pos();
        const QRectF rect = channel(1)->boundingRect();
        mState.setWindowGeometry(0, 11, 22, 333, 444);
        mState.windows[0][0x0B] = 77;
        feed(mBox->windowFrame(1));
        QCOMPARE(channel(1)->pos(), pos);
        QCOMPARE(channel(1)->boundingRect(), rect);
        QCOMPARE(channel(1)->mContrast, 77);
        scene->setSceneRect(canvas);
    }

    void resolutionCodeSetsTheInputSize_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("first") << 0;
        QTest::newRow("last entry") << 38;
        QTest::newRow("no signal") << 39;
        QTest::newRow("far out") << 0xFFFF;
    }
    void resolutionCodeSetsTheInputSize()
    {
        QFETCH(int, code);
        QVERIFY(mWindow->mInputResolutions.size() >= 39);
        const QSize expected = code < 39 ? mWindow->mInputResolutions.at(code) : QSize(3840, 2160);
        mState.windows[1][0x2A] = 0;
        mState.windows[1][0x2D] = 3;
        mState.windows[1][0x32] = quint16(code);
        mState.windows[1][0x08] = 0;     // crop ends follow the input
        mState.windows[1][0x09] = 500;   // unless the box sends one
        feed(mBox->windowFrame(2));
        InputSourceButton *hdmi4 = mWindow->mInputSourceButtons.at(3);
        QCOMPARE(QSize(hdmi4->mSourceWidth, hdmi4->mSourceHeight), expected);
        QCOMPARE(channel(2)->mCropHEnd, expected.width());
        QCOMPARE(channel(2)->mCropVEnd, 500);
    }
};

QTEST_MAIN(TstTcpFrames)
#include "tst_tcpframes.moc"
