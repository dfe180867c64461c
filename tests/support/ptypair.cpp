#include "ptypair.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    mMaster = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (mMaster < 0)
        return;
    if (grantpt(mMaster) != 0 || unlockpt(mMaster) != 0) {
        ::close(mMaster);
        mMaster = -1;
        return;
    }
    mSlavePath = QString::fromLocal8Bit(ptsname(mMaster));
    termios raw {};
    if (tcgetattr(mMaster, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(mMaster, TCSANOW, &raw);
    }
}

PtyPair::~PtyPair()
{
    if (mMaster >= 0)
        ::close(mMaster);
}

QByteArray PtyPair::read(int count, int msec)
{
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (out.size() < count && clock.elapsed() < msec) {
        // Keep the program's event loop turning: its pump writes from timers.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd p {mMaster, POLLIN, 0};
        if (::poll(&p, 1, 5) > 0 && (p.revents & POLLIN)) {
            char buf[256];
            const ssize_t n = ::read(mMaster, buf, sizeof buf);
            if (n > 0)
                out.append(buf, int(n));
        }
    }
    return out;
}

QByteArray PtyPair::readAvailable(int msec)
{
    return read(1 << 20, msec);
}

bool PtyPair::write(const QByteArray &data)
{
    return ::write(mMaster, data.constData(), size_t(data.size())) == data.size();
}
