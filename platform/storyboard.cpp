#include "platform/storyboard.hpp"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <set>
#include <stdexcept>

#include "platform/navigation_controller.hpp"

namespace platform {

namespace {

std::map<std::string, ControllerFactory>& registry() {
    static std::map<std::string, ControllerFactory> factories;
    return factories;
}

std::string str(const QJsonValue& value) { return value.toString().toStdString(); }

std::string requiredString(const QJsonObject& object, const char* key, const std::string& where) {
    const auto value = object.value(QString::fromLatin1(key));
    if (!value.isString() || value.toString().isEmpty()) {
        throw std::runtime_error("screen layout: " + where + " needs a text \"" + key + "\"");
    }
    return str(value);
}

}  // namespace

void ControllerRegistry::registerClass(const std::string& className, ControllerFactory factory) {
    registry()[className] = std::move(factory);
}

bool ControllerRegistry::contains(const std::string& className) {
    return className == kNavigationControllerClass || registry().count(className) != 0;
}

std::unique_ptr<ViewController> ControllerRegistry::make(const std::string& className) {
    if (className == kNavigationControllerClass) return std::make_unique<NavigationController>();
    const auto found = registry().find(className);
    if (found == registry().end() || !found->second) {
        throw std::logic_error("no controller class registered as \"" + className + "\"");
    }
    return found->second();
}

std::unique_ptr<Storyboard> Storyboard::load(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("screen layout: cannot read " + path);
    return fromJson(file.readAll().toStdString());
}

std::unique_ptr<Storyboard> Storyboard::fromJson(const std::string& json) {
    QJsonParseError error{};
    const auto document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    if (document.isNull() || !document.isObject()) {
        throw std::runtime_error("screen layout: not a JSON object: " + error.errorString().toStdString());
    }
    const auto root = document.object();
    std::unique_ptr<Storyboard> storyboard(new Storyboard);
    storyboard->initialScene_ = requiredString(root, "initialScene", "the layout");

    const auto scenes = root.value(QStringLiteral("scenes"));
    if (!scenes.isArray()) throw std::runtime_error("screen layout: \"scenes\" must be a list");
    for (const auto& value : scenes.toArray()) {
        const auto object = value.toObject();
        SceneDescription scene;
        scene.identifier = requiredString(object, "id", "a scene");
        scene.className = requiredString(object, "class", "scene " + scene.identifier);
        scene.title = str(object.value(QStringLiteral("title")));
        if (object.contains(QStringLiteral("root"))) {
            scene.rootScene = requiredString(object, "root", "scene " + scene.identifier);
        }
        for (const auto& button : object.value(QStringLiteral("buttons")).toArray()) {
            const auto b = button.toObject();
            const auto where = "a button of scene " + scene.identifier;
            scene.buttons.push_back({requiredString(b, "title", where), requiredString(b, "segue", where)});
        }
        storyboard->scenes_.push_back(std::move(scene));
    }

    const auto segues = root.value(QStringLiteral("segues"));
    if (!segues.isArray()) throw std::runtime_error("screen layout: \"segues\" must be a list");
    for (const auto& value : segues.toArray()) {
        const auto object = value.toObject();
        SegueDescription segue;
        segue.identifier = requiredString(object, "id", "a segue");
        segue.source = requiredString(object, "source", "segue " + segue.identifier);
        segue.destination = requiredString(object, "destination", "segue " + segue.identifier);
        storyboard->segues_.push_back(std::move(segue));
    }
    storyboard->validate();
    return storyboard;
}

void Storyboard::validate() const {
    std::set<std::string> ids;
    for (const auto& scene : scenes_) {
        if (!ids.insert(scene.identifier).second) {
            throw std::runtime_error("screen layout: scene " + scene.identifier + " appears twice");
        }
        if (!ControllerRegistry::contains(scene.className)) {
            throw std::runtime_error("screen layout: scene " + scene.identifier +
                                     " has the unregistered class " + scene.className);
        }
        if ((scene.className == kNavigationControllerClass) != scene.rootScene.has_value()) {
            throw std::runtime_error("screen layout: scene " + scene.identifier +
                                     ": exactly the navigation controllers name a root scene");
        }
    }
    const auto known = [&](const std::string& id, const std::string& where) {
        if (ids.count(id) == 0) throw std::runtime_error("screen layout: " + where + " names no scene " + id);
    };
    known(initialScene_, "the initial scene");
    std::set<std::pair<std::string, std::string>> segueKeys;
    for (const auto& segue : segues_) {
        known(segue.source, "segue " + segue.identifier);
        known(segue.destination, "segue " + segue.identifier);
        if (!segueKeys.insert({segue.source, segue.identifier}).second) {
            throw std::runtime_error("screen layout: segue " + segue.identifier + " appears twice in scene " +
                                     segue.source);
        }
    }
    for (const auto& scene : scenes_) {
        if (scene.rootScene) known(*scene.rootScene, "scene " + scene.identifier);
        for (const auto& button : scene.buttons) {
            if (segue(scene.identifier, button.segue) == nullptr) {
                throw std::runtime_error("screen layout: button \"" + button.title + "\" of scene " +
                                         scene.identifier + " names no segue " + button.segue);
            }
        }
    }
}

const SceneDescription* Storyboard::scene(const std::string& identifier) const {
    for (const auto& scene : scenes_) {
        if (scene.identifier == identifier) return &scene;
    }
    return nullptr;
}

const SegueDescription* Storyboard::segue(const std::string& sourceScene,
                                          const std::string& identifier) const {
    for (const auto& segue : segues_) {
        if (segue.source == sourceScene && segue.identifier == identifier) return &segue;
    }
    return nullptr;
}

std::unique_ptr<ViewController> Storyboard::instantiateViewController(const std::string& identifier) const {
    const auto* description = scene(identifier);
    if (description == nullptr) throw std::logic_error("screen layout: no scene " + identifier);
    auto controller = ControllerRegistry::make(description->className);
    controller->setStoryboard(this, description->identifier);
    if (!description->title.empty()) controller->navigationItem.title = description->title;
    if (description->rootScene) {
        auto* navigation = static_cast<NavigationController*>(controller.get());
        navigation->pushViewController(instantiateViewController(*description->rootScene));
    }
    return controller;
}

std::unique_ptr<ViewController> Storyboard::instantiateInitialViewController() const {
    return instantiateViewController(initialScene_);
}

}  // namespace platform
