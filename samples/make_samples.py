#!/usr/bin/env python3
"""Writes the sample inventory files of this folder and, for each sample that becomes a PC, the values the
import must store for it (expected/<file>.<ja|en>.tsv).

The samples are CP932 text with CR LF line ends, one item per line. The expected values come from a model
of the staging and of the item catalogue kept here, apart from the program's own code, so the tests compare
two independent readings of the same rules.

    python3 samples/make_samples.py        # rewrites the samples in place
"""
import decimal
import os
import re
import socket
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
HEADER = "Key,Group,Item,SubItem,Contents,Unit,Renewalday"

# ---------------------------------------------------------------------------------------------------------
# The item catalogue: number, target (table letter + column), rule, selector fields, Japanese selector,
# English selector (None = the same). P = tbl_Pclist, C = tbl_Computer_List.
# ---------------------------------------------------------------------------------------------------------
IS, GI, SC = ("Item", "SubItem"), ("Group", "Item"), ("SubItem", "Contents")
CPU_FLAGS = ["FPU", "VME", "DE", "PSE", "TSC", "MSR", "PAE", "MCE", "CX8", "APIC", "SEP", "MTRR", "PGE", "MCA",
             "CMOV", "PAT", "PSE36", "PSN", "MMX", "FXSR", "SSE", "SSE2", "HTT", "TM", "3DNow", "3DNowEx", "SSE3",
             "MONITOR", "DSCPL", "EST", "TM2", "CID"]

