#include "screens/radixmender_practice_vc.hpp"

#include <vector>

#include "platform/layout.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"
#include "screens/universal_engine_vc.hpp"

namespace radixmender {

namespace {

RandomSource* installedSource = nullptr;

PracticeExample makeExample(std::int64_t level) {
    PracticeProblem problem = installedSource != nullptr
                                  ? Radixmender_Practice_Model::makeProblem(level, *installedSource)
                                  : Radixmender_Practice_Model::makeProblem(level);
    return {std::move(problem.displayLines), std::move(problem.entries)};
}

std::unique_ptr<UniversalIntegerPracticePadView> makePad() {
    const std::string root = text::kRadical;
    const PracticeExample first = makeExample(0);
    return std::make_unique<UniversalIntegerPracticePadView>(
        std::vector<std::string>{std::string(" method and level ") + text::kGrinning + " ... ",
                                 std::string(" ") + text::kThinking + " for steps "},
        TextGroups{}, TextGroups{{{" simplify " + root + " before ", " simplify " + root + " after "}}},
        std::vector<std::vector<std::int64_t>>{{0}}, TextLists{},
        std::vector<std::string>{text::kGrinning, text::kSmiling, text::kNeutral}, first.first, first.second,
        platform::Rect{});
}

}  // namespace

Radixmender_Practice_VC::Radixmender_Practice_VC()
    : theSegue_(kSeguePractice), ownedPadView_(makePad()), thePadView_(ownedPadView_.get()) {}

Radixmender_Practice_VC::~Radixmender_Practice_VC() {
    thePadView_->dataSource = nullptr;
    thePadView_->delegate = nullptr;
}

void Radixmender_Practice_VC::setRandomSource(RandomSource* source) { installedSource = source; }

PracticeExample Radixmender_Practice_VC::practiceExample(std::int64_t level, const TextLists& /*options*/,
                                                         const TextLists& /*multiLine*/) {
    return makeExample(level);
}

void Radixmender_Practice_VC::viewDidLoad() {
    ViewController::viewDidLoad();
    thePadView_->dataSource = this;
    thePadView_->delegate = this;
    platform::View* root = view();
    platform::pinInsideSafeArea(*root->addSubview(std::move(ownedPadView_)), *root, kScreenInset);
}

void Radixmender_Practice_VC::didEnterIntegers(const TextGroups& inputs, const TextLists& options,
                                               const TextLists& multiLine) {
    // The pad always hands over the problem's full row and the chosen order;
    // should either ever be missing, the screen stays as it is rather than stopping.
    if (inputs.empty() || inputs[0].empty() || inputs[0][0].empty() || options.empty() || options[0].empty())
        return;
    const auto& row = inputs[0][0];
    theModel.options = {{row[0]}, {dropFirstAndLastCharacter(options[0][0])}};
    theModel.inputs = {{std::vector<std::string>(row.begin() + 1, row.end())}};
    theModel.multiLine = multiLine;
    performSegue(theSegue_, this);
}

void Radixmender_Practice_VC::prepare(const platform::UIStoryboardSegue& segue,
                                      platform::Responder* /*sender*/) {
    if (!segue.identifier || *segue.identifier != theSegue_) return;
    // The model runs even when the destination cannot show its answer.
    UniversalEngineVC::show(segue.destination, theModel.steps());
}

}  // namespace radixmender
