#include "screens/radixmender_guide_vc.hpp"

#include <algorithm>

#include "platform/bundle.hpp"
#include "platform/device.hpp"
#include "platform/layout.hpp"

namespace radixmender {

Radixmender_Guide_VC::Radixmender_Guide_VC() = default;

void Radixmender_Guide_VC::viewDidLoad() {
    ViewController::viewDidLoad();
    ownedPdfView_ = std::make_unique<platform::PDFView>();
    pdfView_ = ownedPdfView_.get();
    pdfView_->translatesAutoresizingMaskIntoConstraints = false;
    pdfView_->autoScales = true;
    pdfView_->setBackgroundColor(platform::UIColor::clear());
    pdfView_->usePageViewController(true, nullptr);
    pdfView_->displayDirection = platform::UIDevice::current().model() == "iPhone"
                                     ? platform::PDFDisplayDirection::horizontal
                                     : platform::PDFDisplayDirection::vertical;

    const auto url = platform::Bundle::main().url(pdfName, "pdf");
    if (!url) return;
    if (auto document = platform::PDFDocument::open(*url)) pdfView_->setDocument(std::move(document));

    auto* root = view();
    platform::pinInsideSafeArea(*root->addSubview(std::move(ownedPdfView_)), *root, 0);

    std::vector<std::shared_ptr<platform::UIBarButtonItem>> buttons;
    for (const auto& [title, page] : titlesAndPages) {
        buttons.push_back(std::make_shared<platform::UIBarButtonItem>(
            title, platform::UIBarButtonItem::Style::plain, this, kTapAction));
    }
    std::reverse(buttons.begin(), buttons.end());
    navigationItem.rightBarButtonItems = std::move(buttons);
}

void Radixmender_Guide_VC::performAction(const std::string& selector, platform::View* sender) {
    if (selector == kTapAction) tap(platform::UIBarButtonItem::from(sender));
}

void Radixmender_Guide_VC::tap(const platform::UIBarButtonItem* sender) {
    if (sender == nullptr || !sender->title || pdfView_ == nullptr) return;
    const auto entry = std::find_if(titlesAndPages.begin(), titlesAndPages.end(),
                                    [&](const auto& e) { return e.first == *sender->title; });
    if (entry == titlesAndPages.end()) return;
    const auto& document = pdfView_->document();
    if (!document) return;
    if (const auto page = document->page(entry->second)) pdfView_->go(*page);
}

}  // namespace radixmender