CATALOGUE = [
    (1, "Computer_Name", "text", IS, ("LAN", "コンピュータ名"), ("LAN", "Computer name")),
    (2, "Workgroup", "text", IS, ("LAN", "ワークグループ"), ("LAN", "Workgroup name")),
    (3, "IPAddress", "text", IS, ("Adapter", "IPアドレス"), ("Adapter", "IP address")),
    (4, "IPAddress_16num", "ip", IS, ("Adapter", "IPアドレス"), ("Adapter", "IP address")),
    (5, "Update", "date", GI, ("Create", "DateTime"), ("Soft", "Windows")),
    (6, "MacAddress", "text", IS, ("Adapter", "MACアドレス"), ("Adapter", "MAC address")),
    (7, "Memory_Full", "pair", IS, ("メモリ", "全容量"), ("Memory", "Capacity")),
    (9, "Memory_Used", "pair", IS, ("メモリ", "使用量"), ("Memory", "Amount used")),
    (11, "SysHD_Full", "pair", IS, ("SystemHDD", "全容量"), ("SystemHDD", "Capacity")),
    (13, "SysHD_Used", "pair", IS, ("SystemHDD", "使用量"), ("SystemHDD", "Amount used")),
    (15, "Memory_Free", "pair", IS, ("メモリ", "空容量"), ("Memory", "Empty capacity")),
    (17, "Pagefile_Full", "pair", IS, ("ページファイル", "全容量"), ("PageFile", "Capacity")),
    (19, "Pagefile_Used", "pair", IS, ("ページファイル", "使用量"), ("PageFile", "Amount used")),
    (21, "Pagefile_Free", "pair", IS, ("ページファイル", "空容量"), ("PageFile", "Empty capacity")),
    (23, "SysHD_Driveletter", "text", IS, ("SystemHDD", "Drive"), None),
    (24, "SysHD_Free", "pair", IS, ("SystemHDD", "空容量"), ("SystemHDD", "Empty capacity")),
    (26, "Operating_System", "text", IS, ("Windows", "Version"), None),
    (27, "ProductID", "text", IS, ("Windows", "ProductID"), None),
    (28, "OEM_Manufacturer", "text", IS, ("Windows", "OEM Manufacturer"), None),
    (29, "OEM_Model", "text", IS, ("Windows", "OEM Model"), None),
    (30, "IE_Version", "text", IS, ("IE", "Version"), None),
    (31, "IE_SP", "text", IS, ("IE", "更新Version"), ("IE", "UpdatingVersion")),
    (32, "Resolution", "text", IS, ("画面", "解像度"), ("Screen", "Resolution")),
    (33, "CPU_Name", "text", IS, ("CPU", "Name"), None),
    (34, "CPU_Clock", "number", IS, ("CPU", "Clock"), None),
    (35, "CPU_ID", "text", IS, ("CPU", "ID"), None),
    (36, "CPU_Unit", "number", IS, ("CPU", "Number of processors"), None),
    (37, "CPU_NameString", "text", IS, ("CPU", "NameString"), None),
    (38, "CPU_Type", "number", IS, ("CPU", "Type"), None),
    (39, "CPU_Family", "number", IS, ("CPU", "Family"), None),
    (40, "CPU_Model", "number", IS, ("CPU", "Model"), None),
    (41, "CPU_Stepping", "number", IS, ("CPU", "Stepping"), None),
    (42, "CPU_L1_Instruction_Cache", "cache", IS, ("CPU", "L1命令キャッシュ"), ("CPU", "L1 instruction cache")),
    (44, "CPU_L1_Data_Cache", "cache", IS, ("CPU", "L1Dataキャッシュ"), ("CPU", "L1 data cache")),
    (46, "CPU_L2_Cache", "cache", IS, ("CPU", "L2キャッシュ"), ("CPU", "L2 cache")),
    (48, "CPU_L3_Cache", "cache", IS, ("CPU", "L3キャッシュ"), ("CPU", "L3 cache")),
    (50, "CPU_L1_Trace_Cache", "cache", IS, ("CPU", "L1トレースキャッシュ"), ("CPU", "L1 trace cache")),
    (52, "CPU_SerialNumber", "text", IS, ("CPU", "SerialNumber"), None),
] + [(53 + i, "CPU_" + f, "cpuflag", IS, ("CPU", f), None) for i, f in enumerate(CPU_FLAGS)] + [
    (85, "UserName", "text", IS, ("LAN", "ユーザー名"), ("LAN", "User name")),
    (86, "HostsName", "text", IS, ("LAN", "ホスト名"), ("LAN", "Host name")),
    (87, "DomeinName", "text", IS, ("LAN", "ドメイン"), ("LAN", "Domain name")),
    (88, "PC_Explanation", "text", IS, ("LAN", "コンピュータの説明"), ("LAN", "Explanation of a computer")),
    (89, "ProviderName", "text", IS, ("LAN", "プロバイダ名"), ("LAN", "Network provider name")),
    (90, "AdapterName", "text", IS, ("Adapter", "アダプター名"), ("Adapter", "Adapter name")),
    (91, "SubnetMask", "text", IS, ("Adapter", "サブネットマスク"), ("Adapter", "Subnet mask")),
    (92, "Gateway", "text", IS, ("Adapter", "ゲートウェイ"), ("Adapter", "Gateway address")),
    (93, "DHCPServer", "text", IS, ("Adapter", "DHCPServer"), None),
    (94, "PrimaryWINS", "text", IS, ("Adapter", "PrimaryWINS"), None),
    (95, "SecondaryWINS", "text", IS, ("Adapter", "SecondaryWINS"), None),
    (96, "PrimaryDNS", "text", IS, ("LAN", "PrimaryDNS"), None),
    (98, "SecondaryDNS", "text", IS, ("LAN", "SecondaryDNS"), None),
    (99, "Internet_Connection", "setflag", SC, ("Setting", "インターネット接続"), ("Setting", "Internet connectivity")),
    (100, "Modem_Connection", "setflag", SC, ("Setting", "モデム経由"), ("Setting", "Modem course")),
    (101, "LAN_Connection", "setflag", SC, ("Setting", "LAN経由"), ("Setting", "LAN course")),
    (102, "PROXY_Connection", "setflag", SC, ("Setting", "PROXY経由"), ("Setting", "PROXY course")),
    (103, "OfflineMode", "setflag", SC, ("Setting", "オフラインモード"), ("Setting", "Off-line mode")),
    (104, "RASInstalled", "setflag", SC, ("Setting", "RASインストール"), ("Setting", "RAS installation")),
    (105, "Start_Page", "unittext", SC, ("Setting", "Start Page"), None),
    (106, "Type_Number", "text", IS, ("System", "Model"), None),
    (107, "Sereals_Number", "text", IS, ("BIOS", "SerialNo"), None),
]
COMPUTER_LIST_COLUMNS = {"Type_Number", "Sereals_Number"}

