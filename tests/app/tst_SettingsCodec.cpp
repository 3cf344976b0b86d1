#include "app/SettingsCodec.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using app::modHelp::DecodeSetting;
using app::modHelp::EncodeSetting;

class tst_SettingsCodec : public QObject {
    Q_OBJECT
private slots:
    void everyCharacterShiftsBySeventeen_data();
    void everyCharacterShiftsBySeventeen();
};

// What the settings files of every copy of the program hold: the key and a
// date, shifted by 17, a shift of two decimal digits. A change here would
// lose every user's stored date. Decoding gives the text back, but for the
// characters that a shift takes out of Latin-1, which are dropped. A null
// text is not encoded: its row decodes what no encoding gives.
void tst_SettingsCodec::everyCharacterShiftsBySeventeen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("key word") << u"Duration"_s << u"U\u0086\u0083r\u0085z\u0080\u007F"_s
                              << u"Duration"_s;
    QTest::newRow("date") << u"2026-12-07"_s << u"CACG>BC>AH"_s << u"2026-12-07"_s;
    QTest::newRow("empty") << u""_s << u""_s << u""_s;
    QTest::newRow("highest code that survives") << u"\u00EEa"_s << u"\u00FFr"_s << u"\u00EEa"_s;
    QTest::newRow("control characters") << u"\t\r\n"_s << u"\u001A\u001E\u001B"_s << u"\t\r\n"_s;
    QTest::newRow("encode drops the top of the range") << u"\u00EFA\u00FF"_s << u"R"_s << u"A"_s;
    QTest::newRow("beyond Latin-1 counts as a question mark") << u"\u6F22"_s << u"P"_s << u"?"_s;
    QTest::newRow("beyond the basic plane is one question mark")
        << u"\U0001F600"_s << u"P"_s << u"?"_s;
    QTest::newRow("decode drops the bottom of the range")
        << QString() << u"\u0000Z\u0010"_s << u"I"_s;
    QTest::newRow("decode keeps the shift itself") << QString() << u"\u0011"_s << u"\u0000"_s;
}

void tst_SettingsCodec::everyCharacterShiftsBySeventeen()
{
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    QFETCH(QString, decoded);
    if (!text.isNull())
        QCOMPARE(EncodeSetting(text), encoded);
    QCOMPARE(DecodeSetting(encoded), decoded);
}

QTEST_GUILESS_MAIN(tst_SettingsCodec)
#include "tst_SettingsCodec.moc"
