#pragma once
// The practice screen: random problems of the three forms on the practice
// pad. The learner picks a level (each tap brings a new problem of it) and
// the order; "🤔" hands the problem shown to the practice model, whose
// solution goes to the step viewer as on the form screens.
#include <cstdint>
#include <memory>
#include <string>

#include "input/pad_interfaces.hpp"
#include "input/universal_integer_practice_pad_view.hpp"
#include "models/radixmender_practice_model.hpp"
#include "platform/view_controller.hpp"

namespace radixmender {

inline constexpr const char kSeguePractice[] = "Radixmender_Practice_Segue";

class Radixmender_Practice_VC : public platform::ViewController,
                                public IntegerDelegate,
                                public IntegerPracticeDataSource {
public:
    Radixmender_Practice_VC();
    ~Radixmender_Practice_VC() override;

    // The problem and choices of the last "🤔"; empty until then.
    Radixmender_Practice_Model theModel;

    [[nodiscard]] const std::string& theSegue() const { return theSegue_; }
    [[nodiscard]] UniversalIntegerPracticePadView& thePadView() const { return *thePadView_; }

    // The limits every screen answers; the practice pad never asks them.
    std::int64_t maximumDigits() override { return 3; }
    bool allowsNegative() override { return true; }
    // A new problem of the level; the choices passed in do not shape it.
    PracticeExample practiceExample(std::int64_t level, const TextLists& options,
                                    const TextLists& multiLine) override;

    void viewDidLoad() override;
    void didEnterIntegers(const TextGroups& inputs, const TextLists& options,
                          const TextLists& multiLine) override;
    void prepare(const platform::UIStoryboardSegue& segue, platform::Responder* sender) override;

    // Where the problems take their chance from: the system's randomness,
    // unless another source is installed (not owned; null restores the system's).
    static void setRandomSource(RandomSource* source);

private:
    std::string theSegue_;
    // Owned here until the view loads; the root view owns it from then on.
    std::unique_ptr<UniversalIntegerPracticePadView> ownedPadView_;
    UniversalIntegerPracticePadView* thePadView_;
};

}  // namespace radixmender
