// Pacing and idle cost of the send pump, measured at a stand-in box.
//
// Runs the real main window against the fake box inside the private network
// namespace (run it through tools/netns-run.sh), connects over UDP as a user
// does, queues N distinct commands and reports what arrives at the box: lost,
// reordered, and the gaps between arrivals against the pump's interval. Then
// the same while a window of the wall is dragged, and the program's CPU over
// ten idle seconds without and with a connected box.
//
//   usage: halden-bench [N] [--idle-only]     (N defaults to 2000)

#include "common.h"
#include "dialoganswerer.h"
#include "fakebox.h"
#include "globals.h"
#include "Graphics/inputchannel.h"
#include "Graphics/resolutionratioscene.h"
#include "Graphics/userview.h"
#include "link/networkportmanager.h"
#include "mainwindow.h"
#include "netdialogdriver.h"
#include "networkdialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QNetworkInterface>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The benchmark's commands: window 1's luminance with the sequence number as
// the value, which the box takes without answering.
QString sequenceCommand(int i)
{
    return QStringLiteral("000c%1").arg(i, 4, 16, QLatin1Char('0'));
}

int sequenceOf(const QByteArray &packet)
{
    if (packet.size() != 5 || quint8(packet.at(0)) != 0x00 || quint8(packet.at(1)) != 0x0C)
        return -1;
    return (quint8(packet.at(2)) << 8) | quint8(packet.at(3));
}

// The GUI thread's own account, read by the box's thread at each arrival: how
// long it has run and how long it has waited for a core (the kernel's
// schedstat). A long gap is then the program's doing or the machine's.
struct ThreadTimes {
    qint64 runNs = 0;
    qint64 waitNs = 0;
};

ThreadTimes threadTimes(const QByteArray &schedstatPath)
{
    ThreadTimes times;
    QFile file(QString::fromLatin1(schedstatPath));
    if (file.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = file.readAll().split(' ');
        if (fields.size() >= 2) {
            times.runNs = fields.at(0).toLongLong();
            times.waitNs = fields.at(1).toLongLong();
        }
    }
    return times;
}

struct Arrival {
    qint64 ns;
    int sequence; // -1 for any other packet
    ThreadTimes gui;
};

// Filled in the box's thread as each datagram is read there, so a busy GUI
// thread cannot shift the times.
class Recorder
{
public:
    void add(const Arrival &a)
    {
        QMutexLocker lock(&mMutex);
        mArrivals.push_back(a);
    }
    std::vector<Arrival> take()
    {
        QMutexLocker lock(&mMutex);
        std::vector<Arrival> out;
        out.swap(mArrivals);
        return out;
    }
    int sequencesSeen()
    {
        QMutexLocker lock(&mMutex);
        return int(std::count_if(mArrivals.begin(), mArrivals.end(), [](const Arrival &a) { return a.sequence >= 0; }));
    }

private:
    QMutex mMutex;
    std::vector<Arrival> mArrivals;
};

