#pragma once
// How the number pads, their parts and their screens talk to each other.
//
// A button inside a pad (a key of the key grid or a selector of an entry
// display) reports its tap to the pad through `PadDataEntryDelegate`; the pad
// asks its screen for its limits through a data source and hands the entries
// over, as texts, through a delegate. Delegates and data sources are held as
// non-owning pointers and may be absent.
//
// Every label that shows an entry, an option or a multi-line text carries the
// view tag of its kind and position (`viewTag`), and the selector button laid
// over it is titled with a kind letter followed by that tag: "I" input, "P"
// polynomial entry, "F" fraction entry, "O" option, "M" multi-line text, and
// "P_option" for the arrow that ends a polynomial row.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {
class View;
}

namespace radixmender {

// Groups, each a list of rows, each a list of texts.
using TextGroups = std::vector<std::vector<std::vector<std::string>>>;
// One list of texts per group.
using TextLists = std::vector<std::vector<std::string>>;

inline constexpr char kKeyPressedAction[] = "keyPressedWithSender:";

// Selector title prefixes.
inline constexpr char kInputSelector[] = "I";
inline constexpr char kPolynomialSelector[] = "P";
inline constexpr char kFractionSelector[] = "F";
inline constexpr char kOptionSelector[] = "O";
inline constexpr char kMultiLineSelector[] = "M";
inline constexpr char kArrowSelector[] = "P_option";

class PadDataEntryDelegate {
public:
    virtual ~PadDataEntryDelegate() = default;
    // `sender` is the tapped button.
    virtual void keyPressed(platform::View* sender) = 0;
};

class IntegerDataSource {
public:
    virtual ~IntegerDataSource() = default;
    // The most digits an entry may hold; an entry that starts with "-" holds one character more.
    virtual std::int64_t maximumDigits() = 0;
    // Whether "+/-" may change the sign of an entry.
    virtual bool allowsNegative() = 0;
};

// A new practice problem: its display lines (plain texts) and its entries.
using PracticeExample = std::pair<std::vector<std::string>, TextGroups>;

class IntegerPracticeDataSource {
public:
    virtual ~IntegerPracticeDataSource() = default;
    virtual std::int64_t maximumDigits() = 0;
    virtual bool allowsNegative() = 0;
    virtual PracticeExample practiceExample(std::int64_t level, const TextLists& options,
                                            const TextLists& multiLine) = 0;
};

class IntegerDelegate {
public:
    virtual ~IntegerDelegate() = default;
    // inputs: the input groups, then the polynomial groups (each row ending
    // with its arrow text), then the fraction groups; options: the chosen
    // option text of every row, per group; multiLine: empty, or one list
    // holding the chosen multi-line text.
    virtual void didEnterIntegers(const TextGroups& inputs, const TextLists& options,
                                  const TextLists& multiLine) = 0;
};

// The decimal pad's pair, meaning what the integer pair means.
class RealDelegate {
public:
    virtual ~RealDelegate() = default;
    // As didEnterIntegers; the input entries come exactly as shown.
    virtual void didEnterReals(const TextGroups& inputs, const TextLists& options,
                               const TextLists& multiLine) = 0;
};

class RealDataSource {
public:
    virtual ~RealDataSource() = default;
    // The most digits an entry may hold, not counting a minus sign, a decimal
    // point or a zero before the point.
    virtual std::int64_t maximumDigits() = 0;
    virtual bool allowsNegative() = 0;
};

}  // namespace radixmender
