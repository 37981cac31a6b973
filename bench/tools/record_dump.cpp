// Writes every row of every record, with the comments and parameters, of a
// fixed set of worked solutions: the forms over a grid (A, B in both
// templates, C, practice problems), the solvers on the cases of the SymPy
// fixtures under several option sets, and the records of the rational
// expressions' simplifying runs. A change to how records are stored or built
// must leave this output unchanged byte for byte.
//
//   rm_record_dump [few|all] > records.txt
//
// "few" (the default) runs the solvers under a handful of option sets;
// "all" under every option set (large: compare a digest of it).
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "algebra/rational_expression.hpp"
#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "models/radixmender_practice_model.hpp"
#include "solvers/linear_core.hpp"
#include "solvers/linear_parentheses.hpp"
#include "solvers/parentheses_stages.hpp"
#include "solvers/quadratic_solvers.hpp"
#include "tests/support/expression_pipeline.hpp"
#include "tests/support/fixture_sides.hpp"

namespace {

using namespace radixmender;

std::ostream* out = &std::cout;
std::uint64_t solutions = 0, records = 0, rows = 0;

// Newlines and the separators written as escapes, so a row stays on one line.
void text(const std::string& s) {
    for (const char c : s) {
        if (c == '\n')
            *out << "\\n";
        else if (c == '\\')
            *out << "\\\\";
        else if (c == '|')
            *out << "\\|";
        else
            *out << c;
    }
}

void writeRecord(const Record& record) {
    ++records;
    *out << "  R" << record.size() << '\n';
    for (const auto& row : record) {
        ++rows;
        *out << "   ";
        for (const auto& entry : row) {
            *out << '|';
            text(entry);
        }
        *out << '\n';
    }
}

void writeSteps(const Steps& steps, const Comments& comments) {
    ++solutions;
    *out << " steps " << steps.size() << " comments " << comments.size() << '\n';
    for (std::size_t i = 0; i < steps.size(); ++i) {
        *out << " S" << i << " lines " << steps[i].size() << '\n';
        for (const Record& r : steps[i]) writeRecord(r);
    }
    for (const Comment& c : comments) {
        *out << " C";
        for (const std::string& s : c) {
            *out << '|';
            text(s);
        }
        *out << '\n';
    }
}

void writeOutput(const ModelOutput& o) {
    writeSteps(o.detailSteps, o.detailComments);
    *out << " P";
    for (const std::string& p : o.detailParameters) {
        *out << '|';
        text(p);
    }
    *out << '\n';
}

template <class F>
void guarded(const std::string& label, F f) {
    *out << "## " << label << '\n';
    try {
        f();
    } catch (const std::exception& e) {
        *out << " throws " << e.what() << '\n';
    }
}

// ---- Forms ----

void forms() {
    for (const char* context : {shapes::kApplication, shapes::kModule})
        for (std::int64_t a : {-35, -6, 0, 1, 4, 10, 99, 360})
            for (std::int64_t b : {-12, -1, 0, 1, 2, 6, 45})
                for (std::int64_t c : {-3, 0, 1, 2, 8, 9, 12, 18, 50, 72, 75, 300, 997})
                    for (const char* order : {shapes::kOrderBefore, shapes::kOrderAfter}) {
                        std::ostringstream label;
                        label << "A " << context << ' ' << a << ' ' << b << ' ' << c << ' ' << order;
                        guarded(label.str(), [&] {
                            writeOutput(Radixmender_A_Model{a, b, c, order}.steps(context));
                        });
                    }
    for (const char* templateText : {kTemplateWholeFirst, kTemplateRadicalFirst})
        for (const char* context : {shapes::kApplication, shapes::kModule})
            for (std::int64_t a : {-36, -5, 0, 1, 6, 24})
                for (std::int64_t first : {-12, -1, 0, 2, 3, 8})
                    for (std::int64_t second : {-6, 0, 1, 4, 9})
                        for (std::int64_t radicand : {-3, 0, 1, 2, 9, 12, 18, 45, 50, 72, 300})
                            for (const char* order : {shapes::kOrderBefore, shapes::kOrderAfter}) {
                                std::ostringstream label;
                                label << "B " << templateText << ' ' << context << ' ' << a << ' ' << first
                                      << ' ' << second << ' ' << radicand << ' ' << order;
                                const bool wholeFirst = std::string(templateText) == kTemplateWholeFirst;
                                const Radixmender_B_Model m =
                                    wholeFirst
                                        ? Radixmender_B_Model{a, first, second, radicand, templateText, order}
                                        : Radixmender_B_Model{a,      first,        radicand,
                                                              second, templateText, order};
                                guarded(label.str(), [&] { writeOutput(m.steps(context)); });
                            }
    for (const char* context : {shapes::kApplication, shapes::kModule})
        for (const std::int64_t a : {1, -6, 0, 35})
            for (const std::int64_t b : {1, -2, 0, 6})
                for (const std::int64_t c : {-2, 0, 1, 2, 8, 12, 45})
                    for (const std::int64_t d : {-1, 0, 3, 4})
                        for (const std::int64_t e : {-5, 1, 3, 5, 18, 20})
                            for (const char* order : {shapes::kOrderBefore, shapes::kOrderAfter}) {
                                std::ostringstream label;
                                label << "C " << context << ' ' << a << ' ' << b << ' ' << c << ' ' << d
                                      << ' ' << e << ' ' << order;
                                guarded(label.str(), [&] {
                                    writeOutput(Radixmender_C_Model{a, b, c, d, e, order}.steps(context));
                                });
                            }
}

struct Seeded final : RandomSource {
    std::mt19937_64 engine{7};
    std::int64_t uniform(std::int64_t low, std::int64_t high) override {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    }
    bool coin() override { return engine() % 2 == 1; }
};

void practice() {
    Seeded source;
    for (std::int64_t level = 0; level < 3; ++level)
        for (int n = 0; n < 150; ++n) {
            const PracticeProblem problem = Radixmender_Practice_Model::makeProblem(level, source);
            std::string label = "practice " + std::to_string(level);
            for (const std::string& line : problem.displayLines) label += " " + line;
            guarded(label, [&] {
                Radixmender_Practice_Model m;
                m.inputs = problem.entries;
                for (const auto& group : problem.entries)
                    for (const auto& row : group) {
                        // The form text leads the row; the integers follow.
                        if (row.empty()) continue;
                        m.options = {{row[0]}, {n % 2 ? shapes::kOrderAfter : shapes::kOrderBefore}};
                        m.inputs = {{std::vector<std::string>(row.begin() + 1, row.end())}};
                    }
                writeOutput(m.steps());
            });
        }
}

// ---- Solvers on the fixture cases ----

using testing::fixtures::side;

const std::vector<std::string> kRelations = {"=", "<", ">", "<=", ">="};

struct Case {
    std::string given;
    char kind;
    Ext_polyEquation equation;
};

std::vector<Case> cases(const std::filesystem::path& file, bool kinded) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::vector<Case> all;
    for (std::string line; std::getline(in, line);) {
        const std::size_t arrow = line.find(" => "), from = kinded ? 2 : 0;
        const std::string sides = line.substr(from, arrow - from), first = sides.substr(0, sides.find(' '));
        const auto found = std::find(kRelations.begin(), kRelations.end(), first);
        const bool related = found != kRelations.end();
        const std::string body = related ? sides.substr(first.size()) : sides;
        const auto bar = body.find('|');
        all.push_back({line, kinded ? line[0] : 'Q',
                       Ext_polyEquation(side(body.substr(0, bar)), side(body.substr(bar + 1)),
                                        related ? static_cast<Relation>(found - kRelations.begin())
                                                : Relation::equal_to)});
    }
    return all;
}

