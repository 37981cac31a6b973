#include "tests/models/b_test_util.hpp"

#include "records/integers.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender::form_b_test {

using testing::DecodedItem;

namespace {

std::string mark(const DecodedItem& item, bool marks) {
    if (!marks || item.colors.empty()) return "";
    if (item.colors[0] == Color::red) return "*";
    if (item.colors[0] == Color::clear) return "~";
    return "";
}

std::string renderItem(const DecodedItem& item, bool marks) {
    const std::string m = mark(item, marks);
    const auto& v = item.values;
    if (item.kind == "integer") return v.at(0) + m;
    if (item.kind == "rational") return "[" + v.at(0) + "/" + v.at(1) + "]" + m;
    if (item.kind == "message") return v.at(0) + m;
    if (item.kind == "BLANK") return "";
    if (item.kind == "unary") {
        const std::string& t = v.at(0);
        const std::string x = renderItem(item.children.at(0), marks);
        if (t == text::kRadical) return t + m + x;
        if (t == text::kParens) return "(" + m + x + ")";
        if (t == text::kHyphenMinus) return "-" + m + x;
        if (t == text::kEqualsPrefix) return "=" + m + " " + x;
        return "<" + t + ">" + m + x;
    }
    if (item.kind == "join") {
        const std::string& t = v.at(0);
        const std::string l = renderItem(item.children.at(0), marks);
        const std::string r = renderItem(item.children.at(1), marks);
        if (t == text::kPaperclip) return l + (m.empty() ? "" : "\u00B7" + m) + r;
        if (t == text::kSlash) return "{" + l + " /" + m + " " + r + "}";
        if (t == text::kDot || t == text::kCaret) return l + t + m + r;
        return l + " " + t + m + " " + r;
    }
    return item.kind + "?";
}

// Coefficient and radicand of a term drawn as n, √m or k🖇√m; none otherwise.
struct Term {
    std::int64_t coefficient = 0;
    std::int64_t radicand = 1;
};

std::optional<std::int64_t> integerOf(const DecodedItem& item) {
    if (item.kind != "integer") return std::nullopt;
    return parseInteger(item.values.at(0));
}

std::optional<Term> termOf(const DecodedItem& item) {
    if (auto n = integerOf(item)) return Term{*n, 1};
    auto radicandOf = [](const DecodedItem& x) -> std::optional<std::int64_t> {
        if (x.kind != "unary" || x.values.at(0) != text::kRadical) return std::nullopt;
        return integerOf(x.children.at(0));
    };
    if (auto m = radicandOf(item)) return Term{1, *m};
    if (item.kind == "join" && item.values.at(0) == text::kPaperclip) {
        const auto k = integerOf(item.children.at(0));
        const auto m = radicandOf(item.children.at(1));
        if (k && m && *k >= 2) return Term{*k, *m};
    }
    return std::nullopt;
}

bool isUnary(const DecodedItem& item, const char* t) {
    return item.kind == "unary" && item.values.at(0) == t;
}

}  // namespace

std::string render(const Record& line, bool marks) { return renderItem(testing::decodeRecord(line), marks); }

std::vector<std::string> render(const Step& step, bool marks) {
    std::vector<std::string> lines;
    for (const Record& line : step) lines.push_back(render(line, marks));
    return lines;
}

std::optional<std::string> reducedWorkingFault(const Record& line) {
    const DecodedItem root = testing::decodeRecord(line);
    if (!isUnary(root, text::kEqualsPrefix)) return "not an equals line";
    const DecodedItem* x = &root.children.at(0);
    std::int64_t e = 1;
    if (x->kind == "join" && x->values.at(0) == text::kSlash) {
        const auto denominator = integerOf(x->children.at(1));
        if (!denominator || *denominator < 2) return "the denominator is not an integer above 1";
        e = *denominator;
        x = &x->children.at(0);
    }
    std::int64_t n = 1;
    const DecodedItem* k = x;
    if (isUnary(*x, text::kHyphenMinus) && isUnary(x->children.at(0), text::kParens)) {
        n = -1;
        k = &x->children.at(0).children.at(0);
    } else if (isUnary(*x, text::kHyphenMinus)) {
        // -r(K): a common factor r taken out of a negative numerator.
        const DecodedItem& inner = x->children.at(0);
        if (inner.kind != "join" || inner.values.at(0) != text::kPaperclip ||
            !isUnary(inner.children.at(1), text::kParens))
            return "\"-\" over something other than a bracket or r(K)";
        const auto factor = integerOf(inner.children.at(0));
        if (!factor || *factor < 2) return "a bad factor under \"-\"";
        n = -*factor;
        k = &inner.children.at(1).children.at(0);
    } else if (x->kind == "join" && x->values.at(0) == text::kPaperclip &&
               isUnary(x->children.at(1), text::kParens)) {
        const auto coefficient = integerOf(x->children.at(0));
        if (!coefficient || *coefficient == 1 || *coefficient == -1 || *coefficient == 0)
            return "a bad coefficient before the bracket";
        n = *coefficient;
        k = &x->children.at(1).children.at(0);
    }
    if (k->kind != "join" || (k->values.at(0) != text::kPlus && k->values.at(0) != text::kMinusSign))
        return "the numerator is not a sum";
    const auto first = termOf(k->children.at(0));
    const auto second = termOf(k->children.at(1));
    if (!first || !second) return "a term is not n, √m or k√m";
    if (first->coefficient <= 0 || second->coefficient <= 0) return "a term of the bracket is not positive";
    if ((first->radicand == 1) == (second->radicand == 1)) return "not one whole and one radical term";
    const std::int64_t m = first->radicand == 1 ? second->radicand : first->radicand;
    const auto parts = simplifySquareRoot(m);
    if (!parts || parts->k != 1) return "the radicand " + std::to_string(m) + " has a square factor";
    if (gcd(first->coefficient, second->coefficient) != 1) return "the bracket has a common factor";
    if (gcd(n, e) != 1) return "the coefficient and the denominator share a factor";
    return std::nullopt;
}

}  // namespace radixmender::form_b_test