// Runs the event loop as the program's own does (QTest's waits poll every
// 10 ms and would set the beat themselves) until done() holds or ms pass.
bool runUntil(const std::function<bool()> &done, int ms, int checkMs = 100)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    check.start(checkMs);
    if (!done())
        loop.exec();
    return done();
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Datagrams this namespace's system dropped for want of room in a socket's buffer.
qint64 udpReceiveErrors()
{
    QFile file(QStringLiteral("/proc/net/snmp"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    QList<QByteArray> names;
    for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine()) {
        if (!line.startsWith("Udp:"))
            continue;
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (names.isEmpty()) {
            names = fields;
            continue;
        }
        const int at = names.indexOf("RcvbufErrors");
        return at > 0 && at < fields.size() ? fields.at(at).toLongLong() : 0;
    }
    return 0;
}

double percentile(const std::vector<double> &sorted, double p)
{
    if (sorted.empty())
        return 0;
    const size_t index = size_t(std::floor(p * double(sorted.size() - 1)));
    return sorted.at(index);
}

struct Bench {
    QElapsedTimer clock;
    Recorder recorder;
    FakeBoxState state;
    FakeBoxUdp *box = nullptr;
    QThread boxThread;
    MainWindow *window = nullptr;
    DialogAnswerer *answerer = nullptr;
    int interval = 0;
    const QByteArray guiSchedstat = "/proc/self/task/" + QByteArray::number(qint64(gettid())) + "/schedstat";

    bool startBox()
    {
        box = new FakeBoxUdp(&state);
        box->moveToThread(&boxThread);
        QObject::connect(&boxThread, &QThread::finished, box, &QObject::deleteLater);
        QObject::connect(box, &FakeBoxUdp::packetReceived, box, [this](const FakeBoxUdp::Packet &p) {
            if (!p.broadcast && p.port == 23)
                recorder.add({clock.nsecsElapsed(), sequenceOf(p.data), threadTimes(guiSchedstat)});
        }, Qt::DirectConnection);
        boxThread.start();
        bool ok = false;
        QMetaObject::invokeMethod(box, [this, &ok] { ok = box->start(); }, Qt::BlockingQueuedConnection);
        return ok;
    }

    void stopBox()
    {
        boxThread.quit();
        boxThread.wait();
    }

    double boxThreadCpu()
    {
        double seconds = 0;
        QMetaObject::invokeMethod(box, [&seconds] { seconds = cpuSeconds(RUSAGE_THREAD); },
                                  Qt::BlockingQueuedConnection);
        return seconds;
    }

    // The program's share of one core over ten seconds of doing nothing; the
    // box's thread is not counted.
    void idle(const char *label)
    {
        runFor(2000);
        const double box0 = boxThreadCpu();
        const double all0 = cpuSeconds(RUSAGE_SELF);
        QElapsedTimer wall;
        wall.start();
        runFor(10000);
        const double seconds = wall.nsecsElapsed() / 1e9;
        const double used = (cpuSeconds(RUSAGE_SELF) - all0) - (boxThreadCpu() - box0);
        std::printf("idle, %-18s %.2f %% of a core (%.1f ms CPU in %.1f s)\n", label, 100 * used / seconds,
                    used * 1000, seconds);
        std::fflush(stdout);
    }

    // A search while the box answers its request `answers` times, no two
    // alike, 20 to the millisecond: when the search ended, how long the GUI
    // thread ran in it, and how many datagrams the system dropped.
    void search(const char *label, int answers)
    {
        QMetaObject::invokeMethod(box, [this, answers] {
            box->discoveryAnswers = answers;
            box->numberDiscoveryAnswers = true;
            box->discoveryBurst = 20;
        }, Qt::BlockingQueuedConnection);
        NetDialogDriver driver(window);
        driver.dialog()->show();
        const qint64 dropped = udpReceiveErrors();
        const ThreadTimes gui = threadTimes(guiSchedstat);
        QElapsedTimer wall;
        wall.start();
        driver.click("ptn_findDevice");
        runUntil([this] { return !window->mDiscoveryMode; }, 20000, 5);
        const double seconds = wall.nsecsElapsed() / 1e9;
        const double ran = (threadTimes(guiSchedstat).runNs - gui.runNs) / 1e9;
        // The rest of a flood goes by unlisted before the next part starts.
        runFor(answers / 10);
        std::printf("search %-9s %6d answers: ended after %.2f s, GUI thread ran %.2f s, %d rows listed, "
                    "%lld datagrams dropped\n", label, answers, seconds, ran,
                    int(driver.dialog()->mMacList.size()), udpReceiveErrors() - dropped);
        std::fflush(stdout);
        driver.dialog()->hide();
        QMetaObject::invokeMethod(box, [this] { box->reset(); }, Qt::BlockingQueuedConnection);
    }

    bool connectAsUser()
    {
        answerer = new DialogAnswerer(DialogAnswerer::Accept);
        answerer->setClassAnswer(QStringLiteral("WaitingWidget"), DialogAnswerer::Leave);
        for (const char *text : {"通道1校正成功!", "通道2校正成功!", "通道3校正成功!", "通道4校正成功!", "连接成功！", "连接失败！"})
            answerer->setTextAnswer(QString::fromUtf8(text), DialogAnswerer::Accept);
        NetDialogDriver driver(window);
        if (!driver.quickSearch())
            return false;
        driver.selectRow(0);
        driver.click("ptn_connectDevice");
        driver.dialog()->hide();
        if (!runUntil([this] { return window->mSendPackets->isEmpty(); }, 20000))
            return false;
        runFor(500);
        delete answerer;
        answerer = nullptr;
        interval = window->mSendTimer->interval();
        return g_networkConnected && NetworkPortManager::getInstance()->udpSession();
    }

    // Presses on window 1 of the wall and moves it in a circle, 60 moves a
    // second, as long as the returned timer runs.
    QTimer *startDrag()
    {
        auto *view = window->findChild<UserView *>(QStringLiteral("graphicsView"));
        InputChannel *channel = view->mScenes.at(view->mCurrentSceneIndex)->mChannels.at(0);
        channel->setFlag(QGraphicsItem::ItemIsMovable, true);
        QWindow *handle = window->windowHandle();
        const QPointF grip = channel->sceneBoundingRect().center();
        auto at = [view](const QPointF &scenePoint) {
            return view->viewport()->mapTo(view->window(), view->mapFromScene(scenePoint));
        };
        QTest::mousePress(handle, Qt::LeftButton, {}, at(grip));
        auto *mover = new QTimer;
        mover->setTimerType(Qt::PreciseTimer);
        auto step = std::make_shared<int>(0);
        QObject::connect(mover, &QTimer::timeout, mover, [=] {
            const double angle = 2 * M_PI * (++*step % 120) / 120.0;
            QTest::mouseMove(handle, at(grip + QPointF(300 * std::cos(angle) - 300, 300 * std::sin(angle))));
        });
        mover->start(16);
        return mover;
    }

    void stopDrag(QTimer *mover)
    {
        delete mover;
        auto *view = window->findChild<UserView *>(QStringLiteral("graphicsView"));
        InputChannel *channel = view->mScenes.at(view->mCurrentSceneIndex)->mChannels.at(0);
        const QPointF p = channel->sceneBoundingRect().center();
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {},
                            view->viewport()->mapTo(view->window(), view->mapFromScene(p)));
    }

    bool run(const char *label, int count, bool drag)
    {
        recorder.take();
        for (int i = 0; i < count; ++i)
            window->sendCommand(sequenceCommand(i));
        QTimer *mover = drag ? startDrag() : nullptr;
        const int limitMs = count * interval * 2 + 5000;
        const bool complete = runUntil([this, count] { return recorder.sequencesSeen() >= count; }, limitMs);
        if (mover)
            stopDrag(mover);
        runFor(3 * interval);
        // What the drag queued behind the commands is of no interest here,
        // beyond showing that it went on.
        const auto geometry = std::count_if(window->mSendTexts->begin(), window->mSendTexts->end(),
                                            [](const QString &text) { return text.startsWith(QLatin1Char('e')); });
        if (drag)
            std::printf("%-6s %d geometry commands of the drag still queued behind them\n", label, int(geometry));
        window->mSendPackets->clear();
        window->mSendTexts->clear();
        runFor(3 * interval);
        report(label, count, recorder.take());
        return complete;
    }

    void report(const char *label, int count, const std::vector<Arrival> &arrivals)
    {
        std::vector<bool> seen(size_t(count), false);
        int received = 0, reordered = 0, highest = -1, others = 0;
        qint64 first = -1, last = -1;
        for (const Arrival &a : arrivals) {
            if (a.sequence < 0 || a.sequence >= count) {
                ++others;
                continue;
            }
            if (first < 0)
                first = a.ns;
            last = a.ns;
            if (!seen[size_t(a.sequence)]) {
                seen[size_t(a.sequence)] = true;
                ++received;
            }
            if (a.sequence < highest)
                ++reordered;
            highest = std::max(highest, a.sequence);
        }
        // Every packet the pump sent between the first and the last command
        // counts for the beat, the drag's geometry included.
        std::vector<double> gaps;
        const Arrival *previous = nullptr;
        const Arrival *longestStart = nullptr;
        const Arrival *longestEnd = nullptr;
        double longest = 0;
        for (const Arrival &a : arrivals) {
            if (a.ns < first || a.ns > last)
                continue;
            if (previous) {
                gaps.push_back((a.ns - previous->ns) / 1e6);
                if (gaps.back() > longest) {
                    longest = gaps.back();
                    longestStart = previous;
                    longestEnd = &a;
                }
            }
            previous = &a;
        }
        std::sort(gaps.begin(), gaps.end());
        double mean = 0;
        for (double g : gaps)
            mean += g;
        mean = gaps.empty() ? 0 : mean / double(gaps.size());
        std::printf("%-6s %d commands: lost %d, reordered %d (and %d other packets)\n", label, count,
                    count - received, reordered, others);
        std::printf("%-6s gaps at the box (interval %d ms): mean %.2f ms (%.3f of it), p50 %.2f, p99 %.2f, max %.2f\n",
                    label, interval, mean, interval ? mean / interval : 0.0, percentile(gaps, 0.5),
                    percentile(gaps, 0.99), gaps.empty() ? 0.0 : gaps.back());
        if (longestEnd) {
            const Arrival &before = *longestStart;
            std::printf("%-6s in the longest gap the GUI thread ran %.2f ms and waited %.2f ms for a core\n", label,
                        (longestEnd->gui.runNs - before.gui.runNs) / 1e6,
                        (longestEnd->gui.waitNs - before.gui.waitNs) / 1e6);
        }
        std::fflush(stdout);
    }
};