struct Draw final : RandomSource {
    std::int64_t value;
    explicit Draw(std::int64_t v) : value(v) {}
    std::int64_t uniform(std::int64_t low, std::int64_t high) override {
        return std::min(high, std::max(low, value));
    }
    bool coin() override { return value % 2 == 1; }
};

void solvers(const std::filesystem::path& root, bool all) {
    std::vector<Case> fixture = cases(root / "tests/solvers/verdict_cases.txt", true);
    for (const Case& c : cases(root / "tests/solvers/quadratic_cases.txt", false)) fixture.push_back(c);
    int set = 0;
    for (const Case& c : fixture)
        for (const Technique technique : {Technique::balance, Technique::transpose})
            for (const int draw : {0, 1, 2})
                for (const Style style : {Style::fraction, Style::rational_fraction, Style::decimal})
                    for (int flags = 0; flags < 8; ++flags) {
                        // "few": one option set in 24, turning through all of them.
                        if (!all && (set++ % 24) != 0) continue;
                        const bool colored = flags & 1, clearing = flags & 2, continued = flags & 4;
                        const Method method = draw == 0 ? Method::standard : Method::smart;
                        std::ostringstream label;
                        label << c.given << " / " << int(technique) << draw << int(style) << flags;
                        if (c.kind == 'P') {
                            guarded("P " + label.str(), [&] {
                                Draw random(draw);
                                const SolverResult r =
                                    solveLinear(c.equation, {.technique = technique, .colored = colored, .continued = continued,
                                                             .style = style, .method = method,
                                                             .fractions = clearing != colored,
                                                             .clearing = clearing, .random = random});
                                writeSteps(r.steps, r.comments);
                            });
                            continue;
                        }
                        const PolyEquation e = toPolyEquation(c.equation);
                        guarded("L " + label.str(), [&] {
                            Draw random(draw);
                            const SolverResult r = solveLinear(e, {.technique = technique, .colored = colored, .continued = continued,
                                                   .style = style, .method = method, .clearing = clearing,
                                                   .random = random});
                            writeSteps(r.steps, r.comments);
                        });
                        if (c.kind == 'L') continue;
                        for (const Quadratic_method m : {Quadratic_method::formula, Quadratic_method::factor,
                                                         Quadratic_method::complete_the_square})
                            guarded("Q" + std::to_string(int(m)) + " " + label.str(), [&] {
                                Draw random(draw);
                                const SolverResult r = solveQuadratic(e, m, {.technique = technique, .colored = colored, .continued = continued,
                                                          .style = style, .method = method, .clearing = clearing,
                                                          .random = random});
                                writeSteps(r.steps, r.comments);
                            });
                    }
}

