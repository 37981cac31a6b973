#include "screens/radixmender_form_vcs.hpp"

#include "records/literals.hpp"

namespace radixmender {

namespace {

const std::string kRoot = text::kRadical;
const std::string kStepsLine = std::string(text::kThinking) + " for steps";
const std::vector<std::string> kOrderOptions = {" simplify " + kRoot + " before ",
                                                " simplify " + kRoot + " after "};

TextGroups zeros(std::size_t count) { return {{std::vector<std::string>(count, "0")}}; }

}  // namespace

Radixmender_A_VC::Radixmender_A_VC()
    : RadixmenderFormVC(kSegueA, {" enter a to c of a/(b" + kRoot + "c) ", kStepsLine}, zeros(3),
                        {{kOrderOptions}}) {}

bool Radixmender_A_VC::storeEntries(const TextGroups& inputs, const TextLists& options) {
    const auto a = entry(inputs, 0), b = entry(inputs, 1), c = entry(inputs, 2);
    const auto order = choice(options, 0);
    if (!a || !b || !c || !order) return false;
    theModel.a = *a;
    theModel.b = *b;
    theModel.c = *c;
    theModel.order = trimmed(*order);
    return true;
}

ModelOutput Radixmender_A_VC::solve() const { return theModel.steps(shapes::kApplication); }

Radixmender_B_VC::Radixmender_B_VC()
    : RadixmenderFormVC(kSegueB,
                        {" enter a to d of a/(b + c" + kRoot + "d) or a/(b" + kRoot + "c + d) ", kStepsLine},
                        zeros(4), {{{kTemplateWholeFirst, kTemplateRadicalFirst}}, {kOrderOptions}}) {}

bool Radixmender_B_VC::storeEntries(const TextGroups& inputs, const TextLists& options) {
    const auto a = entry(inputs, 0), b = entry(inputs, 1), c = entry(inputs, 2), d = entry(inputs, 3);
    const auto form = choice(options, 0), order = choice(options, 1);
    if (!a || !b || !c || !d || !form || !order) return false;
    theModel.a = *a;
    theModel.b = *b;
    theModel.c = *c;
    theModel.d = *d;
    theModel.template_ = *form;
    theModel.order = trimmed(*order);
    return true;
}

ModelOutput Radixmender_B_VC::solve() const { return theModel.steps(shapes::kApplication); }

Radixmender_C_VC::Radixmender_C_VC()
    : RadixmenderFormVC(kSegueC, {" enter a to e of a/(b" + kRoot + "c + d" + kRoot + "e) ", kStepsLine},
                        zeros(5), {{kOrderOptions}}) {}

bool Radixmender_C_VC::storeEntries(const TextGroups& inputs, const TextLists& options) {
    const auto a = entry(inputs, 0), b = entry(inputs, 1), c = entry(inputs, 2), d = entry(inputs, 3),
               e = entry(inputs, 4);
    const auto order = choice(options, 0);
    if (!a || !b || !c || !d || !e || !order) return false;
    theModel.a = *a;
    theModel.b = *b;
    theModel.c = *c;
    theModel.d = *d;
    theModel.e = *e;
    theModel.order = trimmed(*order);
    return true;
}

ModelOutput Radixmender_C_VC::solve() const { return theModel.steps(shapes::kApplication); }

}  // namespace radixmender
