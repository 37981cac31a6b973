#include "screens/app_delegate.hpp"

#include "platform/storyboard.hpp"
#include "screens/radixmender_form_vcs.hpp"
#include "screens/radixmender_guide_vc.hpp"
#include "screens/radixmender_menu_vc.hpp"
#include "screens/radixmender_practice_vc.hpp"
#include "screens/universal_engine_vc.hpp"

namespace radixmender {

bool AppDelegate::application(platform::UIApplication& /*application*/, const platform::LaunchOptions* /*options*/) {
    return true;
}

namespace {
template <typename T>
void registerController(const char* name) {
    platform::ControllerRegistry::registerClass(name, [] { return std::make_unique<T>(); });
}
}  // namespace

void registerScreens() {
    platform::DelegateRegistry::registerClass("AppDelegate", [] { return std::make_unique<AppDelegate>(); });
    registerController<Radixmender_Menu_VC>("Radixmender_Menu_VC");
    registerController<Radixmender_A_VC>("Radixmender_A_VC");
    registerController<Radixmender_B_VC>("Radixmender_B_VC");
    registerController<Radixmender_C_VC>("Radixmender_C_VC");
    registerController<Radixmender_Practice_VC>("Radixmender_Practice_VC");
    registerController<UniversalEngineVC>("UniversalEngineVC");
    registerController<Radixmender_Guide_VC>("Radixmender_Guide_VC");
}

}  // namespace radixmender
