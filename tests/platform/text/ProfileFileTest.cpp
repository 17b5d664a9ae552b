#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/text/Cp932.h"
#include "platform/text/ProfileFile.h"

namespace {

using std::nullopt;

class ProfileFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("DB.ini"));

    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override {
        // Give the folder back its write bit so QTemporaryDir can remove it.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void put(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    [[nodiscard]] QByteArray bytes() const {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return "<no file>";
        return f.readAll();
    }
    [[nodiscard]] QString get(const QString& section, const QString& key, const QString& def = QString()) const {
        return profile::getString(section, key, def, path);
    }
    bool write(const QString& section, const std::optional<QString>& key, const std::optional<QString>& value) {
        return profile::writeString(section, key, value, path);
    }
};

TEST_F(ProfileFile, FirstWriteCreatesTheFileWithCrLfLines) {
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(write("Main", QString("FormTop"), QString("50")));
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nFormTop=50\r\n"));
}

TEST_F(ProfileFile, SequencesOfWritesLeaveExactBytes) {
    struct Step {
        const char* section;
        std::optional<QString> key;
        std::optional<QString> value;
    };
    struct Case {
        const char* what;
        QByteArray before;  // "" = no file
        std::vector<Step> steps;
        QByteArray after;
    } cases[] = {
        {"keys go to their section, a new section after an empty line",
         "",
         {{"Main", "A", "1"}, {"0", "B", "2"}, {"Main", "C", "3"}},
         "[Main]\r\nA=1\r\nC=3\r\n\r\n[0]\r\nB=2\r\n"},
        {"update in place keeps the position and the key's spelling in the file",
         "[Main]\r\nFormTop=50\r\nFormLeft=50\r\n",
         {{"MAIN", "formtop", "120"}},
         "[Main]\r\nFormTop=120\r\nFormLeft=50\r\n"},
        {"a new key goes before the empty line that ends its section",
         "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n",
         {{"a", "z", "3"}},
         "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        {"a new key in a section that has only its header",
         "[A]\r\n[B]\r\ny=2\r\n",
         {{"A", "x", "1"}},
         "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        {"deleting a section takes its keys and its trailing empty line",
         "[Main]\r\na=1\r\n\r\n[2]\r\nMSFlexGrit_Select5=3\r\n\r\n[3]\r\nb=1\r\n",
         {{"2", nullopt, nullopt}},
         "[Main]\r\na=1\r\n\r\n[3]\r\nb=1\r\n"},
        {"deleting then rewriting a view section leaves no old key",
         "[Main]\r\nSectionNumber=2\r\n\r\n[2]\r\nMSFlexGrit_SelectNum=2\r\nMSFlexGrit_Select1=4\r\nMSFlexGrit_Select2="
         "9\r\n",
         {{"2", nullopt, nullopt}, {"2", "MSFlexGrit_SelectNum", "1"}, {"2", "MSFlexGrit_Select1", "7"}},
         "[Main]\r\nSectionNumber=2\r\n\r\n[2]\r\nMSFlexGrit_SelectNum=1\r\nMSFlexGrit_Select1=7\r\n"},
        {"deleting a section written twice removes both",
         "[x]\r\na=1\r\n[y]\r\nb=2\r\n[X]\r\nc=3\r\n",
         {{"x", nullopt, nullopt}},
         "[y]\r\nb=2\r\n"},
        {"value absent deletes the key only",
         "[Main]\r\na=1\r\nb=2\r\n",
         {{"Main", "A", nullopt}},
         "[Main]\r\nb=2\r\n"},
        {"a file with LF endings and no final ending comes back with CR LF",
         "[Main]\na=1\nb=2",
         {{"Main", "c", "3"}},
         "[Main]\r\na=1\r\nb=2\r\nc=3\r\n"},
        {"lines the write does not touch stay byte for byte",
         QByteArray("; note\r\n[Main]\r\n  Odd = spaced  \r\nbad=") + QByteArray::fromHex("a0") + "\r\n",
         {{"Main", "new", "1"}},
         QByteArray("; note\r\n[Main]\r\n  Odd = spaced  \r\nbad=") + QByteArray::fromHex("a0") + "\r\nnew=1\r\n"},
        {"an empty value is written as 'key='", "", {{"Main", "SectionName0", ""}}, "[Main]\r\nSectionName0=\r\n"},
        {"line breaks inside a value are written as blanks", "", {{"Main", "k", "a\r\nb"}}, "[Main]\r\nk=a  b\r\n"},
        {"Japanese text is written in CP932",
         "",
         {{"0", "KeyCaption0", "設置場所"}},
         QByteArray("[0]\r\nKeyCaption0=") + cp932::encode(QStringLiteral("設置場所")) + "\r\n"},
    };
    for (const auto& c : cases) {
        QFile::remove(path);
        if (!c.before.isEmpty()) put(c.before);
        for (const auto& s : c.steps) EXPECT_TRUE(write(s.section, s.key, s.value)) << c.what;
        EXPECT_EQ(bytes(), c.after) << c.what;
    }
}

