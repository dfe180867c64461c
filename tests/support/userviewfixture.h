#ifndef USERVIEWFIXTURE_H
#define USERVIEWFIXTURE_H

#include "windowfixture.h"
#include "mainwindow.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/devicecommand.h"

#include <QtTest>

// A wall view on a whole main window whose send queue nothing drains, so a
// test reads what the view queued; with the helpers that drive the view.
// A test derives from it and calls setUpView() in init(), tearDownView() in cleanup().
class UserViewFixture
{
protected:
    void setUpView();
    void tearDownView();

    WindowFixture *mFixture = nullptr;
    MainWindow *mMain = nullptr;
    UserView *mView = nullptr;

    QStringList texts() const { return QStringList(*mMain->mSendTexts); }
    ResolutionRatioScene *scene() { return mView->mScenes.at(0); }
    InputChannel *window(int i) { return scene()->mChannels.at(i); }
    QWindow *handle() { return mView->window()->windowHandle(); }
    // A scene point in the coordinates of the view's top-level window.
    QPoint at(qreal x, qreal y)
    {
        return mView->viewport()->mapTo(mView->window(), mView->mapFromScene(QPointF(x, y)));
    }
    // Geometry text of a window on a canvas whose device pixels are its own.
    QString canvasGeometry(int i)
    {
        InputChannel *c = window(i);
        return DeviceCommand::geometryCommand(i, int(c->x()), int(c->y()), int(c->mRect.width()),
                                              int(c->mRect.height()));
    }
    void clearQueue()
    {
        mMain->mSendTexts->clear();
        mMain->mSendPackets->clear();
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTRY_VERIFY2_WITH_TIMEOUT(!mView->mKeyBusy, "key pacing did not end", 5000);
        // One event carrying the modifiers: a separate Shift press would
        // itself use up the 40 ms key pacing.
        QKeyEvent press(QEvent::KeyPress, k, mods);
        QApplication::sendEvent(mView, &press);
    }
    void setMovable(bool on)
    {
        for (InputChannel *c : qAsConst(scene()->mChannels))
            c->setFlag(QGraphicsItem::ItemIsMovable, on);
    }
};

#endif
