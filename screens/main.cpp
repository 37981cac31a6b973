// The program entry: hand control to the application loop with AppDelegate
// as the application delegate.
#include "platform/application.hpp"
#include "screens/app_delegate.hpp"

int main(int argc, char** argv) {
    radixmender::registerScreens();
    platform::UIApplicationMain(argc, argv, std::nullopt, "AppDelegate");
    return 0;
}