TEST_F(ProfileFile, ReadsIgnoreCaseAndTrimBlanksAroundNamesAndValues) {
    put("x=before any section\r\n[Main]\r\n  FormTop  =   120  \r\nTab=\t7\t\r\n;SectionNumber=3\r\nEmpty=\r\n"
        "NoEquals\r\nQuoted=\"a b\"\r\n[ View ]\r\nk=v\r\n");
    struct Case {
        const char* what;
        QString section, key, def, expected;
    } cases[] = {
        {"blanks around key and value", "Main", "FormTop", "", "120"},
        {"names without regard to case", "MAIN", "formtop", "", "120"},
        {"names given with blanks", "  main ", " FORMTOP ", "", "120"},
        {"tabs trimmed", "Main", "Tab", "", "7"},
        {"a comment is no key", "Main", "SectionNumber", "d", "d"},
        {"a key before any section never matches", "Main", "x", "d", "d"},
        {"an empty value is found as empty, not as the default", "Main", "Empty", "d", ""},
        {"a line without '=' gives the default", "Main", "NoEquals", "d", "d"},
        {"quotes are kept", "Main", "Quoted", "", "\"a b\""},
        {"section name with blanks inside the brackets", "view", "K", "", "v"},
        {"missing key", "Main", "FormLeft", "50", "50"},
        {"missing section", "7", "OptDel", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(get(c.section, c.key, c.def), c.expected) << c.what;
}

TEST_F(ProfileFile, MissingFileGivesTheDefault) {
    EXPECT_EQ(get("Main", "FormTop", "50"), "50");
    EXPECT_EQ(get("Main", "FormTop"), "");
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ProfileFile, ValuesComeBackCutTo255BytesOnACharacterBoundary) {
    const QString ascii300(300, QLatin1Char('a'));
    const QString kanji128 = QString(128, QChar(0x8868));                        // 表 x128 = 256 bytes
    const QString oddStart = QStringLiteral("a") + QString(200, QChar(0x8868));  // 401 bytes
    ASSERT_TRUE(write("Main", QString("ascii"), ascii300));
    ASSERT_TRUE(write("Main", QString("kanji"), kanji128));
    ASSERT_TRUE(write("Main", QString("odd"), oddStart));
    ASSERT_TRUE(write("Main", QString("exact"), QString(127, QChar(0x8868)) + "b"));  // 255 bytes

    EXPECT_EQ(get("Main", "ascii"), QString(255, QLatin1Char('a')));
    EXPECT_EQ(get("Main", "kanji"), QString(127, QChar(0x8868)));  // 254 bytes: the 128th would straddle
    EXPECT_EQ(get("Main", "odd"), QStringLiteral("a") + QString(127, QChar(0x8868)));
    EXPECT_EQ(get("Main", "exact"), QString(127, QChar(0x8868)) + "b");
    // The whole value is on disk; only the read is cut.
    EXPECT_TRUE(bytes().contains(cp932::encode(kanji128)));
    EXPECT_EQ(profile::getString("Main", "ascii", "", path, 11), QString(10, QLatin1Char('a')));
}

TEST_F(ProfileFile, BackslashesAndKanjiWithBackslashTrailBytesSurvive) {
    ASSERT_TRUE(write("Main", QString("Path"), QStringLiteral("C:\\表示\\ソフト")));
    EXPECT_EQ(get("Main", "Path"), QStringLiteral("C:\\表示\\ソフト"));
    EXPECT_TRUE(bytes().contains(QByteArray("Path=") + QByteArray::fromHex("433a5c955c8ea65c835c83748367") + "\r\n"));
}

TEST_F(ProfileFile, ReadOnlyFileRefusesEveryWriteAndStaysUnchanged) {
    const QByteArray before("[Main]\r\nFormTop=50\r\n");
    put(before);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_FALSE(write("Main", QString("FormTop"), QString("60")));
    EXPECT_FALSE(write("Main", QString("New"), QString("1")));
    EXPECT_FALSE(write("Main", QString("FormTop"), nullopt));
    EXPECT_FALSE(write("Main", nullopt, nullopt));
    EXPECT_FALSE(write("Absent", nullopt, nullopt));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(get("Main", "FormTop"), "50");
}

TEST_F(ProfileFile, ReadOnlyFolderRefusesToCreateTheFile) {
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(write("Main", QString("FormTop"), QString("50")));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ProfileFile, WritableFileInAReadOnlyFolderCanBeWritten) {
    put("[Main]\r\nFormTop=50\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_TRUE(write("Main", QString("FormTop"), QString("70")));
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nFormTop=70\r\n"));
}

// The rewrite goes through a file beside it and a rename: the result must still be the same file to the
// user, with its permission bits, a link left a link, and nothing else left in the folder.
TEST_F(ProfileFile, ARewriteKeepsPermissionsLinksAndLeavesNoTemporaryFile) {
    put("[Main]\r\nFormTop=50\r\n");
    const auto perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, perms));
    EXPECT_TRUE(write("Main", QString("FormTop"), QString("70")));
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nFormTop=70\r\n"));
    EXPECT_EQ(QFile::permissions(path) & 0x7077, perms);  // owner, group, other
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"DB.ini"});

    const QString target = dir.filePath("real.ini");
    ASSERT_TRUE(QFile::rename(path, target));
    ASSERT_TRUE(QFile::link(target, path));
    EXPECT_TRUE(write("Main", QString("FormLeft"), QString("30")));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    QFile real(target);
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    EXPECT_EQ(real.readAll(), QByteArray("[Main]\r\nFormTop=70\r\nFormLeft=30\r\n"));
}

TEST_F(ProfileFile, DeletingFromAMissingFileCreatesNothing) {
    EXPECT_TRUE(write("2", nullopt, nullopt));
    EXPECT_TRUE(write("2", QString("OptDel"), nullopt));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ProfileFile, AFolderWhereTheFileShouldBeIsRefused) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("DB.ini"));
    EXPECT_FALSE(write("Main", QString("a"), QString("1")));
    EXPECT_EQ(get("Main", "a", "d"), "d");
}

}  // namespace
