#pragma once
// The screen layout resource: which screen comes first, which controller
// class each screen has, the menu buttons of a menu screen and the segues
// between screens. Controllers are made by class name through a registry,
// so a screen class only has to be registered to appear in a layout.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/view_controller.hpp"

namespace platform {

using ControllerFactory = std::function<std::unique_ptr<ViewController>()>;

// Class name → factory. Registering a name again replaces its factory.
class ControllerRegistry {
public:
    static void registerClass(const std::string& className, ControllerFactory factory);
    [[nodiscard]] static bool contains(const std::string& className);
    // Throws std::logic_error for a name that was never registered.
    static std::unique_ptr<ViewController> make(const std::string& className);
};

// The class name of the platform's navigation controller in a layout.
inline constexpr const char kNavigationControllerClass[] = "UINavigationController";

struct MenuButtonDescription {
    std::string title;
    std::string segue;  // a segue from the menu's own scene
};

struct SceneDescription {
    std::string identifier;
    std::string className;
    std::string title;
    std::optional<std::string> rootScene;  // navigation controllers only
    std::vector<MenuButtonDescription> buttons;
};

struct SegueDescription {
    std::string identifier;
    std::string source;  // scene identifiers
    std::string destination;
};

class Storyboard {
public:
    // Reads a layout from a file or a resource path (":/..."). Throws
    // std::runtime_error when it cannot be read, is malformed, names an
    // unregistered class or a scene that does not exist.
    static std::unique_ptr<Storyboard> load(const std::string& path);
    static std::unique_ptr<Storyboard> fromJson(const std::string& json);

    [[nodiscard]] const std::string& initialScene() const { return initialScene_; }
    [[nodiscard]] const SceneDescription* scene(const std::string& identifier) const;
    [[nodiscard]] const std::vector<SceneDescription>& scenes() const { return scenes_; }
    [[nodiscard]] const std::vector<SegueDescription>& segues() const { return segues_; }
    // The segue with this identifier that starts at `sourceScene`, or null.
    [[nodiscard]] const SegueDescription* segue(const std::string& sourceScene,
                                                const std::string& identifier) const;

    // A fresh controller for a scene (a navigation controller with its root
    // scene inside); its view is not loaded. Throws std::logic_error for an unknown scene.
    [[nodiscard]] std::unique_ptr<ViewController> instantiateViewController(const std::string& scene) const;
    [[nodiscard]] std::unique_ptr<ViewController> instantiateInitialViewController() const;

private:
    Storyboard() = default;
    void validate() const;

    std::string initialScene_;
    std::vector<SceneDescription> scenes_;
    std::vector<SegueDescription> segues_;
};

}  // namespace platform
