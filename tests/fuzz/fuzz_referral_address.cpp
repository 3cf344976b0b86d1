// Fuzz target for the referral page's address (referral::modTellAFriend::referralAddress).
//
// The first byte of the input chooses how the rest becomes the five entries
// (name, e-mail, message, friend's name, friend's e-mail); missing entries are
// empty and entries beyond the fifth are ignored:
//   0: the bytes are cut at every 0xFF byte and each piece is read as UTF-8,
//      so that broken sequences come in as U+FFFD;
//   1: the same cut, each piece read as Latin-1;
//   2: every two bytes are one UTF-16 code unit, little-endian, cut at every
//      U+FFFF, so that any code unit comes in, lone surrogates included.
// The address is built and written out as the browser gets it (toEncoded),
// and these must hold:
//   - the address is valid, printable ASCII, "http" on www.velmorasoft.com
//     with the path /lvms-refer-a-friend.php, no user, port or fragment, and
//     reads back (QUrl::fromEncoded) as the same address;
//   - its query is taf1=..&taf2=..&..&taf6=.. and nothing else, every value
//     made only of unreserved characters and %XX escapes, so that any query
//     parser, whether it takes "+" for a space or not, reads the same values;
//   - read by a plain parser (split at "&" and "=", percent-decode, UTF-8),
//     taf1..taf5 are the entries and taf6 "http://lvsortilo.velmorasoft.com/";
//   - read by QUrlQuery (QUrl::FullyDecoded) from QUrl::fromEncoded, the keys
//     are taf1..taf6 in order, each once, with the same values, except as
//     said below for noncharacters.
// What "the entry" means: entries go into the query as percent-encoded UTF-8.
// Every entry that is valid UTF-16 must come back exactly as typed. A lone
// surrogate has no UTF-8 form, so an entry with one cannot come back as it
// was; it must come back as the text that Qt's own UTF-8 conversion makes of
// it, that is QString::fromUtf8(entry.toUtf8()) except that a leading U+FEFF
// is kept (QString::fromUtf8 would take it for a byte order mark and drop it).
// Noncharacters (U+FDD0..U+FDEF, U+FFFE, U+FFFF and their likes in every
// plane) are written as their UTF-8 escapes like any other character and the
// plain parser must give them back; Qt 6's URL decoder, however, refuses them
// and gives one U+FFFD per byte, whatever their encoding, so for an entry
// with one only its key is compared in QUrlQuery's reading.
#include "FuzzCheck.h"

#include "referral/modTellAFriend.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

#include <cstddef>
#include <cstdint>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int EntryCount = 5;
const QString productAddress = u"http://lvsortilo.velmorasoft.com/"_s;

using Items = QList<std::pair<QString, QString>>;

QStringList entriesOf(const uint8_t *data, size_t size)
{
    QStringList entries;
    if (size == 0)
        return entries;
    const int mode = data[0] % 3;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (mode == 2) {
        QString units;
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            units.append(QChar(char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8))));
        entries = units.split(QChar(char16_t(0xFFFF)));
    } else {
        for (const QByteArray &piece : bytes.split('\xFF'))
            entries.append(mode == 0 ? QString::fromUtf8(piece) : QString::fromLatin1(piece));
    }
    return entries;
}

// UTF-8 read back as it is, a leading U+FEFF included.
QString fromUtf8KeepingBom(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

// What an entry must come back as (see the top of this file).
QString cameBack(const QString &entry)
{
    if (QStringView(entry).isValidUtf16())
        return entry;
    return fromUtf8KeepingBom(entry.toUtf8());
}

bool hasNonCharacter(const QString &text)
{
    for (const char32_t c : text.toUcs4())
        if (QChar::isNonCharacter(c))
            return true;
    return false;
}

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Only unreserved characters and complete %XX escapes.
bool fullyEncoded(const QByteArray &value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '%') {
            if (i + 2 >= value.size() || !isHexDigit(value[i + 1]) || !isHexDigit(value[i + 2]))
                return false;
            i += 2;
        } else if (!isUnreserved(value[i])) {
            return false;
        }
    }
    return true;
}

