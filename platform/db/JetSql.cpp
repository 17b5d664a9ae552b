// Jet SQL as the ledger writes it, made acceptable to SQLite. Everything works on tokens, so text
// inside quotes is never rewritten.
#include <sqlite3.h>

#include "platform/db/Ado.h"
#include "platform/db/SqliteSupport.h"

namespace ado {
namespace detail {

namespace {

bool isWordStart(QChar c) { return c == u'_' || c.isLetter() || c.unicode() > 0x7F; }
bool isWordChar(QChar c) { return c == u'_' || c == u'$' || c.isLetterOrNumber() || c.unicode() > 0x7F; }

}  // namespace

std::vector<Token> tokenize(const QString& sql) {
    std::vector<Token> out;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    auto push = [&](Token::Kind kind, qsizetype from) { out.push_back({kind, sql.mid(from, i - from)}); };
    while (i < n) {
        const qsizetype from = i;
        const QChar c = sql[i];
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace()) ++i;
            push(Token::Kind::Space, from);
        } else if (c == u'\'' || c == u'"') {
            // A doubled quote inside stays part of the literal; an unterminated one runs to the end.
            ++i;
            while (i < n) {
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            push(Token::Kind::String, from);
        } else if (c == u'[' || c == u'`') {
            const QChar close = c == u'[' ? u']' : u'`';
            ++i;
            while (i < n && sql[i] != close) ++i;
            if (i < n) ++i;
            push(Token::Kind::Bracket, from);
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && sql[i + 1].isDigit())) {
            while (i < n && (sql[i].isDigit() || sql[i] == u'.')) ++i;
            if (i < n && (sql[i] == u'e' || sql[i] == u'E')) {
                qsizetype j = i + 1;
                if (j < n && (sql[j] == u'+' || sql[j] == u'-')) ++j;
                if (j < n && sql[j].isDigit()) {
                    i = j;
                    while (i < n && sql[i].isDigit()) ++i;
                }
            }
            push(Token::Kind::Number, from);
        } else if (isWordStart(c)) {
            while (i < n && isWordChar(sql[i])) ++i;
            push(Token::Kind::Word, from);
        } else {
            ++i;
            push(Token::Kind::Punct, from);
        }
    }
    return out;
}

}  // namespace detail

namespace {

using detail::Token;
using Kind = Token::Kind;

bool isWord(const Token& t, const char* word) {
    return t.kind == Kind::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}
bool isPunct(const Token& t, char c) { return t.kind == Kind::Punct && t.text.size() == 1 && t.text[0] == QChar(c); }
bool isName(const Token& t) { return t.kind == Kind::Word || t.kind == Kind::Bracket; }

// Index of the next / previous token that is not a blank, or -1.
qsizetype nextSolid(const std::vector<Token>& t, qsizetype i) {
    for (++i; i < qsizetype(t.size()); ++i)
        if (t[i].kind != Kind::Space) return i;
    return -1;
}
qsizetype prevSolid(const std::vector<Token>& t, qsizetype i) {
    for (--i; i >= 0; --i)
        if (t[i].kind != Kind::Space) return i;
    return -1;
}

// First top-level (outside parentheses) word equal to `word` at or after `from`, or -1.
qsizetype findTopLevel(const std::vector<Token>& t, qsizetype from, const char* word) {
    int depth = 0;
    for (qsizetype i = from; i < qsizetype(t.size()); ++i) {
        if (isPunct(t[i], '('))
            ++depth;
        else if (isPunct(t[i], ')'))
            --depth;
        else if (depth == 0 && isWord(t[i], word))
            return i;
    }
    return -1;
}

bool isSqliteKeyword(const QString& word) {
    const QByteArray utf8 = word.toUtf8();
    return sqlite3_keyword_check(utf8.constData(), int(utf8.size())) != 0;
}

// Jet takes "text" as a text literal; SQLite would read it as a name.
QString doubleToSingleQuoted(const QString& literal) {
    QString body = literal.mid(1, literal.endsWith(u'"') && literal.size() > 1 ? literal.size() - 2 : -1);
    body.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    body.replace(u'\'', QStringLiteral("''"));
    return u'\'' + body + u'\'';
}

}  // namespace

