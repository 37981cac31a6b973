// The screen half of the platform: the layout resource and its registry,
// segues in the platform's order, the back button and the window. The app's
// own screens drive the launch, the bar's place in the safe area and the
// guide's documents end to end.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/button.hpp"
#include "platform/navigation_controller.hpp"
#include "platform/recording_context.hpp"
#include "platform/storyboard.hpp"
#include "platform/window.hpp"
#include "records/vocabulary.hpp"

namespace platform {
namespace {

std::vector<std::string>& journal() {
    static std::vector<std::string> events;
    return events;
}

// A screen that writes what happens to it into the journal.
class SpyVC : public ViewController {
public:
    void viewDidLoad() override { journal().push_back("load " + sceneIdentifier()); }
    void didReceiveMemoryWarning() override { journal().push_back("memory " + sceneIdentifier()); }
    void prepare(const UIStoryboardSegue& segue, Responder* sender) override {
        lastDestination = segue.destination;
        journal().push_back(
            "prepare " + segue.identifier.value_or("?") + " to " + segue.destination->sceneIdentifier() +
            (segue.destination->isViewLoaded() ? " (loaded)" : "") + (sender == this ? " by self" : ""));
    }
    ViewController* lastDestination = nullptr;
};

const char* kLayout = R"({
  "initialScene": "nav",
  "scenes": [
    {"id": "nav", "class": "UINavigationController", "root": "first"},
    {"id": "first", "class": "SpyVC", "title": "First"},
    {"id": "second", "class": "SpyVC", "title": "Second"},
    {"id": "items", "class": "SpyVC", "title": "Items"}
  ],
  "segues": [
    {"id": "go", "source": "first", "destination": "second"},
    {"id": "items", "source": "first", "destination": "items"}
  ]
})";

class ScreensPlatform : public ::testing::Test {
protected:
    void SetUp() override {
        ControllerRegistry::registerClass("SpyVC", [] { return std::make_unique<SpyVC>(); });
        journal().clear();
    }
};

TEST_F(ScreensPlatform, MalformedLayoutsAreRefused) {
    const std::string good = kLayout;
    const auto with = [&](const std::string& from, const std::string& to) {
        std::string json = good;
        json.replace(json.find(from), from.size(), to);
        return json;
    };
    const std::vector<std::string> bad = {
        "not json",
        "[]",
        with(R"("initialScene": "nav")", R"("initialScene": "nowhere")"),
        with(R"("class": "SpyVC", "title": "First")", R"("class": "NoSuchVC", "title": "First")"),
        with(R"("destination": "second")", R"("destination": "third")"),
        with(R"("root": "first")", R"("root": "missing")"),
        with(R"({"id": "items", "class")", R"({"id": "second", "class")"),
        with(R"({"id": "items", "source")", R"({"id": "go", "source")"),
        with(R"("title": "First")", R"("title": "First", "buttons": [{"title": "x", "segue": "nope"}])"),
        with(R"({"id": "nav", "class": "UINavigationController", "root": "first"})",
             R"({"id": "nav", "class": "UINavigationController"})"),
    };
    for (const auto& json : bad) EXPECT_THROW(Storyboard::fromJson(json), std::runtime_error) << json;
    EXPECT_NO_THROW(Storyboard::fromJson(good));
    EXPECT_THROW(Storyboard::load("/nonexistent/layout.json"), std::runtime_error);
    EXPECT_THROW(ControllerRegistry::make("NoSuchVC"), std::logic_error);
}

