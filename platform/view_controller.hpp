#pragma once
// The controller of one screen: it owns its root view, loads it lazily and
// takes part in the responder chain after that view. Screens move from one to
// another through segues named in the screen layout resource.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/view.hpp"

namespace platform {

class NavigationController;
class Storyboard;
class ViewController;

// A button of a navigation bar. It is no view: the bar draws it and, when it
// is tapped, sends `action` to `target` with the bar's button view as sender
// (`UIBarButtonItem::from(sender)` finds the item again).
class UIBarButtonItem {
public:
    enum class Style { plain = 0 };

    UIBarButtonItem(std::optional<std::string> title_, Style style_, Responder* target_, std::string action_)
        : title(std::move(title_)), style(style_), target(target_), action(std::move(action_)) {}

    std::optional<std::string> title;
    Style style = Style::plain;
    Responder* target = nullptr;  // not owned
    std::string action;

    // The item behind a bar button view handed to an action, or null.
    static const UIBarButtonItem* from(const View* sender);
};

struct UINavigationItem {
    std::string title;
    // Laid out from the right edge inwards: item 0 is the rightmost.
    std::vector<std::shared_ptr<UIBarButtonItem>> rightBarButtonItems;
};

struct UIStoryboardSegue {
    std::optional<std::string> identifier;
    ViewController* source = nullptr;
    ViewController* destination = nullptr;
};

class ViewController : public Responder {
public:
    ViewController();
    ~ViewController() override;
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    // The root view, created by `loadView` and followed by `viewDidLoad` on first use.
    View* view();
    [[nodiscard]] bool isViewLoaded() const { return view_ != nullptr; }

    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void didReceiveMemoryWarning() {}

    // After the root view comes the view's superview.
    Responder* nextResponder() const override;

    UINavigationItem navigationItem;
    // The navigation controller whose stack holds this controller, if any.
    [[nodiscard]] NavigationController* navigationController() const { return navigationController_; }

    // The layout resource this controller was made from, and its scene there.
    [[nodiscard]] const Storyboard* storyboard() const { return storyboard_; }
    [[nodiscard]] const std::string& sceneIdentifier() const { return sceneIdentifier_; }

    // Looks the segue up among this scene's segues (an unknown identifier is a
    // programming error and throws std::logic_error), makes a fresh destination,
    // calls `prepare` before the destination's view loads, then shows it.
    void performSegue(const std::string& identifier, Responder* sender);
    virtual void prepare(const UIStoryboardSegue& /*segue*/, Responder* /*sender*/) {}

    // Hands the loaded root view to a container (a window or a navigation
    // controller), which places it in its own tree, and takes it back later.
    std::unique_ptr<View> detachViewForEmbedding();
    void reclaimView(std::unique_ptr<View> view);

private:
    friend class NavigationController;
    friend class Storyboard;

    void setNavigationController(NavigationController* controller) { navigationController_ = controller; }
    void setStoryboard(const Storyboard* storyboard, std::string scene);

    std::unique_ptr<View> ownedView_;  // empty while a container holds the view
    View* view_ = nullptr;
    NavigationController* navigationController_ = nullptr;
    const Storyboard* storyboard_ = nullptr;
    std::string sceneIdentifier_;

protected:
    void setView(std::unique_ptr<View> view);
};

}  // namespace platform
