// The app end to end at phone and tablet size, from the layout resource,
// driven only by taps at screen positions through the window; what each
// screen shows, and every drawing no screen shows yet, written for a person
// to look at (to TEST_OUTPUT_DIR).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/universal_engine_view.hpp"
#include "input/universal_real_pad_view.hpp"
#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "platform/application.hpp"
#include "platform/button.hpp"
#include "platform/image_renderer.hpp"
#include "platform/label.hpp"
#include "platform/layout.hpp"
#include "platform/navigation_controller.hpp"
#include "platform/recording_context.hpp"
#include "platform/window.hpp"
#include "records/literals.hpp"
#include "records/vocabulary.hpp"
#include "screens/app_delegate.hpp"
#include "screens/radixmender_form_vcs.hpp"
#include "screens/radixmender_guide_vc.hpp"
#include "screens/radixmender_menu_vc.hpp"
#include "screens/radixmender_practice_vc.hpp"
#include "screens/universal_engine_vc.hpp"
#include "tests/engine/tableau_samples.hpp"
#include "tests/support/picture_examples.hpp"
#include "tests/support/screen_width.hpp"
#include "tests/support/scripted_source.hpp"
#include "tests/support/test_output.hpp"

namespace radixmender {
namespace {

using namespace testing;

std::unique_ptr<platform::UIApplication> launchApp(platform::Size size) {
    registerScreens();
    platform::LaunchConfiguration configuration;
    configuration.delegateClassName = "AppDelegate";
    configuration.windowSize = size;
    configuration.showWindow = false;
    return platform::UIApplication::launch(configuration);
}

platform::NavigationController& navigation(platform::UIApplication& app) {
    return dynamic_cast<platform::NavigationController&>(*app.window().rootViewController());
}

template <typename T>
T* top(platform::UIApplication& app) {
    return dynamic_cast<T*>(navigation(app).topViewController());
}

// Depth first, visible views only.
void collect(platform::View* view, std::vector<platform::View*>& out) {
    if (view->isHidden()) return;
    out.push_back(view);
    for (const auto& sub : view->subviews()) collect(sub.get(), out);
}

platform::UIButton* buttonTitled(platform::View* root, const std::string& title) {
    std::vector<platform::View*> views;
    collect(root, views);
    for (auto* v : views)
        if (auto* button = dynamic_cast<platform::UIButton*>(v); button && button->currentTitle() == title)
            return button;
    return nullptr;
}

platform::UILabel* labelTagged(platform::View* root, std::int64_t tag) {
    return dynamic_cast<platform::UILabel*>(root->viewWithTag(tag));
}

// Taps the centre of the button with this title somewhere on the window; false when there is none.
bool tapTitled(platform::UIApplication& app, const std::string& title) {
    auto* button = buttonTitled(app.window().view(), title);
    if (button != nullptr) app.window().tap(platform::UIWindow::centre(button));
    return button != nullptr;
}

void tapBack(platform::UIApplication& app) {
    app.window().tap(platform::UIWindow::centre(navigation(app).backButton()));
}

// Taps the engine view's navigator: "next" on the right, "prior" on the left.
void tapNavigator(platform::UIApplication& app, const UniversalEngineView& view, bool next) {
    const platform::Point o = view.convertToWindow({0, 0});
    app.window().tap({o.x + view.frame().width() * (next ? 0.75 : 0.25), o.y + view.frame().height() * 0.97});
}

// The texts a view draws.
std::vector<std::string> drawnTexts(platform::View& view) {
    platform::RecordingContext context;
    view.render(context);
    std::vector<std::string> texts;
    for (const auto& op : context.texts()) texts.push_back(op.text);
    return texts;
}

// Writes what the window shows to "<screen>_<width>x<height>.png" for a
// person to look at: it must not be blank, and the window's own layout must
// have left nothing to move on another pass and no conflict or gap to report.
void shoot(platform::UIApplication& app, const std::string& screen) {
    platform::UIWindow& window = app.window();
    const auto path = testOutputPath(screen + "_" + std::to_string(int(window.size().width)) + "x" +
                                     std::to_string(int(window.size().height)) + ".png");
    ASSERT_TRUE(window.renderToPNG(path));
    EXPECT_GT(std::filesystem::file_size(path), 2000u) << path;
    const auto frames = [&] {
        std::vector<platform::View*> views;
        collect(window.view(), views);
        std::vector<platform::Rect> out;
        for (const auto* v : views) out.push_back(v->frame());
        return out;
    };
    const auto before = frames();
    window.view()->layoutIfNeeded();
    EXPECT_EQ(frames(), before) << screen;
    for (const auto& d : platform::layoutDiagnostics(*window.view())) ADD_FAILURE() << screen << ": " << d;
}

const std::string kRoot = text::kRadical;
const std::string kMenuA = "a/(b" + kRoot + "c)";
const std::string kMenuB = "a/(b + c" + kRoot + "d) or a/(b" + kRoot + "c + d)";
const std::string kMenuC = "a/(b" + kRoot + "c + d" + kRoot + "e)";

// Types `value` into input entry `tag` with the keys, as a learner would.
void typeEntry(platform::UIApplication& app, std::int64_t tag, const std::string& value) {
    ASSERT_TRUE(tapTitled(app, "I" + std::to_string(tag)));
    ASSERT_TRUE(tapTitled(app, "C"));
    for (char ch : value) ASSERT_TRUE(tapTitled(app, ch == '-' ? "+/-" : std::string(1, ch)));
}

struct FlowCase {
    std::string name, menuTitle;
    std::vector<std::string> entries;     // typed into input entries 1, 2, ...
    std::vector<std::string> optionTaps;  // selector titles tapped after typing
    ModelOutput expected;
};

// Every form typed and solved: the pad names its form; the step viewer shows
// the model's steps, pinned 5 points inside its safe area (below the bar), and
// "next" walks every step, each drawn with its comments, and wraps; back, the
// pad is as it was. Form B's radical-first template and the order "after" are
// chosen with the selectors; the defaults are whole first and "before", which
// matters for √8. An untouched pad is a/(0√0) with the order "before",
// trimmed: an error in three steps.
void everyForm(platform::UIApplication& app) {
    const std::string after = shapes::kOrderAfter, radical = kTemplateRadicalFirst;
    const auto a = [](auto... v) { return Radixmender_A_Model{v...}.steps(); };
    const auto b = [](auto... v) { return Radixmender_B_Model{v...}.steps(); };
    const auto c = [](auto... v) { return Radixmender_C_Model{v...}.steps(); };
    const FlowCase flows[] = {
        {"a", kMenuA, {"6", "2", "3"}, {"O4098"}, a(6, 2, 3, after)},
        {"b", kMenuB, {"4", "3", "1", "8"}, {}, b(4, 3, 1, 8)},
        {"b_radical", kMenuB, {"-12", "2", "8", "5"}, {"O4098", "O4162"}, b(-12, 2, 8, 5, radical, after)},
        {"c", kMenuC, {"10", "1", "3", "1", "2"}, {"O4098"}, c(10, 1, 3, 1, 2, after)},
        {"a_untouched", kMenuA, {}, {}, a()},
    };
    for (const FlowCase& flow : flows) {
        SCOPED_TRACE(flow.name);
        ASSERT_TRUE(tapTitled(app, flow.menuTitle));
        auto* form = top<RadixmenderFormVC>(app);
        ASSERT_NE(form, nullptr);
        const auto letter = static_cast<char>('a' + form->thePadView().inputs.at(0).at(0).size() - 1);
        const auto info = drawnTexts(form->thePadView());
        EXPECT_TRUE(std::ranges::count(
            info, " enter a to " + std::string(1, letter) + " of " + flow.menuTitle + " "));
        for (std::size_t i = 0; i < flow.entries.size(); ++i)
            typeEntry(app, static_cast<std::int64_t>(i + 1), flow.entries[i]);
        for (const auto& option : flow.optionTaps) ASSERT_TRUE(tapTitled(app, option));
        shoot(app, "form_" + flow.name);
        ASSERT_TRUE(tapTitled(app, text::kThinking));
        const auto* formA = dynamic_cast<Radixmender_A_VC*>(form);  // its order stored trimmed
        EXPECT_TRUE(!formA ||
                    formA->theModel.order == (flow.optionTaps.empty() ? shapes::kOrderBefore : after));

        auto* viewer = top<UniversalEngineVC>(app);
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->detailSteps(), flow.expected.detailSteps);
        EXPECT_EQ(viewer->detailComments(), flow.expected.detailComments);
        EXPECT_EQ(viewer->detailParameters(), Parameters{shapes::kNoParameters});
        auto& engine = viewer->universalEngineView();
        const auto insets = viewer->view()->safeAreaInsets();
        const platform::Size size = app.window().size();
        EXPECT_EQ(engine.frame(), platform::Rect(5, insets.top + 5, size.width - 10,
                                                 size.height - insets.top - insets.bottom - 10));
        const auto count = static_cast<std::int64_t>(flow.expected.detailSteps.size());
        for (std::int64_t i = 0; i < count; ++i) {
            ASSERT_EQ(engine.step(), i);
            const auto texts = drawnTexts(engine);
            for (const auto& comment : flow.expected.detailComments[static_cast<std::size_t>(i)])
                EXPECT_TRUE(comment.empty() || std::ranges::count(texts, comment))
                    << "step " << i << ": " << comment;
            if (i == 0 || i == count - 1) shoot(app, "steps_" + flow.name + (i == 0 ? "_first" : "_last"));
            tapNavigator(app, engine, true);
        }
        EXPECT_EQ(engine.step(), 0);
        tapBack(app);
        ASSERT_EQ(navigation(app).topViewController(), form);
        for (std::size_t i = 0; i < flow.entries.size(); ++i)
            EXPECT_EQ(labelTagged(form->view(), static_cast<std::int64_t>(i + 1))->text(), flow.entries[i]);
        for (const auto& option : flow.optionTaps)
            EXPECT_EQ(labelTagged(form->view(), std::stoll(option.substr(1)))->backgroundColor(),
                      platform::UIColor::green());
        tapBack(app);
    }
}

// The practice screen with scripted chance (installed before the app
// starts), as built: the first problem on the pad, three-digit entries that
// may be negative. "🤔" right after it opens solves that problem with the
// order "before"; every level tap, on the chosen level too, brings a new
// problem; "🤔" solves the one shown with the order chosen, a form-B problem
// keeping its template untrimmed; back, nothing is reset, and changing only
// the order solves the same problem again. The choices handed in do not shape
// a problem; a hand-over without a problem row or an order changes nothing;
// choices of several lines are kept.
void practice(platform::UIApplication& app, ScriptedSource& twin) {
    ASSERT_TRUE(tapTitled(app, "practice"));
    auto* vc = top<Radixmender_Practice_VC>(app);
    ASSERT_NE(vc, nullptr);
    EXPECT_EQ(vc->thePadView().inputs, (TextGroups{{{kFormA, "6", "2", "3"}}}));
    EXPECT_TRUE(vc->maximumDigits() == 3 && vc->allowsNegative());
    const auto shownLine = [&] { return labelTagged(&vc->thePadView(), 6145)->text(); };
    PracticeProblem shown = Radixmender_Practice_Model::makeProblem(0, twin);
    const auto think = [&](const std::string& order) {
        ASSERT_TRUE(tapTitled(app, text::kThinking));
        const auto& row = shown.entries.at(0).at(0);
        Radixmender_Practice_Model model;
        model.options = {{row[0]}, {order}};
        model.inputs = {{std::vector<std::string>(row.begin() + 1, row.end())}};
        EXPECT_EQ(vc->theModel.options, model.options);
        EXPECT_EQ(vc->theModel.inputs, model.inputs);
        EXPECT_EQ(top<UniversalEngineVC>(app)->detailSteps(), model.steps().detailSteps);
    };
    EXPECT_EQ(shownLine(), "6/(2" + kRoot + "3)");
    think(shapes::kOrderBefore);
    tapBack(app);
    ASSERT_TRUE(tapTitled(app, "L5122"));
    shown = Radixmender_Practice_Model::makeProblem(1, twin);
    EXPECT_EQ(shownLine(), "-5/(3" + kRoot + "7 " + text::kMinusSign + " 4)");
    think(shapes::kOrderBefore);
    EXPECT_EQ(vc->theModel.options[0], std::vector<std::string>{kTemplateRadicalFirst});
    tapBack(app);
    for (std::int64_t level : {0, 1, 1, 2, 0, 2}) {
        ASSERT_TRUE(tapTitled(app, "L" + std::to_string(5121 + level)));
        shown = Radixmender_Practice_Model::makeProblem(level, twin);
        ASSERT_EQ(vc->thePadView().inputs, shown.entries) << level;
        EXPECT_EQ(shownLine(), shown.displayLines.at(0));
        EXPECT_EQ(vc->thePadView().levelSelection, 5121 + level);
    }
    think(shapes::kOrderBefore);
    shoot(app, "practice_steps");
    tapBack(app);
    ASSERT_EQ(navigation(app).topViewController(), vc);
    EXPECT_EQ(shownLine(), shown.displayLines[0]);
    ASSERT_TRUE(tapTitled(app, "O4098"));
    EXPECT_EQ(vc->thePadView().inputs, shown.entries);
    shoot(app, "practice");
    think(shapes::kOrderAfter);
    tapBack(app);

    vc->didEnterIntegers({}, {{" x "}}, {});
    vc->didEnterIntegers(shown.entries, {}, {});
    EXPECT_EQ(navigation(app).topViewController(), vc);
    vc->didEnterIntegers(shown.entries, {{" simplify " + kRoot + " after "}}, {{"m"}});
    EXPECT_EQ(vc->theModel.multiLine, TextLists{{"m"}});
    ScriptedSource a("", 2026), b("", 2026);
    Radixmender_Practice_VC::setRandomSource(&a);
    const auto first = vc->practiceExample(2, {{" x "}}, {{"m"}});
    Radixmender_Practice_VC::setRandomSource(&b);
    EXPECT_EQ(first, vc->practiceExample(2, {}, {}));
    Radixmender_Practice_VC::setRandomSource(nullptr);
    tapBack(app);
    tapBack(app);
}

// The guide: pinned under the bar without insets, paged horizontally on a
// phone; its chapter buttons read left to right and go to their pages; a
// title that matches no chapter does nothing.
void guide(platform::UIApplication& app) {
    ASSERT_TRUE(tapTitled(app, "guide"));
    auto* guide = top<Radixmender_Guide_VC>(app);
    ASSERT_NE(guide, nullptr);
    auto* pdf = guide->pdfView();
    ASSERT_NE(pdf->document(), nullptr);
    EXPECT_TRUE(pdf->document()->pageCount() >= 10 && pdf->currentPageIndex() == 0);
    EXPECT_TRUE(pdf->autoScales && pdf->isUsingPageViewController());
    EXPECT_EQ(pdf->displayDirection, platform::PDFDisplayDirection::horizontal);
    EXPECT_EQ(pdf->frame(),
              platform::Rect(0, 44, app.window().size().width, app.window().size().height - 44));
    shoot(app, "guide");
    auto buttons = navigation(app).rightBarButtonViews();
    std::sort(buttons.begin(), buttons.end(),
              [](auto* l, auto* r) { return l->frame().minX() < r->frame().minX(); });
    std::vector<std::string> titles;
    for (auto* button : buttons) titles.push_back(*platform::UIBarButtonItem::from(button)->title);
    EXPECT_EQ(titles, (std::vector<std::string>{"intro ", "notes ", "examples"}));
    for (const auto& [index, page] : {std::pair{2, 9}, {0, 0}, {1, 3}, {2, 9}}) {
        app.window().tap(platform::UIWindow::centre(buttons.at(static_cast<std::size_t>(index))));
        EXPECT_EQ(pdf->currentPageIndex(), page);
    }
    shoot(app, "guide_examples");
    platform::UIBarButtonItem stranger(std::string("intro"), platform::UIBarButtonItem::Style::plain, guide,
                                       kTapAction);
    guide->tap(&stranger);
    guide->tap(nullptr);
    EXPECT_EQ(pdf->currentPageIndex(), 9);
}

TEST(AppFlow, EveryScreenAtPhoneAndTabletSize) {
    for (const platform::Size size : {platform::Size{390, 844}, {1024, 1366}}) {
        const std::string script = "6 H 2 3 T 5 T 3 4 T 7";  // practice levels 0 and 1
        ScriptedSource source(script, 2026), twin(script, 2026);
        Radixmender_Practice_VC::setRandomSource(&source);  // for the practice screens made while it lives
        const std::unique_ptr<RandomSource, void (*)(RandomSource*)> installed(
            &source, [](RandomSource*) { Radixmender_Practice_VC::setRandomSource(nullptr); });
        auto app = launchApp(size);
        ASSERT_NE(top<Radixmender_Menu_VC>(*app), nullptr);
        const auto& tiles = top<Radixmender_Menu_VC>(*app)->view()->subviews();  // equal, 5 apart
        for (std::size_t i = 1; i < tiles.size(); ++i)
            EXPECT_NEAR(tiles[i]->frame().minY(),
                        tiles[0]->frame().minY() + double(i) * (tiles[0]->frame().height() + 5), 1e-9);
        shoot(*app, "menu");
        everyForm(*app);
        practice(*app, twin);
        guide(*app);
    }
}

// Every box and tableau fitted to the width, each counting picture apart
// (left) and joined (right), and the decimal pad: none may be blank.
void save(const platform::RasterImage& image, const std::string& name) {
    const auto path = testOutputPath(name + ".png");
    ASSERT_TRUE(image.savePNG(path));
    EXPECT_GT(std::filesystem::file_size(path), 1000u) << path;
}

TEST(Screenshots, DrawingsAtPhoneAndTabletSize) {
    const UniversalEngineView view;
    for (const auto& [w, h] : {std::pair{390.0, 844.0}, {1024.0, 1366.0}}) {
        const std::string size = std::to_string(int(w)) + "x" + std::to_string(int(h));
        const ScreenWidth screen(w);
        for (const Sample& s : allSamples()) {
            const Step lines{s.record};
            const LineSizes sizes = view.fitLines(w - 20, h - 20, 30, platform::FontWeight::medium, lines);
            const ItemBox box = measureItems(s.record, s.record[0][1], defaultFontName(), sizes[0][1],
                                             platform::FontWeight::medium);
            const double cut = std::min(h, box.height + 20);  // the line's height keeps the files small
            save(platform::ImageRenderer({w, cut}, 2).image([&](platform::GraphicsContext& c) {
                c.setFillColor(platform::UIColor::white());
                c.fillRect({0, 0, w, cut});
                view.renderLines(10, 10, lines, sizes);
            }),
                 "tableaux/" + s.name + "_" + size);
        }
        for (const auto& [name, draw] : pictureExamples())
            save(platform::ImageRenderer({2 * w, h}).image([&](platform::GraphicsContext& c) {
                c.setFillColor(platform::UIColor::white());
                c.fillRect({0, 0, 2 * w, h});
                draw(c, true, w, h);
                c.translateBy(w, 0);
                draw(c, false, w, h);
            }),
                 "pictures/" + name + "_" + size);
        platform::View window({0, 0, w, h});
        window.setBackgroundColor(platform::UIColor::white());
        window.setSafeAreaInsets({47, 0, 34, 0});
        auto* pad = window.addSubview(std::make_unique<UniversalRealPadView>(
            std::vector<std::string>{" enter a to c ", "\U0001F914 for steps"}, TextGroups{{{"0", "0", "0"}}},
            TextGroups{}, TextGroups{}, TextGroups{{{" before ", " after "}}},
            std::vector<std::vector<std::int64_t>>{}, TextGroups{}, platform::Rect{}));
        struct Limits : RealDataSource {
            std::int64_t maximumDigits() override { return 3; }
            bool allowsNegative() override { return true; }
        } limits;
        pad->dataSource = &limits;
        platform::pinInsideSafeArea(*pad, window, 5);
        window.layoutIfNeeded();
        for (const char* key : {"5", ".", "0", "7", "I2", "+/-", "O4098"})
            platform::tap(*buttonTitled(pad, key));
        save(platform::renderView(window, 1), "real_pad_" + size);
    }
}

}  // namespace
}  // namespace radixmender
