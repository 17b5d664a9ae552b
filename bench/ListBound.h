#pragma once
// The plain bound of a list window: its query through the SQLite C API alone, every cell's text kept as a
// C string of its own (a number formatted as the list shows it), as a program written straight against
// SQLite would fill its table. No project code and no Qt.
#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/BenchFigures.h"

namespace bench {

class PlainBound {
public:
    explicit PlainBound(const char* dbPath) {
        if (sqlite3_open_v2(dbPath, &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "the bound could not open %s: %s\n", dbPath, sqlite3_errmsg(m_db));
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~PlainBound() {
        freeCells();
        sqlite3_close(m_db);
    }
    PlainBound(const PlainBound&) = delete;
    PlainBound& operator=(const PlainBound&) = delete;

    // Prepares and runs `sql`, keeping every cell's text; the time in ms, NaN (and why, on stderr) when
    // it fails. The previous run's cells are freed before the clock starts.
    double run(const char* sql) {
        freeCells();
        if (!m_db) return NAN;
        const double start = nowMs();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "the bound's query failed: %s\n", sqlite3_errmsg(m_db));
            return NAN;
        }
        m_cols = sqlite3_column_count(st);
        long capacity = 0;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            if (m_rows == capacity) {
                capacity = capacity ? capacity * 2 : 1024;
                m_cells = static_cast<char**>(std::realloc(m_cells, sizeof(char*) * std::size_t(capacity * m_cols)));
            }
            char** row = m_cells + m_rows * m_cols;
            for (int c = 0; c < m_cols; ++c) row[c] = cellText(st, c);
            ++m_rows;
        }
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE) {
            std::fprintf(stderr, "the bound's query stopped: %s\n", sqlite3_errmsg(m_db));
            return NAN;
        }
        return nowMs() - start;
    }

    [[nodiscard]] long rows() const { return m_rows; }

private:
    static char* cellText(sqlite3_stmt* st, int c) {
        switch (sqlite3_column_type(st, c)) {
            case SQLITE_NULL:
                return nullptr;
            case SQLITE_INTEGER: {
                char text[24];
                const int n = std::snprintf(text, sizeof text, "%lld", sqlite3_column_int64(st, c));
                return copy(text, std::size_t(n));
            }
            case SQLITE_FLOAT: {
                char text[32];
                const int n = std::snprintf(text, sizeof text, "%.15g", sqlite3_column_double(st, c));
                return copy(text, std::size_t(n));
            }
            default: {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                return copy(p, std::size_t(sqlite3_column_bytes(st, c)));
            }
        }
    }
    static char* copy(const char* p, std::size_t n) {
        char* s = static_cast<char*>(std::malloc(n + 1));
        std::memcpy(s, p, n);
        s[n] = '\0';
        return s;
    }
    void freeCells() {
        for (long i = 0; i < m_rows * m_cols; ++i) std::free(m_cells[i]);
        std::free(m_cells);
        m_cells = nullptr;
        m_rows = 0;
    }

    sqlite3* m_db = nullptr;
    char** m_cells = nullptr;
    long m_rows = 0;
    int m_cols = 0;
};

}  // namespace bench
