#include "core/Mdl_IP.h"

#include <arpa/inet.h>

#include <cstring>

#include "platform/text/Cp932.h"

QString fnc_Hex2(const QString& text) { return text.size() == 1 ? QStringLiteral("0") + text : text; }

QString fnc_IP_To_Hex(const QString& address) {
    if (address.isEmpty()) return QString();
    const QByteArray bytes = cp932::encode(address);
    const in_addr_t value = inet_addr(bytes.constData());  // network order; INADDR_NONE when rejected
    unsigned char octets[4];
    std::memcpy(octets, &value, sizeof octets);
    QString key;
    for (unsigned char o : octets) key += fnc_Hex2(QString::number(o, 16).toUpper());
    return key;
}