// The query read the plain way; values that are not fully encoded fail.
Items plainReading(const QByteArray &query, const QString &entries)
{
    Items items;
    for (const QByteArray &pair : query.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        FUZZ_CHECK(equals > 0, "a query item has no key", entries, QString::fromLatin1(query));
        const QByteArray key = pair.left(equals);
        const QByteArray value = pair.mid(equals + 1);
        FUZZ_CHECK(fullyEncoded(value), "a query value is not fully percent-encoded", entries,
                   QString::fromLatin1(value));
        items.append(
            {QString::fromLatin1(key), fromUtf8KeepingBom(QByteArray::fromPercentEncoding(value))});
    }
    return items;
}

// The entries, or the items, as one text for the failure report.
QString described(const QStringList &entries) { return entries.join(QChar(char16_t(0x241F))); }

QString described(const Items &items)
{
    QStringList parts;
    for (const auto &[key, value] : items)
        parts.append(key + u'=' + value);
    return described(parts);
}

void checkPlace(const QUrl &address, const QString &entries, const char *which)
{
    const QString shown = address.toString();
    FUZZ_CHECK(address.isValid(), which, entries, shown + u" invalid: "_s + address.errorString());
    FUZZ_CHECK(address.scheme() == u"http"_s, which, entries, shown);
    FUZZ_CHECK(address.host() == u"www.velmorasoft.com"_s, which, entries, shown);
    FUZZ_CHECK(address.path(QUrl::FullyEncoded) == u"/lvms-refer-a-friend.php"_s, which, entries,
               shown);
    FUZZ_CHECK(address.userInfo().isEmpty(), which, entries, shown);
    FUZZ_CHECK(address.port() == -1, which, entries, shown);
    FUZZ_CHECK(!address.hasFragment(), which, entries, shown);
    FUZZ_CHECK(address.hasQuery(), which, entries, shown);
}

// QUrlQuery's reading against the expected items; an entry with a
// noncharacter has only its key compared.
void checkQUrlQuery(const QUrl &address, const Items &expected, const QStringList &entries,
                    const char *what)
{
    const QString entriesText = described(entries);
    const Items items = QUrlQuery(address).queryItems(QUrl::FullyDecoded);
    FUZZ_CHECK(items.size() == expected.size(), what, entriesText, described(items));
    for (qsizetype i = 0; i < items.size(); ++i) {
        FUZZ_CHECK(items[i].first == expected[i].first, what, entriesText, described(items));
        if (i < EntryCount && hasNonCharacter(entries[i]))
            continue;
        FUZZ_CHECK(items[i].second == expected[i].second, what, entriesText, described(items));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList entries = entriesOf(data, size);
    while (entries.size() < EntryCount)
        entries.append(QString());
    entries.resize(EntryCount);
    const QString entriesText = described(entries);

    const referral::modTellAFriend::Referral referral{entries[0], entries[1], entries[2],
                                                      entries[3], entries[4], {}};
    const QUrl address = referral::modTellAFriend::referralAddress(referral);
    checkPlace(address, entriesText, "the address is not the referral page");

    const QByteArray encoded = address.toEncoded();
    for (const char byte : encoded)
        FUZZ_CHECK(byte > ' ' && byte < '\x7F', "the written address is not printable ASCII",
                   entriesText, QString::fromLatin1(encoded));
    const QByteArray page = "http://www.velmorasoft.com/lvms-refer-a-friend.php?";
    FUZZ_CHECK(encoded.startsWith(page), "the written address does not start with the page",
               entriesText, QString::fromLatin1(encoded));

    const QUrl readBack = QUrl::fromEncoded(encoded, QUrl::StrictMode);
    checkPlace(readBack, entriesText, "the address read back is not the referral page");
    FUZZ_CHECK(readBack == address, "the address read back differs", entriesText,
               readBack.toString());

    Items expected;
    for (int i = 0; i < EntryCount; ++i)
        expected.append({u"taf"_s + QString::number(i + 1), cameBack(entries[i])});
    expected.append({u"taf6"_s, productAddress});

    const Items plain = plainReading(encoded.mid(page.size()), entriesText);
    FUZZ_CHECK(plain == expected, "the query read the plain way does not give the entries back",
               entriesText, described(plain));
    checkQUrlQuery(readBack, expected, entries, "QUrlQuery does not give the entries back");
    checkQUrlQuery(address, expected, entries,
                   "QUrlQuery on the address itself does not give the entries back");
    return 0;
}
