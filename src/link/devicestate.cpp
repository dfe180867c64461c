#include "devicestate.h"

#include <QStringList>

namespace {
constexpr int kMaxVersionPart = 9999;

// A part of the version as a number: 0 when it is no number, -1 when it is
// a number no version part can be (negative or above 9999).
int versionPart(const QString &part)
{
    QString digits = part.trimmed();
    if (digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
        digits.remove(0, 1);
    if (digits.isEmpty())
        return 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    bool ok = false;
    const int value = part.trimmed().toInt(&ok);
    return ok && value >= 0 && value <= kMaxVersionPart ? value : -1;
}
} // namespace

int versionTypeFromText(const QString &version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    if (parts.size() < 3)
        return 0;
    const int minor = versionPart(parts.at(1));
    const int patch = versionPart(parts.at(2));
    if (minor < 0 || patch < 0)
        return 0;
    const int n = minor * 100 + patch;
    if (n <= 401)
        return 1;
    if (n <= 403)
        return 0;
    if (n == 404)
        return 2;
    if (n <= 407)
        return 3;
    if (n <= 409)
        return 4;
    return 5;
}

const ReplyMap *voteReplyMaps(const ReplyMap &a, const ReplyMap &b, const ReplyMap &c)
{
    if (a.isEmpty() || b.isEmpty() || c.isEmpty())
        return nullptr;
    if (a == b || a == c)
        return &a;
    if (b == c)
        return &b;
    return nullptr;
}

int replyValue(const ReplyMap &map, int key, int base)
{
    return map.value(key).toInt(nullptr, base);
}

int layerFromStackText(const QString &text, int window)
{
    if (window < 0 || window >= text.size())
        return 0;
    const int d = text.mid(window, 1).toInt();
    if (d < 0 || d > 7)
        return 0;
    return (d + 2) / 2;
}

bool spliceGridFromKey6(const QString &text, int *rows, int *cols)
{
    if (text.size() < 4)
        return false;
    bool okRows = false, okCols = false;
    *rows = text.mid(1, 1).toInt(&okRows, 16);
    *cols = text.mid(3, 1).toInt(&okCols, 16);
    return okRows && okCols;
}
