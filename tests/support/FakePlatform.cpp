#include "FakePlatform.h"

#include <QFile>
#include <QHash>

QString tabledFortune(int stick)
{
    static const QHash<int, QString> table = [] {
        QHash<int, QString> table;
        QFile file(QStringLiteral(SORTILO_TEST_DATA "/fortunes.tsv"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("cannot read the table of fortunes");
        for (const QByteArray &line : file.readAll().split('\n')) {
            const qsizetype tab = line.indexOf('\t');
            if (tab > 0)
                table.insert(line.left(tab).toInt(), QString::fromUtf8(line.mid(tab + 1)));
        }
        if (table.size() != 78)
            qFatal("the table of fortunes holds %d sticks", int(table.size()));
        return table;
    }();
    return table.value(stick);
}

namespace fake {

QStringList Browser::openedAddresses() const
{
    QStringList addresses;
    for (const QUrl &address : opened)
        addresses.append(QString::fromLatin1(address.toEncoded()));
    return addresses;
}

forms::Answer Messages::ask(const forms::Message &message)
{
    shown.append(message);
    if (whileShown)
        whileShown(message);
    if (!answers.isEmpty())
        return answers.takeFirst();
    return message.buttons == forms::Message::Buttons::Ok ? forms::Answer::Ok : forms::Answer::No;
}

QStringList Messages::texts() const
{
    QStringList result;
    for (const forms::Message &message : shown)
        result.append(message.text);
    return result;
}

std::optional<QString> SettingsStore::read(const QString &section, const QString &key)
{
    if (unreadable)
        return std::nullopt;
    return values.value(section + u'/' + key);
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    if (unwritable)
        return false;
    ++writes;
    values.insert(section + u'/' + key, value);
    return true;
}

} // namespace fake
