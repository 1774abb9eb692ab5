#include "FilterExpr.h"

#include "DataSet.h"
#include "Errors.h"

#include <vector>

namespace {

enum class Tok { End, Ident, String, Number, LParen, RParen, Op };

struct Token {
    Tok kind = Tok::End;
    QString text;
};

class Lexer {
public:
    explicit Lexer(const QString& s) : m_s(s) {}

    std::vector<Token> run()
    {
        std::vector<Token> out;
        int i = 0;
        const int n = m_s.size();
        while (i < n) {
            const QChar c = m_s[i];
            if (c.isSpace()) { ++i; continue; }
            if (c == u'(') { out.push_back({Tok::LParen, c}); ++i; continue; }
            if (c == u')') { out.push_back({Tok::RParen, c}); ++i; continue; }
            if (c == u'\'') {
                QString v;
                int j = i + 1;
                bool closed = false;
                while (j < n) {
                    if (m_s[j] == u'\'') {
                        if (j + 1 < n && m_s[j + 1] == u'\'') { v += u'\''; j += 2; continue; }
                        closed = true;
                        break;
                    }
                    v += m_s[j++];
                }
                if (!closed) throw EMqError(QStringLiteral("过滤条件错误: 引号不配对\r\n") + m_s);
                out.push_back({Tok::String, v});
                i = j + 1;
                continue;
            }
            if (c == u'[') {
                const int j = m_s.indexOf(u']', i + 1);
                if (j < 0) throw EMqError(QStringLiteral("过滤条件错误: 方括号不配对\r\n") + m_s);
                out.push_back({Tok::Ident, m_s.mid(i + 1, j - i - 1)});
                i = j + 1;
                continue;
            }
            if (c.isDigit() || (c == u'-' && i + 1 < n && m_s[i + 1].isDigit())) {
                int j = i + 1;
                while (j < n && (m_s[j].isDigit() || m_s[j] == u'.')) ++j;
                out.push_back({Tok::Number, m_s.mid(i, j - i)});
                i = j;
                continue;
            }
            if (c.isLetter() || c == u'_') {
                int j = i + 1;
                while (j < n && (m_s[j].isLetterOrNumber() || m_s[j] == u'_' || m_s[j] == u'.')) ++j;
                out.push_back({Tok::Ident, m_s.mid(i, j - i)});
                i = j;
                continue;
            }
            if (c == u'<' || c == u'>' || c == u'=' || c == u'!') {
                QString op = c;
                if (i + 1 < n && (m_s[i + 1] == u'=' || (c == u'<' && m_s[i + 1] == u'>'))) op += m_s[i + 1];
                if (op == QLatin1String("!")) throw EMqError(QStringLiteral("过滤条件错误: 无法识别 !\r\n") + m_s);
                out.push_back({Tok::Op, op});
                i += op.size();
                continue;
            }
            throw EMqError(QStringLiteral("过滤条件错误: 无法识别 %1\r\n%2").arg(c).arg(m_s));
        }
        out.push_back({Tok::End, QString()});
        return out;
    }

private:
    const QString& m_s;
};

enum class Op { Eq, Ne, Lt, Gt, Le, Ge, Like, NotLike, IsNull, NotNull };

}  // namespace

struct TFilterExpr::Node {
    enum Kind { And, Or, Not, Compare } kind = Compare;
    std::unique_ptr<Node> a, b;
    // Compare: a field against a constant.
    int field = -1;
    TFieldType type = TFieldType::WideString;
    Op op = Op::Eq;
    QVariant constant;
    QString pattern;
    QChar escape;