// ---- Rational expressions ----

Polynomial_XL flat(const std::vector<std::int64_t>& c) {
    std::vector<Term_XL> terms;
    for (std::size_t i = 0; i < c.size(); ++i)
        if (c[i] != 0) terms.emplace_back(Monomial(Rational(c[i], 1), c.size() - 1 - i));
    return Polynomial_XL({terms});
}

void expressionRun(const std::string& label, const Rational_Expression& start) {
    guarded(label, [&] {
        ++solutions;
        const auto end = testing::runPipeline(start, 12, [](const ExpressionPair& pair) {
            for (const Rational_Expression& e : pair) {
                writeRecord(e.record(true));
                writeRecord(e.record(false));
            }
        });
        *out << " rounds " << end.rounds << '\n';
        for (const Rational_Expression& e : end.finalForms) writeRecord(e.record(false));
    });
}

void expressions(const std::filesystem::path& root) {
    std::ifstream file(root / "tests/algebra/cancel_fixture.txt");
    int n = 0;
    for (std::string line; std::getline(file, line); ++n) {
        std::istringstream in(line);
        std::vector<Polynomial_XL> sides;
        for (std::string tag; in >> tag; in.clear()) {
            std::vector<std::int64_t> c;
            for (std::int64_t k; in >> k;) c.push_back(k);
            sides.push_back(flat(c));
            if (n % 2) std::reverse(sides.back().terms[0].begin(), sides.back().terms[0].end());
        }
        if (sides.size() >= 2) expressionRun("E " + line, Rational_Expression(sides[0], sides[1]));
    }
    // Products of small linear factors, as the benchmark draws them.
    std::mt19937 rng(16);
    const auto draw = [&rng](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    using Coefficients = std::vector<std::int64_t>;
    const auto times = [](const Coefficients& p, const Coefficients& q) {
        Coefficients r(p.size() + q.size() - 1, 0);
        for (std::size_t i = 0; i < p.size(); ++i)
            for (std::size_t j = 0; j < q.size(); ++j) r[i + j] += p[i] * q[j];
        return r;
    };
    for (int k = 0; k < 200;) {
        Coefficients shared = {1};
        for (std::int64_t j = draw(1, 2); j > 0; --j) shared = times(shared, {draw(1, 3), draw(-5, 5) | 1});
        Coefficients sides[2];
        for (Coefficients& s : sides) {
            s = times(shared, {draw(1, 3) * (draw(0, 3) ? 1 : -1)});
            if (draw(0, 2) == 0) s = times(s, {1, 0});
            for (std::int64_t j = draw(0, 2); j > 0; --j) s = times(s, {draw(1, 3), draw(-5, 5) | 1});
            if (draw(0, 4) == 0) s = times(s, {1, 0, draw(1, 3)});
        }
        if (sides[0].size() > 7 || sides[1].size() > 7) continue;
        expressionRun("E drawn " + std::to_string(k++), Rational_Expression(flat(sides[0]), flat(sides[1])));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool all = argc > 1 && std::string(argv[1]) == "all";
    const std::filesystem::path root =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    forms();
    practice();
    solvers(root, all);
    expressions(root);
    std::cerr << solutions << " solutions, " << records << " records, " << rows << " rows\n";
    return 0;
}