# ---------------------------------------------------------------------------------------------------------
# The samples. Each line is (Group, Item, SubItem, Contents, Unit, Renewalday); Key is the line number.
# ---------------------------------------------------------------------------------------------------------
R_JA = "2005/04/01 12:30:45"
R_EN = "2006/01/15 9:05:00"

FLAG_VALUES = {  # Contents of each CPU flag line: only "1" and "TRUE" count
    "FPU": "TRUE", "VME": "TRUE", "DE": "1", "PSE": "True", "TSC": "true", "MSR": "FALSE", "PAE": "0",
    "MCE": "", "CX8": "TRUE", "APIC": "TRUE", "SEP": "TRUE", "MTRR": "TRUE", "PGE": "TRUE", "MCA": "TRUE",
    "CMOV": "TRUE", "PAT": "TRUE", "PSE36": "TRUE", "PSN": "FALSE", "MMX": "TRUE", "FXSR": "TRUE",
    "SSE": "TRUE", "SSE2": "TRUE", "HTT": "FALSE", "TM": "TRUE", "3DNow": "FALSE", "3DNowEx": "False",
    "SSE3": "FALSE", "MONITOR": "FALSE", "DSCPL": "FALSE", "EST": "FALSE", "TM2": "FALSE", "CID": " TRUE",
}


def lists(r):
    """The application, device, printer and environment lines, the same in both label sets."""
    return [
        ("Soft", "Application", "予定表ソフト", "1.0", "C:\\Program Files\\予定表\\yotei.exe", r),
        ("Soft", "Application", "Office Suite", "11.0", '"C:\\Program Files\\Office"', r),
        ("Soft", "Application", "能率ツール 十", "2.3", "", r),
        ("Device", "ディスプレイ アダプタ", "RADEON 9200", "ATI Technologies", "6.14.10.6462", r),
        ("Device", "ネットワーク アダプタ", "Intel(R) PRO/100 VE", "Intel", "5.1.2600.0", r),
        ("Device", "ディスク ドライブ", "ST340014A", "(標準ディスク ドライブ)", "5.1.2535.0", r),
        ("Device", "キーボード", "106 日本語キーボード", "(標準キーボード)", "", r),
        ("Hard", "Printer", "EPSON LP-9000C", "LPT1:", "", r),
        ("Hard", "Printer", "\\\\server\\総務プリンタ", "Ne00:", "", r),
        ("Environmental", "Path", "C:\\WINDOWS\\system32;C:\\WINDOWS", "", "", r),
        ("Environmental", "TEMP", "%USERPROFILE%\\Local Settings\\Temp", "", "", r),
        ("Environmental", "LIST", "a", "b", "c", r + ",extra,more"),  # commas after the sixth stay in Renewalday
    ]


