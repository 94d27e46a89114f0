#pragma once
// The state behind the import dialog: the six extension lists, which live as long as the
// program, and the storing of the dialog's choices when it closes with "&Import now".
#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "brantlow/core/settings.h"
#include "brantlow/exchange/import.h"
#include "common/message_box.h"

namespace brantlow {

class ExtensionSets {
public:
    // Slot 0 holds the user's own list, the Extensions setting when the dialog is created.
    void SetUserDefined(const std::string& extensions) { lists_[0] = extensions; }
    [[nodiscard]] const std::string& List(int index) const { return lists_.at(static_cast<std::size_t>(index)); }
    void Store(int index, const std::string& extensions) { lists_.at(static_cast<std::size_t>(index)) = extensions; }
    // A double click on "E&xtensions:" puts the original list back into slot 0.
    void RestoreUserDefined() { lists_[0] = std::string(kDefaultUserExtensions); }
    [[nodiscard]] static int Count() { return static_cast<int>(std::size(kExtensionSets)); }

private:
    std::array<std::string, std::size(kExtensionSets)> lists_ = [] {
        std::array<std::string, std::size(kExtensionSets)> lists;
        for (std::size_t i = 0; i < lists.size(); ++i) lists[i] = std::string(kExtensionSets[i].Extensions);
        return lists;
    }();
};

// The import dialog's controls when "&Import now" is clicked.
struct ImportDialogState {
    std::vector<std::string> Files;
    std::vector<std::string> CheckedSchemes;
    TImportOptions Options;  // the check boxes; Extensions is the text of "E&xtensions:"
    int ChosenSet = -1;      // the combo box's index, -1 when none is chosen
    bool AllSchemes = false;
};

// With files in the list: stores the choices into ImportOptions and the chosen set and
// returns what the import run needs. Without: says so and returns nothing.
[[nodiscard]] std::optional<ImportChoices> AcceptImportDialog(const ImportDialogState& state, ExtensionSets& sets,
                                                              Settings& settings, common::MessageBoxHost& messages);

}  // namespace brantlow
