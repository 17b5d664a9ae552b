#pragma once
// What the benchmarks' bounds share: a plain program doing an inventory file's reads and writes with the
// SQLite C API and the C and C++ standard libraries only (no project code, no Qt), so a bound measures
// what the work costs on this machine and nothing of the project's own layers.
#include <iconv.h>
#include <sqlite3.h>
#include <strings.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace plain {

// One line of an inventory file: seven fields pointing into the decoded text (the seventh takes the rest
// after the sixth comma, as the reader splits).
struct Line {
    const char* field[7];
    int size[7];
};
enum { kKey, kGroup, kItem, kSubItem, kContents, kUnit, kRenewalday };

// The file read whole and decoded from CP932 to UTF-8 by iconv; false when either fails.
inline bool readCp932(const char* path, std::string* utf8) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    std::string bytes;
    char chunk[65536];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
    std::fclose(f);
    static iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == iconv_t(-1)) return false;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    utf8->resize(bytes.size() * 3 / 2 + 16);
    char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    char* out = utf8->data();
    std::size_t outLeft = utf8->size();
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == std::size_t(-1)) return false;
    utf8->resize(utf8->size() - outLeft);
    return true;
}

// The lines after the header (CR LF or a lone CR ends one), each split into its seven fields.
inline void splitLines(const std::string& text, std::vector<Line>* lines) {
    lines->clear();
    const char* p = text.data();
    const char* end = p + text.size();
    bool header = true;
    while (p < end) {
        const char* eol = p;
        while (eol < end && *eol != '\r') ++eol;
        if (!header) {
            Line line{};
            const char* start = p;
            for (int k = 0; k < 7; ++k) {
                const char* stop = start;
                if (k < 6)
                    while (stop < eol && *stop != ',') ++stop;
                else
                    stop = eol;
                line.field[k] = start;
                line.size[k] = int(stop - start);
                start = stop < eol ? stop + 1 : eol;
            }
            lines->push_back(line);
        }
        header = false;
        p = eol + 1;
        if (p < end && *p == '\n') ++p;
    }
}

// A field equal to a text as the staging table's NOCASE compares: ASCII letters without case.
inline bool sameText(const char* a, int size, const std::string& b) {
    return std::size_t(size) == b.size() && strncasecmp(a, b.data(), b.size()) == 0;
}

// An item's lookup as plain data: the two fields its query tests and their texts, and the field it takes.
struct Lookup {
    int field1 = kItem, field2 = kSubItem;
    std::string text1, text2;
    int taken = kContents;
};

// The first line the lookup's query would select, in file order; nullptr when none.
inline const Line* firstMatch(const std::vector<Line>& lines, const Lookup& l) {
    for (const Line& line : lines)
        if (sameText(line.field[l.field1], line.size[l.field1], l.text1) &&
            sameText(line.field[l.field2], line.size[l.field2], l.text2))
            return &line;
    return nullptr;
}

// A connection with statements prepared once; the first failure is said and remembered.
class Db {
public:
    explicit Db(const char* path) {
        if (sqlite3_open_v2(path, &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
            fail("open");
        sqlite3_busy_timeout(m_db, 2000);
        // The schema's date triggers name jet_date; the bounds write no value that reaches it.
        sqlite3_create_function_v2(
            m_db, "jet_date", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
            [](sqlite3_context* ctx, int, sqlite3_value** v) { sqlite3_result_value(ctx, v[0]); }, nullptr, nullptr,
            nullptr);
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA synchronous=NORMAL");
    }
    ~Db() {
        for (sqlite3_stmt* st : m_all) sqlite3_finalize(st);
        sqlite3_close_v2(m_db);
    }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    [[nodiscard]] bool failed() const { return m_failed; }
    void exec(const char* sql) {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(sql);
    }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) != SQLITE_OK) fail(sql);
        m_all.push_back(st);
        return st;
    }
    // Binds the line's fields `fields` (and then the key, when not negative) and runs the statement;
    // a row the database refuses is left out, as the project leaves it out.
    void run(sqlite3_stmt* st, const Line* line, std::initializer_list<int> fields, int key) {
        int i = 0;
        if (line)
            for (int f : fields) sqlite3_bind_text(st, ++i, line->field[f], line->size[f], SQLITE_STATIC);
        if (key >= 0) sqlite3_bind_int(st, ++i, key);
        while (sqlite3_step(st) == SQLITE_ROW) {
        }
        sqlite3_reset(st);
    }
    // Every cell of the statement's rows copied out, as a display takes them; the number of rows.
    int readOut(sqlite3_stmt* st) {
        m_cells.clear();
        int rows = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                const unsigned char* text = sqlite3_column_text(st, c);
                m_cells.emplace_back(text ? reinterpret_cast<const char*>(text) : "",
                                     std::size_t(sqlite3_column_bytes(st, c)));
            }
        }
        sqlite3_reset(st);
        return rows;
    }
    void fail(const char* what) {
        if (!m_failed) std::fprintf(stderr, "bound: %s: %s\n", what, sqlite3_errmsg(m_db));
        m_failed = true;
    }

private:
    sqlite3* m_db = nullptr;
    bool m_failed = false;
    std::vector<sqlite3_stmt*> m_all;
    std::vector<std::string> m_cells;
};

}  // namespace plain