def japanese_lines():
    r = R_JA
    cpu = [("Hard", "CPU", "Name", "Intel Pentium 4", "", r),
           ("Hard", "CPU", "Clock", "2400", "MHz", r),
           ("Hard", "CPU", "ID", "x86 Family 15 Model 2 Stepping 9", "", r),
           ("Hard", "CPU", "Number of processors", "1", "", r),
           ("Hard", "CPU", "NameString", "Intel(R) Pentium(R) 4 CPU 2.40GHz", "", r),
           ("Hard", "CPU", "Type", "0", "", r),
           ("Hard", "CPU", "Family", "15", "", r),
           ("Hard", "CPU", "Model", "2", "", r),
           ("Hard", "CPU", "Stepping", "9", "", r),
           ("Hard", "CPU", "L1命令キャッシュ", "", "KB", r),
           ("Hard", "CPU", "L1Dataキャッシュ", "8", "KB", r),
           ("Hard", "CPU", "L2キャッシュ", "512", "KB", r),
           ("Hard", "CPU", "L3キャッシュ", "なし", "", r),
           ("Hard", "CPU", "L1トレースキャッシュ", "12", "Kμops", r),
           ("Hard", "CPU", "SerialNumber", "", "", r)]
    cpu += [("Hard", "CPU", f, FLAG_VALUES[f], "", r) for f in CPU_FLAGS]
    return [
        ("Create", "DateTime", "2005/04/01 12:30:45", "", "", r),
        ("Network", "LAN", "コンピュータ名", "SOUMU-PC01", "", r),
        ("Network", "LAN", "ワークグループ", "SOUMU", "", r),
        ("Network", "LAN", "ユーザー名", "yamada", "", r),
        ("Network", "LAN", "ホスト名", "soumu-pc01", "", r),
        ("Network", "LAN", "ドメイン", "example.local", "", r),
        ("Network", "LAN", "コンピュータの説明", "総務課 表計算用 山田's PC", "", r),
        ("Network", "LAN", "プロバイダ名", "Microsoft Windows Network", "", r),
        ("Network", "LAN", "PrimaryDNS", "192.168.1.4", "", r),
        ("Network", "LAN", "PrimaryDNS", "192.168.1.99", "", r),  # a second match: the first one counts
        ("Network", "LAN", "SecondaryDNS", "192.168.1.5", "", r),
        ("Network", "Adapter", "アダプター名", "Intel(R) PRO/100 VE Network Connection", "", r),
        ("Network", "Adapter", "IPアドレス", "192.168.1.10", "", r),
        ("Network", "Adapter", "IPアドレス", "10.0.0.5", "", r),
        ("Network", "Adapter", "MACアドレス", "00:0D:60:12:34:56", "", r),
        ("Network", "Adapter", "サブネットマスク", "255.255.255.0", "", r),
        ("Network", "Adapter", "ゲートウェイ", "192.168.1.1", "", r),
        ("Network", "Adapter", "DHCPServer", "192.168.1.2", "", r),
        ("Network", "Adapter", "PrimaryWINS", "192.168.1.3", "", r),
        ("Network", "Adapter", "SecondaryWINS", "", "", r),
        ("Hard", "メモリ", "全容量", "2048", "MB", r),
        ("Hard", "メモリ", "使用量", "1024.5", "MB", r),
        ("Hard", "メモリ", "空容量", "512 MB", "MB", r),
        ("Hard", "SystemHDD", "Drive", "C:\\", "", r),
        ("Hard", "SystemHDD", "全容量", " 40000 ", "MB", r),
        ("Hard", "SystemHDD", "使用量", "2.5", "GB", r),
        ("Hard", "SystemHDD", "空容量", "3.5", "GB", r),
        ("Soft", "ページファイル", "全容量", "2147483648", "KB", r),
        ("Soft", "ページファイル", "使用量", "-12", "KB", r),
        ("Soft", "ページファイル", "空容量", "", "KB", r),
        ("Soft", "Windows", "Version", "Microsoft Windows XP Professional", "", r),
        ("Soft", "Windows", "ProductID", "55274-OEM-0011903-00102", "", r),
        ("Soft", "Windows", "OEM Manufacturer", "Ishikawa Denki", "", r),
        ("Soft", "Windows", "OEM Model", "IK-D5200", "", r),
        ("Soft", "IE", "Version", "6.0.2900.2180", "", r),
        ("Soft", "IE", "更新Version", ";SP2;", "", r),
        ("Soft", "IE", "Setting", "インターネット接続", "True", r),
        ("Soft", "IE", "Setting", "モデム経由", "False", r),
        ("Soft", "IE", "Setting", "LAN経由", "1", r),
        ("Soft", "IE", "Setting", "PROXY経由", "TRUE", r),
        ("Soft", "IE", "Setting", "オフラインモード", "0", r),
        ("Soft", "IE", "Setting", "RASインストール", "", r),
        ("Soft", "IE", "Setting", "Start Page", "http://www.example.co.jp/#top", r),
        ("Hard", "画面", "解像度", "1024×768 32ビット", "", r),
    ] + cpu + [
        ("Hard", "System", "Model", "PC-MA26D", "", r),
        ("Hard", "BIOS", "SerialNo", "SN-0012;34", "", r),
    ] + lists(r)


