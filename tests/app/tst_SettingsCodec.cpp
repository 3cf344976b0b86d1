#include "app/SettingsCodec.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using modHelp::DecodeSetting;
using modHelp::EncodeSetting;
using modHelp::SettingShift;

class tst_SettingsCodec : public QObject {
    Q_OBJECT
private slots:
    void shiftIsTwoDecimalDigits();
    void roundTripGivesTextBack_data();
    void roundTripGivesTextBack();
    void encodingShiftsEveryCharacter();
    void charactersShiftedOutOfRangeAreDropped_data();
    void charactersShiftedOutOfRangeAreDropped();
};

void tst_SettingsCodec::shiftIsTwoDecimalDigits()
{
    QVERIFY(SettingShift >= 10 && SettingShift < 100);
}

void tst_SettingsCodec::roundTripGivesTextBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("key word") << u"Duration"_s;
    QTest::newRow("date") << u"2026-12-07"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("highest code that survives")
        << QString(QChar(char16_t(255 - SettingShift))) + u"a"_s;
    QTest::newRow("control characters") << u"\t\r\n"_s;
}

void tst_SettingsCodec::roundTripGivesTextBack()
{
    QFETCH(QString, text);
    QCOMPARE(DecodeSetting(EncodeSetting(text)), text);
}

void tst_SettingsCodec::encodingShiftsEveryCharacter()
{
    const QString encoded = EncodeSetting(u"Duration");
    QCOMPARE(encoded.size(), 8);
    QCOMPARE(encoded[0].unicode(), u'D' + SettingShift);
    QCOMPARE(encoded[7].unicode(), u'n' + SettingShift);
    QVERIFY(encoded != u"Duration"_s);
}

void tst_SettingsCodec::charactersShiftedOutOfRangeAreDropped_data()
{
    QTest::addColumn<bool>("encode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QChar top(char16_t(255));
    const QChar firstDropped(char16_t(256 - SettingShift));
    QTest::newRow("encode drops the top of the range")
        << true << QString(firstDropped) + u"A"_s + top
        << QString(QChar(char16_t(u'A' + SettingShift)));
    QTest::newRow("decode drops the bottom of the range")
        << false << QString(QChar(char16_t(0))) + u"Z"_s + QChar(char16_t(SettingShift - 1))
        << QString(QChar(char16_t(u'Z' - SettingShift)));
    QTest::newRow("decode keeps the shift itself")
        << false << QString(QChar(char16_t(SettingShift))) << QString(QChar(char16_t(0)));
    QTest::newRow("beyond Latin-1 counts as a question mark")
        << true << u"\u6F22"_s << QString(QChar(char16_t(u'?' + SettingShift)));
    QTest::newRow("beyond the basic plane is one question mark")
        << true << u"\U0001F600"_s << QString(QChar(char16_t(u'?' + SettingShift)));
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
