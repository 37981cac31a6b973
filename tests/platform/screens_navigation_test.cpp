// The screen half of the platform: the layout resource and its registry,
// segues in the platform's order, the back button. The app's own screens
// drive the launch, the bar's place in the safe area and the guide's
// documents end to end.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <tuple>

#include "platform/navigation_controller.hpp"
#include "platform/recording_context.hpp"
#include "platform/storyboard.hpp"

namespace platform {
namespace {

std::vector<std::string> journal;

// A screen that writes what happens to it into the journal.
class SpyVC : public ViewController {
public:
    void viewDidLoad() override { journal.push_back("load " + sceneIdentifier()); }
    void didReceiveMemoryWarning() override { journal.push_back("memory " + sceneIdentifier()); }
    void prepare(const UIStoryboardSegue& segue, Responder* sender) override {
        journal.push_back(
            "prepare " + segue.identifier.value_or("?") + " to " + segue.destination->sceneIdentifier() +
            (segue.destination->isViewLoaded() ? " (loaded)" : "") + (sender == this ? " by self" : ""));
    }
};
const bool kSpyRegistered =
    (ControllerRegistry::registerClass("SpyVC", [] { return std::make_unique<SpyVC>(); }), true);

const std::string kLayout = R"({"initialScene": "nav", "scenes": [
  {"id": "nav", "class": "UINavigationController", "root": "first"},
  {"id": "first", "class": "SpyVC", "title": "First"}, {"id": "second", "class": "SpyVC", "title": "Second"},
  {"id": "items", "class": "SpyVC", "title": "Items"}], "segues": [
  {"id": "go", "source": "first", "destination": "second"},
  {"id": "items", "source": "first", "destination": "items"}]})";
// Not JSON, no object, an unknown initial scene, class, destination or root,
// a scene or a segue of a scene twice, a button's unknown segue, a navigation
// controller without its root: each refused.
TEST(ScreensPlatform, MalformedLayoutsAreRefused) {
    const auto with = [](const std::string& from, const std::string& to) {
        std::string json = kLayout;
        return json.replace(json.find(from), from.size(), to);
    };
    const std::string bad[] = {
        "not json",
        "[]",
        with(R"("initialScene": "nav")", R"("initialScene": "nowhere")"),
        with(R"("class": "SpyVC", "title": "First")", R"("class": "NoSuchVC", "title": "First")"),
        with(R"("destination": "second")", R"("destination": "third")"),
        with(R"("root": "first")", R"("root": "missing")"),
        with(R"({"id": "items", "class")", R"({"id": "second", "class")"),
        with(R"({"id": "items", "source")", R"({"id": "go", "source")"),
        with(R"("title": "First")", R"("title": "First", "buttons": [{"title": "x", "segue": "nope"}])"),
        with(R"(, "root": "first")", "")};
    for (const auto& json : bad) EXPECT_THROW(Storyboard::fromJson(json), std::runtime_error) << json;
    EXPECT_THROW(Storyboard::load("/nonexistent/layout.json"), std::runtime_error);
    EXPECT_THROW(ControllerRegistry::make("NoSuchVC"), std::logic_error);
}

// Nothing loads before it is shown; each segue makes a fresh destination,
// prepares it unloaded, then shows it; a segue of another scene or of a
// controller without a layout is unknown; memory warnings reach every screen.
TEST(ScreensPlatform, SeguesMakeAFreshDestinationPrepareThenShow) {
    journal.clear();
    const auto layout = Storyboard::fromJson(kLayout);
    auto root = layout->instantiateInitialViewController();
    auto& nav = dynamic_cast<NavigationController&>(*root);
    EXPECT_TRUE(journal.empty());
    nav.view()->setFrame({0, 0, 390, 844});
    nav.layoutContent();
    ViewController* first = nav.topViewController();
    EXPECT_EQ(first->navigationItem.title, "First");
    first->performSegue("go", first);
    first->performSegue("go", first);
    EXPECT_EQ(journal, (std::vector<std::string>{"load first", "prepare go to second by self", "load second",
                                                 "prepare go to second by self", "load second"}));
    ASSERT_EQ(nav.viewControllers().size(), 3u);
    EXPECT_NE(nav.viewControllers()[1].get(), nav.viewControllers()[2].get());
    EXPECT_EQ(nav.topViewController()->navigationController(), &nav);
    EXPECT_THROW(first->performSegue("unknown", first), std::logic_error);
    EXPECT_THROW(nav.topViewController()->performSegue("go", nullptr), std::logic_error);
    EXPECT_THROW(SpyVC().performSegue("go", nullptr), std::logic_error);
    journal.clear();
    nav.didReceiveMemoryWarning();
    EXPECT_EQ(journal, (std::vector<std::string>{"memory first", "memory second", "memory second"}));
}

// The back button names the screen below, reads "Back" for a missing or long
// title and keeps only its chevron on a crowded bar, left of the bar's items.
TEST(ScreensPlatform, BackButtonReadsWhatFits) {
    const std::tuple<std::string, int, double, std::string> cases[] = {
        {"First", 0, 390, "\u2039 First"},
        {"", 0, 390, "\u2039 Back"},
        {"A title far too long for a back button", 0, 390, "\u2039 Back"},
        {"First", 3, 390, "\u2039 First"},
        {"First", 3, 230, "\u2039 "}};
    for (const auto& [below, items, width, reads] : cases) {
        NavigationController nav;
        nav.pushViewController(std::make_unique<ViewController>());
        nav.viewControllers().front()->navigationItem.title = below;
        auto top = std::make_unique<ViewController>();
        for (int i = 0; i < items; ++i)
            top->navigationItem.rightBarButtonItems.push_back(std::make_shared<UIBarButtonItem>(
                std::string("item"), UIBarButtonItem::Style::plain, nullptr, "x"));
        nav.pushViewController(std::move(top));
        nav.view()->setFrame({0, 0, width, 844});
        nav.layoutContent();
        RecordingContext context;
        nav.backButton()->render(context);
        ASSERT_EQ(context.texts().size(), 1u);
        EXPECT_EQ(context.texts()[0].text, reads) << below << " / " << width;
        EXPECT_EQ(nav.rightBarButtonViews().size(), static_cast<std::size_t>(items));
        for (auto* item : nav.rightBarButtonViews())
            EXPECT_LE(nav.backButton()->frame().maxX(), item->frame().minX());
    }
}

}  // namespace
}  // namespace platform