    bool eval(const QVector<QVariant>& row) const
    {
        switch (kind) {
        case And: return a->eval(row) && b->eval(row);
        case Or: return a->eval(row) || b->eval(row);
        case Not: return !a->eval(row);
        case Compare: break;
        }
        const QVariant& v = row[field];
        const bool isNull = !v.isValid() || v.isNull();
        if (op == Op::IsNull) return isNull;
        if (op == Op::NotNull) return !isNull;
        if (op == Op::Like || op == Op::NotLike) {
            const bool m = !isNull && TFilterExpr::Like(v.toString(), pattern, escape);
            return op == Op::Like ? m : (!isNull && !m);
        }
        if (isNull) return false;
        int c = 0;
        switch (type) {
        case TFieldType::Integer:
        case TFieldType::Float:
        case TFieldType::Currency:
        case TFieldType::Fund:
        case TFieldType::Boolean: {
            const double x = TField::ToFloat(v), y = constant.toDouble();
            c = x < y ? -1 : (x > y ? 1 : 0);
            break;
        }
        case TFieldType::DateTime: {
            const qint64 x = TField::TimeKey(v), y = TField::TimeKey(constant);
            c = x < y ? -1 : (x > y ? 1 : 0);
            break;
        }
        default:
            c = v.toString().compare(constant.toString(), Qt::CaseInsensitive);
            break;
        }
        switch (op) {
        case Op::Eq: return c == 0;
        case Op::Ne: return c != 0;
        case Op::Lt: return c < 0;
        case Op::Gt: return c > 0;
        case Op::Le: return c <= 0;
        case Op::Ge: return c >= 0;
        default: return false;
        }
    }
};

namespace {

class Parser {
public:
    Parser(const QString& text, const TDataSet& ds) : m_text(text), m_ds(ds), m_toks(Lexer(text).run()) {}

    std::unique_ptr<TFilterExpr::Node> run()
    {
        auto n = parseOr();
        if (peek().kind != Tok::End) error(QStringLiteral("多余的内容 %1").arg(peek().text));
        return n;
    }

private:
    using NodeP = std::unique_ptr<TFilterExpr::Node>;

    [[noreturn]] void error(const QString& what) const
    {
        throw EMqError(QStringLiteral("过滤条件错误: %1\r\n%2").arg(what, m_text));
    }
    const Token& peek() const { return m_toks[size_t(m_pos)]; }
    Token take() { return m_toks[size_t(m_pos++)]; }
    bool keyword(const char* kw) const
    {
        return peek().kind == Tok::Ident && peek().text.compare(QLatin1String(kw), Qt::CaseInsensitive) == 0;
    }

    NodeP combine(TFilterExpr::Node::Kind kind, NodeP a, NodeP b)
    {
        auto n = std::make_unique<TFilterExpr::Node>();
        n->kind = kind;
        n->a = std::move(a);
        n->b = std::move(b);
        return n;
    }

    NodeP parseOr()
    {
        NodeP left = parseAnd();
        while (keyword("or")) {
            take();
            left = combine(TFilterExpr::Node::Or, std::move(left), parseAnd());
        }
        return left;
    }

    NodeP parseAnd()
    {
        NodeP left = parseNot();
        while (keyword("and")) {
            take();
            left = combine(TFilterExpr::Node::And, std::move(left), parseNot());
        }
        return left;
    }

    NodeP parseNot()
    {
        if (keyword("not")) {
            take();
            return combine(TFilterExpr::Node::Not, parseNot(), nullptr);
        }
        if (peek().kind == Tok::LParen) {
            take();
            NodeP n = parseOr();
            if (peek().kind != Tok::RParen) error(QStringLiteral("缺少右括号"));
            take();
            return n;
        }
        return parseCompare();
    }