def english_lines():
    r = R_EN
    cpu = [("Hard", "CPU", "Name", "AMD Athlon XP", "", r),
           ("Hard", "CPU", "Clock", "1833.5", "MHz", r),
           ("Hard", "CPU", "ID", "x86 Family 6 Model 8 Stepping 1", "", r),
           ("Hard", "CPU", "Number of processors", "2", "", r),
           ("Hard", "CPU", "NameString", "AMD Athlon(tm) XP 2500+", "", r),
           ("Hard", "CPU", "Type", "0", "", r),
           ("Hard", "CPU", "Family", "6", "", r),
           ("Hard", "CPU", "Model", "8", "", r),
           ("Hard", "CPU", "Stepping", "1", "", r),
           ("Hard", "CPU", "L1 instruction cache", "64", "KB", r),
           ("Hard", "CPU", "L1 data cache", "64", "KB", r),
           ("Hard", "CPU", "L2 cache", "256 KB", "KB", r),
           ("Hard", "CPU", "L3 cache", "", "", r),
           ("Hard", "CPU", "L1 trace cache", "", "", r),
           ("Hard", "CPU", "SerialNumber", "0000-0000", "", r)]
    en_flags = dict(FLAG_VALUES, **{"3DNow": "TRUE", "3DNowEx": "TRUE", "HTT": "1", "FPU": "1"})
    cpu += [("Hard", "CPU", f, en_flags[f], "", r) for f in CPU_FLAGS]
    return [
        ("Soft", "Windows", "Version", "Microsoft Windows 2000 Professional", "", r),  # English date source
        ("Create", "DateTime", "2006/01/14 18:00:00", "", "", r),
        ("Network", "LAN", "Computer name", "SALES-PC07", "", r),
        ("Network", "LAN", "Workgroup name", "SALES", "", r),
        ("Network", "LAN", "User name", "o'brien", "", r),
        ("Network", "LAN", "Host name", "sales-pc07", "", r),
        ("Network", "LAN", "Domain name", "corp.example", "", r),
        ("Network", "LAN", "Explanation of a computer", "Sales #7, 2F", "", r),
        ("Network", "LAN", "Network provider name", "Microsoft Windows Network", "", r),
        ("Network", "LAN", "PrimaryDNS", "10.1.0.1", "", r),
        ("Network", "LAN", "SecondaryDNS", "", "", r),
        ("Network", "Adapter", "Adapter name", "3Com EtherLink XL", "", r),
        ("Network", "Adapter", "IP address", "10.1.2.3", "", r),
        ("Network", "Adapter", "MAC address", "00-50-DA-AB-CD-EF", "", r),
        ("Network", "Adapter", "Subnet mask", "255.255.0.0", "", r),
        ("Network", "Adapter", "Gateway address", "10.1.0.254", "", r),
        ("Network", "Adapter", "DHCPServer", "10.1.0.2", "", r),
        ("Network", "Adapter", "PrimaryWINS", "", "", r),
        ("Network", "Adapter", "SecondaryWINS", "", "", r),
        ("Hard", "Memory", "Capacity", "512", "MB", r),
        ("Hard", "Memory", "Amount used", "300", "MB", r),
        ("Hard", "Memory", "Empty capacity", "212", "MB", r),
        ("Hard", "SystemHDD", "Drive", "D:\\", "", r),
        ("Hard", "SystemHDD", "Capacity", "80000", "MB", r),
        ("Hard", "SystemHDD", "Amount used", "+30000", "MB", r),
        ("Hard", "SystemHDD", "Empty capacity", "50000", "MB", r),
        ("Soft", "PageFile", "Capacity", "768", "MB", r),
        ("Soft", "PageFile", "Amount used", "100", "MB", r),
        ("Soft", "PageFile", "Empty capacity", "668", "MB", r),
        ("Soft", "Windows", "ProductID", "51873-OEM-0012345-00678", "", r),
        ("Soft", "Windows", "OEM Manufacturer", "", "", r),
        ("Soft", "Windows", "OEM Model", "", "", r),
        ("Soft", "IE", "Version", "6.0.2800.1106", "", r),
        ("Soft", "IE", "UpdatingVersion", "SP1", "", r),
        ("Soft", "IE", "Setting", "Internet connectivity", "1", r),
        ("Soft", "IE", "Setting", "Modem course", "True", r),
        ("Soft", "IE", "Setting", "LAN course", "True", r),
        ("Soft", "IE", "Setting", "PROXY course", "true", r),
        ("Soft", "IE", "Setting", "Off-line mode", "False", r),
        ("Soft", "IE", "Setting", "RAS installation", "1", r),
        ("Soft", "IE", "Setting", "Start Page", "about:blank", r),
        ("Hard", "Screen", "Resolution", "1280 x 1024", "", r),
    ] + cpu + [
        ("Hard", "System", "Model", "DT-5000", "", r),
        ("Hard", "BIOS", "SerialNo", "", "", r),
    ] + lists(r)


