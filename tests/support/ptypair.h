#ifndef PTYPAIR_H
#define PTYPAIR_H

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair standing in for a serial cable: the program opens
// slavePath() as its serial port, the test reads and writes the master side.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return mMaster >= 0; }
    QString slavePath() const { return mSlavePath; }

    // Reads what the program wrote until `count` bytes are in or `msec` passes.
    QByteArray read(int count, int msec);
    // Everything that arrives within `msec` (for checking that nothing came).
    QByteArray readAvailable(int msec);
    bool write(const QByteArray &data);

private:
    int mMaster = -1;
    QString mSlavePath;
};

#endif