TEST_F(ScreensPlatform, SeguesMakeAFreshDestinationPrepareThenShow) {
    const auto layout = Storyboard::fromJson(kLayout);
    auto root = layout->instantiateInitialViewController();
    auto& nav = dynamic_cast<NavigationController&>(*root);
    EXPECT_TRUE(journal().empty());  // nothing loads before it is shown
    nav.view()->setFrame({0, 0, 390, 844});
    nav.layoutContent();
    auto* first = dynamic_cast<SpyVC*>(nav.topViewController());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->navigationItem.title, "First");

    first->performSegue("go", first);
    first->performSegue("go", first);
    EXPECT_EQ(journal(),
              (std::vector<std::string>{"load first", "prepare go to second by self", "load second",
                                        "prepare go to second by self", "load second"}));
    ASSERT_EQ(nav.viewControllers().size(), 3u);
    EXPECT_NE(nav.viewControllers()[1].get(), nav.viewControllers()[2].get());
    EXPECT_EQ(first->lastDestination, nav.topViewController());
    EXPECT_EQ(nav.topViewController()->navigationController(), &nav);

    EXPECT_THROW(first->performSegue("unknown", first), std::logic_error);
    // A segue of another scene is unknown here too.
    EXPECT_THROW(dynamic_cast<SpyVC*>(nav.topViewController())->performSegue("go", nullptr),
                 std::logic_error);
    SpyVC loose;
    EXPECT_THROW(loose.performSegue("go", nullptr), std::logic_error);

    journal().clear();
    nav.didReceiveMemoryWarning();
    EXPECT_EQ(journal(), (std::vector<std::string>{"memory first", "memory second", "memory second"}));
}

// The back button names the screen below, reads "Back" for a missing or long
// title and keeps only its chevron on a crowded bar.
TEST_F(ScreensPlatform, BackButtonReadsWhatFits) {
    const struct {
        std::string below;
        int items;
        double width;
        std::string reads;
    } cases[] = {
        {"First", 0, 390, "\u2039 First"},
        {"", 0, 390, "\u2039 Back"},
        {"A title far too long for a back button", 0, 390, "\u2039 Back"},
        {"First", 3, 390, "\u2039 First"},
        {"First", 3, 230, "\u2039 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.below + " / " + std::to_string(c.width));
        NavigationController nav;
        auto below = std::make_unique<ViewController>();
        below->navigationItem.title = c.below;
        nav.pushViewController(std::move(below));
        auto top = std::make_unique<ViewController>();
        for (int i = 0; i < c.items; ++i) {
            top->navigationItem.rightBarButtonItems.push_back(std::make_shared<UIBarButtonItem>(
                std::string("item"), UIBarButtonItem::Style::plain, nullptr, "x"));
        }
        nav.pushViewController(std::move(top));
        nav.view()->setFrame({0, 0, c.width, 844});
        nav.layoutContent();
        ASSERT_NE(nav.backButton(), nullptr);
        RecordingContext context;
        nav.backButton()->render(context);
        ASSERT_EQ(context.texts().size(), 1u);
        EXPECT_EQ(context.texts()[0].text, c.reads);
        EXPECT_EQ(nav.rightBarButtonViews().size(), static_cast<std::size_t>(c.items));
        for (auto* item : nav.rightBarButtonViews())
            EXPECT_LE(nav.backButton()->frame().maxX(), item->frame().minX());
    }
}

// A press released off the button is no tap; a tap is painted; resizing sets
// the screen width.
TEST_F(ScreensPlatform, WindowTurnsMouseEventsIntoTouchesAndSetsTheScreenWidth) {
    UIWindow window;
    auto controller = std::make_unique<ViewController>();
    auto* button = controller->view()->addSubview(std::make_unique<UIButton>());
    button->setFrame({100, 100, 80, 40});
    struct Counter : Responder {
        int taps = 0;
        bool respondsToAction(const std::string&) const override { return true; }
        void performAction(const std::string&, View*) override { ++taps; }
    } counter;
    button->addTarget(&counter, "count:", ControlEvent::touchUpInside);
    window.setRootViewController(std::move(controller));
    window.makeKeyAndVisible();
    ASSERT_TRUE(window.waitForPaint(5000));
    window.tap({140, 120});
    EXPECT_TRUE(window.waitForPaint(5000));  // a handled touch brings a new frame
    window.press({140, 120});
    window.release({300, 300});
    EXPECT_EQ(counter.taps, 1);
    window.resize({1024, 1366});
    EXPECT_EQ(radixmender::mainScreenWidth(), 1024);
    EXPECT_EQ(window.rootViewController()->view()->frame(), Rect(0, 0, 1024, 1366));
}

}  // namespace
}  // namespace platform
