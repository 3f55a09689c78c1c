#include "app/position/ini_text.h"

#include <QStringDecoder>

#include <array>

namespace position {

namespace {

constexpr QByteArrayView kHeader = "[Form1_StrtUp]";
constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

enum class Kind
{
    Blank,
    Comment,
    Header,
    BrokenHeader,
    Key,
    Unreadable,
};

Kind kindOf(QByteArrayView trimmed, QByteArrayView& key)
{
    if (trimmed.isEmpty())
        return Kind::Blank;
    if (trimmed.front() == ';' || trimmed.front() == '#')
        return Kind::Comment;
    if (trimmed.front() == '[')
        return trimmed.back() == ']' ? Kind::Header : Kind::BrokenHeader;
    const qsizetype equals = trimmed.indexOf('=');
    if (equals <= 0)
        return Kind::Unreadable;
    key = trimmed.first(equals).trimmed();
    return key.isEmpty() ? Kind::Unreadable : Kind::Key;
}

bool isText(QByteArrayView file)
{
    if (file.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString decoded = utf8(file);
    return !utf8.hasError();
}

// One of our two keys, its new value and whether the file has it in place already.
struct OurKey
{
    QByteArrayView name;
    QByteArrayView value;
    bool written = false;
};

} // namespace

QByteArray iniWithPosition(QByteArrayView file, QByteArrayView x1, QByteArrayView y1)
{
    if (!isText(file))
        file = {};
    QByteArray out;
    if (file.startsWith(kByteOrderMark)) {
        out += kByteOrderMark;
        file = file.sliced(kByteOrderMark.size());
    }
    const QByteArrayView lineEnd = file.contains("\r\n") ? QByteArrayView("\r\n") : "\n";
    std::array<OurKey, 2> ours{{{"X1", x1}, {"Y1", y1}}};
    const auto keyLine = [&](const OurKey& key) {
        QByteArray line;
        line.append(key.name).append('=').append(key.value).append(lineEnd);
        return line;
    };

    bool inOurSection = false; // any [Form1_StrtUp] section
    bool inFirstOfOurs = false;
    bool sawOurSection = false;
    bool belowBrokenHeader = false;
    qsizetype endOfOurs = -1; // where a key our first section lacks goes

    qsizetype start = 0;
    while (start < file.size()) {
        qsizetype end = file.indexOf('\n', start);
        const qsizetype next = end < 0 ? file.size() : end + 1;
        if (end < 0)
            end = file.size();
        const QByteArrayView line = file.sliced(start, end - start); // with any '\r'
        start = next;

        QByteArrayView key;
        const QByteArrayView trimmed = line.trimmed();
        const Kind kind = kindOf(trimmed, key);
        if (kind == Kind::Header || kind == Kind::BrokenHeader) {
            belowBrokenHeader = kind == Kind::BrokenHeader;
            inOurSection = trimmed == kHeader;
            inFirstOfOurs = inOurSection && !sawOurSection;
            sawOurSection = sawOurSection || inOurSection;
        }
        if (belowBrokenHeader || kind == Kind::Unreadable)
            continue;

        bool keep = true;
        if (kind == Kind::Key && inOurSection) {
            for (OurKey& our : ours) {
                if (key != our.name)
                    continue;
                keep = false;
                if (inFirstOfOurs && !our.written) {
                    out += keyLine(our);
                    our.written = true;
                }
            }
        }
        if (keep) {
            out += line;
            out += '\n';
        }
        if (inFirstOfOurs && kind != Kind::Blank)
            endOfOurs = out.size();
    }

    QByteArray missing;
    if (!sawOurSection) {
        if (!out.isEmpty() && !out.endsWith(kByteOrderMark) && !out.endsWith("\n\n") &&
            !out.endsWith("\n\r\n"))
            missing += lineEnd;
        missing += kHeader;
        missing += lineEnd;
        endOfOurs = out.size();
    }
    for (const OurKey& our : ours) {
        if (!our.written)
            missing += keyLine(our);
    }
    out.insert(endOfOurs, missing);
    return out;
}

} // namespace position
