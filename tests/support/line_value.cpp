#include "tests/support/line_value.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

#include "records/literals.hpp"
#include "records/text.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender::testing {

namespace {

[[noreturn]] void fail(const std::string& why) { throw LineValueError(why); }

Int128 add128(Int128 x, Int128 y) {
    Int128 r;
    if (__builtin_add_overflow(x, y, &r)) fail("overflow in the evaluator");
    return r;
}

Int128 mul128(Int128 x, Int128 y) {
    Int128 r;
    if (__builtin_mul_overflow(x, y, &r)) fail("overflow in the evaluator");
    return r;
}

Int128 neg128(Int128 x) { return mul128(x, -1); }

Int128 gcd128(Int128 x, Int128 y) {
    if (x < 0) x = neg128(x);
    if (y < 0) y = neg128(y);
    while (y != 0) {
        const Int128 t = x % y;
        x = y;
        y = t;
    }
    return x;
}

std::string int128Text(Int128 v) {
    if (v == 0) return "0";
    const bool negative = v < 0;
    std::string digits;
    while (v != 0) {
        const auto d = static_cast<int>(v % 10);
        digits.push_back(static_cast<char>('0' + (d < 0 ? -d : d)));
        v /= 10;
    }
    if (negative) digits.push_back('-');
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// n = k²·m with m square-free, by trial division (the radicands of model lines are small).
std::pair<Int128, Int128> squareFreeParts(Int128 n) {
    Int128 k = 1, m = 1;
    for (Int128 p = 2; p * p <= n; ++p) {
        int count = 0;
        while (n % p == 0) {
            n /= p;
            ++count;
        }
        for (int i = 0; i < count / 2; ++i) k = mul128(k, p);
        if (count % 2 == 1) m = mul128(m, p);
    }
    return {k, mul128(m, n)};
}

std::int64_t toInt64(Int128 v) {
    if (v > INT64_MAX || v < INT64_MIN) fail("radicand out of range in the evaluator");
    return static_cast<std::int64_t>(v);
}

std::int64_t smallestPrimeFactor(std::int64_t n) {
    for (std::int64_t p = 2; p * p <= n; ++p)
        if (n % p == 0) return p;
    return n;
}

}  // namespace

// ---- Fraction ----

Fraction::Fraction(Int128 n, Int128 d) {
    if (d == 0) fail("division by zero in the evaluator");
    if (d < 0) {
        n = neg128(n);
        d = neg128(d);
    }
    const Int128 g = gcd128(n, d);
    num = g > 1 ? n / g : n;
    den = g > 1 ? d / g : d;
}

std::string Fraction::toString() const {
    return den == 1 ? int128Text(num) : int128Text(num) + "/" + int128Text(den);
}

Fraction operator+(const Fraction& x, const Fraction& y) {
    const Int128 g = gcd128(x.den, y.den);
    const Int128 yScale = x.den / g;
    return {add128(mul128(x.num, y.den / g), mul128(y.num, yScale)), mul128(x.den, y.den / g)};
}

Fraction operator-(const Fraction& x) { return {neg128(x.num), x.den}; }

Fraction operator-(const Fraction& x, const Fraction& y) { return x + (-y); }

Fraction operator*(const Fraction& x, const Fraction& y) {
    // Cross-reduce first to keep the parts small.
    const Int128 g1 = gcd128(x.num, y.den), g2 = gcd128(y.num, x.den);
    const Int128 a = g1 > 1 ? x.num / g1 : x.num, d = g1 > 1 ? y.den / g1 : y.den;
    const Int128 c = g2 > 1 ? y.num / g2 : y.num, b = g2 > 1 ? x.den / g2 : x.den;
    return {mul128(a, c), mul128(b, d)};
}

Fraction operator/(const Fraction& x, const Fraction& y) {
    if (y.isZero()) fail("division by zero in the evaluator");
    return x * Fraction(y.den, y.num);
}

// ---- SurdValue ----

SurdValue::SurdValue(std::int64_t n) {
    if (n != 0) terms_[1] = Fraction(n);
}

SurdValue::SurdValue(const Fraction& q) {
    if (!q.isZero()) terms_[1] = q;
}

void SurdValue::addTerm(std::int64_t radicand, const Fraction& q) {
    if (q.isZero()) return;
    auto it = terms_.find(radicand);
    if (it == terms_.end()) {
        terms_.emplace(radicand, q);
        return;
    }
    it->second = it->second + q;
    if (it->second.isZero()) terms_.erase(it);
}

bool SurdValue::isRational() const { return terms_.empty() || (terms_.size() == 1 && terms_.count(1) == 1); }

Fraction SurdValue::rationalPart() const {
    const auto it = terms_.find(1);
    return it == terms_.end() ? Fraction() : it->second;
}

SurdValue SurdValue::root(const SurdValue& x) {
    if (!x.isRational()) fail("square root of an irrational value");
    const Fraction q = x.rationalPart();
    if (q.num < 0) fail("square root of a negative value");
    if (q.num == 0) return {};
    // √(p/q) = √(p·q)/q.
    const auto [k, m] = squareFreeParts(mul128(q.num, q.den));
    SurdValue result;
    result.addTerm(toInt64(m), Fraction(k, q.den));
    return result;
}

long double SurdValue::approximate() const {
    long double sum = 0;
    for (const auto& [r, q] : terms_)
        sum += static_cast<long double>(q.num) / static_cast<long double>(q.den) *
               std::sqrt(static_cast<long double>(r));
    return sum;
}

std::string SurdValue::toString() const {
    if (terms_.empty()) return "0";
    std::string out;
    for (const auto& [r, q] : terms_) {
        if (!out.empty()) out += " + ";
        out += q.toString();
        if (r != 1) out += "·√" + std::to_string(r);
    }
    return out;
}

SurdValue operator+(const SurdValue& x, const SurdValue& y) {
    SurdValue result = x;
    for (const auto& [r, q] : y.terms_) result.addTerm(r, q);
    return result;
}

SurdValue operator-(const SurdValue& x) {
    SurdValue result;
    for (const auto& [r, q] : x.terms_) result.terms_.emplace(r, -q);
    return result;
}

SurdValue operator-(const SurdValue& x, const SurdValue& y) { return x + (-y); }

SurdValue operator*(const SurdValue& x, const SurdValue& y) {
    SurdValue result;
    for (const auto& [r1, q1] : x.terms_) {
        for (const auto& [r2, q2] : y.terms_) {
            // √r1·√r2 = g·√((r1/g)(r2/g)) with g = gcd(r1, r2); the product is square-free again.
            const Int128 g = gcd128(r1, r2);
            const Int128 radicand = mul128(r1 / g, r2 / g);
            result.addTerm(toInt64(radicand), q1 * q2 * Fraction(g));
        }
    }
    return result;
}

SurdValue operator/(const SurdValue& x, const SurdValue& y) {
    if (y.isZero()) fail("division by zero in the evaluator");
    // Multiply above and below by conjugates, one prime at a time, until the
    // denominator is rational: with y = u + v√p, (u + v√p)(u − v√p) = u² − p·v².
    SurdValue numerator = x, denominator = y;
    while (!denominator.isRational()) {
        std::int64_t prime = 0;
        for (const auto& [r, q] : denominator.terms_)
            if (r != 1) {
                prime = smallestPrimeFactor(r);
                break;
            }
        SurdValue conjugate;
        for (const auto& [r, q] : denominator.terms_) conjugate.addTerm(r, r % prime == 0 ? -q : q);
        numerator = numerator * conjugate;
        denominator = denominator * conjugate;
    }
    const Fraction d = denominator.rationalPart();
    SurdValue result;
    for (const auto& [r, q] : numerator.terms_) result.addTerm(r, q / d);
    return result;
}

SurdValue power(const SurdValue& x, std::int64_t n) {
    if (n < 0 || n > 64) fail("unsupported exponent " + std::to_string(n));
    SurdValue result(1);
    for (std::int64_t i = 0; i < n; ++i) result = result * x;
    return result;
}

// ---- Evaluating records ----

namespace {

std::int64_t number(const std::vector<std::string>& values, std::size_t i) {
    if (i >= values.size()) fail("an item lacks a value");
    const auto value = parseInteger(values[i]);
    if (!value) fail("not a number: \"" + values[i] + "\"");
    return *value;
}

DecodedItem decoded(const Record& line) {
    try {
        return decodeRecord(line);
    } catch (const std::invalid_argument& e) {
        fail(e.what());
    }
}

bool isRelation(const std::string& op) {
    return op == text::kEquals || op == "<" || op == ">" || op == text::kLessOrEqual ||
           op == text::kGreaterOrEqual;
}

// One message: [-][decimal][variable][superscript digits]. `bare` when it
// has neither number nor variable ("", "-"); `raise` when it is superscripts
// alone, an exponent for the variable before it.
struct Token {
    Fraction factor{1};
    std::int64_t power = 0;  // of the variable, or the exponent `raise` applies
    bool bare = true, raise = false;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

Token readToken(std::string_view text, const std::string& variable) {
    Token t;
    const bool negative = text.starts_with('-');
    std::size_t at = negative ? 1 : 0;
    Int128 mantissa = 0, scale = 1;
    for (bool point = false;
         at < text.size() && (isDigit(text[at]) || (text[at] == '.' && !t.bare && !point)); ++at) {
        if (text[at] == '.') {
            point = true;
            continue;
        }
        mantissa = add128(mul128(mantissa, 10), text[at] - '0');
        if (point) scale = mul128(scale, 10);
        t.bare = false;
    }
    if (!t.bare && (text.substr(at, 2) == "e+" || text.substr(at, 2) == "e-")) {  // "%.8g" writes 1e+09
        Int128& scaled = text[at + 1] == '-' ? scale : mantissa;
        int e = 0;
        for (at += 2; at < text.size() && isDigit(text[at]) && e < 99; ++at) e = e * 10 + (text[at] - '0');
        for (; e > 0; --e) scaled = mul128(scaled, 10);
    }
    if (!t.bare) t.factor = Fraction(mantissa, scale);
    if (!variable.empty() && text.substr(at).starts_with(variable)) {
        t.bare = false, t.power = 1;
        at += variable.size();
    }
    std::int64_t exponent = -1;
    for (int d = 0; d < 10 && at < text.size() && exponent < 1000; ++d)
        if (text.substr(at).starts_with(text::kSuperscripts[d])) {
            exponent = std::max<std::int64_t>(exponent, 0) * 10 + d;
            at += std::string_view(text::kSuperscripts[d]).size();
            d = -1;  // look for a further digit
        }
    if (exponent >= 0 && t.power == 1) {
        t.power = exponent;
    } else if (exponent >= 0) {
        if (!t.bare || negative) fail("a superscript after no variable in \"" + std::string(text) + "\"");
        t.raise = true, t.power = exponent;
    }
    if (at != text.size()) fail("message \"" + std::string(text) + "\" has no value");
    if (negative) t.factor = -t.factor;
    return t;
}

void flattenJuxtaposition(const DecodedItem& item, std::vector<const DecodedItem*>& out) {
    if (item.kind != "join" || item.values[0] != text::kPaperclip) return out.push_back(&item);
    flattenJuxtaposition(item.children[0], out);
    flattenJuxtaposition(item.children[1], out);
}

// Model lines (no variable): messages have no value and an "=" asserts that
// its sides agree. Algebra lines: messages read as above, with the variable at x.
struct Evaluator {
    const Fraction* x = nullptr;
    std::string variable;
    int plusMinus = 0;  // "±" reads as "+" (1) or "−" (−1); 0 has no value

