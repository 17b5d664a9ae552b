#pragma once
// The IP address key: a dotted IPv4 address as 8 upper-case hexadecimal digits, so lists sort by address.
#include <QString>

// A one-character text gets a "0" in front ("A" -> "0A"); any other length comes back unchanged.
[[nodiscard]] QString fnc_Hex2(const QString& text);

// "" for "", else the four octets of glibc inet_addr's result in written order, two digits each.
// inet_addr takes the classic short and octal forms ("10.1" -> 0A000001, "192.168.01.010" -> C0A80108)
// and ignores text after a blank ("1.2.3.4 xyz" -> 01020304); text it rejects gives FFFFFFFF, the key of
// 255.255.255.255.
[[nodiscard]] QString fnc_IP_To_Hex(const QString& address);