QString translateJetSql(const QString& jetSql) {
    std::vector<Token> t = detail::tokenize(jetSql);
    std::vector<bool> drop(t.size(), false);
    const qsizetype lead = nextSolid(t, -1) >= 0 && isPunct(t[nextSolid(t, -1)], '(') ? -1 : nextSolid(t, -1);

    if (lead >= 0 && isWord(t[lead], "DELETE")) {
        // "DELETE * FROM t" and "DELETE t.* FROM t": SQLite takes only "DELETE FROM t".
        const qsizetype from = findTopLevel(t, lead + 1, "FROM");
        if (from > lead + 1) {
            // The blank after DELETE stays (one is made for "DELETE*FROM"); the rest goes.
            if (t[lead + 1].kind != Kind::Space) t[lead + 1] = Token{Kind::Space, QStringLiteral(" ")};
            for (qsizetype i = lead + 2; i < from; ++i) drop[i] = true;
        }
    }

    if (lead >= 0 && isWord(t[lead], "UPDATE")) {
        // "SET t.[c] = 0": SQLite refuses a qualified target; the table is the statement's one anyway.
        const qsizetype set = findTopLevel(t, lead + 1, "SET");
        if (set > 0) {
            int depth = 0;
            bool atTarget = true;
            for (qsizetype i = set + 1; i < qsizetype(t.size()); ++i) {
                if (t[i].kind == Kind::Space) continue;
                if (depth == 0 && isWord(t[i], "WHERE")) break;
                if (atTarget) {
                    atTarget = false;
                    const qsizetype dot = nextSolid(t, i);
                    const qsizetype col = dot >= 0 ? nextSolid(t, dot) : -1;
                    if (isName(t[i]) && dot >= 0 && isPunct(t[dot], '.') && col >= 0 && isName(t[col])) {
                        for (qsizetype k = i; k < col; ++k) drop[k] = true;
                        i = col;
                        continue;
                    }
                }
                if (isPunct(t[i], '('))
                    ++depth;
                else if (isPunct(t[i], ')'))
                    --depth;
                else if (depth == 0 && isPunct(t[i], ','))
                    atTarget = true;
            }
        }
    }

    QString out;
    out.reserve(jetSql.size() + 16);
    for (qsizetype i = 0; i < qsizetype(t.size()); ++i) {
        if (drop[i]) continue;
        const Token& tok = t[i];
        QString text = tok.text;
        if (tok.kind == Kind::Word) {
            const qsizetype prev = prevSolid(t, i);
            const bool afterDot = prev >= 0 && isPunct(t[prev], '.') && !drop[prev];
            if (afterDot) {
                // "t.Update", "t.Group": any keyword after a dot is a column name.
                if (isSqliteKeyword(text)) text = u'[' + text + u']';
            } else if (isWord(tok, "GROUP")) {
                const qsizetype next = nextSolid(t, i);
                if (!(next >= 0 && isWord(t[next], "BY"))) text = u'[' + text + u']';
            } else if (isWord(tok, "UPDATE")) {
                if (i != lead) text = u'[' + text + u']';
            }
        } else if (tok.kind == Kind::String) {
            if (tok.text.startsWith(u'"')) text = doubleToSingleQuoted(tok.text);
            // Two literals side by side stay two: written 'a''b' they would read as one text a'b.
            if (out.endsWith(u'\'')) out += u' ';
        } else if (tok.kind == Kind::Punct && !out.isEmpty()) {
            // "--" and "/*" outside quotes start comments in SQLite; in Jet they are operators.
            const QChar last = out.back();
            if ((text == u"-" && last == u'-') || (text == u"*" && last == u'/')) out += u' ';
        }
        out += text;
    }
    return out;
}

}  // namespace ado