    [[nodiscard]] SurdValue tokenValue(const Token& t) const {
        return SurdValue(t.factor) * (t.power ? power(SurdValue(*x), t.power) : SurdValue(1));
    }

    [[nodiscard]] SurdValue message(const DecodedItem& item) const {
        if (x == nullptr) fail("a message has no value");
        const Token t = readToken(item.values.at(0), variable);
        if (t.bare || t.raise) fail("message \"" + item.values[0] + "\" alone has no value");
        return tokenValue(t);
    }

    // A chain of "🖇": the product of its operands, where "-" is −1, "" is 1
    // and an exponent alone raises the variable just before it.
    [[nodiscard]] SurdValue juxtaposition(const DecodedItem& item) const {
        std::vector<const DecodedItem*> operands;
        flattenJuxtaposition(item, operands);
        std::vector<SurdValue> factors;
        std::optional<Token> last;
        for (const DecodedItem* operand : operands) {
            std::optional<Token> t;
            if (operand->kind == "message" && x != nullptr) t = readToken(operand->values.at(0), variable);
            if (t && t->raise) {
                if (!last || last->bare || last->power != 1) fail("an exponent alone after no variable");
                last->power = t->power;
                factors.back() = tokenValue(*last);
            } else {
                factors.push_back(t ? tokenValue(*t) : value(*operand));
                last = t;
            }
        }
        SurdValue product = factors[0];
        for (std::size_t i = 1; i < factors.size(); ++i) product = product * factors[i];
        return product;
    }

