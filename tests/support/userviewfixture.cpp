#include "userviewfixture.h"

#include "globals.h"

void UserViewFixture::setUpView()
{
    mFixture = new WindowFixture([] { g_offlineMode = true; });
    mMain = mFixture->mw;
    g_zoomStep = 40;   // the main window starts at its wall grid's zoom
    // Nothing drains the queue: the test reads it.
    if (mMain->mSendTimer)
        mMain->mSendTimer->stop();
    mView = new UserView;
    mView->setMainWindow(mMain);
    mView->resize(1000, 700);
    mView->show();
    QVERIFY(QTest::qWaitForWindowExposed(mView));
    setMovable(true);
    clearQueue();
}

void UserViewFixture::tearDownView()
{
    delete mView;
    delete mFixture;
    mFixture = nullptr;
    mMain = nullptr;
}
