#pragma once
// The guide viewer: the guide PDF a page at a time, with one button per
// chapter in the navigation bar that goes to the chapter's first page.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/pdf_view.hpp"
#include "platform/view_controller.hpp"

namespace radixmender {

inline constexpr const char kTapAction[] = "tapWithSender:";

class Radixmender_Guide_VC : public platform::ViewController {
public:
    Radixmender_Guide_VC();

    const std::string pdfName = "Radixmender_Guide";
    const std::vector<std::pair<std::string, int>> titlesAndPages = {
        {"intro ", 0}, {"notes ", 3}, {"examples", 9}};

    // None before the view loads.
    [[nodiscard]] platform::PDFView* pdfView() const { return pdfView_; }

    void viewDidLoad() override;
    void tap(const platform::UIBarButtonItem* sender);

    bool respondsToAction(const std::string& selector) const override { return selector == kTapAction; }
    void performAction(const std::string& selector, platform::View* sender) override;

private:
    // Owned here until (and unless) it joins the root view.
    std::unique_ptr<platform::PDFView> ownedPdfView_;
    platform::PDFView* pdfView_ = nullptr;
};

}  // namespace radixmender