# ---------------------------------------------------------------------------------------------------------
# Writing
# ---------------------------------------------------------------------------------------------------------
def csv_text(lines):
    rows = [HEADER] + [",".join([str(i + 1)] + list(fields)) for i, fields in enumerate(lines)]
    return "".join(row + "\r\n" for row in rows)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def truncated_bytes():
    parts = [
        HEADER + "\r\n",
        "1,Network,LAN,コンピュータ名," + "A" * 300 + ",,2005/04/01\r\n",  # Contents keeps 254 characters
        "2,Network,LAN\r\n",                                            # Key, Group, then Renewalday
        "3,Hard,メモリ,全容量,1024\r\n",                                 # the value lands in Renewalday
        "no commas at all\r\n",                                         # a row of seven empty values
        "\r\n",
        "4,Soft,Application,Cut App,1.0,C:\\cut\r\n",
        "5,Environmental,NOTE,line1\nline2,,,2005/04/01\r\n",            # a lone LF stays in the line
        "6,Device,Cat,Name,Prov,Ver,2005/04/01\r",                       # a lone CR ends a line
        "7,Hard,Printer,Cut Printer,LP",                                # cut off mid-line, no line end
    ]
    return "".join(parts).encode("cp932")


def broken_bytes():
    return (HEADER + "\r\n").encode("cp932") + b"".join([
        "1,Network,LAN,コンピュータ名,BYTES-PC,,2005/04/01\r\n".encode("cp932"),
        b"2,Network,LAN," + "ワークグループ".encode("cp932") + b",AB\x80CD,,2005/04/01\r\n",
        b"3,Network,LAN," + "ドメイン".encode("cp932") + b",END,,\x81\r\n",   # a lead byte right before CR LF
        b"4,Soft,Application,\xfd\xfeApp,1.0,C:\\x,2005/04/01\r\n",
        "5,Hard,Printer,表示プリンタ,LPT1:,,2005/04/01\r\n".encode("cp932"),
    ])


# ---------------------------------------------------------------------------------------------------------
# The model of the staging and the catalogue (the expected values)
# ---------------------------------------------------------------------------------------------------------
def line_input(text):
    lines, start, i, n = [], 0, 0, len(text)
    while i < n:
        if text[i] == "\r":
            lines.append(text[start:i])
            i += 1
            if i < n and text[i] == "\n":
                i += 1
            start = i
        else:
            i += 1
    if start < n:
        lines.append(text[start:])
    return lines


def stage(line):
    names = ["Key", "Group", "Item", "SubItem", "Contents", "Unit"]
    row = dict.fromkeys(names + ["Renewalday"], "")
    if "," not in line:
        return row
    row["Key"], rest = line.split(",", 1)
    for name in names[1:]:
        if "," in rest:
            row[name], rest = rest.split(",", 1)
    row["Renewalday"] = rest
    for name in names:
        row[name] = row[name][:254]
    return row


def replace_sql_char(s):
    for a, b in ((",", "、"), ("'", "’"), (";", "；"), ("#", "＃"), ("\\", "￥"), (":", "："), ("\n", " "),
                 ("\r", " ")):
        s = s.replace(a, b)
    return s


def whole_number(s):
    m = re.fullmatch(r" *([+-]?)(\d+(?:\.\d+)?|\.\d+) *", s)
    if not m:
        return 0
    v = decimal.Decimal(m.group(1) + m.group(2)).quantize(decimal.Decimal(1), rounding=decimal.ROUND_HALF_EVEN)
    return int(v) if -2147483648 <= v <= 2147483647 else 0