    [[nodiscard]] SurdValue value(const DecodedItem& item) const {
        const auto& v = item.values;
        if (item.kind == "integer") return SurdValue(number(v, 0));
        if (item.kind == "rational") return SurdValue(Fraction(number(v, 0), number(v, 1)));
        if (item.kind == "signed_rational") {
            const Fraction q(number(v, 1), number(v, 2));
            return SurdValue(v[0] == text::kPlus ? q : -q);
        }
        if (item.kind == "message") return message(item);
        if (item.kind == "unary") {
            const SurdValue operand = value(item.children[0]);
            if (v[0] == text::kRadical) return SurdValue::root(operand);
            if (v[0] == text::kParens || v[0] == text::kEqualsPrefix) return operand;
            if (v[0] == text::kHyphenMinus) return -operand;
            if (v[0] == text::kPlusMinus && plusMinus != 0) return SurdValue(plusMinus) * operand;
            fail("unknown unary \"" + v[0] + "\"");
        }
        if (item.kind != "join") fail("kind \"" + item.kind + "\" has no value");
        const std::string& op = v[0];
        if (op == text::kPaperclip && x != nullptr) return juxtaposition(item);
        const SurdValue a = value(item.children[0]), b = value(item.children[1]);
        if (op == text::kPaperclip || op == text::kDot) return a * b;
        if (op == text::kSlash) return a / b;
        if (op == text::kPlus) return a + b;
        if (op == text::kMinusSign) return a - b;
        if (op == text::kPlusMinus && plusMinus != 0) return a + SurdValue(plusMinus) * b;
        if (op == text::kCaret) {
            const Fraction e = b.rationalPart();
            if (!b.isRational() || e.den != 1) fail("exponent is not an integer");
            return power(a, static_cast<std::int64_t>(e.num));
        }
        if (op == text::kEquals && x == nullptr) {
            if (!(a == b)) fail("the sides of \"=\" differ: " + a.toString() + " and " + b.toString());
            return a;
        }
        fail(isRelation(op) ? "a relation inside a line" : "unknown join \"" + op + "\"");
    }