bool insideTestNamespace()
{
    for (const QHostAddress &address : QNetworkInterface::allAddresses())
        if (address == QHostAddress(QStringLiteral("10.77.0.1")))
            return true;
    return false;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readLine()).section(QLatin1Char(' '), 0, 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Microsoft YaHi"), 9));

    int count = 2000;
    bool idleOnly = false;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg == QLatin1String("--idle-only"))
            idleOnly = true;
        else if (arg.toInt() > 0 && arg.toInt() <= 0xFFFF)
            count = arg.toInt();
        else {
            std::fprintf(stderr, "usage: halden-bench [N (1..65535, default 2000)] [--idle-only]\n");
            return 2;
        }
    }
    if (!insideTestNamespace()) {
        std::fprintf(stderr, "halden-bench: run it inside the test namespace: tools/netns-run.sh %s\n", argv[0]);
        return 2;
    }
    // The program's own messages (and the offscreen platform's) would only
    // slow it down and bury the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;

    QFile sheet(kStyleSheetPath);
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));

    Bench bench;
    bench.clock.start();
    if (!bench.startBox()) {
        std::fprintf(stderr, "halden-bench: the box could not bind its ports\n");
        return 1;
    }
    std::printf("halden-bench: %d cores online, load %s\n", int(sysconf(_SC_NPROCESSORS_ONLN)),
                qPrintable(loadAverage()));

    int failures = 0;
    bench.window = new MainWindow;
    bench.window->resize(1400, 900);
    bench.window->show();
    if (!QTest::qWaitForWindowExposed(bench.window))
        return 1;
    bench.idle("no box:");
    if (!idleOnly) {
        bench.search("one box", 1);
        bench.search("flood", 20000);
        bench.search("3 s flood", 60000);
    }

    if (!bench.connectAsUser()) {
        std::fprintf(stderr, "halden-bench: the connection to the box failed\n");
        ++failures;
    } else {
        if (!idleOnly) {
            failures += !bench.run("plain", count, false);
            failures += !bench.run("drag", count, true);
        }
        bench.idle("box connected:");
    }
    std::printf("halden-bench: load %s at the end\n", qPrintable(loadAverage()));

    delete bench.answerer;
    delete bench.window;
    bench.stopBox();
    return failures ? 1 : 0;
}
