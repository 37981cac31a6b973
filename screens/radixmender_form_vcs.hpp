#pragma once
// The three form screens: a/(b√c), a/(b + c√d) or a/(b√c + d), a/(b√c + d√e).
#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "screens/form_vc.hpp"

namespace radixmender {

inline constexpr const char kSegueA[] = "Radixmender_A_Segue";
inline constexpr const char kSegueB[] = "Radixmender_B_Segue";
inline constexpr const char kSegueC[] = "Radixmender_C_Segue";

class Radixmender_A_VC : public RadixmenderFormVC {
public:
    Radixmender_A_VC();
    Radixmender_A_Model theModel;

protected:
    bool storeEntries(const TextGroups& inputs, const TextLists& options) override;
    [[nodiscard]] ModelOutput solve() const override;
};

class Radixmender_B_VC : public RadixmenderFormVC {
public:
    Radixmender_B_VC();
    Radixmender_B_Model theModel;

protected:
    bool storeEntries(const TextGroups& inputs, const TextLists& options) override;
    [[nodiscard]] ModelOutput solve() const override;
};

class Radixmender_C_VC : public RadixmenderFormVC {
public:
    Radixmender_C_VC();
    Radixmender_C_Model theModel;

protected:
    bool storeEntries(const TextGroups& inputs, const TextLists& options) override;
    [[nodiscard]] ModelOutput solve() const override;
};

}  // namespace radixmender