    // Both sides of a relation, or the value alone.
    [[nodiscard]] AlgebraLineValue sides(const DecodedItem& root) const {
        if (root.kind == "join" && isRelation(root.values[0]))
            return {value(root.children[0]), root.values[0], value(root.children[1])};
        return {value(root), "", SurdValue()};
    }
};

}  // namespace

std::optional<SurdValue> evaluateLine(const Record& line) {
    for (const Row& row : line)
        if (!row.empty() && (row[0] == "message" || row[0] == "BLANK")) return std::nullopt;
    return Evaluator{}.value(decoded(line));
}

AlgebraLineValue evaluateAlgebraLine(const Record& line, const Fraction& x, const std::string& variable,
                                     int plusMinus) {
    return Evaluator{&x, variable, plusMinus}.sides(decoded(line));
}

std::vector<AlgebraLineValue> evaluateAlgebraPieces(const Record& line, const Fraction& x,
                                                    const std::string& variable) {
    std::vector<const DecodedItem*> operands;
    const DecodedItem root = decoded(line);
    // The chain is folded to the left: a right operand that is itself a
    // juxtaposition ("2" 🖇 √5) is one piece.
    const DecodedItem* item = &root;
    for (; item->kind == "join" && item->values[0] == text::kPaperclip; item = &item->children[0])
        operands.insert(operands.begin(), &item->children[1]);
    operands.insert(operands.begin(), item);
    std::vector<AlgebraLineValue> pieces;
    for (const DecodedItem* operand : operands) {
        try {
            pieces.push_back(Evaluator{&x, variable}.sides(*operand));
        } catch (const LineValueError&) {
            if (operand->kind != "message") throw;  // words such as "x = " and " or "
        }
    }
    return pieces;
}

// ---- Canonical answers ----

SurdValue CanonicalAnswer::value() const {
    SurdValue sum;
    for (const Term& t : terms) sum = sum + SurdValue(t.coefficient) * SurdValue::root(t.radicand);
    return sum / SurdValue(denominator);
}

namespace {

struct ItemView {
    const DecodedItem* item;
    [[nodiscard]] const std::string& kind() const { return item->kind; }
    [[nodiscard]] const std::string& text() const { return item->values.at(0); }
    [[nodiscard]] std::int64_t value(std::size_t i = 0) const { return number(item->values, i); }
    // Operands count from 1, left first.
    [[nodiscard]] ItemView operand(std::size_t i) const { return {&item->children.at(i - 1)}; }
    [[nodiscard]] bool isUnary(const std::string& op) const { return kind() == "unary" && text() == op; }
    [[nodiscard]] bool isJoin(const std::string& op) const { return kind() == "join" && text() == op; }
};

std::int64_t radicandOf(const ItemView& radical) {
    const ItemView inner = radical.operand(1);
    if (inner.kind() != "integer") fail("the radicand is not an integer");
    const std::int64_t m = inner.value();
    if (m < 2) fail("radicand " + std::to_string(m) + " in an answer");
    return m;
}

// A term of the answer: √m, -√m, k🖇√m (k ∉ {0, 1, −1}) or an integer (radicand 1).
CanonicalAnswer::Term readTerm(const ItemView& item, bool magnitude, bool allowNegatedProduct = false) {
    if (item.kind() == "integer") {
        const std::int64_t n = item.value();
        if (n == 0 || (magnitude && n < 0)) fail("bad whole part " + std::to_string(n));
        return {n, 1};
    }
    if (item.isUnary(text::kRadical)) return {1, radicandOf(item)};
    if (!magnitude && item.isUnary(text::kHyphenMinus) && item.operand(1).isUnary(text::kRadical))
        return {-1, radicandOf(item.operand(1))};
    if (!magnitude && allowNegatedProduct && item.isUnary(text::kHyphenMinus) &&
        item.operand(1).isJoin(text::kPaperclip)) {
        CanonicalAnswer::Term t = readTerm(item.operand(1), true);
        t.coefficient = -t.coefficient;
        return t;
    }
    if (item.isJoin(text::kPaperclip)) {
        const ItemView coefficient = item.operand(1), radical = item.operand(2);
        if (coefficient.kind() != "integer" || !radical.isUnary(text::kRadical))
            fail("\"🖇\" that is not a coefficient beside a radical");
        const std::int64_t k = coefficient.value();
        if (k == 0 || k == 1 || k == -1 || (magnitude && k < 0))
            fail("coefficient " + std::to_string(k) + " drawn beside a radical");
        return {k, radicandOf(radical)};
    }
    fail("not a term: " + item.kind() + " \"" + item.text() + "\"");
}

std::vector<CanonicalAnswer::Term> readNumerator(const ItemView& item, bool allowNegatedProduct) {
    if (item.isJoin(text::kPlus) || item.isJoin(text::kMinusSign)) {
        const CanonicalAnswer::Term first = readTerm(item.operand(1), false);
        CanonicalAnswer::Term second = readTerm(item.operand(2), true);
        if (item.isJoin(text::kMinusSign)) second.coefficient = -second.coefficient;
        return {first, second};
    }
    return {readTerm(item, false, allowNegatedProduct)};
}

// p/q with p, q > 0 and q ≥ 2, or its negation.
std::optional<CanonicalAnswer> readRational(const ItemView& item) {
    bool negative = false;
    ItemView r = item;
    if (item.isUnary(text::kHyphenMinus) && item.operand(1).kind() == "rational") {
        negative = true;
        r = item.operand(1);
    }
    if (r.kind() != "rational") return std::nullopt;
    const std::int64_t p = r.value(0), q = r.value(1);
    if (p <= 0 || q < 2) fail("rational answer " + std::to_string(p) + "/" + std::to_string(q));
    return CanonicalAnswer{{{negative ? -p : p, 1}}, q};
}

}  // namespace

CanonicalAnswer decodeCanonicalAnswer(const Record& line, bool allowNegatedProduct) {
    const DecodedItem root = decoded(line);
    const ItemView equals{&root};
    if (!equals.isUnary(text::kEqualsPrefix)) fail("the answer line is not \"= \" over the answer");
    const ItemView x = equals.operand(1);

    CanonicalAnswer answer;
    if (x.kind() == "integer" && x.value() == 0) {
        // Zero is its own reduced form: no terms at all.
    } else if (auto rational = readRational(x)) {
        answer = *rational;
    } else if (x.isJoin(text::kSlash)) {
        const ItemView e = x.operand(2);
        if (e.kind() != "integer") fail("the denominator is not an integer");
        answer.denominator = e.value();
        if (answer.denominator < 2) fail("denominator " + std::to_string(answer.denominator) + " drawn");
        answer.terms = readNumerator(x.operand(1), allowNegatedProduct);
    } else {
        answer.terms = readNumerator(x, allowNegatedProduct);
    }

    if (answer.terms.size() == 2 && answer.terms[0].radicand == answer.terms[1].radicand)
        fail("two terms with the radicand " + std::to_string(answer.terms[0].radicand));
    Int128 g = answer.denominator;
    for (const auto& t : answer.terms) {
        if (squareFreeParts(t.radicand).first != 1)
            fail("radicand " + std::to_string(t.radicand) + " has a square factor");
        g = gcd128(g, t.coefficient);
    }
    if (g != 1) fail("coefficients and denominator share the factor " + int128Text(g));
    return answer;
}

// ---- Whole outputs ----

namespace {

std::string where(std::size_t step, std::size_t line) {
    return "step " + std::to_string(step) + ", line " + std::to_string(line);
}

bool isContinuation(const Record& line) {
    return line.size() == 4 && line[1].size() == 2 && line[1][0] == "message" &&
           line[1][1] == text::kEllipsis;
}

// The colour of the outermost "= " of a line, or none when the line is not an equals record.
std::optional<std::string> equalsColor(const Record& line) {
    if (line.empty() || line[0].size() < 2) return std::nullopt;
    std::int64_t k = 0;
    try {
        k = std::stoll(line[0][1]);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (k < 1 || static_cast<std::size_t>(k) + 2 >= line.size()) return std::nullopt;
    const Row& kindRow = line[static_cast<std::size_t>(k)];
    const Row& colorRow = line[static_cast<std::size_t>(k) + 2];
    if (kindRow.size() != 2 || kindRow[0] != "unary" || kindRow[1] != text::kEqualsPrefix)
        return std::nullopt;
    if (colorRow.size() != 2) return std::nullopt;
    return colorRow[1];
}

}  // namespace

bool IsErrorOutput(const ModelOutput& output) {
    return std::any_of(output.detailComments.begin(), output.detailComments.end(),
                       [](const Comment& c) { return c.size() == 1 && c[0] == "oops"; });
}

::testing::AssertionResult EveryLineHasValue(const ModelOutput& output, const SurdValue& expected) {
    for (std::size_t s = 0; s < output.detailSteps.size(); ++s) {
        const Step& step = output.detailSteps[s];
        for (std::size_t l = 0; l < step.size(); ++l) {
            try {
                const auto value = evaluateLine(step[l]);
                if (value && !(*value == expected))
                    return ::testing::AssertionFailure() << where(s, l) << " is " << value->toString()
                                                         << ", expected " << expected.toString();
            } catch (const LineValueError& e) {
                return ::testing::AssertionFailure() << where(s, l) << ": " << e.what();
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult HasCanonicalAnswer(const ModelOutput& output, const SurdValue& expected) {
    if (output.detailSteps.empty() || output.detailSteps.back().empty())
        return ::testing::AssertionFailure() << "no last line";
    if (output.detailComments.back() != Comment{text::kCool})
        return ::testing::AssertionFailure() << "the last step is not \"😎\"";
    try {
        const CanonicalAnswer answer = decodeCanonicalAnswer(output.detailSteps.back().back());
        const SurdValue value = answer.value();
        if (!(value == expected))
            return ::testing::AssertionFailure()
                   << "the answer is " << value.toString() << ", expected " << expected.toString();
    } catch (const LineValueError& e) {
        return ::testing::AssertionFailure() << "answer: " << e.what();
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult HasModelStructure(const ModelOutput& output, const std::string& context,
                                             const StructureOptions& options) {
    const Steps& steps = output.detailSteps;
    const Comments& comments = output.detailComments;
    if (output.detailParameters != Parameters{"NO PARAMETERS"})
        return ::testing::AssertionFailure() << "the parameters are not [\"NO PARAMETERS\"]";
    if (steps.size() != comments.size())
        return ::testing::AssertionFailure()
               << steps.size() << " steps but " << comments.size() << " comments";
    if (steps.empty()) return ::testing::AssertionFailure() << "no steps";
    for (std::size_t s = 0; s < comments.size(); ++s) {
        if (comments[s].size() != 1)
            return ::testing::AssertionFailure()
                   << "step " << s << " has " << comments[s].size() << " comments";
        if (steps[s].empty()) return ::testing::AssertionFailure() << "step " << s << " has no lines";
    }
    if (options.validateRecords)
        if (const auto fault = validateSteps(steps)) return ::testing::AssertionFailure() << *fault;

    const bool application = context == "application";
    const std::string& first = comments.front()[0];
    const std::string& last = comments.back()[0];
    std::size_t begin = 0, end = steps.size();
    if (application) {
        if (first != text::kThinking)
            return ::testing::AssertionFailure() << "the first comment is " << first;
        if (last != text::kCool && last != text::kAstonished)
            return ::testing::AssertionFailure() << "the last comment is " << last;
        if (IsErrorOutput(output) && comments != Comments{{text::kThinking}, {"oops"}, {text::kAstonished}})
            return ::testing::AssertionFailure() << "an error is not \"🤔\", \"oops\", \"😲\"";
        if (steps.size() < 3) return ::testing::AssertionFailure() << "fewer than three steps";
        begin = 1;
        end = steps.size() - 1;
        for (std::size_t s : {std::size_t{0}, steps.size() - 1})
            if (isContinuation(steps[s][0]))
                return ::testing::AssertionFailure() << "step " << s << " opens with \"...\"";
    } else {
        for (const Comment& c : comments)
            if (c[0] == text::kThinking || c[0] == text::kCool || c[0] == text::kAstonished)
                return ::testing::AssertionFailure() << "\"" << c[0] << "\" outside application";
    }

    bool firstWorkingStep = application;
    for (std::size_t s = begin; s < end; ++s) {
        const std::string& comment = comments[s][0];
        if (std::find(options.exemptComments.begin(), options.exemptComments.end(), comment) !=
            options.exemptComments.end())
            continue;
        const Step& step = steps[s];
        if (firstWorkingStep) {
            firstWorkingStep = false;
            if (isContinuation(step[0]))
                return ::testing::AssertionFailure()
                       << "the first working step " << s << " opens with \"...\"";
            const auto color = equalsColor(step[0]);
            if (color && *color != "clear")
                return ::testing::AssertionFailure()
                       << "step " << s << " opens with a " << *color << " \"= \"";
            continue;
        }
        if (!isContinuation(step[0]))
            return ::testing::AssertionFailure() << "step " << s << " (" << comment << ") lacks \"...\"";
        if (step.size() < 2) return ::testing::AssertionFailure() << "step " << s << " is only \"...\"";
        const auto color = equalsColor(step[1]);
        if (color && *color != "black")
            return ::testing::AssertionFailure()
                   << "step " << s << " continues with a " << *color << " \"= \"";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace radixmender::testing
