#include "routetable.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QString s_program;
QStringList s_arguments;

void systemCommand(QString *program, QStringList *arguments)
{
#ifdef Q_OS_WIN
    *program = QStringLiteral("route");
    *arguments = QStringList{QStringLiteral("print")};
#else
    *program = QStringLiteral("ip");
    *arguments = QStringList{QStringLiteral("-4"), QStringLiteral("route")};
#endif
}

} // namespace

namespace RouteTable {

void setCommand(const QString &program, const QStringList &arguments)
{
    s_program = program;
    s_arguments = arguments;
}

QString text(int timeoutMs)
{
    QString program = s_program;
    QStringList arguments = s_arguments;
    if (program.isEmpty())
        systemCommand(&program, &arguments);

    QProcess process;
    process.start(program, arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted(timeoutMs))
        return QString();
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return QString();
    }
    QByteArray out = process.readAllStandardOutput();
    const int nul = out.indexOf('\0');
    if (nul >= 0)
        out.truncate(nul);
    return QString::fromUtf8(out);
}

QStringList ipv4Addresses(const QString &text)
{
    static const QRegularExpression address(QStringLiteral("(\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3})"));
    QStringList found;
    QRegularExpressionMatchIterator it = address.globalMatch(text);
    while (it.hasNext()) {
        const QString a = it.next().captured(1);
        if (!found.contains(a))
            found.append(a);
    }
    return found;
}

} // namespace RouteTable
