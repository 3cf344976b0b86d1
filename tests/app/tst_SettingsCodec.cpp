#include "app/SettingsCodec.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using app::modHelp::DecodeSetting;
using app::modHelp::EncodeSetting;

class tst_SettingsCodec : public QObject {
    Q_OBJECT
private slots:
    void roundTripGivesTextBack_data();
    void roundTripGivesTextBack();
    void encodingShiftsEveryCharacter();
    void charactersShiftedOutOfRangeAreDropped_data();
    void charactersShiftedOutOfRangeAreDropped();
};

void tst_SettingsCodec::roundTripGivesTextBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("key word") << u"Duration"_s;
    QTest::newRow("date") << u"2026-12-07"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("highest code that survives") << u"\u00EEa"_s;
    QTest::newRow("control characters") << u"\t\r\n"_s;
}

void tst_SettingsCodec::roundTripGivesTextBack()
{
    QFETCH(QString, text);
    QCOMPARE(DecodeSetting(EncodeSetting(text)), text);
}

// What the settings files of every copy of the program hold: the key and a
// date, shifted by 17, a shift of two decimal digits. A change here would
// lose every user's stored date.
void tst_SettingsCodec::encodingShiftsEveryCharacter()
{
    QCOMPARE(EncodeSetting(u"Duration"), u"U\u0086\u0083r\u0085z\u0080\u007F"_s);
    QCOMPARE(EncodeSetting(u"2026-12-07"), u"CACG>BC>AH"_s);
}

void tst_SettingsCodec::charactersShiftedOutOfRangeAreDropped_data()
{
    QTest::addColumn<bool>("encode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("encode drops the top of the range") << true << u"\u00EFA\u00FF"_s << u"R"_s;
    QTest::newRow("decode drops the bottom of the range") << false << u"\u0000Z\u0010"_s << u"I"_s;
    QTest::newRow("decode keeps the shift itself") << false << u"\u0011"_s << u"\u0000"_s;
    QTest::newRow("beyond Latin-1 counts as a question mark") << true << u"\u6F22"_s << u"P"_s;
    QTest::newRow("beyond the basic plane is one question mark")
        << true << u"\U0001F600"_s << u"P"_s;
}

void tst_SettingsCodec::charactersShiftedOutOfRangeAreDropped()
{
    QFETCH(bool, encode);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(encode ? EncodeSetting(text) : DecodeSetting(text), expected);
}

QTEST_GUILESS_MAIN(tst_SettingsCodec)
#include "tst_SettingsCodec.moc"
