#include "FakePlatform.h"

namespace fake {

QStringList Browser::openedAddresses() const
{
    QStringList addresses;
    for (const QUrl &address : opened)
        addresses.append(QString::fromLatin1(address.toEncoded()));
    return addresses;
}

platform::Answer Messages::ask(const platform::Message &message)
{
    shown.append(message);
    if (whileShown)
        whileShown(message);
    if (!answers.isEmpty())
        return answers.takeFirst();
    return message.buttons == platform::Message::Buttons::Ok ? platform::Answer::Ok
                                                             : platform::Answer::No;
}

QStringList Messages::texts() const
{
    QStringList result;
    for (const platform::Message &message : shown)
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
