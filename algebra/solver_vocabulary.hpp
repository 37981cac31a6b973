#pragma once
// The vocabulary the equation solvers share with the algebra values: the
// option and verdict enumerations and one solution of a quadratic. The
// algebra writers take a `Style`, the factored-polynomial queries answer the
// categories, and the solvers (solvers/, which depends on algebra/) take and
// answer the rest.
//
// The raw texts are the texts the steps show. A raw value converts back only
// on an exact match (capitals and blanks count); anything else is none.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "algebra/rational.hpp"

namespace radixmender {

// The letter of the variable; raw values "x", "y", "z".
enum class Var { x, y, z };

// The style of the transposition advice: "standard", "smart".
enum class Method { standard, smart };

// How a coefficient that is not whole is written: "show as ¹∕₃ x" (a stacked
// fraction before the variable), "show as ˣ∕₃" (the variable over the
// denominator), "show as decimal" ("%.8g").
enum class Style { fraction, rational_fraction, decimal };

// How terms are brought to one side: "balance", "transpose".
enum class Technique { balance, transpose };

// No raw values.
enum class Transpose_x_state { exclude, include, include_as_advisory };

// The preparation stages of the linear core left out; no raw values.
enum class Step_exclusions { none, reduce, clear, reduce_and_clear };

// The verdict on a linear equation: "valid solution", "TRUE, solution is all
// values of variable", "FALSE, no solution".
enum class Status { unique, infinite, none };

// The kind of solutions of a quadratic: "repeated rational solution",
// "distinct rational solutions", "repeated irrational solution",
// "distinct irrational solutions", "no solution".
enum class Quadratic_status {
    rational_repeated,
    rational_distinct,
    irrational_repeated,
    irrational_distinct,
    none
};

// "factor", "formula", "complete the square".
enum class Quadratic_method { factor, formula, complete_the_square };

// The degree class of an equation; integer raw values 0, 1, 2, 3 and −1.
enum class Category : std::int64_t { constant = 0, linear = 1, quadratic = 2, cubic = 3, error = -1 };

// No raw values.
enum class Quadratic_Category { monomial_a, binomial_ab, binomial_ac, trinomial };
enum class Quadratic_Factorabilty { does_not_factor, factors_but_not_over_rationals, factors };
enum class Linear_Category { monomial, binomial };

std::string rawValue(Var value);
std::string rawValue(Method value);
std::string rawValue(Style value);
std::string rawValue(Technique value);
std::string rawValue(Status value);
std::string rawValue(Quadratic_status value);
std::string rawValue(Quadratic_method value);
std::int64_t rawValue(Category value);

std::optional<Var> varFromRawValue(std::string_view text);
std::optional<Method> methodFromRawValue(std::string_view text);
std::optional<Style> styleFromRawValue(std::string_view text);
std::optional<Technique> techniqueFromRawValue(std::string_view text);
std::optional<Status> statusFromRawValue(std::string_view text);
std::optional<Quadratic_status> quadraticStatusFromRawValue(std::string_view text);
std::optional<Quadratic_method> quadraticMethodFromRawValue(std::string_view text);
std::optional<Category> categoryFromRawValue(std::int64_t value);

// One root of a quadratic, a + b·√c with c free of square factors; a
// rational root has b = 0/1 and c = 0.
struct Quadratic_solution {
    Rational a;
    Rational b;
    std::int64_t c = 0;
};

}  // namespace radixmender