    QVariant literal(const TField* f)
    {
        const Token t = take();
        if (t.kind == Tok::String || t.kind == Tok::Number) {
            if (f->DataType() == TFieldType::DateTime) {
                const QDateTime d = TField::ToDateTime(t.text);
                if (!d.isValid()) error(QStringLiteral("日期格式错误 %1").arg(t.text));
                return d;
            }
            if (f->IsNumeric() || f->DataType() == TFieldType::Boolean) {
                bool ok = false;
                const double d = t.text.toDouble(&ok);
                if (!ok) error(QStringLiteral("数值格式错误 %1").arg(t.text));
                return d;
            }
            return t.text;
        }
        if (t.kind == Tok::Ident) {
            if (t.text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return 1.0;
            if (t.text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return 0.0;
        }
        error(QStringLiteral("缺少比较的值"));
    }

    NodeP parseCompare()
    {
        const Token name = take();
        if (name.kind != Tok::Ident) error(QStringLiteral("缺少字段名"));
        const TField* f = m_ds.FindField(name.text);
        if (!f) error(QStringLiteral("字段 %1 不存在").arg(name.text));
        auto n = std::make_unique<TFilterExpr::Node>();
        n->field = f->Index();
        n->type = f->DataType();
        auto isNullWord = [this] { return keyword("null"); };
        if (keyword("is")) {
            take();
            bool negate = false;
            if (keyword("not")) { take(); negate = true; }
            if (!isNullWord()) error(QStringLiteral("is 后面应为 null"));
            take();
            n->op = negate ? Op::NotNull : Op::IsNull;
            return n;
        }
        bool notLike = false;
        if (keyword("not")) {
            take();
            if (!keyword("like")) error(QStringLiteral("not 后面应为 like"));
            notLike = true;
        }
        if (keyword("like")) {
            take();
            const Token p = take();
            if (p.kind != Tok::String) error(QStringLiteral("like 后面应为带引号的文本"));
            n->op = notLike ? Op::NotLike : Op::Like;
            n->pattern = p.text;
            if (keyword("escape")) {
                take();
                const Token e = take();
                if (e.kind != Tok::String || e.text.size() != 1) error(QStringLiteral("escape 应为一个字符"));
                n->escape = e.text[0];
            }
            return n;
        }
        if (peek().kind != Tok::Op) error(QStringLiteral("缺少比较运算符"));
        const QString op = take().text;
        if (isNullWord() && (op == QLatin1String("=") || op == QLatin1String("<>") || op == QLatin1String("!="))) {
            take();
            n->op = op == QLatin1String("=") ? Op::IsNull : Op::NotNull;
            return n;
        }
        if (op == QLatin1String("=")) n->op = Op::Eq;
        else if (op == QLatin1String("<>") || op == QLatin1String("!=")) n->op = Op::Ne;
        else if (op == QLatin1String("<")) n->op = Op::Lt;
        else if (op == QLatin1String(">")) n->op = Op::Gt;
        else if (op == QLatin1String("<=")) n->op = Op::Le;
        else if (op == QLatin1String(">=")) n->op = Op::Ge;
        else error(QStringLiteral("无法识别的运算符 %1").arg(op));
        n->constant = literal(f);
        return n;
    }

    const QString& m_text;
    const TDataSet& m_ds;
    std::vector<Token> m_toks;
    int m_pos = 0;
};

}  // namespace

TFilterExpr::~TFilterExpr() = default;

std::unique_ptr<TFilterExpr> TFilterExpr::Compile(const QString& text, const TDataSet& dataSet)
{
    std::unique_ptr<TFilterExpr> e(new TFilterExpr);
    e->m_root = Parser(text, dataSet).run();
    return e;
}

bool TFilterExpr::Matches(const QVector<QVariant>& row) const { return m_root->eval(row); }

bool TFilterExpr::Like(const QString& text, const QString& pattern, QChar escape)
{
    // Wildcard matching with backtracking over the last '%'.
    struct PChar {
        QChar c;
        int kind;  // 0 literal, 1 '%', 2 '_'
    };
    std::vector<PChar> p;
    p.reserve(size_t(pattern.size()));
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!escape.isNull() && c == escape && i + 1 < pattern.size()) {
            p.push_back({pattern[++i].toCaseFolded(), 0});
        } else if (c == u'%' || c == u'*') {
            p.push_back({c, 1});
        } else if (c == u'_') {
            p.push_back({c, 2});
        } else {
            p.push_back({c.toCaseFolded(), 0});
        }
    }
    const int n = text.size(), m = int(p.size());
    int ti = 0, pi = 0, starP = -1, starT = 0;
    while (ti < n) {
        if (pi < m && (p[size_t(pi)].kind == 2 || (p[size_t(pi)].kind == 0 && p[size_t(pi)].c == text[ti].toCaseFolded()))) {
            ++ti;
            ++pi;
        } else if (pi < m && p[size_t(pi)].kind == 1) {
            starP = pi++;
            starT = ti;
        } else if (starP >= 0) {
            pi = starP + 1;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < m && p[size_t(pi)].kind == 1) ++pi;
    return pi == m;
}
