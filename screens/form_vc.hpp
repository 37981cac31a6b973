#pragma once
// What the three form screens share: an integer pad built from tables of
// texts and pinned 5 points inside the safe area, the pad's limits (3 digits,
// negatives allowed), and the road from "🤔" to the step viewer: store the
// entries in the model, perform the screen's segue, and hand the model's
// solution to the step viewer while the segue is prepared.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "input/pad_interfaces.hpp"
#include "input/universal_integer_pad_view.hpp"
#include "platform/view_controller.hpp"
#include "records/types.hpp"

namespace radixmender {

class RadixmenderFormVC : public platform::ViewController, public IntegerDelegate, public IntegerDataSource {
public:
    ~RadixmenderFormVC() override;

    [[nodiscard]] const std::string& theSegue() const { return theSegue_; }
    [[nodiscard]] UniversalIntegerPadView& thePadView() const { return *thePadView_; }

    std::int64_t maximumDigits() override { return 3; }
    bool allowsNegative() override { return true; }

    void viewDidLoad() override;
    void didEnterIntegers(const TextGroups& inputs, const TextLists& options,
                          const TextLists& multiLine) override;
    void prepare(const platform::UIStoryboardSegue& segue, platform::Responder* sender) override;

protected:
    RadixmenderFormVC(std::string segue, std::vector<std::string> info, TextGroups inputs,
                      TextGroups options);

    // Stores the entries and the chosen options in the model; false (and the
    // model untouched) when an entry is no integer or a choice is missing.
    virtual bool storeEntries(const TextGroups& inputs, const TextLists& options) = 0;
    [[nodiscard]] virtual ModelOutput solve() const = 0;

    // Entry k of group 0, row 0, as an integer, or none.
    static std::optional<std::int64_t> entry(const TextGroups& inputs, std::size_t k);
    // The chosen text of the first row of option group g, or none.
    static std::optional<std::string> choice(const TextLists& options, std::size_t g);
    // An order option without its first and last character (its blanks).
    static std::string trimmed(const std::string& option);

private:
    std::string theSegue_;
    std::unique_ptr<UniversalIntegerPadView> ownedPadView_;
    UniversalIntegerPadView* thePadView_;
};

}  // namespace radixmender