def ip_key(s):
    if s == "":
        return ""
    try:
        return "%08X" % struct.unpack("!I", socket.inet_aton(s))[0]
    except OSError:
        return "FFFFFFFF"


def first_match(rows, fields, values):
    for row in rows:
        if all(row[f].lower() == v.lower() for f, v in zip(fields, values)):
            return {k: replace_sql_char(v) for k, v in row.items()}
    return None


def expected(rows, label_set):
    out = []
    put = lambda col, v: out.append(("C" if col in COMPUTER_LIST_COLUMNS else "P", col, str(v)))
    for number, col, rule, fields, ja, en in CATALOGUE:
        sel = ja if label_set == "ja" else (en or ja)
        m = first_match(rows, fields, sel)
        g = (lambda f: m[f]) if m else (lambda f: "")
        if rule == "text":
            put(col, g("Contents")[:255])
        elif rule == "unittext":
            put(col, g("Unit")[:255])
        elif rule == "date":
            v = g("SubItem" if label_set == "ja" else "Renewalday")[:255]
            out.append(("C", "Update", v))
            out.append(("P", "Update", v))
        elif rule == "ip":
            put(col, ip_key(g("Contents")))
        elif rule == "number":
            put(col, whole_number(g("Contents")))
        elif rule in ("pair", "cache"):
            put(col, whole_number(g("Contents")))
            put(col + "_unit", g("Unit"))
        elif rule == "cpuflag":
            put(col, "1" if g("Contents") in ("1", "TRUE") else "0")
        elif rule == "setflag":
            put(col, "1" if g("Unit") in ("1", "True") else "0")
    for col in ("Location_Code", "User_Code", "Manufacturer_Code", "Model_Code", "Asset_Code", "Deleted_Flug"):
        out.append(("C", col, "0"))
    lists_of = [
        ("A", lambda r: r["Group"].lower() == "soft" and r["Item"].lower() == "application",
         ("Renewalday", "SubItem", "Contents", "Unit")),
        ("D", lambda r: r["Group"].lower() == "device", ("Renewalday", "Item", "SubItem", "Contents", "Unit")),
        ("R", lambda r: r["Group"].lower() == "hard" and r["Item"].lower() == "printer",
         ("Renewalday", "SubItem", "Contents")),
        ("E", lambda r: r["Group"].lower() == "environmental", ("Renewalday", "Item", "SubItem")),
    ]
    for letter, match, fields in lists_of:
        for r in rows:
            if match(r):
                out.append((letter,) + tuple(replace_sql_char(r[f]) for f in fields))
    return out


def write_expected(name, data, label_set):
    text = data.decode("cp932")  # strict: the modelled samples hold no byte outside CP932
    rows = [stage(line) for line in line_input(text)[1:]]
    os.makedirs(os.path.join(HERE, "expected"), exist_ok=True)
    body = "".join("\t".join(fields) + "\n" for fields in expected(rows, label_set))
    for bad in ("\t\t\t\t\t\t\t", "\r"):
        assert bad not in body
    with open(os.path.join(HERE, "expected", "%s.%s.tsv" % (name, label_set)), "w", encoding="utf-8",
              newline="\n") as f:
        f.write(body)


def main():
    ja = csv_text(japanese_lines()).encode("cp932")
    en = csv_text(english_lines()).encode("cp932")
    samples = {
        "inventory_ja.csv": ja,
        "inventory_en.csv": en,
        "broken_header.csv": ja.replace(b"Key,Group", b"key,Group", 1),
        "broken_empty.csv": b"",
        "broken_bom.csv": b"\xef\xbb\xbf" + ja,
        "broken_truncated.csv": truncated_bytes(),
        "broken_bytes.csv": broken_bytes(),
    }
    for name, data in samples.items():
        write(name, data)
    for name in ("inventory_ja.csv", "inventory_en.csv", "broken_truncated.csv"):
        for label_set in ("ja", "en"):
            write_expected(name, samples[name], label_set)


if __name__ == "__main__":
    main()
