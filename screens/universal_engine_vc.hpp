#pragma once
// The step viewer: holds one model output and serves it, step by step, to the
// drawing view it owns, pinned 5 points inside its safe area.
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/universal_engine_view.hpp"
#include "platform/view_controller.hpp"
#include "records/types.hpp"

namespace radixmender {

// How far inside its safe area every screen keeps its content view.
inline constexpr double kScreenInset = 5;

class UniversalEngineVC : public platform::ViewController, public UniversalEngineViewDataSource {
public:
    UniversalEngineVC();
    ~UniversalEngineVC() override;

    [[nodiscard]] const Steps& detailSteps() const { return detailSteps_; }
    [[nodiscard]] const Comments& detailComments() const { return detailComments_; }
    [[nodiscard]] const Parameters& detailParameters() const { return detailParameters_; }
    void setDetailSteps(Steps steps) { detailSteps_ = std::move(steps); }
    void setDetailComments(Comments comments) { detailComments_ = std::move(comments); }
    void setDetailParameters(Parameters parameters) { detailParameters_ = std::move(parameters); }

    // Hands a model output to `destination` when it is a step viewer; any
    // other destination is left alone.
    static void show(platform::ViewController* destination, ModelOutput output);

    [[nodiscard]] UniversalEngineView& universalEngineView() const { return *universalEngineView_; }

    void viewDidLoad() override;
    void didReceiveMemoryWarning() override;

    std::optional<std::int64_t> numberOfSteps() override;
    Step step(std::int64_t index) override;
    Comment comments(std::int64_t index) override;
    Parameters parameters() override;

private:
    Steps detailSteps_;
    Comments detailComments_;
    Parameters detailParameters_;
    // Owned here until the view loads; the root view owns it from then on.
    std::unique_ptr<UniversalEngineView> ownedEngineView_;
    UniversalEngineView* universalEngineView_;
};

}  // namespace radixmender
